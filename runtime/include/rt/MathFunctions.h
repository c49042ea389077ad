// Special functions for the libraries' distribution code.
#pragma once

namespace rt
{

// log |Gamma(x)|.
double gammaln(double x);

// The complementary error function.
double erfc(double x);

// The regularised lower incomplete gamma function P(a, x), called as gammainc(x, a);
// 0 at x = 0, 1 at x = +Inf, NaN for NaN or invalid arguments.
double gammainc(double x, double a);

// The continued-fraction factor of the regularised incomplete beta function: for
// x < (a + 1) / (a + b + 2), I_x(a, b) = bt * betacore(x, a, b) / a with
// bt = x^a (1 - x)^b / B(a, b). NaN where the fraction does not converge.
double betacore(double x, double a, double b);

} // namespace rt
