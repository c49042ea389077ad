// Ward's classification computed the direct way, recomputing every aggregation index from the
// merged table at every step: O(n^3 c), the yardstick for the library's incremental one.
#pragma once

#include "rt/Matrix.h"

namespace arbolib::reference
{

struct CahResult {
    rt::Matrix Z, L, rowp, mass, cor, ctr, dx, cod, ctd, Q, T, Out;
};

// The indices of every two rows of X in pair order, row i against all later rows at once.
rt::RowVector calcindist(const rt::Matrix &X);

// The classification of the table X (zeroone not 1, no zero totals), with cutoff clusters.
CahResult cah(const rt::Matrix &X, double cutoff);

} // namespace arbolib::reference
