// Log-gamma combinations evaluated without the cancellation of large log-gamma values.
#pragma once

namespace kestlib
{

// ln Gamma(a + b) - ln Gamma(a) - ln Gamma(b), that is -ln B(a, b). Computed naively, the
// rounding of the large log-gamma values (about 37600 at a = 5000) costs some 1e-11 relative in
// exp() of it; here the difference for the larger argument comes from Stirling's series instead.
double logInverseBeta(double a, double b);

} // namespace kestlib
