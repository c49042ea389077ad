// The work kest does for one table: its statistics, its rotation onto the target, and the
// correlations between target, table and rotated table.
#pragma once

#include "KestResults.h"
#include "PairCorrelator.h"

namespace kestlib
{

// Row `row` of Kmo, Kvar, Kstdev and Kcv from the columns of the raw table T.
void describeTable(const rt::Matrix &T, rt::Index row, KestResults &K);

// Rotates the raw table T (the t-th further table, from 0) onto the standardised target K.Xtz
// and fills its blocks of every output and its row of the statistics. XtzRowRanks: column i
// holds the ranks of row i of Xtz, the same for every table.
void rotateTable(const rt::Matrix &T, rt::Index t, const rt::Matrix &XtzRowRanks, KestResults &K,
                 PairCorrelator &pair);

} // namespace kestlib
