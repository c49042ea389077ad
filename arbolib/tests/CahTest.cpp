// cah's classification checked against the definitions of its outputs.
#include "Arrays.h"
#include "Tables.h"

#include "../src/cah.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <set>
#include <vector>

namespace arbotest
{
namespace
{

using Rows = std::set<rt::Index>; // 1-based table rows

// Eye colour (brown, blue, hazel, green) by hair colour (black, brown, red, blond) of 592
// students, a classic contingency table; its chi-square statistic is 138.29.
const rt::Matrix eyesByHair =
    (rt::Matrix(4, 4) << 68, 119, 26, 7, 20, 84, 17, 94, 15, 54, 14, 10, 5, 29, 14, 16).finished();

double chiSquare(const rt::Matrix &X)
{
    const double N = X.sum();
    double chi2 = 0;
    for (rt::Index i = 0; i < X.rows(); ++i)
        for (rt::Index j = 0; j < X.cols(); ++j) {
            const double expected = X.row(i).sum() * X.col(j).sum() / N;
            chi2 += std::pow(X(i, j) - expected, 2) / expected;
        }
    return chi2;
}

Rows membersOf(const rt::Matrix &Q, rt::Index s)
{
    Rows rows;
    for (rt::Index t = 0; t < Q.cols() && Q(s, t) != 0; ++t)
        rows.insert(static_cast<rt::Index>(Q(s, t)));
    return rows;
}

// The rows inside node number node (1-based, cah's numbering) of a table of n rows.
Rows nodeRows(const rt::Matrix &Q, double node)
{
    const auto n = Q.cols();
    const auto v = static_cast<rt::Index>(node);
    return v <= n ? Rows{v} : membersOf(Q, v - n - 1);
}

rt::RowVector sumOfRows(const rt::Matrix &X, const Rows &rows)
{
    rt::RowVector sum = rt::RowVector::Zero(X.cols());
    for (rt::Index i : rows)
        sum += X.row(i - 1);
    return sum;
}

// Ward's method written independently: weighted points (row masses, profiles) under the
// chi-square metric, merged by the Lance-Williams update of Ward's criterion. Returns per step
// the merging index and the rows of the new group. For tables without tied indices.
std::vector<std::pair<double, Rows>> lanceWilliamsWard(const rt::Matrix &X)
{
    const rt::Index n = X.rows();
    const double N = X.sum();
    const rt::RowVector cj = X.colwise().sum() / N;
    std::vector<double> m(n);
    std::vector<Rows> group(n);
    rt::Matrix D = rt::Matrix::Zero(n, n);
    for (rt::Index i = 0; i < n; ++i) {
        m[i] = X.row(i).sum() / N;
        group[i] = {i + 1};
    }
    for (rt::Index i = 0; i < n; ++i)
        for (rt::Index j = 0; j < n; ++j) {
            const rt::RowVector diff = X.row(i) / X.row(i).sum() - X.row(j) / X.row(j).sum();
            D(i, j) = m[i] * m[j] / (m[i] + m[j]) * (diff.array().square() / cj.array()).sum();
        }
    std::vector<bool> alive(n, true);
    std::vector<std::pair<double, Rows>> steps;
    for (rt::Index s = 0; s + 1 < n; ++s) {
        rt::Index a = -1, b = -1;
        for (rt::Index i = 0; i < n; ++i)
            for (rt::Index j = i + 1; j < n; ++j)
                if (alive[i] && alive[j] && (a < 0 || D(i, j) < D(a, b)))
                    a = i, b = j;
        steps.push_back({D(a, b), group[a]});
        steps.back().second.insert(group[b].begin(), group[b].end());
        for (rt::Index k = 0; k < n; ++k)
            if (alive[k] && k != a && k != b) {
                D(k, a) = D(a, k) =
                    ((m[a] + m[k]) * D(k, a) + (m[b] + m[k]) * D(k, b) - m[k] * D(a, b)) /
                    (m[a] + m[b] + m[k]);
            }
        m[a] += m[b];
        group[a] = steps.back().second;
        alive[b] = false;
    }
    return steps;
}

class Cah : public Library
{
};

TEST_F(Cah, MergesAsLanceWilliamsWardOnRealAndGeneratedTables)
{
    std::mt19937 rng(5);
    const rt::Matrix tables[] = {eyesByHair, randomWeights(60, 5, rng), randomCounts(40, 7, rng)};
    for (const rt::Matrix &X : tables) {
        CahCall call;
        callCah(call, X, 0, 0);
        const auto steps = lanceWilliamsWard(X);
        for (std::size_t s = 0; s < steps.size(); ++s) {
            EXPECT_NEAR(call[0](s, 2), steps[s].first, 1e-12) << "step " << s + 1;
            EXPECT_EQ(membersOf(call[9], s), steps[s].second) << "step " << s + 1;
        }
    }
}

TEST_F(Cah, InertiaDecompositionAddsUpToTheChiSquareOverTheTotal)
{
    CahCall call;
    callCah(call, eyesByHair, 0, 0);
    const rt::Matrix &Z = call[0];
    const double intot = chiSquare(eyesByHair) / eyesByHair.sum();
    EXPECT_NEAR(chiSquare(eyesByHair), 138.29, 0.005) << "the table as published";
    EXPECT_NEAR(Z(2, 3), intot, 1e-14) << "intra ends at the total inertia";
    EXPECT_NEAR(Z(2, 4), 0, 1e-14) << "inter ends at 0";
    EXPECT_NEAR(Z.col(5).sum(), 1, 1e-14) << "intraper sums to 1";
    for (rt::Index s = 0; s < 3; ++s) {
        EXPECT_NEAR(Z(s, 3), Z.col(2).head(s + 1).sum(), 1e-15);
        EXPECT_NEAR(Z(s, 4), intot - Z(s, 3), 1e-15);
        EXPECT_NEAR(Z(s, 5), Z(s, 2) / intot, 1e-15);
        EXPECT_EQ(Z(s, 6), static_cast<double>(membersOf(call[9], s).size()));
    }
}

TEST_F(Cah, AidsFollowTheirDefinitions)
{
    std::mt19937 rng(3);
    const rt::Matrix X = randomCounts(25, 6, rng);
    CahCall call;
    callCah(call, X, 0, 0);
    const rt::Matrix &Z = call[0], &Q = call[9];
    const rt::Index n = X.rows(), c = X.cols();
    const double N = X.sum();
    const rt::RowVector fj = X.colwise().sum() / N;
    rt::RowVector inr = rt::RowVector::Zero(c); // each column's share of chi-square over N
    for (rt::Index i = 0; i < n; ++i)
        for (rt::Index j = 0; j < c; ++j) {
            const double expected = X.row(i).sum() * fj[j];
            inr[j] += std::pow(X(i, j) - expected, 2) / expected / N;
        }
    auto profile = [&](const Rows &rows) {
        const rt::RowVector sum = sumOfRows(X, rows);
        return rt::RowVector(sum / sum.sum());
    };
    auto mass = [&](const Rows &rows) { return sumOfRows(X, rows).sum() / N; };
    constexpr double tol = 1e-12;
    for (rt::Index s = 0; s + 1 < n; ++s) {
        const Rows node = membersOf(Q, s);
        EXPECT_LT((call[2].row(s) - profile(node)).cwiseAbs().maxCoeff(), tol);
        EXPECT_NEAR(call[3](0, s), mass(node), tol);
        const rt::RowVector e = (profile(node) - fj).array().square() / fj.array();
        if (s + 2 < n) {
            EXPECT_LT((call[4].row(s) - e / e.sum()).cwiseAbs().maxCoeff(), tol);
            const rt::RowVector ctr = e.array() * mass(node) / inr.array();
            EXPECT_LT((call[5].row(s) - ctr).cwiseAbs().maxCoeff(), tol);
        }
        const Rows first = nodeRows(Q, Z(s, 0)), second = nodeRows(Q, Z(s, 1));
        const rt::RowVector dx = profile(first) - profile(second);
        EXPECT_LT((call[6].row(s) - dx).cwiseAbs().maxCoeff(), tol);
        const rt::RowVector d = dx.array().square() / fj.array();
        EXPECT_LT((call[7].row(s) - d / d.sum()).cwiseAbs().maxCoeff(), tol);
        const rt::RowVector ctd = d.array() * mass(first) * mass(second) / inr.array();
        EXPECT_LT((call[8].row(s) - ctd).cwiseAbs().maxCoeff(), tol);
        // The merging index is the Ward factor of the two masses times their squared distance.
        const double ward = mass(first) * mass(second) / (mass(first) + mass(second)) * d.sum();
        EXPECT_NEAR(Z(s, 2), ward, tol);
    }
    EXPECT_EQ(call[4].row(n - 2), rt::RowVector::Zero(c)) << "the root's cor row is 0";
    EXPECT_EQ(call[5].row(n - 2), rt::RowVector::Zero(c)) << "the root's ctr row is 0";
}

TEST_F(Cah, SharesOfNothingAreZeroAndZeroInertiaColumnsContributeNothing)
{
    // Rows 1 and 3 share a profile, so their pair has no distance (its cod row would be 0/0);
    // column 3 is proportional to the row totals, so its inertia is 0 (ctr and ctd would divide
    // by 0 there); and when every row has the same profile the total inertia is 0.
    const rt::Matrix X = (rt::Matrix(4, 3) << 1, 3, 4, 5, 3, 8, 2, 6, 8, 3, 1, 4).finished();
    CahCall call;
    callCah(call, X, 0, 0);
    ASSERT_EQ(call[0](0, 2), 0);
    EXPECT_EQ(call[7].row(0), rt::RowVector::Zero(3));
    for (const std::size_t k : {5, 8}) {
        EXPECT_TRUE(call[k].allFinite()) << "output " << k + 1;
        EXPECT_EQ(call[k].col(2), rt::Vector::Zero(3)) << "output " << k + 1;
        EXPECT_GT(call[k].leftCols(2).cwiseAbs().sum(), 0) << "other columns are computed";
    }

    callCah(call, (rt::Matrix(3, 2) << 1, 2, 2, 4, 3, 6).finished(), 0, 0);
    EXPECT_EQ(call[0].col(2), rt::Vector::Zero(2));
    EXPECT_EQ(call[0].col(5), rt::Vector::Zero(2)) << "intraper of a table without inertia";
    for (std::size_t k = 2; k < 9; ++k)
        EXPECT_TRUE(call[k].allFinite()) << "output " << k + 1;
}

TEST_F(Cah, TwoRowsMakeOneStep)
{
    const rt::Matrix X = (rt::Matrix(2, 3) << 1, 2, 3, 3, 1, 1).finished();
    CahCall call;
    callCah(call, X, 0, 0);
    const double index = call[0](0, 2);
    EXPECT_GT(index, 0);
    EXPECT_EQ(call[0], (rt::Matrix(1, 7) << 1, 2, index, index, 0, 1, 2).finished());
    EXPECT_EQ(call[1], (rt::Matrix(1, 2) << 1, 2).finished());
    EXPECT_EQ(call[3], rt::Matrix::Ones(1, 1));
    EXPECT_EQ(call[4], rt::Matrix::Zero(1, 3));
    EXPECT_EQ(call[5], rt::Matrix::Zero(1, 3));
    EXPECT_EQ(call[9], (rt::Matrix(1, 2) << 1, 2).finished());
    EXPECT_EQ(call[10], rt::Matrix::Zero(1, 1)) << "no cut";
    EXPECT_EQ(call[11], X);
}

TEST_F(Cah, EqualProfilesMergeFirstAndTiesGoToTheEarliestPair)
{
    // Rows 2, 4 and 5 share one profile, rows 1 and 3 another: all four pairs are at 0, and the
    // pair order decides: (1,3), then (2,4), then group 2 with row 5.
    const rt::Matrix X = (rt::Matrix(5, 2) << 1, 1, 1, 3, 2, 2, 2, 6, 3, 9).finished();
    CahCall call;
    callCah(call, X, 0, 0);
    const rt::Matrix &Z = call[0];
    EXPECT_EQ(Z.leftCols(3).topRows(3), (rt::Matrix(3, 3) << 1, 3, 0, 2, 4, 0, 7, 5, 0).finished());
    EXPECT_EQ(Z.row(3).head(2), (rt::RowVector(2) << 6, 8).finished());
    EXPECT_EQ(call[9].row(2), (rt::RowVector(5) << 2, 4, 5, 0, 0).finished());
    EXPECT_EQ(call[9].row(3), (rt::RowVector(5) << 1, 2, 3, 4, 5).finished()) << "root sorted";
}

// The groups left after the first n - k steps, replayed from Q.
std::vector<Rows> groupsAfter(const rt::Matrix &Z, const rt::Matrix &Q, rt::Index steps)
{
    const rt::Index n = Q.cols();
    std::vector<Rows> groups;
    std::vector<bool> merged(static_cast<std::size_t>(2 * n - 1), false);
    for (rt::Index s = 0; s < steps; ++s) {
        merged[static_cast<std::size_t>(Z(s, 0)) - 1] = true;
        merged[static_cast<std::size_t>(Z(s, 1)) - 1] = true;
    }
    for (rt::Index node = 1; node <= n + steps; ++node)
        if (!merged[node - 1])
            groups.push_back(nodeRows(Q, static_cast<double>(node)));
    return groups;
}

TEST_F(Cah, CutGivesTheGroupsLeftByUndoingTheTopSteps)
{
    std::mt19937 rng(9);
    const rt::Matrix X = randomCounts(12, 4, rng);
    for (rt::Index k = 1; k <= 12; ++k) {
        CahCall call;
        callCah(call, X, 0, static_cast<double>(k));
        const rt::Matrix &T = call[10];
        ASSERT_EQ(T.rows(), 12);
        ASSERT_EQ(T.cols(), 1);
        std::set<double> numbers(T.data(), T.data() + T.size());
        EXPECT_EQ(numbers.size(), static_cast<std::size_t>(k));
        EXPECT_EQ(*numbers.begin(), 1);
        EXPECT_EQ(*numbers.rbegin(), static_cast<double>(k));
        for (const Rows &group : groupsAfter(call[0], call[9], 12 - k)) {
            std::set<double> clusters;
            for (rt::Index row : group)
                clusters.insert(T(row - 1));
            EXPECT_EQ(clusters.size(), 1u) << "a group is one cluster, k = " << k;
        }
    }
}

TEST_F(Cah, CutNumbersTheRootsSubtreesInOrderAndCoversEveryCount)
{
    const rt::Matrix X = eyesByHair;
    CahCall call;
    callCah(call, X, 0, 2);
    const rt::Matrix &Z = call[0], &Q = call[9];
    for (rt::Index row : nodeRows(Q, Z(2, 0)))
        EXPECT_EQ(call[10](row - 1), 1);
    for (rt::Index row : nodeRows(Q, Z(2, 1)))
        EXPECT_EQ(call[10](row - 1), 2);

    const struct {
        double cutoff;
        rt::Matrix T;
    } cases[] = {{0, rt::Matrix::Zero(1, 1)},
                 {1, rt::Matrix::Ones(4, 1)},
                 {4, (rt::Matrix(4, 1) << 1, 2, 3, 4).finished()},
                 {9.5, (rt::Matrix(4, 1) << 1, 2, 3, 4).finished()},
                 {INFINITY, (rt::Matrix(4, 1) << 1, 2, 3, 4).finished()}};
    for (const auto &c : cases) {
        callCah(call, X, 0, c.cutoff);
        EXPECT_EQ(call[10], c.T) << "cutoff " << c.cutoff;
    }
}

TEST_F(Cah, CodesBecomeTheirIndicatorTable)
{
    const rt::Matrix codes = (rt::Matrix(4, 2) << 1, 3, 2, 1, 1, 2, 2, 3).finished();
    CahCall call;
    callCah(call, codes, 1, 0);
    const rt::Matrix &Out = call[11];
    EXPECT_EQ(Out, (rt::Matrix(4, 5) << 1, 0, 0, 0, 1, //
                    0, 1, 1, 0, 0,                     //
                    1, 0, 0, 1, 0,                     //
                    0, 1, 0, 0, 1)
                       .finished());
    EXPECT_EQ(Out.rowwise().sum(), rt::Vector::Constant(4, 2));
    EXPECT_EQ(call[0].rows(), 3);

    callCah(call, (rt::Matrix(5, 1) << 2, 1, 3, 1, 2).finished(), 1, 0);
    EXPECT_EQ(call[11].cols(), 3) << "a single variable is valid input";
    EXPECT_EQ(call[0].rows(), 4);
}

void expectZeroAnswer(const CahCall &call)
{
    for (std::size_t k = 0; k < 12; ++k)
        EXPECT_EQ(call[k], rt::Matrix::Zero(1, 1)) << "output " << k + 1;
}

TEST_F(Cah, ZeroTotalsAndZeroCodesAnswerWithTwelveZeros)
{
    const struct {
        const char *what;
        rt::Matrix X;
        double zeroone;
    } cases[] = {
        {"zero row", (rt::Matrix(3, 2) << 1, 2, 0, 0, 3, 4).finished(), 0},
        {"zero column", (rt::Matrix(3, 3) << 1, 0, 2, 3, 0, 4, 5, 0, 6).finished(), 0},
        {"zero column of a single row", (rt::Matrix(1, 3) << 1, 0, 2).finished(), 0},
        {"zero code", (rt::Matrix(3, 2) << 1, 2, 0, 1, 2, 1).finished(), 1},
        {"a code above the codes used", (rt::Matrix(3, 2) << 1, 1, 3, 2, 1, 1).finished(), 1},
        {"a huge code", (rt::Matrix(3, 2) << 1, 1, 1e300, 2, 2, 1).finished(), 1},
        {"a negative code falling in the block before",
         (rt::Matrix(3, 2) << 1, 1, 2, -1, 1, 1).finished(), 1},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        CahCall call;
        callCah(call, c.X, c.zeroone, 0);
        expectZeroAnswer(call);
    }
}

TEST_F(Cah, UnusableTablesFailWithAMessage)
{
    const std::string codes = "cah: with zeroone = 1 every code must be a whole number from 1 "
                              "to the number of distinct codes of its variable.";
    const std::string cutoff = "cah: cutoff must be a single number: 0 for no cut, or the whole "
                               "number of clusters wanted.";
    const rt::Matrix table = (rt::Matrix(3, 2) << 1, 2, 3, 4, 5, 7).finished();
    const struct {
        rt::Matrix X;
        double zeroone;
        rt::Matrix cutoff;
        std::string message;
    } cases[] = {
        {(rt::Matrix(1, 3) << 1, 2, 3).finished(), 0, rt::Matrix::Zero(1, 1),
         "cah: the table to classify needs at least two rows."},
        {(rt::Matrix(3, 1) << 1, 2, 3).finished(), 0, rt::Matrix::Zero(1, 1),
         "cah: the table to classify needs at least two columns."},
        {(rt::Matrix(3, 1) << 1, 1, 1).finished(), 1, rt::Matrix::Zero(1, 1),
         "cah: the table to classify needs at least two columns."},
        {(rt::Matrix(1, 2) << 1, 1).finished(), 1, rt::Matrix::Zero(1, 1),
         "cah: the table to classify needs at least two rows."},
        {rt::Matrix(0, 0), 0, rt::Matrix::Zero(1, 1),
         "cah: the table to classify needs at least two rows."},
        {(rt::Matrix(2, 2) << 1, NAN, 3, 4).finished(), 0, rt::Matrix::Zero(1, 1),
         "cah: the table to classify holds a value that is not finite."},
        {(rt::Matrix(2, 2) << 1, INFINITY, 3, 4).finished(), 0, rt::Matrix::Zero(1, 1),
         "cah: the table to classify holds a value that is not finite."},
        {(rt::Matrix(2, 2) << 2, -1, 3, 4).finished(), 0, rt::Matrix::Zero(1, 1),
         "cah: the table to classify holds a negative value."},
        {(rt::Matrix(2, 2) << 1e308, 1e308, 1e308, 1e308).finished(), 0, rt::Matrix::Zero(1, 1),
         "cah: the total of the table to classify is too large to compute."},
        {(rt::Matrix(2, 2) << 1, 1.5, 2, 1).finished(), 1, rt::Matrix::Zero(1, 1), codes},
        {(rt::Matrix(2, 2) << 1, NAN, 2, 1).finished(), 1, rt::Matrix::Zero(1, 1), codes},
        {(rt::Matrix(2, 2) << -1, 2, 3, 2).finished(), 1, rt::Matrix::Zero(1, 1), codes},
        {table, 0, rt::Matrix::Constant(1, 1, -1), cutoff},
        {table, 0, rt::Matrix::Constant(1, 1, 2.5), cutoff},
        {table, 0, rt::Matrix::Constant(1, 1, NAN), cutoff},
        {table, 0, rt::Matrix::Ones(1, 2), cutoff},
        {table, 0, rt::Matrix(0, 0), cutoff},
    };
    for (const auto &c : cases) {
        Owned x(toArray(c.X)), z(scalar(c.zeroone)), k(toArray(c.cutoff));
        CahCall call;
        EXPECT_EQ(errorOf([&] { callCah(call, x.a, z.a, k.a); }), c.message);
        for (const Owned &o : call.outputs)
            EXPECT_EQ(o.a, nullptr);
    }
}

TEST_F(Cah, MissingInputsFailWhenFirstRead)
{
    const std::string undefined = "Run-time Error: Reference to an undefined variable ";
    Owned table(toArray((rt::Matrix(2, 2) << 1, 2, 3, 4).finished()));
    Owned zeroRow(toArray((rt::Matrix(2, 2) << 1, 2, 0, 0).finished()));
    Owned zero(scalar(0));
    CahCall call;
    EXPECT_EQ(errorOf([&] { callCah(call, nullptr, zero.a, zero.a); }), undefined + "\"X\".");
    EXPECT_EQ(errorOf([&] { callCah(call, table.a, nullptr, zero.a); }),
              undefined + "\"zeroone\".");
    EXPECT_EQ(errorOf([&] { callCah(call, table.a, zero.a, nullptr); }), undefined + "\"cutoff\".");

    CahCall zeros;
    callCah(zeros, zeroRow.a, nullptr, nullptr);
    expectZeroAnswer(zeros);
}

TEST_F(Cah, CFormHandsOverOnlyWhatIsAskedFor)
{
    const rt::Matrix X = (rt::Matrix(3, 2) << 1, 2, 3, 4, 5, 7).finished();
    Owned x(toArray(X)), zero(scalar(0)), Q;
    Owned Z(mlfCah(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &Q.a,
                   nullptr, nullptr, x.a, zero.a, zero.a));
    EXPECT_EQ(rt::valueOf(Z.a).rows(), 2);
    EXPECT_EQ(rt::valueOf(Q.a).rows(), 2);
    EXPECT_EQ(rt::valueOf(x.a), X) << "the input stays as it was";
}

std::string message;
void remember(const char *m)
{
    message = m;
}

TEST_F(Cah, WithAHandlerAFailureReturnsNull)
{
    mlfSetErrorHandler(remember);
    Owned x(toArray((rt::Matrix(1, 2) << 1, 2).finished())), zero(scalar(0));
    CahCall call;
    callCah(call, x.a, zero.a, zero.a);
    mlfSetErrorHandler(nullptr);
    for (const Owned &o : call.outputs)
        EXPECT_EQ(o.a, nullptr);
    EXPECT_EQ(message, "cah: the table to classify needs at least two rows.");
}

TEST_F(Cah, ArgumentVectorFormsCheckArity)
{
    const std::string cah = "Run-time Error: File: cah Line: 12 Column: 1 The function \"cah\" "
                            "was called with more than the declared number of ";
    const std::string clusternum = "Run-time Error: File: cah/clusternum Line: 231 Column: 1 The "
                                   "function \"cah/clusternum\" was called with more than the "
                                   "declared number of ";
    Owned a(scalar(1));
    mxArray *prhs[] = {a.a, a.a, a.a, a.a, a.a};
    mxArray *plhs[13] = {};
    EXPECT_EQ(errorOf([&] { mlxCah(13, plhs, 4, prhs); }), cah + "outputs (12).");
    EXPECT_EQ(errorOf([&] { mlxCah(12, plhs, 4, prhs); }), cah + "inputs (3).");
    auto local = [&](int nlhs, int nrhs) {
        rt::callVector(arbolib::clusternumSignature, arbolib::Mcah_clusternum, nlhs, plhs, nrhs,
                       prhs);
    };
    EXPECT_EQ(errorOf([&] { local(2, 4); }), clusternum + "outputs (1).");
    EXPECT_EQ(errorOf([&] { local(1, 5); }), clusternum + "inputs (4).");
    for (mxArray *p : plhs)
        EXPECT_EQ(p, nullptr);
}

TEST_F(Cah, ArgumentVectorFormStoresWhatIsAsked)
{
    Owned x(toArray((rt::Matrix(3, 2) << 1, 2, 3, 4, 5, 7).finished())), zero(scalar(0)),
        two(scalar(2));
    mxArray *prhs[] = {x.a, zero.a, two.a};
    mxArray *plhs[12] = {};
    mlxCah(0, plhs, 3, prhs);
    ASSERT_NE(plhs[0], nullptr);
    EXPECT_EQ(rt::valueOf(plhs[0]).cols(), 7);
    EXPECT_EQ(plhs[1], nullptr);
    mxDestroyArray(plhs[0]);

    mlxCah(12, plhs, 3, prhs);
    EXPECT_EQ(rt::valueOf(plhs[10]).rows(), 3);
    for (mxArray *p : plhs)
        mxDestroyArray(p);
}

TEST_F(Cah, ClusternumMarksEveryRowBelowTheGivenSteps)
{
    // Steps [1 2], [3 4], [5 6] over four rows: below step 3 lie all four.
    const rt::Matrix Z = (rt::Matrix(3, 2) << 1, 2, 3, 4, 5, 6).finished();
    Owned z(toArray(Z)), T(toArray(rt::Matrix::Zero(4, 1))), k(scalar(2)), c(scalar(7));
    mxArray *prhs[] = {z.a, T.a, k.a, c.a};
    mxArray *plhs[1] = {};
    rt::callVector(arbolib::clusternumSignature, arbolib::Mcah_clusternum, 1, plhs, 4, prhs);
    EXPECT_EQ(rt::valueOf(plhs[0]), (rt::Matrix(4, 1) << 0, 0, 7, 7).finished());
    mxDestroyArray(plhs[0]);
}

TEST(CahLifecycle, InitialiseAgainAfterTerminate)
{
    arbolibInitialize();
    arbolibInitialize();
    arbolibTerminate();
    arbolibTerminate();
    arbolibInitialize();
    CahCall call;
    callCah(call, eyesByHair, 0, 0);
    EXPECT_EQ(call[0].rows(), 3);
    arbolibTerminate();
}

} // namespace
} // namespace arbotest
