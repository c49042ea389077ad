#include "CommandRuns.h"

#include "CommandFailure.h"
#include "CommandLine.h"
#include "SheetFileIO.h"
#include "StagedOutputs.h"
#include "analysis/AnalysisFailure.h"
#include "analysis/AnalysisLibraries.h"
#include "analysis/AnalysisMessages.h"
#include "analysis/AnalysisRun.h"
#include "analysis/AnalysisState.h"
#include "analysis/plots/PlotRendering.h"
#include "analysis/report/ReportEntry.h"
#include "files/NumberText.h"

namespace cli
{

namespace
{

// The separator of the call becomes the program's, as the options dialog makes it.
QChar decimalOf(const CommandLine &line)
{
    const QChar decimal = line.decimal.value_or(numbertext::decimalSeparator());
    numbertext::setDecimalSeparator(decimal);
    return decimal;
}

Sheet readInput(const CommandLine &line, QChar decimal)
{
    return readSheet(line.input, line.inputKind,
                     {decimal, line.delimiter, line.sheetIndex, line.sheetName});
}

// The dialog's spin boxes keep the axes within the variables; here that is the caller's part.
// A sheet of fewer than two variables is left to the run, which refuses it as an analysis.
void checkAxes(const CommandLine &line, const Sheet &sheet)
{
    const int a = sheet.columnCount() - 1;
    const auto inRange = [a](int axis) { return axis >= 1 && axis <= a; };
    if (a >= 2 && (!inRange(line.horizontalAxis) || !inRange(line.verticalAxis)))
        throw CommandFailure(ExitCode::WrongUsage, analysis::messages::AxisOutOfRange.arg(a));
}

AnalysisState analyse(const CommandLine &line, const Sheet &sheet, QChar decimal)
{
    const analysis::AnalysisLibraries libraries;
    AnalysisState state;
    try {
        analysis::RunAnalysis(sheet, {line.horizontalAxis, line.verticalAxis, decimal}, state);
    } catch (const analysis::AnalysisFailure &failure) {
        throw CommandFailure(ExitCode::AnalysisFailed, failure.message());
    }
    return state;
}

void writeReport(const AnalysisState &state, ExportFormat format, const QString &path,
                 const QString &temporary)
{
    try {
        exportReportFile(state, format, temporary);
    } catch (const ExportError &) {
        throw CommandFailure(ExitCode::FileFailed, ExportError(path).message());
    }
}

void writePlot(const AnalysisState &state, plots::PlotKind kind, const PlotOutput &output,
               QSize size, const QString &temporary)
{
    QString error;
    if (!plots::renderPlot(state, kind, temporary, output.format, size, error))
        throw CommandFailure(ExitCode::FileFailed, error);
}

} // namespace

void runBatch(const CommandLine &line)
{
    const QChar decimal = decimalOf(line);
    const Sheet sheet = readInput(line, decimal);
    checkAxes(line, sheet);
    const AnalysisState state = analyse(line, sheet, decimal);

    StagedOutputs outputs;
    if (line.report)
        outputs.stage(*line.report, [&](const QString &temporary) {
            writeReport(state, line.reportFormat, *line.report, temporary);
        });
    const auto stagePlot = [&](const std::optional<PlotOutput> &plot, plots::PlotKind kind) {
        if (plot)
            outputs.stage(plot->path, [&](const QString &temporary) {
                writePlot(state, kind, *plot, line.plotSize, temporary);
            });
    };
    stagePlot(line.distancePlot, plots::PlotKind::Distance);
    stagePlot(line.configurationPlot, plots::PlotKind::Configuration);
    outputs.commit();
}

void runConversion(const CommandLine &line)
{
    const QChar decimal = decimalOf(line);
    const Sheet sheet = readInput(line, decimal);
    StagedOutputs outputs;
    outputs.stage(line.output, [&](const QString &temporary) {
        writeSheet(temporary, line.outputKind, sheet, decimal, line.outputDelimiter);
    });
    outputs.commit();
}

} // namespace cli
