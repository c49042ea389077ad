// kest/betainc: the regularised incomplete beta function.
#pragma once

#include "rt/Matrix.h"

namespace kestlib
{

// A point x of [0, 1] together with 1 - x, each to full relative accuracy, so that a caller who
// knows 1 - x better than the subtraction would give it (tcdf does) loses nothing.
struct UnitPoint {
    double x;
    double complement;
};

// I_x(a, b) from the continued fraction of the runtime's betacore, with the normal and gamma
// approximations where the fraction does not converge.
double betainc(UnitPoint x, double a, double b);
inline double betainc(double x, double a, double b)
{
    return betainc({x, 1 - x}, a, b);
}

// Element by element with scalar expansion; raises "Z must be nonnegative." or "W must be
// nonnegative." for a negative or NaN a or b, and "X, Z and W must all the same size (or any of
// them can be scalar)." for sizes that do not agree.
rt::Matrix betainc(const rt::Matrix &x, const rt::Matrix &a, const rt::Matrix &b);

} // namespace kestlib
