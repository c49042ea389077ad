#include "AnalysisRun.h"

#include "AnalysisFailure.h"
#include "AnalysisMessages.h"
#include "AnalysisState.h"
#include "ResultTexts.h"
#include "Sheet.h"
#include "SheetReading.h"
#include "rt/Error.h"

#include <cmath>
#include <new>

namespace analysis
{

namespace
{

// A library error ends the run, not the program.
template <typename Call> auto libraryCall(Call &&call)
{
    try {
        return call();
    } catch (const rt::Error &error) {
        throw AnalysisFailure(messages::LibraryFailed + u'\n' + QString::fromUtf8(error.what()));
    }
}

// Only the sizes are checked: which rows form the target is decided by position.
void checkTableSizes(const std::vector<int> &counts)
{
    for (std::size_t g = 1; g < counts.size(); ++g)
        if (counts[g - 1] != counts[g])
            throw AnalysisFailure(messages::UnequalTables);
}

// Sheets the computation cannot take are refused before any value is converted.
void checkComputable(const AnalysisState &state, std::size_t tableCount)
{
    if (tableCount < 2)
        throw AnalysisFailure(messages::SingleTable);
    if (state.RowsPerTable < 2)
        throw AnalysisFailure(messages::TooFewObjects);
    if (state.VariableCount < 2)
        throw AnalysisFailure(messages::TooFewVariables);
}

void checkAxes(const AnalysisState &state)
{
    const int a = state.VariableCount;
    const auto inRange = [a](int axis) { return axis >= 1 && axis <= a; };
    if (!inRange(state.HorizontalAxis) || !inRange(state.VerticalAxis))
        throw AnalysisFailure(messages::AxisOutOfRange.arg(a));
    if (state.HorizontalAxis == state.VerticalAxis)
        throw AnalysisFailure(messages::AxesMustDiffer);
}

void run(const Sheet &sheet, AnalysisState &state, const KestCall &kest)
{
    const int n = sheet.objectCount();
    state.ObjectCount = n;
    state.VariableCount = sheet.columnCount() - 1;
    const std::vector<double> tableNumbers = readTableNumbers(sheet);
    state.ObjectNames = objectLabels(sheet);
    state.VariableNames = variableLabels(sheet);

    const std::vector<int> counts = libraryCall([&] { return CountTableRows(tableNumbers); });
    checkTableSizes(counts);
    const int m = counts.front();
    state.RowsPerTable = m;
    state.OtherTableCount = static_cast<int>(std::lround(static_cast<double>(n - m) / m));
    checkComputable(state, counts.size());
    checkAxes(state);
    state.HorizontalAxisName = sheet.columnName(state.HorizontalAxis);
    state.VerticalAxisName = sheet.columnName(state.VerticalAxis);

    state.SheetValues = readSheetValues(sheet, state.Decimal);
    const KestOutputs outputs =
        libraryCall([&] { return kest(state.SheetValues, n, state.VariableCount, m); });
    fillOutputTexts(state, outputs);
    state.StatTable = statisticsTable(state);
    state.StatRowLabels = statisticsRowLabels(state.OtherTableCount);
}

} // namespace

void RunAnalysis(const Sheet &sheet, const AnalysisRequest &request, AnalysisState &state,
                 const KestCall &kest)
{
    state = AnalysisState{};
    state.HorizontalAxis = request.horizontalAxis;
    state.VerticalAxis = request.verticalAxis;
    state.Decimal = request.decimal;
    try {
        run(sheet, state, kest);
    } catch (const AnalysisFailure &) {
        state.RunFailed = true;
        throw;
    } catch (const std::bad_alloc &) {
        state.RunFailed = true;
        throw AnalysisFailure(messages::OutOfMemory);
    }
}

} // namespace analysis
