#include "combnk.h"

#include "combinations.h"

#include "rt/Error.h"

#include <cmath>
#include <limits>

namespace tivolib
{

const rt::Signature combnkSignature{"combnk", 1, 2, 1, {"v", "k"}, {"c"}};

namespace
{

// The bit-pattern rule applies only below this length (its table would have 2^n rows).
constexpr rt::Index kPatternLimit = 17;

// Row i (from 1) holds every element but element n + 1 - i: lexicographic order.
rt::Index fillAllButOne(std::span<const double> v, Block at)
{
    const auto n = static_cast<rt::Index>(v.size());
    for (rt::Index row = 0; row < n; ++row) {
        const rt::Index dropped = n - 1 - row;
        for (rt::Index j = 0, col = at.left; j < n; ++j)
            if (j != dropped)
                at.out(at.top + row, col++) = v[static_cast<std::size_t>(j)];
    }
    return n;
}

// The subsets of size k in ascending order of the base-2 number they spell, position 1 being
// the most significant digit: reverse lexicographic order. Walks only the numbers with k ones
// (the next larger one with as many ones, by Gosper's rule) instead of all 2^n.
rt::Index fillByPattern(std::span<const double> v, rt::Index k, Block at)
{
    const auto n = static_cast<int>(v.size());
    rt::Index row = at.top;
    for (unsigned pattern = (1u << k) - 1; pattern < (1u << n); ++row) {
        rt::Index col = at.left;
        for (int p = 0; p < n; ++p)
            if ((pattern >> (n - 1 - p)) & 1u)
                at.out(row, col++) = v[static_cast<std::size_t>(p)];
        const unsigned lowest = pattern & -pattern;
        const unsigned carried = pattern + lowest;
        pattern = carried | (((carried ^ pattern) >> 2) / lowest);
    }
    return row - at.top;
}

// The first rule that applies to n and k decides the order; sub-problems choose their own.
rt::Index fillByRule(std::span<const double> v, rt::Index k, Block at)
{
    const auto n = static_cast<rt::Index>(v.size());
    if (n == k)
        return fillWhole(v, at);
    if (n == k + 1)
        return fillAllButOne(v, at);
    if (k == 1)
        return fillSingles(v, at);
    if (n < kPatternLimit && (k > 3 || n - k < 4))
        return fillByPattern(v, k, at);
    return fillByLeadingElement(v, k, at, fillByRule);
}

// What the rules give for a k outside 1 to n: the empty selection is one empty row while the
// pattern or all-but-one rule applies (n < 4), a k beyond n selects no pattern, and the
// recursion produces nothing.
rt::Matrix emptyResult(rt::Index n, double k)
{
    if (k == 0 && n < 4)
        return rt::Matrix(1, 0);
    const bool patternColumns = k > static_cast<double>(n) && n < kPatternLimit &&
                                k == std::floor(k) &&
                                k <= static_cast<double>(std::numeric_limits<int>::max());
    return patternColumns ? rt::Matrix(0, static_cast<rt::Index>(k)) : rt::Matrix(0, 0);
}

double scalarOf(const rt::Matrix &k)
{
    if (k.size() != 1)
        rt::raiseDimensionMismatch();
    return k(0, 0);
}

} // namespace

std::span<const double> vectorElements(const rt::Matrix &v)
{
    if (std::min(v.rows(), v.cols()) != 1)
        rt::raise("First argument has to be a vector.");
    return elementsOf(v);
}

rt::Matrix combnk(std::span<const double> v, double k)
{
    const auto n = static_cast<rt::Index>(v.size());
    if (!(k >= 1 && k <= static_cast<double>(n) && k == std::floor(k)))
        return emptyResult(n, k);
    const auto size = static_cast<rt::Index>(k);
    rt::Matrix c = combinationMatrix(n, size);
    fillByRule(v, size, Block{c, 0, 0});
    return c;
}

rt::Outputs Mcombnk(int, const rt::Args &args)
{
    const std::span<const double> v = vectorElements(args[0]);
    return {combnk(v, scalarOf(args[1]))};
}

} // namespace tivolib
