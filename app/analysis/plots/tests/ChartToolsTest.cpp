#include "AnnotationBox.h"
#include "ChartCommander.h"
#include "PlotChart.h"
#include "PlotFilling.h"
#include "PlotTestState.h"
#include "PointSeries.h"
#include "SeriesMarks.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QTest>

namespace plots
{
namespace
{

using testing::configurationState;
using testing::distanceState;

double sample(int table, int object, int variable)
{
    const double sign = (object + variable) % 2 == 0 ? 1 : -1;
    return sign * 0.1 * (table + 1) * (object + 1) * (variable + 1);
}

class ChartToolsTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        chart.resize(560, 440);
        chart.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&chart));
    }

    void fill(const AnalysisState &state)
    {
        fillConfigurationPlot(chart, state);
        chart.replot();
    }

    void drag(QPointF from, QPointF to)
    {
        QTest::mousePress(&chart, Qt::LeftButton, {}, from.toPoint());
        QTest::mouseMove(&chart, ((from + to) / 2).toPoint());
        QTest::mouseMove(&chart, to.toPoint());
        QTest::mouseRelease(&chart, Qt::LeftButton, {}, to.toPoint());
        chart.replot();
    }

    // A user zoom or pan, as the chart's own mouse handling makes it.
    void userShows(const AxisRange &horizontal, const AxisRange &vertical)
    {
        chart.xAxis->setRange(horizontal.lower, horizontal.upper);
        chart.yAxis->setRange(vertical.lower, vertical.upper);
        chart.replot();
    }

    PlotChart chart;
};

TEST_F(ChartToolsTest, DraggingAMarkMovesItsLabelAndKeepsItsPoint)
{
    fill(configurationState(4, 2, 2, sample));
    const MarkRef mark{chart.series(1), 2};
    const QRectF before = chart.marks()->labelRect(mark);
    const PlotPoint point = mark.series->point(2);

    drag(before.center(), before.center() + QPointF(30, -20));

    EXPECT_EQ(chart.marks()->labelRect(mark), before.translated(30, -20));
    EXPECT_EQ(mark.series->point(2).labelShift, QPointF(30, -20));
    EXPECT_EQ(mark.series->point(2).x, point.x);
    EXPECT_EQ(mark.series->point(2).y, point.y);
    EXPECT_EQ(mark.series->point(2).label, point.label);
}

TEST_F(ChartToolsTest, DraggedLabelStaysWithItsPointWhenTheViewChanges)
{
    fill(configurationState(4, 2, 2, sample));
    const MarkRef mark{chart.firstSeries(), 0};
    const QRectF label = chart.marks()->labelRect(mark);
    drag(label.center(), label.center() + QPointF(0, -25));
    userShows({-500, 500}, {-500, 500});
    const QPointF point = mark.series->pixelPosition(0);
    const QRectF moved = chart.marks()->labelRect(mark);
    EXPECT_DOUBLE_EQ(moved.center().x(), point.x());
    EXPECT_LT(moved.bottom(), point.y() - 25);
}

TEST_F(ChartToolsTest, DraggingTheAnnotationBoxMovesIt)
{
    fillDistancePlot(chart, distanceState({0.25, 0.5}));
    const QRectF box = chart.annotation()->rect();
    drag(box.center(), box.center() + QPointF(40, 15));
    EXPECT_EQ(chart.annotation()->topLeft(), QPointF(19 + 40, 22 + 15));
}

TEST_F(ChartToolsTest, LineToolsDrawLinesThatOutliveRuns)
{
    fill(configurationState(3, 1, 2, sample));
    chart.setMode(PlotChart::Mode::DrawSquareLine);
    drag({100, 100}, {220, 160});
    chart.setMode(PlotChart::Mode::DrawRoundLine);
    drag({300, 300}, {320, 200});
    drag({50, 50}, {50, 50}); // a click draws nothing

    UserLines &lines = chart.userLines();
    ASSERT_EQ(lines.count(), 2);
    EXPECT_EQ(lines.line(0)->pen().capStyle(), Qt::SquareCap);
    EXPECT_EQ(lines.line(1)->pen().capStyle(), Qt::RoundCap);
    EXPECT_NEAR(lines.line(0)->start->coords().x(), chart.xAxis->pixelToCoord(100), 1e-9);
    EXPECT_NEAR(lines.line(0)->end->coords().y(), chart.yAxis->pixelToCoord(160), 1e-9);

    fill(configurationState(3, 2, 2, sample));
    EXPECT_EQ(chart.userLines().count(), 2);

    chart.setMode(PlotChart::Mode::Normal);
    const QPointF middle =
        (lines.line(0)->start->pixelPosition() + lines.line(0)->end->pixelPosition()) / 2;
    QTest::mouseClick(&chart, Qt::LeftButton, {}, middle.toPoint());
    EXPECT_TRUE(lines.line(0)->selected());
    EXPECT_FALSE(lines.line(1)->selected());
    QTest::keyClick(&chart, Qt::Key_Delete);
    ASSERT_EQ(lines.count(), 1);
    EXPECT_EQ(lines.line(0)->pen().capStyle(), Qt::RoundCap);
}

TEST_F(ChartToolsTest, AfterZoomingTheAxesGoThroughTheOriginOrAlongTheNearestEdge)
{
    fill(configurationState(4, 2, 2, sample));
    const AxisRange horizontal = chart.horizontalRange();
    const AxisRange vertical = chart.verticalRange();

    userShows({-100, 300}, {-600, 200});
    EXPECT_TRUE(chart.followsOrigin());
    EXPECT_NEAR(chart.horizontalAxisPixel(), chart.yAxis->coordToPixel(0), 1.5);
    EXPECT_NEAR(chart.verticalAxisPixel(), chart.xAxis->coordToPixel(0), 1.5);

    userShows({200, 600}, {-900, -100});
    const QRect area = chart.axisRect()->rect();
    EXPECT_DOUBLE_EQ(chart.verticalAxisPercent(), 0);
    EXPECT_DOUBLE_EQ(chart.horizontalAxisPercent(), 100);
    EXPECT_EQ(chart.verticalAxisPixel(), area.left());
    EXPECT_NEAR(chart.horizontalAxisPixel(), area.top(), 1);

    chart.resetView();
    chart.replot();
    EXPECT_FALSE(chart.followsOrigin());
    EXPECT_EQ(chart.horizontalRange(), horizontal);
    EXPECT_EQ(chart.verticalRange(), vertical);
    EXPECT_NEAR(chart.horizontalAxisPixel(), chart.yAxis->coordToPixel(0), 1.5);
}

TEST_F(ChartToolsTest, RubberBandZoomsAndMoveModePans)
{
    fill(configurationState(4, 2, 2, sample));
    const AxisRange before = chart.horizontalRange();

    chart.setMode(PlotChart::Mode::Zoom);
    EXPECT_EQ(chart.selectionRectMode(), QCP::srmZoom);
    const double left = chart.xAxis->pixelToCoord(150);
    drag({150, 120}, {300, 250});
    const AxisRange zoomed = chart.horizontalRange();
    EXPECT_NEAR(zoomed.lower, left, 1e-6 * (before.upper - before.lower));
    EXPECT_LT(zoomed.upper - zoomed.lower, (before.upper - before.lower) / 2);
    EXPECT_TRUE(chart.followsOrigin());

    chart.setMode(PlotChart::Mode::Move);
    EXPECT_TRUE(chart.interactions().testFlag(QCP::iRangeDrag));
    EXPECT_EQ(chart.selectionRectMode(), QCP::srmNone);
    drag({200, 200}, {260, 200});
    const AxisRange panned = chart.horizontalRange();
    EXPECT_NEAR(panned.upper - panned.lower, zoomed.upper - zoomed.lower, 1e-6);
    EXPECT_LT(panned.lower, zoomed.lower);

    chart.setMode(PlotChart::Mode::Normal);
    EXPECT_FALSE(chart.interactions().testFlag(QCP::iRangeDrag));
}

TEST_F(ChartToolsTest, UpToAFewThousandPointsEveryLabelIsDrawn)
{
    // Two series of 2400 points.
    fill(configurationState(2400, 1, 2, [](int t, int i, int j) {
        return (t + 1) * (j == 0 ? i % 60 : i / 60) * 0.01;
    }));
    userShows({0, 100}, {0, 100}); // most points out of view
    EXPECT_TRUE(chart.marks()->labelShown({chart.series(1), 2399}));
    EXPECT_TRUE(chart.marks()->labelShown({chart.firstSeries(), 0}));
}

TEST_F(ChartToolsTest, BeyondThatLabelsAreDrawnOnlyForAFewPointsInView)
{
    // 10 000 points on a 100 x 100 grid in thousandths 0 .. 990.
    fill(configurationState(10000, 0, 2,
                            [](int, int i, int j) { return (j == 0 ? i % 100 : i / 100) * 0.01; }));
    const MarkRef nearOrigin{chart.firstSeries(), 0};
    const MarkRef farCorner{chart.firstSeries(), 9999};
    EXPECT_FALSE(chart.marks()->labelShown(nearOrigin));
    EXPECT_FALSE(chart.marks()->labelShown(farCorner));

    userShows({-5, 195}, {-5, 195}); // 20 x 20 points in view
    EXPECT_TRUE(chart.marks()->labelShown(nearOrigin));
    EXPECT_FALSE(chart.marks()->labelShown(farCorner));
    EXPECT_TRUE(chart.marks()->markAt(chart.marks()->labelRect(nearOrigin).center()).has_value());
}

TEST_F(ChartToolsTest, ToolbarShowsTheMousePositionInDataCoordinates)
{
    ChartCommander commander(&chart);
    fill(configurationState(4, 2, 2, sample));
    const QPoint at(chart.xAxis->coordToPixel(250), chart.yAxis->coordToPixel(-500));
    QTest::mouseMove(&chart, at);
    const QString text = commander.positionLabel()->text();
    EXPECT_TRUE(text.startsWith(QStringLiteral("x: "))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("y: -"))) << text.toStdString();

    commander.action(ChartCommander::Button::Zoom)->trigger();
    EXPECT_EQ(chart.mode(), PlotChart::Mode::Zoom);
    commander.action(ChartCommander::Button::SquareLine)->trigger();
    EXPECT_EQ(chart.mode(), PlotChart::Mode::DrawSquareLine);
}

} // namespace
} // namespace plots
