#include "AxisPlacement.h"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <limits>

namespace plots
{
namespace
{

Extremes extremesOf(std::initializer_list<double> values)
{
    Extremes extremes;
    for (double v : values)
        extremes.include(v);
    return extremes;
}

struct RangeCase {
    const char *what;
    std::initializer_list<double> values;
    AxisRange expected;
};

TEST(AxisRangeTest, MarginIsATenthOfTheLargerAbsoluteExtremeAtBothEnds)
{
    const RangeCase cases[] = {
        {"across zero", {-200, 500}, {-250, 550}},
        {"all positive", {100, 400}, {60, 440}},
        {"all negative", {-400, -100}, {-440, -60}},
        {"larger absolute extreme below", {-1000, 20}, {-1100, 120}},
        {"distance plot with the target at 1", {1, 250, 800}, {-79, 880}},
    };
    for (const RangeCase &c : cases) {
        const AxisRange range = axisRangeFor(extremesOf(c.values));
        EXPECT_DOUBLE_EQ(range.lower, c.expected.lower) << c.what;
        EXPECT_DOUBLE_EQ(range.upper, c.expected.upper) << c.what;
    }
}

TEST(AxisRangeTest, EmptyRangesFallBackToMinusToPlusThousand)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const RangeCase cases[] = {
        {"no value", {}, {-1000, 1000}},
        {"no finite value", {nan, inf, -inf}, {-1000, 1000}},
        {"every value equal", {500, 500, 500}, {-1000, 1000}},
        {"every value zero", {0, 0}, {-1000, 1000}},
        {"one point", {1}, {-1000, 1000}},
        {"a range too wide for a double", {-1.7e308, 1.7e308}, {-1000, 1000}},
    };
    for (const RangeCase &c : cases)
        EXPECT_EQ(axisRangeFor(extremesOf(c.values)), c.expected) << c.what;
}

TEST(AxisRangeTest, NonFiniteValuesDoNotWidenTheExtremes)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const Extremes extremes = extremesOf({nan, 3, -std::numeric_limits<double>::infinity(), 7});
    EXPECT_EQ(extremes.min(), 3);
    EXPECT_EQ(extremes.max(), 7);
    Extremes merged;
    merged.include(Extremes());
    EXPECT_TRUE(merged.empty());
    merged.include(extremes);
    EXPECT_EQ(merged.min(), 3);
}

TEST(AxisPositionTest, PositionIsWhereZeroLiesWhenTheRangeContainsIt)
{
    EXPECT_DOUBLE_EQ(axisPositionPercent({-250, 750}), 25);
    EXPECT_DOUBLE_EQ(axisPositionPercent({-1000, 1000}), 50);
    EXPECT_DOUBLE_EQ(axisPositionPercent({-900, 100}), 90);
}

TEST(AxisPositionTest, AllPositiveRangeGivesLowerOverUpperPlusLower)
{
    // xmin' / (xmax' + xmin')
    EXPECT_DOUBLE_EQ(axisPositionPercent({60, 440}), 100 * 60.0 / 500);
    EXPECT_DOUBLE_EQ(axisPositionPercent({-440, -60}), 100 * 440.0 / 500);
}

TEST(AxisPositionTest, ZeroWidthRangeAtZeroSitsInTheMiddle)
{
    EXPECT_DOUBLE_EQ(axisPositionPercent({0, 0}), 50);
}

TEST(AxisPositionTest, AfterZoomingTheAxisFollowsTheOriginOrTheNearestEdge)
{
    EXPECT_DOUBLE_EQ(originPositionPercent({-100, 300}), 25);
    EXPECT_DOUBLE_EQ(originPositionPercent({50, 300}), 0);
    EXPECT_DOUBLE_EQ(originPositionPercent({-300, -50}), 100);
    EXPECT_DOUBLE_EQ(originPositionPercent({0, 0}), 50);
}

} // namespace
} // namespace plots
