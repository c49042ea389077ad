// The plots of a finished run written straight to files, with no window shown: for the command
// line. Needs a QApplication (the offscreen platform will do) but no display, dialog or clipboard.
#pragma once

#include "ChartOutput.h"
#include "analysis/AnalysisState.h"

#include <QSize>
#include <QString>

namespace plots
{

enum class PlotKind { Distance, Configuration };

// Fills a chart of the kind from the state exactly as the plot windows are filled and writes it
// in the format at the size in pixels. On failure returns false with a message in error.
bool renderPlot(const AnalysisState &state, PlotKind kind, const QString &path,
                ChartFileFormat format, QSize size, QString &error);

} // namespace plots
