// kest/tcdf: Student's t distribution function.
#pragma once

namespace kestlib
{

// P(T <= x) for T with v degrees of freedom: the Cauchy form at v = 1, the normal distribution
// from 10^7 degrees of freedom on, the incomplete beta function between; 0.5 at x = 0; NaN for
// v <= 0 or NaN arguments.
double tcdf(double x, double v);

} // namespace kestlib
