// fts: the inertia of every pair of categorical variables of a Burt table, and the score of
// every split of the variables into two groups, weakest cross-association first.
#pragma once

#include "rt/Frame.h"

namespace tivolib
{

extern const rt::Signature ftsSignature;

rt::Outputs Mfts(int nargout, const rt::Args &args);

// The inertia of a cross table: its chi-square statistic divided by its total (0 when either
// variable has a single category, NaN when a row or column total is 0).
double inertia(const rt::Matrix &S);

struct Splits {
    double no;         // number of splits, 2^(q-1) - 1
    rt::RowVector CIN; // score of each split, ascending
    rt::RowVector L;   // each score as a percentage of cinB
    double cinB;       // mean inertia over the pairs of distinct variables
    rt::Matrix C;      // row s: one group ascending, 0, the other group ascending
};

// B is the Burt table of q variables with h(a) categories each (h a 1 x q row).
Splits fts(const rt::Matrix &B, const rt::Matrix &h);

} // namespace tivolib
