// The library's results kept as text, as the report and the plots read them.
#pragma once

#include "TextTable.h"

#include "mx.h"

#include <QChar>
#include <QStringList>

struct AnalysisState;

namespace analysis
{

struct KestOutputs;

// Every element of the output, "%3.3f" with the given separator, in a table of the output's own
// shape; "NaN", "Inf" and "-Inf" for values that are not finite.
TextTable outputTexts(const mxArray *output, QChar decimal);

// The sixteen text tables of the state from the outputs of one kest call.
void fillOutputTexts(AnalysisState &state, const KestOutputs &outputs);

// The four statistics of every table interleaved (mean, variance, standard deviation,
// coefficient of variation of the target, then of table 1, ...), and their row labels.
TextTable statisticsTable(const AnalysisState &state);
QStringList statisticsRowLabels(int otherTables);

} // namespace analysis
