#include "ranks.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace kestlib
{

namespace
{

// The numbers of x, then its NaNs, each group in order of appearance; returns how many numbers.
std::size_t gather(VectorView x, std::span<PositionedValue> scratch)
{
    std::size_t next = 0;
    for (rt::Index k = 0; k < x.size; ++k)
        if (!std::isnan(x[k]))
            scratch[next++] = {x[k], k};
    const std::size_t numbers = next;
    for (rt::Index k = 0; k < x.size; ++k)
        if (std::isnan(x[k]))
            scratch[next++] = {x[k], k};
    return numbers;
}

} // namespace

void rankInto(VectorView x, std::span<double> rank, std::span<PositionedValue> scratch)
{
    const auto n = static_cast<std::size_t>(x.size);
    const std::size_t numbers = gather(x, scratch);
    // Equal values share their rank, so their order within the sort does not matter.
    std::sort(scratch.begin(), scratch.begin() + static_cast<std::ptrdiff_t>(numbers),
              [](const PositionedValue &a, const PositionedValue &b) { return a.value < b.value; });
    // Each run of equal neighbours k1..k2 (sorted positions from 0) shares the rank
    // ((k1 + 1) + (k2 + 1)) / 2; a single value, and every NaN, keeps its position + 1.
    for (std::size_t k1 = 0; k1 < n;) {
        std::size_t k2 = k1;
        while (k2 + 1 < numbers && scratch[k2].value == scratch[k2 + 1].value)
            ++k2;
        const double shared = static_cast<double>(k1 + k2 + 2) / 2;
        for (std::size_t k = k1; k <= k2; ++k)
            rank[static_cast<std::size_t>(scratch[k].position)] = shared;
        k1 = k2 + 1;
    }
}

rt::Matrix ranks(const rt::Matrix &X)
{
    rt::Matrix RANK(X.rows(), X.cols());
    std::vector<PositionedValue> scratch(static_cast<std::size_t>(X.rows()));
    for (rt::Index j = 0; j < X.cols(); ++j)
        rankInto(columnOf(X, j), {RANK.col(j).data(), static_cast<std::size_t>(X.rows())}, scratch);
    return RANK;
}

} // namespace kestlib
