// kest/corrf: correlation coefficients as normalised cross-products of prepared columns.
#pragma once

#include "VectorView.h"

namespace kestlib
{

// The plain sum of a[k] * b[k] in index order.
double dot(VectorView a, VectorView b);

// cp / (ss1 * ss2) for the cross-product cp of a column with norm ss1 and one with norm ss2.
// When ss1 * ss2 is below eps the second column's norm becomes NaN, for this and every later
// use of it, so the coefficient is NaN.
double crossCoefficient(double cp, double ss1, double &ss2);

// With P2 = 0: every pair of the columns of X, cp ./ max(ss ss', eps) (a column without spread
// gives 0). With P2 > 0: each of the first P1 columns of X against each of the next P2 (P1 x P2).
rt::Matrix corrf(const rt::Matrix &X, rt::Index P1, rt::Index P2);

} // namespace kestlib
