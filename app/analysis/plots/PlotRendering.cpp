#include "PlotRendering.h"

#include "PlotChart.h"
#include "PlotFilling.h"

namespace plots
{

bool renderPlot(const AnalysisState &state, PlotKind kind, const QString &path,
                ChartFileFormat format, QSize size, QString &error)
{
    PlotChart chart;
    chart.resize(size);
    if (kind == PlotKind::Distance)
        fillDistancePlot(chart, state);
    else
        fillConfigurationPlot(chart, state);
    return saveChart(chart, path, format, size, error);
}

} // namespace plots
