// Filling the two plots from a finished run: the distance of every table from the target, and the
// target's objects with every table's rotated objects over the two chosen variables.
#pragma once

#include "analysis/AnalysisState.h"

#include <QString>

namespace plots
{

class PlotChart;

QString distancePlotTitle();
QString configurationPlotTitle(const AnalysisState &state);

// Empties the chart before a run fills it: the first series loses its points, the series of
// earlier runs and the custom axes go, the background turns white, points may be drawn outside
// the axes, the legend is hidden, and the title line below the chart shows the title. Lines the
// user has drawn stay.
void resetChart(PlotChart &chart, const QString &title);

// The distance plot: "Xt" at 1 and each table k at 1000 · its distance, on one horizontal axis,
// with the distances listed in the annotation box.
void AddPointSeriesX(PlotChart &chart, const AnalysisState &state);

// The configuration plot: one series per further table (its rotated objects) and the target's
// standardised objects, over the state's horizontal and vertical variables, with two axes that
// cross at the origin.
void AddPointSeriesXY(PlotChart &chart, const AnalysisState &state);

// What a run does for each plot: the reset with the plot's title, then the points.
void fillDistancePlot(PlotChart &chart, const AnalysisState &state);
void fillConfigurationPlot(PlotChart &chart, const AnalysisState &state);

} // namespace plots
