// Writing a chart to an image or document file, printing it and copying it as a picture.
#pragma once

#include <QSize>
#include <QString>

#include <optional>

class QPrinter;

namespace plots
{

class PlotChart;

enum class ChartFileFormat { Png, Pdf, Svg };

// The format named by the file's extension (.png, .pdf, .svg in any letter case), if any.
std::optional<ChartFileFormat> chartFileFormatFor(const QString &path);

// Writes the chart, drawn at the given size in pixels (PNG at 96 dpi), to the file. Needs no
// display. On failure returns false and leaves a message in error.
bool saveChart(PlotChart &chart, const QString &path, ChartFileFormat format, QSize size,
               QString &error);

// Prints the chart on one page, scaled to fit inside the page's print margins with its
// proportions kept. False when the printer could not be used.
bool printChart(PlotChart &chart, QPrinter &printer);

// The chart as a picture on the clipboard.
void copyChartToClipboard(PlotChart &chart);

} // namespace plots
