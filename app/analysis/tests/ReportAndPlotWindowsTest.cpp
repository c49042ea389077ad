// The program's result windows filled from a real run and shown in their order.
#include "analysis/ReportAndPlotWindows.h"
#include "QtPrinters.h"
#include "SheetFixtures.h"
#include "analysis/AnalysisLibraries.h"
#include "analysis/AnalysisRun.h"
#include "analysis/AnalysisState.h"
#include "analysis/plots/PlotChart.h"
#include "analysis/plots/PlotWindow.h"
#include "analysis/plots/PointSeries.h"

#include <QApplication>
#include <QTimer>

#include <gtest/gtest.h>

namespace analysis
{
namespace
{

class PlotWindowForTest : public plots::PlotWindow
{
  public:
    explicit PlotWindowForTest(const QString &name) : PlotWindow(name, nullptr) {}
};

class ReportAndPlotWindowsTest : public ::testing::Test
{
  protected:
    ReportAndPlotWindowsTest()
    {
        RunAnalysis(testing::stackedTables(3, 4, 3), {3, 1, u'.'}, state);
    }

    AnalysisLibraries libraries;
    AnalysisState state;
    PlotWindowForTest distance{QStringLiteral("OutputFrm")};
    PlotWindowForTest configuration{QStringLiteral("OutPutFrm2")};
    ReportAndPlotWindows windows{distance, configuration};
};

TEST_F(ReportAndPlotWindowsTest, TheRunFillsBothPlots)
{
    windows.fill(state);
    EXPECT_EQ(distance.chart()->firstSeries()->count(), 3); // the target and two tables
    EXPECT_EQ(configuration.chart()->seriesCount(), 3);
    EXPECT_EQ(configuration.chart()->firstSeries()->count(), 4);
    EXPECT_EQ(configuration.chart()->series(1)->count(), 4);
}

TEST_F(ReportAndPlotWindowsTest, TheReportThenTheDistancePlotThenTheConfigurationPlot)
{
    windows.fill(state);
    QStringList shown;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        const QString name = modal->objectName().isEmpty()
                                 ? QString::fromLatin1(modal->metaObject()->className())
                                 : modal->objectName();
        if (!QStringList({"ReportPreview", "OutputFrm", "OutPutFrm2"}).contains(name))
            return;
        shown << name;
        modal->close();
    });
    closer.start(50);
    windows.show(state, nullptr);
    EXPECT_EQ(shown, QStringList({"ReportPreview", "OutputFrm", "OutPutFrm2"}));
}

} // namespace
} // namespace analysis
