#include "Arrays.h"
#include "BurtTable.h"
#include "ReferenceCombinations.h"

#include "tivolib.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <optional>
#include <vector>

namespace
{

using namespace tivotest;

struct Result {
    double no;
    rt::Matrix CIN, L;
    double cinB;
    rt::Matrix C;
};

Result fts(const rt::Matrix &B, const rt::Matrix &h)
{
    Owned b{matrix(B)}, hh{matrix(h)}, CIN, L, cinB, C;
    Owned no{mlfFts(&CIN.a, &L.a, &cinB.a, &C.a, b.a, hh.a)};
    return {no.value()(0, 0), CIN.value(), L.value(), cinB.value()(0, 0), C.value()};
}

std::string ftsError(const rt::Matrix &B, const rt::Matrix &h)
{
    Owned b{matrix(B)}, hh{matrix(h)};
    return errorOf([&] { Owned no{mlfFts(nullptr, nullptr, nullptr, nullptr, b.a, hh.a)}; });
}

// The chi-square statistic of a cross table divided by its total, by the textbook formula.
double chiSquareOverTotal(const rt::Matrix &S)
{
    const rt::Vector r = S.rowwise().sum();
    const rt::RowVector c = S.colwise().sum();
    const double total = S.sum();
    double chi2 = 0;
    for (rt::Index i = 0; i < S.rows(); ++i)
        for (rt::Index j = 0; j < S.cols(); ++j) {
            const double expected = r[i] * c[j] / total;
            chi2 += (S(i, j) - expected) * (S(i, j) - expected) / expected;
        }
    return chi2 / total;
}

// The q x q inertias of the pairs of variables of a Burt table.
rt::Matrix pairInertias(const rt::Matrix &B, const rt::Matrix &h)
{
    const rt::Index q = h.cols();
    std::vector<rt::Index> offset{0};
    for (rt::Index a = 0; a < q; ++a)
        offset.push_back(offset.back() + static_cast<rt::Index>(h(0, a)));
    rt::Matrix IN = rt::Matrix::Zero(q, q);
    for (rt::Index a = 0; a < q; ++a)
        for (rt::Index b = a + 1; b < q; ++b)
            IN(a, b) = IN(b, a) = chiSquareOverTotal(B.block(
                offset[a], offset[b], offset[a + 1] - offset[a], offset[b + 1] - offset[b]));
    return IN;
}

// The score of the split whose group is the variables of `mask` (bit v - 1 for variable v):
// the mean inertia between its variables and the others.
double splitScore(const rt::Matrix &IN, unsigned mask)
{
    const auto q = static_cast<int>(IN.rows());
    const double *in = IN.data(); // plain access: millions of look-ups in a debug build
    double sum = 0;
    for (int a = 0; a < q; ++a)
        for (int b = 0; b < q; ++b)
            if (((mask >> a) & 1u) && !((mask >> b) & 1u))
                sum += in[a * q + b];
    const int inside = std::popcount(mask);
    return sum / (inside * (q - inside));
}

// The group after the 0 in row s of C, as a mask, when the row is a split: one group ascending,
// a 0, the other group ascending, together every variable once.
std::optional<unsigned> groupAfterZero(const double *C, rt::Index rows, int q, rt::Index s)
{
    unsigned before = 0, after = 0;
    bool pastZero = false;
    double previous = 0;
    for (rt::Index col = 0; col <= q; ++col) {
        const double v = C[col * rows + s];
        if (v == 0 && !pastZero) {
            pastZero = true;
            previous = 0;
            continue;
        }
        if (!(v > previous && v <= q && v == std::floor(v)))
            return std::nullopt;
        previous = v;
        (pastZero ? after : before) |= 1u << (static_cast<int>(v) - 1);
    }
    if (!pastZero || (before | after) != (1u << q) - 1 || (before & after) != 0)
        return std::nullopt;
    return after;
}

// A Burt table in which every two variables (two categories each) are perfectly associated:
// every pairwise inertia is exactly 1, so every split scores 1 and the sort keeps the
// generation order.
rt::Matrix perfectlyAssociated(int q)
{
    rt::Matrix B(2 * q, 2 * q);
    for (int a = 0; a < q; ++a)
        for (int b = 0; b < q; ++b)
            B.block(2 * a, 2 * b, 2, 2) = rt::Matrix::Identity(2, 2);
    return B;
}

// The splits in the order they are generated: by size of the group after the 0, then in
// combnk's row order, keeping the first half of the groups for two halves.
Rows generationOrder(int q)
{
    Rows splits;
    for (int i = 1; i <= q / 2; ++i) {
        std::vector<Positions> groups = referenceCombnk(0, q, i);
        if (q % 2 == 0 && i == q / 2)
            groups.resize(groups.size() / 2);
        for (Positions group : groups) {
            std::vector<double> split;
            for (bool inGroup : {false, true}) {
                for (int v = 1; v <= q; ++v)
                    if (((group >> (v - 1)) & 1u) == inGroup)
                        split.push_back(v);
                if (!inGroup)
                    split.push_back(0);
            }
            splits.push_back(split);
        }
    }
    return splits;
}

class Fts : public testing::Test
{
  protected:
    void SetUp() override { tivolibInitialize(); }
    void TearDown() override { tivolibTerminate(); }
};

// The Burt table of two variables whose cross table is S (the diagonal blocks are never read).
rt::Matrix twoVariables(const rt::Matrix &S)
{
    const rt::Index H = S.rows() + S.cols();
    rt::Matrix B = rt::Matrix::Zero(H, H);
    B.topRightCorner(S.rows(), S.cols()) = S;
    B.bottomLeftCorner(S.cols(), S.rows()) = S.transpose();
    return B;
}

TEST_F(Fts, TwoVariablesGiveTheChiSquareOverTheTotal)
{
    struct Case {
        rt::Matrix S;
        double inertia; // the phi-square of a 2 x 2 table, (ad - bc)^2 / (row and column totals)
    };
    const Case cases[] = {
        {(rt::Matrix(2, 2) << 9, 1, 1, 9).finished(), 0.64},
        {(rt::Matrix(2, 2) << 3, 0, 0, 5).finished(), 1},
        {(rt::Matrix(2, 2) << 2, 4, 3, 6).finished(), 0},
        {(rt::Matrix(2, 2) << 0.3, 1.7, 2.5, 0.5).finished(), 4.1 * 4.1 / (2 * 3 * 2.8 * 2.2)},
    };
    for (const Case &c : cases) {
        const Result r = fts(twoVariables(c.S), rt::Matrix::Constant(1, 2, 2));
        EXPECT_NEAR(r.cinB, c.inertia, 1e-14) << c.S;
    }
    // Larger tables, against the textbook chi-square to 1e-12 relative.
    const rt::Matrix tables[] = {
        (rt::Matrix(3, 4) << 12, 3, 0, 7, 4, 9, 2, 1, 0, 5, 11, 6).finished(),
        (rt::Matrix(4, 3) << 5, 1, 0.5, 2, 8, 1, 0, 3, 7, 1.5, 1, 2).finished(),
    };
    for (const rt::Matrix &S : tables) {
        const Result r = fts(twoVariables(S), (rt::Matrix(1, 2) << S.rows(), S.cols()).finished());
        const double expected = chiSquareOverTotal(S);
        EXPECT_EQ(r.no, 1);
        EXPECT_EQ(r.C, (rt::Matrix(1, 3) << 2, 0, 1).finished());
        EXPECT_NEAR(r.cinB, expected, 1e-12 * expected) << S;
        EXPECT_EQ(r.CIN(0, 0), r.cinB);
        EXPECT_EQ(r.L(0, 0), 100);
    }
}

// Generated Burt tables for q = 2 to 20: every split once, each scored as the mean inertia
// across it (relative 1e-12: sums of a few hundred terms of similar size), ascending.
TEST_F(Fts, ScoresEverySplitOfGeneratedBurtTables)
{
    for (int q = 2; q <= 20; ++q) {
        const Burt burt = randomBurt(q, 60, 100 + q);
        const rt::Matrix IN = pairInertias(burt.B, burt.h);
        const Result r = fts(burt.B, burt.h);
        const auto no = (rt::Index{1} << (q - 1)) - 1;
        ASSERT_EQ(r.no, static_cast<double>(no));
        ASSERT_EQ(r.CIN.rows(), 1);
        ASSERT_EQ(r.CIN.cols(), no);
        ASSERT_EQ(r.L.cols(), no);
        ASSERT_EQ(r.C.rows(), no);
        ASSERT_EQ(r.C.cols(), q + 1);

        const double cinB = IN.sum() / 2 / (q * (q - 1) / 2);
        EXPECT_NEAR(r.cinB, cinB, 1e-12 * cinB) << q;
        const unsigned all = (1u << q) - 1;
        std::vector<bool> seen(std::size_t{1} << q, false);
        // Plain access: millions of elements in a debug build.
        const double *C = r.C.data(), *CIN = r.CIN.data(), *L = r.L.data();
        for (rt::Index s = 0; s < no; ++s) {
            const std::optional<unsigned> group = groupAfterZero(C, no, q, s);
            ASSERT_TRUE(group) << q << " row " << s << ": " << r.C.row(s);
            const int size = std::popcount(*group);
            ASSERT_LE(size, q / 2);
            // For two halves the group after the 0 is the one combnk lists first: {1} for
            // q = 2, without variable 1 while the bit patterns decide (q from 4 to 16), with it
            // from q = 18 on.
            if (2 * size == q) {
                ASSERT_EQ(*group & 1u, q == 2 || q >= 18 ? 1u : 0u) << q;
            }
            const unsigned split = std::min(*group, all ^ *group);
            ASSERT_FALSE(seen[split]) << q << " split repeated at row " << s;
            seen[split] = true;

            const double expected = splitScore(IN, *group);
            if (std::abs(CIN[s] - expected) > 1e-12 * expected || (s > 0 && CIN[s - 1] > CIN[s]) ||
                L[s] != CIN[s] / r.cinB * 100) {
                FAIL() << q << " split " << s << ": " << CIN[s] << " for " << expected;
            }
        }
    }
}

TEST_F(Fts, EqualScoresKeepTheGenerationOrder)
{
    for (int q : {3, 4, 5, 6, 17, 18}) {
        const Result r = fts(perfectlyAssociated(q), rt::Matrix::Constant(1, q, 2));
        EXPECT_EQ(r.cinB, 1);
        EXPECT_TRUE((r.CIN.array() == 1).all());
        EXPECT_TRUE((r.L.array() == 100).all());
        EXPECT_EQ(rowsOf(r.C), generationOrder(q)) << q;
    }
    const Rows four{{2, 3, 4, 0, 1}, {1, 3, 4, 0, 2}, {1, 2, 4, 0, 3}, {1, 2, 3, 0, 4},
                    {1, 2, 0, 3, 4}, {1, 3, 0, 2, 4}, {1, 4, 0, 2, 3}};
    EXPECT_EQ(generationOrder(4), four);
    EXPECT_EQ(generationOrder(3), (Rows{{2, 3, 0, 1}, {1, 3, 0, 2}, {1, 2, 0, 3}}));
}

TEST_F(Fts, SortsThreeVariablesByTheirCrossInertia)
{
    // Variables 1 and 2 strongly associated, variable 3 independent of both.
    rt::Matrix B = rt::Matrix::Zero(6, 6);
    const rt::Matrix strong = (rt::Matrix(2, 2) << 9, 1, 1, 9).finished();
    const rt::Matrix weak = (rt::Matrix(2, 2) << 6, 4, 4, 6).finished();
    B.block(0, 2, 2, 2) = strong;
    B.block(0, 4, 2, 2) = weak;
    B.block(2, 4, 2, 2) = weak;
    const Result r = fts(B, rt::Matrix::Constant(1, 3, 2));
    const double in12 = chiSquareOverTotal(strong), in3 = chiSquareOverTotal(weak);
    EXPECT_EQ(rowsOf(r.C), (Rows{{1, 2, 0, 3}, {2, 3, 0, 1}, {1, 3, 0, 2}}));
    EXPECT_NEAR(r.CIN(0, 0), in3, 1e-15);
    EXPECT_NEAR(r.CIN(0, 1), (in12 + in3) / 2, 1e-15);
    EXPECT_NEAR(r.cinB, (in12 + 2 * in3) / 3, 1e-15);
}

TEST_F(Fts, ReadsOnlyTheBlocksAboveTheDiagonal)
{
    const Burt burt = randomBurt(5, 80, 3);
    rt::Matrix changed = burt.B;
    changed.triangularView<Eigen::StrictlyLower>().setConstant(-7);
    changed.diagonal().setConstant(1e6);
    changed.block(0, 0, 2, 2).setConstant(NAN);
    const Result a = fts(burt.B, burt.h), b = fts(changed, burt.h);
    EXPECT_EQ(a.CIN, b.CIN);
    EXPECT_EQ(a.L, b.L);
    EXPECT_EQ(a.cinB, b.cinB);
    EXPECT_EQ(a.C, b.C);
}

TEST_F(Fts, SingleCategoryVariableIsAssociatedWithNothing)
{
    // Variable 1 has one category, variables 2 and 3 two each.
    rt::Matrix B = rt::Matrix::Zero(5, 5);
    B.block(0, 1, 1, 2) << 3, 7;
    B.block(0, 3, 1, 2) << 4, 6;
    B.block(1, 3, 2, 2) << 3, 0, 1, 6;
    const Result r = fts(B, (rt::Matrix(1, 3) << 1, 2, 2).finished());
    // The split {1} | {2, 3} crosses only pairs with variable 1.
    EXPECT_EQ(rowsOf(r.C)[0], (std::vector<double>{2, 3, 0, 1}));
    EXPECT_EQ(r.CIN(0, 0), 0);
    EXPECT_EQ(r.L(0, 0), 0);
    const double in23 = chiSquareOverTotal(B.block(1, 3, 2, 2));
    EXPECT_NEAR(r.cinB, in23 / 3, 1e-15);
}

TEST_F(Fts, EmptyCategoryGivesNaNThatSortsLast)
{
    rt::Matrix B = rt::Matrix::Zero(6, 6);
    B.block(0, 2, 2, 2) << 5, 0, 0, 0; // a row and a column total of 0: NaN for pair (1, 2)
    B.block(0, 4, 2, 2) << 3, 2, 1, 4;
    B.block(2, 4, 2, 2) << 4, 1, 2, 3;
    const Result r = fts(B, rt::Matrix::Constant(1, 3, 2));
    EXPECT_TRUE(std::isnan(r.cinB));
    EXPECT_TRUE(r.L.array().isNaN().all());
    // Only {1, 2} | {3} avoids the pair (1, 2); the other two follow in generation order.
    EXPECT_EQ(rowsOf(r.C), (Rows{{1, 2, 0, 3}, {2, 3, 0, 1}, {1, 3, 0, 2}}));
    EXPECT_FALSE(std::isnan(r.CIN(0, 0)));
    EXPECT_TRUE(std::isnan(r.CIN(0, 1)));
    EXPECT_TRUE(std::isnan(r.CIN(0, 2)));
}

TEST_F(Fts, RejectsBadInputWithAClearMessage)
{
    const Burt burt = randomBurt(3, 30, 1);
    struct Case {
        rt::Matrix B, h;
        std::string message;
    };
    const Case cases[] = {
        {burt.B, burt.h.transpose(), "Run-time Error: Matrix dimensions must agree."},
        {burt.B, rt::Matrix::Constant(1, 1, 3), "Not enough choices to choose that many"},
        {burt.B, rt::Matrix(0, 0), "Input choices must be a vector"},
        {burt.B.topLeftCorner(burt.B.rows(), burt.B.cols() - 1), burt.h,
         "Run-time Error: Index exceeds matrix dimensions."},
        {burt.B, (rt::Matrix(1, 3) << 2, 1.5, 2).finished(),
         "Numbers of categories must be whole numbers, 0 or more."},
        {burt.B, (rt::Matrix(1, 3) << 2, -1, 2).finished(),
         "Numbers of categories must be whole numbers, 0 or more."},
        {burt.B, (rt::Matrix(1, 3) << 2, 1e300, 2).finished(),
         "Run-time Error: Index exceeds matrix dimensions."},
        {rt::Matrix::Zero(40, 40), rt::Matrix::Ones(1, 40),
         "The splits of 40 variables are too many to hold in memory."},
    };
    for (const Case &c : cases)
        EXPECT_EQ(ftsError(c.B, c.h), c.message);
}

TEST_F(Fts, ComputesOnlyTheRequestedOutputsIntoPointers)
{
    const Burt burt = randomBurt(4, 50, 9);
    Owned b{matrix(burt.B)}, h{matrix(burt.h)}, cinB;
    Owned no{mlfFts(nullptr, nullptr, &cinB.a, nullptr, b.a, h.a)};
    EXPECT_EQ(no.value()(0, 0), 7);
    EXPECT_EQ(cinB.value()(0, 0), fts(burt.B, burt.h).cinB);
}

} // namespace
