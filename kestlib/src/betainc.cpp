#include "betainc.h"

#include "Elementwise.h"
#include "LogGamma.h"

#include "rt/Error.h"
#include "rt/MathFunctions.h"

#include <cmath>
#include <numbers>

namespace kestlib
{

namespace
{

// x lies at 1 only when its complement is 0: v / (v + x^2) rounds to 1 for tiny x long before
// x^2 / (v + x^2) reaches 0.
bool atOne(UnitPoint p)
{
    return p.complement == 0;
}

// ln x and ln(1 - x), each from whichever of x and 1 - x keeps it accurate; 0 at x = 0 and at
// x = 1 respectively, so ln 0 never occurs.
double logOf(UnitPoint p)
{
    if (p.x == 0)
        return 0;
    return p.x < 0.5 ? std::log(p.x) : std::log1p(-p.complement);
}

double logOfComplement(UnitPoint p)
{
    if (atOne(p))
        return 0;
    return p.complement < 0.5 ? std::log(p.complement) : std::log1p(-p.x);
}

// For parameters where the continued fraction does not converge: the normal approximation of
// the cube roots, or the gamma approximation when (a + b - 1)(1 - x) is small.
double approximation(UnitPoint p, double a, double b)
{
    const double w1 = std::pow(b * p.x, 1.0 / 3);
    const double w2 = std::pow(a * p.complement, 1.0 / 3);
    const double y = 0.5 * std::erfc((-3 / std::numbers::sqrt2) *
                                     ((1 - 1 / (9 * b)) * w1 - (1 - 1 / (9 * a)) * w2) /
                                     std::sqrt(w1 * w1 / b + w2 * w2 / a));
    if (!((a + b - 1) * p.complement < 0.8))
        return y;
    const double s = 0.5 * ((a + b - 1) * (3 - p.x) - (b - 1)) * p.complement;
    return 1 - rt::gammainc(s, b);
}

bool anyNegativeOrNaN(const rt::Matrix &m)
{
    for (double v : m.reshaped())
        if (!(v >= 0))
            return true;
    return false;
}

} // namespace

double betainc(UnitPoint p, double a, double b)
{
    // x^a (1 - x)^b / B(a, b)
    const double bt = std::exp(logInverseBeta(a, b) + a * logOf(p) + b * logOfComplement(p));
    double y = p.x < (a + 1) / (a + b + 2) ? bt * rt::betacore(p.x, a, b) / a
                                           : 1 - bt * rt::betacore(p.complement, b, a) / b;
    if (std::isnan(y))
        y = approximation(p, a, b);
    if (p.x == 0)
        return 0;
    if (atOne(p))
        return 1;
    return y;
}

rt::Matrix betainc(const rt::Matrix &x, const rt::Matrix &a, const rt::Matrix &b)
{
    if (anyNegativeOrNaN(a))
        rt::raise("Z must be nonnegative.");
    if (anyNegativeOrNaN(b))
        rt::raise("W must be nonnegative.");
    try {
        commonShape({&x, &a, &b});
    } catch (const rt::Error &) {
        rt::raise("X, Z and W must all the same size (or any of them can be scalar).");
    }
    return elementwise(static_cast<double (*)(double, double, double)>(betainc), x, a, b);
}

} // namespace kestlib
