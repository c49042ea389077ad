// Analysis states as a run leaves them, made up for the plot tests.
#pragma once

#include "analysis/AnalysisState.h"

#include <functional>
#include <vector>

namespace plots::testing
{

// A finished run with one distance per further table, written as the run writes them.
AnalysisState distanceState(const std::vector<double> &distances, QChar decimal = u'.');

// A finished run of m objects, K further tables and a variables: value(t, i, j) is the value of
// object i (from 0) and variable j (from 0) in the target (t = 0) or in rotated table t.
using TableValue = std::function<double(int table, int object, int variable)>;
AnalysisState configurationState(int m, int K, int a, const TableValue &value, int horizontal = 1,
                                 int vertical = 2);

} // namespace plots::testing
