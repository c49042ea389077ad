// Building blocks shared by combnk and combntns: both write combinations of a vector's elements,
// one per row, into a matrix sized beforehand, and differ only in which order each sub-problem
// takes.
#pragma once

#include "rt/Matrix.h"

#include <span>

namespace tivolib
{

// The part of a result still to be filled: rows from `top` on, columns from `left` on.
struct Block {
    rt::Matrix &out;
    rt::Index top;
    rt::Index left;
};

// Writes the combinations of v taken k at a time (1 <= k <= v.size()) into at, and returns the
// number of rows written, C(v.size(), k).
using Filler = rt::Index (*)(std::span<const double> v, rt::Index k, Block at);

// A zero-filled matrix of C(n, k) rows and k columns, or an error naming n and k when it would
// not fit in memory.
rt::Matrix combinationMatrix(rt::Index n, rt::Index k);

// The elements of a vector (a 1 x n row or an n x 1 column) in storage order.
std::span<const double> elementsOf(const rt::Matrix &v);

// One row holding every element (k = n).
rt::Index fillWhole(std::span<const double> v, Block at);

// One element per row (k = 1).
rt::Index fillSingles(std::span<const double> v, Block at);

// For each element i that can lead a combination, in order: element i followed by each
// combination of the later elements taken k - 1 at a time, in the order `inner` writes them.
rt::Index fillByLeadingElement(std::span<const double> v, rt::Index k, Block at, Filler inner);

} // namespace tivolib
