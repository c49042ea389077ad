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

} // namespace

Mean meanOf(VectorView x)
{
    if (allEqual(x))
        return {x[0], 0};
    const auto n = static_cast<double>(x.size);
    double sum = 0;
    for (rt::Index k = 0; k < x.size; ++k)
        sum += x[k];
    const double estimate = sum / n;
    if (!std::isfinite(estimate))
        return {estimate, 0};
    double residual = 0;
    for (rt::Index k = 0; k < x.size; ++k)
        residual += x[k] - estimate;
    return {estimate, residual / n};
}

Moments momentsOf(VectorView x)
{
    if (x.size == 0) {
        const double nan = std::numeric_limits<double>::quiet_NaN();
        return {{nan, 0}, nan, false};
    }
    if (allEqual(x))
        return {{x[0], 0}, 0, true};
    const Mean mean = meanOf(x);
    double squares = 0;
    for (rt::Index k = 0; k < x.size; ++k)
        squares += mean.deviation(x[k]) * mean.deviation(x[k]);
    return {mean, std::sqrt(squares / static_cast<double>(x.size - 1)), false};
}

} // namespace kestlib
