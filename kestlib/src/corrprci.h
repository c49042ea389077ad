// kest/corrprci: the two-sided p-value of a correlation coefficient.
#pragma once

namespace kestlib
{

// 2 (1 - F(|t|)) with t = R sqrt(df / (1 - (R - 10 eps)^2)), df = n - 2 and F Student's t
// distribution function; where the quantity under the root is negative its magnitude is used.
double corrprci(double R, double n);

} // namespace kestlib
