#include "Moments.h"

#include <cmath>
#include <limits>

namespace kestlib
{

namespace
{

bool allEqual(VectorView x)
{
    for (rt::Index k = 0; k < x.size; ++k)
        if (!(x[k] == x[0]))
            return false;
    return x.size > 0;
}

double sumOf(VectorView x, double shift)
{
    double s = 0;
    for (rt::Index k = 0; k < x.size; ++k)
        s += x[k] - shift;
    return s;
}

} // namespace

double meanOf(VectorView x)
{
    if (allEqual(x))
        return x[0];
    const auto n = static_cast<double>(x.size);
    const double rough = sumOf(x, 0) / n;
    if (!std::isfinite(rough))
        return rough;
    return rough + sumOf(x, rough) / n;
}

Moments momentsOf(VectorView x)
{
    if (x.size == 0) {
        const double nan = std::numeric_limits<double>::quiet_NaN();
        return {nan, nan, false};
    }
    if (allEqual(x))
        return {x[0], 0, true};
    const double mean = meanOf(x);
    double squares = 0;
    for (rt::Index k = 0; k < x.size; ++k)
        squares += (x[k] - mean) * (x[k] - mean);
    return {mean, std::sqrt(squares / static_cast<double>(x.size - 1)), false};
}

} // namespace kestlib
