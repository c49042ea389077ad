#include "ReportAndPlotWindows.h"

#include "plots/PlotFilling.h"
#include "plots/PlotWindow.h"
#include "report/ReportEntry.h"

namespace analysis
{

ReportAndPlotWindows::ReportAndPlotWindows(plots::PlotWindow &distancePlot,
                                           plots::PlotWindow &configurationPlot)
    : distancePlot_(distancePlot), configurationPlot_(configurationPlot)
{
}

void ReportAndPlotWindows::fill(const AnalysisState &state)
{
    plots::fillDistancePlot(*distancePlot_.chart(), state);
    plots::fillConfigurationPlot(*configurationPlot_.chart(), state);
}

void ReportAndPlotWindows::show(const AnalysisState &state, QWidget *parent)
{
    showReportPreview(state, parent);
    distancePlot_.exec();
    configurationPlot_.exec();
}

} // namespace analysis
