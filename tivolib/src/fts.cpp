#include "fts.h"

#include "capacity.h"
#include "combnk.h"
#include "combntns.h"
#include "remainder.h"

#include "rt/Error.h"
#include "rt/Numeric.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <numeric>
#include <string>
#include <vector>

namespace tivolib
{

const rt::Signature ftsSignature{"fts", 1, 2, 5, {"B", "h"}, {"no", "CIN", "L", "cinB", "C"}};

namespace
{

// The variable numbers 1 to q as a row.
rt::Matrix variablesUpTo(rt::Index q)
{
    rt::Matrix variables(1, q);
    std::iota(variables.data(), variables.data() + q, 1.0);
    return variables;
}

// Raises before any work when the splits of q variables, with the groups they are made from
// and the scores being sorted, would not fit in memory.
void requireRoomForSplits(rt::Index q)
{
    // Far beyond any memory anyway; the bound keeps a split's variables in one 64-bit set.
    constexpr rt::Index kMostVariables = 62;
    const double no = std::ldexp(1.0, static_cast<int>(std::min<rt::Index>(q, 4096)) - 1) - 1;
    const double perSplit = static_cast<double>(q + 1) + 2 * (q / 2) + 6;
    if (q > kMostVariables || !fitsInMemory(no * perSplit))
        rt::raise("The splits of " + std::to_string(q) +
                  " variables are too many to hold in memory.");
}

// offset: 0, h(1), h(1) + h(2), ..., H.
std::vector<double> offsetsOf(const rt::Matrix &h)
{
    std::vector<double> offset{0};
    for (double categories : h.reshaped()) {
        if (!(categories >= 0 && categories == std::floor(categories)))
            rt::raise("Numbers of categories must be whole numbers, 0 or more.");
        offset.push_back(offset.back() + categories);
    }
    return offset;
}

// The cross table of variables a and b (counted from 0).
rt::Matrix blockOf(const rt::Matrix &B, const std::vector<double> &offset, rt::Index a, rt::Index b)
{
    const auto at = [&](rt::Index v) { return offset[static_cast<std::size_t>(v)]; };
    if (at(a + 1) > static_cast<double>(B.rows()) || at(b + 1) > static_cast<double>(B.cols()))
        rt::raiseIndexOutOfRange();
    const auto row = static_cast<rt::Index>(at(a)), col = static_cast<rt::Index>(at(b));
    return B.block(row, col, static_cast<rt::Index>(at(a + 1)) - row,
                   static_cast<rt::Index>(at(b + 1)) - col);
}

struct PairInertias {
    rt::Matrix IN;   // q x q; IN(a, b) the inertia of variables a and b, IN(a, a) = h(a) - 1
    double tempusin; // sum over the pairs a < b
    rt::Index m;     // number of pairs
};

PairInertias pairInertias(const rt::Matrix &B, const rt::Matrix &h, const rt::Matrix &pairs)
{
    const std::vector<double> offset = offsetsOf(h);
    const rt::Index q = h.size();
    PairInertias result{rt::Matrix::Zero(q, q), 0, 0};
    result.IN.diagonal() = h.reshaped().array() - 1;
    for (rt::Index pair = 0; pair < pairs.rows(); ++pair) {
        const auto a = static_cast<rt::Index>(pairs(pair, 0)) - 1;
        const auto b = static_cast<rt::Index>(pairs(pair, 1)) - 1;
        const double in = inertia(blockOf(B, offset, a, b));
        result.IN(a, b) = result.IN(b, a) = in;
        result.tempusin += in;
        ++result.m;
    }
    return result;
}

// Mean inertia between the variables of rest and those of group (numbers from 1), summed with
// rest in the outer loop.
double crossInertia(const rt::Matrix &IN, const rt::RowVector &rest, const rt::RowVector &group)
{
    double sum = 0;
    for (double a : rest)
        for (double b : group)
            sum += IN(static_cast<rt::Index>(a) - 1, static_cast<rt::Index>(b) - 1);
    return sum / (static_cast<double>(rest.size()) * static_cast<double>(group.size()));
}

// The splits in generation order: by size i of the group after the 0, then in combnk's row
// order. Each split is kept as the set of its group's variables, bit v - 1 for variable v: the
// splits are described again in their sorted, scattered order, and a compact set makes that
// cheap.
struct Generated {
    rt::Index q;
    std::vector<std::uint64_t> group;
    rt::Vector score;
};

std::uint64_t setOf(const rt::RowVector &variables)
{
    std::uint64_t set = 0;
    for (double v : variables)
        set |= std::uint64_t{1} << (static_cast<int>(v) - 1);
    return set;
}

Generated generateSplits(const rt::Matrix &IN)
{
    const rt::Index q = IN.rows();
    const rt::Matrix variables = variablesUpTo(q);
    const rt::Index no = (rt::Index{1} << (q - 1)) - 1;
    Generated generated{q, {}, rt::Vector(no)};
    generated.group.reserve(static_cast<std::size_t>(no));
    const rt::Index lim = q / 2;
    for (rt::Index i = 1; i <= lim; ++i) {
        const rt::Matrix ctemp = combnk(vectorElements(variables), static_cast<double>(i));
        // Two halves of an even q: each split occurs twice, and the first half of combnk's rows
        // holds exactly one of each.
        const rt::Index g = q % 2 == 0 && i == lim ? ctemp.rows() / 2 : ctemp.rows();
        for (rt::Index j = 0; j < g; ++j) {
            const rt::RowVector group = ctemp.row(j);
            const rt::RowVector rest = remainder(group, static_cast<double>(q));
            generated.score[static_cast<rt::Index>(generated.group.size())] =
                crossInertia(IN, rest, group);
            generated.group.push_back(setOf(group));
        }
    }
    return generated;
}

// One row per split, in the given order: the variables outside the group ascending, 0, the
// group's variables ascending.
rt::Matrix describeSplits(const Generated &generated, const std::vector<rt::Index> &order)
{
    const rt::Index q = generated.q;
    const std::uint64_t everyVariable = (std::uint64_t{1} << q) - 1;
    rt::Matrix C(static_cast<rt::Index>(order.size()), q + 1);
    for (rt::Index s = 0; s < C.rows(); ++s) {
        const std::uint64_t group = generated.group[static_cast<std::size_t>(order[s])];
        rt::Index col = 0;
        const auto write = [&](std::uint64_t set) {
            for (; set != 0; set &= set - 1)
                C(s, col++) = std::countr_zero(set) + 1;
        };
        write(everyVariable & ~group);
        C(s, col++) = 0;
        write(group);
    }
    return C;
}

} // namespace

double inertia(const rt::Matrix &S)
{
    // Totals summed in index order: a single row's (or column's) total is then exactly the
    // grand total, and a variable with one category comes out with inertia exactly 0.
    rt::Vector r = rt::Vector::Zero(S.rows());
    rt::RowVector c = rt::RowVector::Zero(S.cols());
    for (rt::Index j = 0; j < S.cols(); ++j)
        for (rt::Index i = 0; i < S.rows(); ++i) {
            r[i] += S(i, j);
            c[j] += S(i, j);
        }
    double total = 0;
    for (double ri : r)
        total += ri;

    // Sum of (p - rho gamma)^2 / (rho gamma): p a cell's share of the total, rho and gamma the
    // shares of its row and column.
    double sum = 0;
    for (rt::Index j = 0; j < S.cols(); ++j)
        for (rt::Index i = 0; i < S.rows(); ++i) {
            const double expected = (r[i] / total) * (c[j] / total);
            const double deviation = S(i, j) / total - expected;
            sum += deviation * deviation / expected;
        }
    return sum;
}

Splits fts(const rt::Matrix &B, const rt::Matrix &h)
{
    if (h.size() != 0 && h.rows() != 1)
        rt::raiseDimensionMismatch();
    const rt::Index q = h.size();
    requireRoomForSplits(q);
    const rt::Matrix pairs = combntns(variablesUpTo(q), rt::Matrix::Constant(1, 1, 2));
    const PairInertias pairwise = pairInertias(B, h, pairs);
    const double cinB = pairwise.tempusin / static_cast<double>(pairwise.m);

    const Generated generated = generateSplits(pairwise.IN);
    // Stable, so that equal scores keep their generation order.
    const rt::Sorted sorted = rt::sortAscending(generated.score);
    Splits result;
    result.no = static_cast<double>(generated.score.size());
    result.CIN = sorted.values.transpose();
    result.L = result.CIN / cinB * 100;
    result.cinB = cinB;
    result.C = describeSplits(generated, sorted.order);
    return result;
}

rt::Outputs Mfts(int, const rt::Args &args)
{
    // h is what the computation looks at first.
    const rt::Matrix &h = args[1];
    const rt::Matrix &B = args[0];
    Splits s = fts(B, h);
    return {rt::Matrix::Constant(1, 1, s.no), rt::Matrix(std::move(s.CIN)),
            rt::Matrix(std::move(s.L)), rt::Matrix::Constant(1, 1, s.cinB), std::move(s.C)};
}

} // namespace tivolib
