#include "rt/MathFunctions.h"

#include <boost/math/special_functions/gamma.hpp>

#include <cmath>
#include <limits>

namespace rt
{

namespace
{

constexpr double nan = std::numeric_limits<double>::quiet_NaN();

using QuietPolicy = boost::math::policies::policy<
    boost::math::policies::domain_error<boost::math::policies::ignore_error>,
    boost::math::policies::pole_error<boost::math::policies::ignore_error>,
    boost::math::policies::overflow_error<boost::math::policies::ignore_error>,
    boost::math::policies::evaluation_error<boost::math::policies::ignore_error>>;

} // namespace

double gammaln(double x)
{
    return std::lgamma(x);
}

double erfc(double x)
{
    return std::erfc(x);
}

double gammainc(double x, double a)
{
    if (std::isnan(x) || std::isnan(a) || x < 0 || a < 0)
        return nan;
    if (a == 0 || x == std::numeric_limits<double>::infinity())
        return 1;
    if (x == 0)
        return 0;
    if (a == std::numeric_limits<double>::infinity())
        return 0;
    return boost::math::gamma_p(a, x, QuietPolicy());
}

double betacore(double x, double a, double b)
{
    // The even and odd steps of the continued fraction, evaluated by Lentz's method.
    constexpr int maxIterations = 20000;
    constexpr double tolerance = 4 * std::numeric_limits<double>::epsilon();
    constexpr double tiny = 1e-300;
    if (std::isnan(x) || std::isnan(a) || std::isnan(b))
        return nan;
    const auto awayFromZero = [](double v) { return std::fabs(v) < tiny ? tiny : v; };
    const double qab = a + b;
    const double qap = a + 1;
    const double qam = a - 1;
    double c = 1;
    double d = 1 / awayFromZero(1 - qab * x / qap);
    double h = d;
    // One partial numerator aa: advances the numerator and denominator ratios c and d and
    // returns the factor it multiplies the fraction by.
    const auto step = [&](double aa) {
        d = 1 / awayFromZero(1 + aa * d);
        c = awayFromZero(1 + aa / c);
        return d * c;
    };
    for (int m = 1; m <= maxIterations; ++m) {
        const double m2 = 2.0 * m;
        h *= step(m * (b - m) * x / ((qam + m2) * (a + m2)));
        const double last = step(-(a + m) * (qab + m) * x / ((a + m2) * (qap + m2)));
        h *= last;
        if (std::fabs(last - 1) < tolerance)
            return h;
    }
    return nan;
}

} // namespace rt
