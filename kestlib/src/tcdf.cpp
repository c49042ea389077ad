#include "tcdf.h"

#include "betainc.h"
#include "normcdf.h"

#include <cmath>
#include <limits>
#include <numbers>

namespace kestlib
{

namespace
{

constexpr double normcutoff = 1e7;

// v / (v + x^2) with its complement x^2 / (v + x^2), which for small |x| is far more accurate
// than 1 minus the former.
UnitPoint betaArgument(double x, double v)
{
    const double x2 = x * x;
    return {v / (v + x2), std::isinf(x2) ? 1 : x2 / (v + x2)};
}

} // namespace

// The rules are checked from the one that overrides all others down to the first.
double tcdf(double x, double v)
{
    if (v <= 0 || std::isnan(x) || std::isnan(v))
        return std::numeric_limits<double>::quiet_NaN();
    if (x == 0 && v != 1)
        return 0.5;
    if (v != 1 && v < normcutoff) {
        const double p = betainc(betaArgument(x, v), v / 2, 0.5) / 2;
        return x > 0 ? 1 - p : p;
    }
    if (v >= normcutoff)
        return normcdf(x, 0, 1);
    return 0.5 + std::atan(x) / std::numbers::pi;
}

} // namespace kestlib
