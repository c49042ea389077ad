#include "ranks.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <vector>

namespace kestlib
{

void rankInto(VectorView x, std::span<double> rank, std::span<rt::Index> order)
{
    const auto n = static_cast<std::size_t>(x.size);
    const auto positions = order.first(n);
    std::iota(positions.begin(), positions.end(), rt::Index{0});
    // Ascending, NaN last, equal values in their order of appearance.
    std::sort(positions.begin(), positions.end(), [&x](rt::Index i, rt::Index j) {
        const bool nanI = std::isnan(x[i]);
        const bool nanJ = std::isnan(x[j]);
        if (nanI != nanJ)
            return nanJ;
        if (!nanI && x[i] != x[j])
            return x[i] < x[j];
        return i < j;
    });
    // Each run of equal neighbours k1..k2 (sorted positions from 0) shares the rank
    // ((k1 + 1) + (k2 + 1)) / 2; a single value keeps its position + 1.
    for (std::size_t k1 = 0; k1 < n;) {
        std::size_t k2 = k1;
        while (k2 + 1 < n && x[positions[k2]] == x[positions[k2 + 1]])
            ++k2;
        const double shared = static_cast<double>(k1 + k2 + 2) / 2;
        for (std::size_t k = k1; k <= k2; ++k)
            rank[static_cast<std::size_t>(positions[k])] = shared;
        k1 = k2 + 1;
    }
}

rt::Matrix ranks(const rt::Matrix &X)
{
    rt::Matrix RANK(X.rows(), X.cols());
    std::vector<rt::Index> order(static_cast<std::size_t>(X.rows()));
    for (rt::Index j = 0; j < X.cols(); ++j)
        rankInto(columnOf(X, j), {RANK.col(j).data(), static_cast<std::size_t>(X.rows())}, order);
    return RANK;
}

} // namespace kestlib
