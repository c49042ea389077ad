// Where the plot axes run and where they sit: the range rule and the axis positions.
#pragma once

#include <limits>

namespace plots
{

struct AxisRange {
    double lower = 0;
    double upper = 0;

    bool operator==(const AxisRange &) const = default;
    bool contains(double value) const { return lower <= value && value <= upper; }
};

// The smallest and largest of the finite values seen; empty until one is seen.
class Extremes
{
  public:
    void include(double value);
    void include(const Extremes &other);
    bool empty() const { return min_ > max_; }
    double min() const { return min_; }
    double max() const { return max_; }

  private:
    double min_ = std::numeric_limits<double>::infinity();
    double max_ = -std::numeric_limits<double>::infinity();
};

// The range every plot axis gets for given extremes: a margin of a tenth of the larger absolute
// extreme at both ends. Without a finite value, or with every value equal, the range would be
// empty or arbitrary, so the axis runs over -1000..1000 instead.
AxisRange axisRangeFor(const Extremes &extremes);

// The fallback range above.
AxisRange emptyAxisRange();

// Where an axis crosses the other axis' range, in percent of the plot area measured from the
// lower end of that range: 100 · |lower| / (|upper| + |lower|). It is the position of 0 whenever
// the range contains 0, so the two axes then cross at the origin.
double axisPositionPercent(const AxisRange &crossedRange);

// After the user has zoomed or panned: the position of 0 in the crossed range when it is in view,
// else the nearest edge (0 or 100).
double originPositionPercent(const AxisRange &crossedRange);

} // namespace plots
