#include "AxisPlacement.h"

#include <algorithm>
#include <cmath>

namespace plots
{

void Extremes::include(double value)
{
    if (!std::isfinite(value))
        return;
    min_ = std::min(min_, value);
    max_ = std::max(max_, value);
}

void Extremes::include(const Extremes &other)
{
    if (other.empty())
        return;
    include(other.min());
    include(other.max());
}

AxisRange emptyAxisRange()
{
    return {-1000, 1000};
}

AxisRange axisRangeFor(const Extremes &extremes)
{
    if (extremes.empty() || extremes.min() == extremes.max())
        return emptyAxisRange();
    const double lo = extremes.min();
    const double hi = extremes.max();
    const double margin = 0.1 * std::max(std::abs(lo), std::abs(hi));
    const AxisRange range{lo - margin, hi + margin};
    if (!std::isfinite(range.lower) || !std::isfinite(range.upper))
        return emptyAxisRange();
    return range;
}

double axisPositionPercent(const AxisRange &crossedRange)
{
    const double lower = std::abs(crossedRange.lower);
    const double upper = std::abs(crossedRange.upper);
    if (lower + upper == 0)
        return 50;
    return 100 * lower / (upper + lower);
}

double originPositionPercent(const AxisRange &crossedRange)
{
    const double size = crossedRange.upper - crossedRange.lower;
    if (!(size > 0))
        return 50;
    return std::clamp(100 * -crossedRange.lower / size, 0.0, 100.0);
}

} // namespace plots
