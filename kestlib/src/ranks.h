// kest/ranks: ranks with ties given the mean of their positions, for Spearman's coefficient.
#pragma once

#include "VectorView.h"

#include <span>

namespace kestlib
{

// A value with its position in the vector: what rankInto sorts.
struct PositionedValue {
    double value;
    rt::Index position;
};

// Ranks 1..n of the values of x into rank (n elements) by one sort, in scratch (n elements).
// Equal values share the mean of their sorted positions; NaN comes last, in order of appearance,
// and never ties.
void rankInto(VectorView x, std::span<double> rank, std::span<PositionedValue> scratch);

// The ranks of each column of X.
rt::Matrix ranks(const rt::Matrix &X);

} // namespace kestlib
