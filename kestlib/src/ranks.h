// kest/ranks: ranks with ties given the mean of their positions, for Spearman's coefficient.
#pragma once

#include "VectorView.h"

#include <span>

namespace kestlib
{

// Ranks 1..n of the values of x into rank (n elements), by one sort of positions in order
// (n elements of scratch). Equal values share the mean of their sorted positions; NaN sorts last
// and never ties.
void rankInto(VectorView x, std::span<double> rank, std::span<rt::Index> order);

// The ranks of each column of X.
rt::Matrix ranks(const rt::Matrix &X);

} // namespace kestlib
