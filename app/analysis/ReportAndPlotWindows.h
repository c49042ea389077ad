// The program's result windows: the report preview, then the distance plot, then the
// configuration plot.
#pragma once

#include "ResultWindows.h"

namespace plots
{
class PlotWindow;
}

namespace analysis
{

class ReportAndPlotWindows : public ResultWindows
{
  public:
    ReportAndPlotWindows(plots::PlotWindow &distancePlot, plots::PlotWindow &configurationPlot);

    void fill(const AnalysisState &state) override;
    void show(const AnalysisState &state, QWidget *parent) override;

  private:
    plots::PlotWindow &distancePlot_;
    plots::PlotWindow &configurationPlot_;
};

} // namespace analysis
