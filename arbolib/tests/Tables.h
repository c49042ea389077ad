// Generated tables for the tests: random counts, random weights, and tables whose rows repeat.
#pragma once

#include "rt/Matrix.h"

#include <random>

namespace arbotest
{

// Counts 0 to 9 with every row and column total at least 1.
inline rt::Matrix randomCounts(rt::Index n, rt::Index c, std::mt19937 &rng)
{
    std::uniform_int_distribution<int> count(0, 9);
    rt::Matrix X = rt::Matrix::NullaryExpr(n, c, [&] { return static_cast<double>(count(rng)); });
    for (rt::Index i = 0; i < n; ++i)
        X(i, i % c) += 1;
    for (rt::Index j = 0; j < c; ++j)
        X(j % n, j) += 1;
    return X;
}

// Positive weights of no particular precision.
inline rt::Matrix randomWeights(rt::Index n, rt::Index c, std::mt19937 &rng)
{
    std::uniform_real_distribution<double> weight(0.01, 1);
    return rt::Matrix::NullaryExpr(n, c, [&] { return weight(rng); });
}

// n rows drawn from a few distinct rows of base, each scaled by one of the factors, so that many
// pairs of rows, and later of groups, have the same profile: exact zero indices, tied.
inline rt::Matrix repeatedRows(const rt::Matrix &base, rt::Index n, std::vector<double> factors,
                               std::mt19937 &rng)
{
    std::uniform_int_distribution<rt::Index> pick(0, base.rows() - 1);
    std::uniform_int_distribution<std::size_t> factor(0, factors.size() - 1);
    rt::Matrix X(n, base.cols());
    for (rt::Index i = 0; i < n; ++i)
        X.row(i) = base.row(i < base.rows() ? i : pick(rng)) * factors[factor(rng)];
    return X;
}

// Codes 1 to levels[j] of n cases (n >= every level count) on the variables j, every code used.
inline rt::Matrix randomCodes(rt::Index n, const std::vector<int> &levels, std::mt19937 &rng)
{
    rt::Matrix X(n, static_cast<rt::Index>(levels.size()));
    for (rt::Index j = 0; j < X.cols(); ++j) {
        std::uniform_int_distribution<int> code(1, levels[static_cast<std::size_t>(j)]);
        for (rt::Index i = 0; i < n; ++i)
            X(i, j) = i < levels[static_cast<std::size_t>(j)] ? static_cast<double>(i + 1)
                                                              : static_cast<double>(code(rng));
    }
    return X;
}

} // namespace arbotest
