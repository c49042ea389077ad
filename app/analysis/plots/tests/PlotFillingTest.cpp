#include "PlotFilling.h"
#include "AnnotationBox.h"
#include "PlotChart.h"
#include "PlotTestState.h"
#include "PointSeries.h"
#include "SeriesPalette.h"

#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QImage>
#include <QStringList>

#include <cmath>
#include <limits>

namespace plots
{
namespace
{

using testing::configurationState;
using testing::distanceState;

struct Expected {
    double x;
    double y;
    const char *label;
};

void expectPoints(const PointSeries &series, std::initializer_list<Expected> expected)
{
    ASSERT_EQ(series.count(), static_cast<int>(expected.size()));
    int i = 0;
    for (const Expected &e : expected) {
        EXPECT_DOUBLE_EQ(series.point(i).x, e.x) << e.label;
        EXPECT_DOUBLE_EQ(series.point(i).y, e.y) << e.label;
        EXPECT_EQ(series.point(i).label, QString::fromUtf8(e.label));
        ++i;
    }
}

// Lays the chart out at a known size, as it is on screen.
void layOut(PlotChart &chart)
{
    chart.setViewport(QRect(0, 0, 560, 440));
    chart.replot();
}

TEST(DistancePlotTest, ThreeTablesGiveFourPointsOnOneLineAndAThreeLineBox)
{
    PlotChart chart;
    fillDistancePlot(chart, distanceState({0.25, 0.5, 1.125}));

    ASSERT_EQ(chart.seriesCount(), 1);
    const PointSeries &series = *chart.firstSeries();
    expectPoints(series, {{1, 0, "Xt"}, {250, 0, "X1"}, {500, 0, "X2"}, {1125, 0, "X3"}});
    EXPECT_TRUE(series.marksVisible());
    EXPECT_EQ(series.pointColour(0), QColor(0, 0, 255));
    for (int i = 1; i < 4; ++i)
        EXPECT_EQ(series.pointColour(i), QColor(255, 0, 0));

    const AnnotationBox &box = *chart.annotation();
    EXPECT_TRUE(box.shown());
    EXPECT_EQ(box.text(), QStringLiteral("X1-Xt = 0.250\nX2-Xt = 0.500\nX3-Xt = 1.125"));
    EXPECT_EQ(box.topLeft(), QPointF(19, 22));
    EXPECT_EQ(box.minimumSize(), QSizeF(85, 45));
    EXPECT_GE(box.rect().width(), 85);
    EXPECT_GE(box.rect().height(), 45);
    EXPECT_EQ(box.fillColour().alpha(), 64); // 75 % transparent

    EXPECT_TRUE(chart.hasHorizontalAxis());
    EXPECT_FALSE(chart.hasVerticalAxis());
    EXPECT_EQ(chart.horizontalRange(), (AxisRange{1 - 112.5, 1125 + 112.5}));
    EXPECT_DOUBLE_EQ(chart.horizontalAxisPercent(), 50);
    EXPECT_TRUE(chart.xAxis->visible());
    EXPECT_FALSE(chart.yAxis->visible());
    EXPECT_FALSE(chart.xAxis->grid()->visible());
}

TEST(DistancePlotTest, ResetGivesTheTitleLineWhiteBackgroundNoClippingAndNoLegend)
{
    PlotChart chart;
    chart.setClipPoints(true);
    chart.legend->setVisible(true);
    fillDistancePlot(chart, distanceState({0.25}));

    EXPECT_EQ(chart.subFooterText(),
              QStringLiteral("Άξονας αποστάσεων ") + QChar(0x03A7) + QStringLiteral("t-Xw"));
    EXPECT_TRUE(chart.subFooter()->visible());
    EXPECT_TRUE(chart.subFooter()->font().bold());
    EXPECT_EQ(chart.subFooter()->font().pointSize(), 9);
    EXPECT_EQ(chart.subFooter()->textColor(), QColor(Qt::black));
    EXPECT_FALSE(chart.clipPoints());
    EXPECT_FALSE(chart.firstSeries()->clipsToPlotArea());
    EXPECT_FALSE(chart.legend->visible());
    const QImage picture = chart.toPixmap(200, 150).toImage();
    EXPECT_EQ(picture.pixelColor(1, 1), QColor(Qt::white));
    EXPECT_EQ(picture.pixelColor(170, 20), QColor(Qt::white)); // inside the plot area
}

TEST(DistancePlotTest, BoxGrowsToFitItsText)
{
    PlotChart chart;
    fillDistancePlot(chart, distanceState({123456.789}));
    const AnnotationBox &box = *chart.annotation();
    const QSizeF text = QFontMetricsF(box.font()).size(0, box.text());
    EXPECT_GT(box.rect().width(), text.width());
    EXPECT_GT(box.rect().width(), 85);
    EXPECT_GT(box.rect().height(), text.height());
}

TEST(DistancePlotTest, NoFurtherTableDrawsOnlyTheTargetAndNoBox)
{
    PlotChart chart;
    fillDistancePlot(chart, distanceState({0.25, 0.5}));
    fillDistancePlot(chart, distanceState({}));
    expectPoints(*chart.firstSeries(), {{1, 0, "Xt"}});
    EXPECT_FALSE(chart.annotation()->shown());
    EXPECT_EQ(chart.horizontalRange(), (AxisRange{-1000, 1000}));
    EXPECT_DOUBLE_EQ(chart.horizontalAxisPercent(), 50);
}

TEST(DistancePlotTest, NonFiniteDistanceIsLeftOutButListed)
{
    PlotChart chart;
    fillDistancePlot(chart, distanceState({0.5, std::numeric_limits<double>::quiet_NaN()}));
    expectPoints(*chart.firstSeries(), {{1, 0, "Xt"}, {500, 0, "X1"}});
    EXPECT_EQ(chart.annotation()->text(), QStringLiteral("X1-Xt = 0.500\nX2-Xt = NaN"));
}

TEST(DistancePlotTest, TextsAreReadWithTheRunsDecimalSeparator)
{
    PlotChart chart;
    const AnalysisState state = distanceState({0.25}, u',');
    ASSERT_EQ(state.Kd.at(0, 0), QStringLiteral("0,250"));
    fillDistancePlot(chart, state);
    expectPoints(*chart.firstSeries(), {{1, 0, "Xt"}, {250, 0, "X1"}});
}

TEST(DistancePlotTest, DistancesInARowAreReadAsWell)
{
    AnalysisState state = distanceState({});
    state.OtherTableCount = 2;
    state.Kd = TextTable(1, 2);
    state.Kd.set(0, 0, QStringLiteral("0.100"));
    state.Kd.set(0, 1, QStringLiteral("0.200"));
    PlotChart chart;
    fillDistancePlot(chart, state);
    expectPoints(*chart.firstSeries(), {{1, 0, "Xt"}, {100, 0, "X1"}, {200, 0, "X2"}});
}

// 0.1 · (t + 1) · (i + 1) · (j + 1), its sign alternating between neighbouring cells.
double sample(int table, int object, int variable)
{
    const double sign = (object + variable) % 2 == 0 ? 1 : -1;
    return sign * 0.1 * (table + 1) * (object + 1) * (variable + 1);
}

TEST(ConfigurationPlotTest, FourObjectsAndTwoTablesGiveThreeLabelledSeries)
{
    PlotChart chart;
    fillConfigurationPlot(chart, configurationState(4, 2, 2, sample));

    ASSERT_EQ(chart.seriesCount(), 3);
    const PointSeries &target = *chart.firstSeries();
    EXPECT_EQ(target.name(), QStringLiteral("Xt"));
    EXPECT_EQ(target.colour(), QColor(255, 0, 0));
    expectPoints(
        target,
        {{100, -200, "X1-t"}, {-200, 400, "X2-t"}, {300, -600, "X3-t"}, {-400, 800, "X4-t"}});
    expectPoints(
        *chart.series(1),
        {{200, -400, "X1-1"}, {-400, 800, "X2-1"}, {600, -1200, "X3-1"}, {-800, 1600, "X4-1"}});
    expectPoints(
        *chart.series(2),
        {{300, -600, "X1-2"}, {-600, 1200, "X2-2"}, {900, -1800, "X3-2"}, {-1200, 2400, "X4-2"}});
    for (int s = 0; s < 3; ++s)
        EXPECT_TRUE(chart.series(s)->marksVisible());
    EXPECT_EQ(chart.series(1)->colour(), tableColour(1));
    EXPECT_EQ(chart.series(2)->colour(), tableColour(2));
    EXPECT_NE(chart.series(1)->colour(), chart.series(2)->colour());

    EXPECT_EQ(chart.horizontalRange(), (AxisRange{-1320, 1020}));
    EXPECT_EQ(chart.verticalRange(), (AxisRange{-2040, 2640}));
    EXPECT_DOUBLE_EQ(chart.verticalAxisPercent(), 100 * 1320.0 / 2340);
    EXPECT_DOUBLE_EQ(chart.horizontalAxisPercent(), 100 * 2040.0 / 4680);
    EXPECT_EQ(chart.subFooterText(),
              QStringLiteral("Διάγραμμα Xt ~ XwR (άξονας x:V1, άξονας y:V2)"));
}

TEST(ConfigurationPlotTest, AxesCrossAtTheOriginOnScreenAndAfterResizing)
{
    PlotChart chart;
    fillConfigurationPlot(chart, configurationState(4, 2, 2, sample));
    for (const QSize size : {QSize(560, 440), QSize(900, 300)}) {
        chart.setViewport(QRect(QPoint(0, 0), size));
        chart.replot();
        const QRect area = chart.axisRect()->rect();
        EXPECT_NEAR(chart.horizontalAxisPixel(), chart.yAxis->coordToPixel(0), 1.5);
        EXPECT_NEAR(chart.verticalAxisPixel(), chart.xAxis->coordToPixel(0), 1.5);
        EXPECT_NEAR(area.bottom() - chart.horizontalAxisPixel(),
                    chart.horizontalAxisPercent() / 100 * area.height(), 1);
        EXPECT_NEAR(chart.verticalAxisPixel() - area.left(),
                    chart.verticalAxisPercent() / 100 * area.width(), 1);
    }
}

TEST(ConfigurationPlotTest, AllPositiveValuesPlaceTheVerticalAxisByTheRangesEnds)
{
    PlotChart chart;
    fillConfigurationPlot(chart, configurationState(3, 1, 2, [](int t, int i, int j) {
                              return 0.1 * (t + 1) + 0.2 * i + 0.05 * j;
                          }));
    const AxisRange x = chart.horizontalRange();
    ASSERT_GT(x.lower, 0);
    EXPECT_DOUBLE_EQ(chart.verticalAxisPercent(), 100 * x.lower / (x.upper + x.lower));
    layOut(chart);
    const QRect area = chart.axisRect()->rect();
    EXPECT_NEAR(chart.verticalAxisPixel() - area.left(),
                x.lower / (x.upper + x.lower) * area.width(), 1);
}

TEST(ConfigurationPlotTest, VariablesThreeAndOnePutVariableThreeAcross)
{
    AnalysisState state = configurationState(2, 1, 3, sample, 3, 1);
    state.HorizontalAxisName = QStringLiteral("Ύψος");
    state.VerticalAxisName = QStringLiteral("Βάρος");
    PlotChart chart;
    fillConfigurationPlot(chart, state);
    expectPoints(*chart.firstSeries(), {{300, 100, "X1-t"}, {-600, -200, "X2-t"}});
    expectPoints(*chart.series(1), {{600, 200, "X1-1"}, {-1200, -400, "X2-1"}});
    EXPECT_EQ(chart.subFooterText(),
              QStringLiteral("Διάγραμμα Xt ~ XwR (άξονας x:Ύψος, άξονας y:Βάρος)"));
}

TEST(ConfigurationPlotTest, TheRotatedTableCountsInTheRanges)
{
    PlotChart chart;
    fillConfigurationPlot(chart, configurationState(2, 1, 2, [](int t, int i, int) {
                              return t == 0 ? 0.1 * (i + 1) : -2.0 * (i + 1);
                          }));
    EXPECT_EQ(chart.horizontalRange(), (AxisRange{-4400, 600}));
}

TEST(ConfigurationPlotTest, EqualValuesOfAVariableUseTheFallbackRangeAndTheMiddle)
{
    PlotChart chart;
    fillConfigurationPlot(chart, configurationState(3, 1, 2, [](int, int i, int j) {
                              return j == 1 ? 0.7 : 0.1 * (i + 1);
                          }));
    EXPECT_EQ(chart.verticalRange(), (AxisRange{-1000, 1000}));
    EXPECT_DOUBLE_EQ(chart.horizontalAxisPercent(), 50);
    EXPECT_EQ(chart.horizontalRange(), (AxisRange{70, 330}));
}

TEST(ConfigurationPlotTest, NoFinitePointLeavesEveryPointOutAndCentresBothAxes)
{
    PlotChart chart;
    fillConfigurationPlot(chart, configurationState(3, 2, 2, [](int, int, int) {
                              return std::numeric_limits<double>::quiet_NaN();
                          }));
    for (int s = 0; s < chart.seriesCount(); ++s)
        EXPECT_EQ(chart.series(s)->count(), 0);
    EXPECT_EQ(chart.horizontalRange(), (AxisRange{-1000, 1000}));
    EXPECT_EQ(chart.verticalRange(), (AxisRange{-1000, 1000}));
    EXPECT_DOUBLE_EQ(chart.horizontalAxisPercent(), 50);
    EXPECT_DOUBLE_EQ(chart.verticalAxisPercent(), 50);
}

TEST(ConfigurationPlotTest, PointWithOneNonFiniteCoordinateIsLeftOut)
{
    PlotChart chart;
    fillConfigurationPlot(chart, configurationState(3, 1, 2, [](int t, int i, int j) {
                              return t == 0 && i == 1 && j == 1
                                         ? std::numeric_limits<double>::infinity()
                                         : 0.1 * (i + 1);
                          }));
    expectPoints(*chart.firstSeries(), {{100, 100, "X1-t"}, {300, 300, "X3-t"}});
}

TEST(ConfigurationPlotTest, SeriesOfEarlierRunsAreRemoved)
{
    PlotChart chart;
    fillConfigurationPlot(chart, configurationState(2, 3, 2, sample));
    ASSERT_EQ(chart.seriesCount(), 4);
    fillConfigurationPlot(chart, configurationState(2, 1, 2, sample));
    EXPECT_EQ(chart.seriesCount(), 2);
    EXPECT_EQ(chart.series(1)->name(), QStringLiteral("X1"));
}

TEST(ConfigurationPlotTest, AnyNumberOfTablesWithColoursTakenInTurnAndNeverRed)
{
    const int K = 120;
    PlotChart chart;
    fillConfigurationPlot(chart, configurationState(2, K, 2, sample));
    ASSERT_EQ(chart.seriesCount(), K + 1);
    const int colours = tableColourCount();
    for (int k = 1; k <= K; ++k) {
        EXPECT_NE(chart.series(k)->colour(), QColor(255, 0, 0)) << k;
        EXPECT_EQ(chart.series(k)->colour(), chart.series((k - 1) % colours + 1)->colour()) << k;
    }
    for (int a = 1; a <= colours; ++a)
        for (int b = a + 1; b <= colours; ++b)
            EXPECT_NE(tableColour(a), tableColour(b));
    EXPECT_EQ(chart.series(K)->point(1).label, QStringLiteral("X2-120"));
}

TEST(ConfigurationPlotTest, MissingCellsOfAShortStateAreLeftOutWithoutHarm)
{
    AnalysisState state = configurationState(3, 2, 2, sample);
    state.KwR = TextTable(4, 2); // one table's rows missing
    for (int r = 0; r < 4; ++r)
        for (int j = 0; j < 2; ++j)
            state.KwR.set(r, j, QStringLiteral("0.100"));
    state.HorizontalAxis = 5; // beyond the columns
    PlotChart chart;
    fillConfigurationPlot(chart, state);
    for (int s = 0; s < chart.seriesCount(); ++s)
        EXPECT_EQ(chart.series(s)->count(), 0);
}

} // namespace
} // namespace plots
