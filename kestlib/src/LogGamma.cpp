#include "LogGamma.h"

#include <algorithm>
#include <cmath>

namespace kestlib
{

namespace
{

// From here on eight terms of Stirling's series reach double precision.
constexpr double seriesFrom = 10;

// ln Gamma(z) - ((z - 1/2) ln z - z + ln(2 pi) / 2) by Stirling's series, for z >= seriesFrom.
double stirlingRemainder(double z)
{
    // B(2k) / (2k (2k - 1)), highest order first.
    static constexpr double coefficients[] = {-3617.0 / 122400, 1.0 / 156,   -691.0 / 360360,
                                              1.0 / 1188,       -1.0 / 1680, 1.0 / 1260,
                                              -1.0 / 360,       1.0 / 12};
    const double inverseSquare = 1 / (z * z);
    double sum = 0;
    for (double c : coefficients)
        sum = sum * inverseSquare + c;
    return sum / z;
}

// ln Gamma(big + small) - ln Gamma(big) for big >= seriesFrom: the large terms of the two
// Stirling expansions cancel analytically, leaving only well-conditioned pieces.
double logGammaRatio(double big, double small)
{
    return (big - 0.5) * std::log1p(small / big) + small * std::log(big + small) - small +
           (stirlingRemainder(big + small) - stirlingRemainder(big));
}

} // namespace

double logInverseBeta(double a, double b)
{
    const double big = std::max(a, b);
    const double small = std::min(a, b);
    if (!(big >= seriesFrom && small > 0) || std::isinf(big))
        return std::lgamma(a + b) - std::lgamma(a) - std::lgamma(b);
    return logGammaRatio(big, small) - std::lgamma(small);
}

} // namespace kestlib
