// Analysis states of known shape for the report's tests, and the application they need.
#pragma once

#include "analysis/AnalysisState.h"

#include <QStringList>

namespace reporttest
{

// A QApplication for fonts, painting and widgets, created once.
void ensureApplication();

// A run with m objects per table, K further tables and a variables. Objects are named from
// `objects` (repeated per table), variables from `variables`; sheet value (i, j) is
// i + (j + 1) / 4, and every result cell (r, c) is r + c / 1000 with three decimals.
AnalysisState makeState(int m, int K, int a, QStringList objects = {}, QStringList variables = {});

} // namespace reporttest
