// What a command line asks for, read and checked before any file is touched.
#pragma once

#include "SheetFileKind.h"
#include "analysis/plots/ChartOutput.h"
#include "analysis/report/ReportExport.h"

#include <QChar>
#include <QSize>
#include <QString>
#include <QStringList>

#include <optional>

namespace cli
{

struct PlotOutput {
    QString path;
    plots::ChartFileFormat format = plots::ChartFileFormat::Png;
};

struct CommandLine {
    enum class Mode { Help, Version, Batch, Convert };
    Mode mode = Mode::Help;

    QString input;
    SheetFileKind inputKind = SheetFileKind::Native;
    QString output; // of --convert
    SheetFileKind outputKind = SheetFileKind::Native;

    int horizontalAxis = 1; // the plot's variables, from 1
    int verticalAxis = 2;
    std::optional<QChar> decimal; // the system locale's, as in the windows, when not given
    QChar delimiter = u'\t';
    QChar outputDelimiter = u'\t';
    std::optional<int> sheetIndex; // from 1
    std::optional<QString> sheetName;
    QSize plotSize{800, 600};
    bool framedText = false; // a .txt report as formatted text rather than simple

    std::optional<QString> report;
    ExportFormat reportFormat = ExportFormat::Pdf;
    std::optional<PlotOutput> distancePlot;
    std::optional<PlotOutput> configurationPlot;
};

// The files a --batch writes, in the order report, distance plot, configuration plot.
QStringList batchOutputs(const CommandLine &line);

// The arguments after the program's name. Throws CommandFailure (wrong usage) naming the first
// problem: an unknown option or extension, a missing or malformed value, an option of the other
// mode, a --batch without outputs, two outputs on one file, or a --batch output on its input.
CommandLine parseCommandLine(const QStringList &arguments);

} // namespace cli
