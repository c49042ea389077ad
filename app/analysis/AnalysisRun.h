// One analysis run, from the sheet to the analysis state, without any window, dialog, question,
// progress box or clipboard: the analysis dialog and the command line both run it. The caller
// owns the libraries' lifetime (AnalysisLibraries) and shows the failures.
#pragma once

#include "LibraryCalls.h"

#include <QChar>

#include <functional>
#include <span>

class Sheet;
struct AnalysisState;

namespace analysis
{

struct AnalysisRequest {
    int horizontalAxis = 1; // 1-based variable numbers of the configuration plot
    int verticalAxis = 2;
    QChar decimal = u'.'; // read and written with it
};

using KestCall = std::function<KestOutputs(std::span<const double> values, int n, int a, int m)>;

// Replaces the whole state with the run on the sheet as it is now. When the run stops (tables of
// unequal size, a sheet the computation cannot take, a cell that is not a number, a library
// error) it sets RunFailed and throws AnalysisFailure with the user's message; the state then
// holds only what was read before the stop.
void RunAnalysis(const Sheet &sheet, const AnalysisRequest &request, AnalysisState &state,
                 const KestCall &kest = CallKest);

} // namespace analysis
