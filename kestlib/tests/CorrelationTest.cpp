// The correlation functions of the kest module through their argument-vector entries.
#include "Arrays.h"
#include "KestLocal.h"
#include "PairCorrelator.h"

#include <boost/math/distributions/students_t.hpp>

#include <cmath>
#include <limits>
#include <random>

namespace
{

using namespace kesttest;
using kestlib::mlxKest_correlation;

const double nan = std::numeric_limits<double>::quiet_NaN();
const double eps = std::numeric_limits<double>::epsilon();

struct Coefficient {
    double r, p;
};

Coefficient correlate(const rt::Matrix &x1, const rt::Matrix &x2, bool spearman = false)
{
    std::vector<rt::Matrix> inputs{x1, x2};
    if (spearman)
        inputs.push_back(scalar(1));
    const auto out = call(mlxKest_correlation, 2, inputs);
    return {out[0](0), out[1](0)};
}

bool same(double a, double b)
{
    return a == b || (std::isnan(a) && std::isnan(b));
}

TEST(Correlation, CoefficientsAndPValuesOfTwoColumns)
{
    struct Case {
        rt::Matrix x1, x2;
        bool spearman;
        double r, p, tolerance;
    };
    const double cauchy =
        2 * (1 - (0.5 + std::atan(0.5 * std::sqrt(1 / (1 - (0.5 - 10 * eps) * (0.5 - 10 * eps)))) /
                            M_PI));
    const Case cases[] = {
        {column({1, 2, 3, 4}), column({2, 4, 6, 8}), false, 1, 0, 1e-14},
        // r = -1: the root of a negative quantity does not turn into NaN.
        {column({1, 2, 3, 4}), column({8, 6, 4, 2}), false, -1, 0, 1e-14},
        // df = 1, the Cauchy form.
        {column({1, 2, 3}), column({1, 3, 2}), false, 0.5, cauchy, 1e-15},
        // A constant vector has no coefficient.
        {column({2, 2, 2, 2}), column({1, 3, 2, 5}), false, nan, nan, 0},
        {column({1, 3, 2, 5}), column({0.1, 0.1, 0.1, 0.1}), false, nan, nan, 0},
        // Two values: r is +-1, there are no degrees of freedom.
        {column({1, 2}), column({5, 3}), false, -1, nan, 1e-15},
        // Spearman: ranks 1, 2.5, 2.5, 4 against 1, 2, 3, 4.
        {column({1, 2, 2, 3}), column({1, 2, 3, 4}), true, 0.9486832980505138, 0.0513167019494862,
         1e-13},
        // Rows count as columns.
        {rows({{1, 2, 3}}), rows({{1, 3, 2}}), false, 0.5, cauchy, 1e-15},
    };
    for (const Case &c : cases) {
        const Coefficient got = correlate(c.x1, c.x2, c.spearman);
        EXPECT_TRUE(same(got.r, c.r) || std::abs(got.r - c.r) <= c.tolerance)
            << c.x1 << " r " << got.r;
        EXPECT_TRUE(same(got.p, c.p) || std::abs(got.p - c.p) <= c.tolerance)
            << c.x1 << " p " << got.p;
    }
}

TEST(Correlation, PValueIsTheTDistributionAtTheCoefficient)
{
    std::mt19937_64 random(7);
    std::normal_distribution<double> normal;
    for (int length : {4, 9, 30, 200}) {
        rt::Matrix x(length, 2);
        for (double &v : x.reshaped())
            v = normal(random);
        x.col(1) += 0.5 * x.col(0);
        const Coefficient c = correlate(x.col(0), x.col(1));
        const double df = length - 2;
        const double t = std::abs(c.r) * std::sqrt(df / (1 - (c.r - 10 * eps) * (c.r - 10 * eps)));
        const double want =
            2 * boost::math::cdf(boost::math::complement(boost::math::students_t(df), t));
        EXPECT_NEAR(c.p, want, 1e-13) << length;
    }
}

TEST(Correlation, OneOutputLeavesTheIterationFlagAlone)
{
    const auto out = call(mlxKest_correlation, 1, {column({1, 2, 3}), column({1, 3, 2})});
    EXPECT_NEAR(out[0](0), 0.5, 1e-15);
}

TEST(Correlation, MatricesWithoutASecondArgument)
{
    // Every pair of columns: the symmetric matrix of coefficients and of p-values.
    const rt::Matrix X = rows({{1, 2, 9}, {2, 4, 1}, {3, 7, 5}, {4, 8, 2}});
    const auto out = call(mlxKest_correlation, 2, {X});
    ASSERT_EQ(out[0].rows(), 3);
    ASSERT_EQ(out[1].cols(), 3);
    const Coefficient pair = correlate(X.col(0), X.col(2));
    EXPECT_NEAR(out[0](0, 2), pair.r, 1e-15);
    EXPECT_NEAR(out[0](2, 0), pair.r, 1e-15);
    EXPECT_NEAR(out[1](0, 2), pair.p, 1e-15);
    EXPECT_NEAR(out[0](1, 1), 1, 1e-15);

    // Two columns: their single coefficient.
    const auto two = call(mlxKest_correlation, 2, {X.leftCols(2)});
    EXPECT_EQ(two[0].size(), 1);
    EXPECT_NEAR(two[0](0), correlate(X.col(0), X.col(1)).r, 1e-15);
    EXPECT_NEAR(two[1](0), correlate(X.col(0), X.col(1)).p, 1e-15);
}

TEST(Correlation, AScalarSecondArgumentIsTheKind)
{
    const rt::Matrix X = rows({{1, 1}, {2, 3}, {2, 2}, {3, 4}});
    // correlation(X, 1): Spearman between the two columns.
    const auto shifted = call(mlxKest_correlation, 2, {X, scalar(1)});
    const Coefficient spearman = correlate(X.col(0), X.col(1), true);
    EXPECT_EQ(shifted[0](0), spearman.r);
    EXPECT_EQ(shifted[1](0), spearman.p);

    // correlation(X, 1, 1): the iteration flag set, p-values are not computed (zeros).
    const auto iterated = call(mlxKest_correlation, 2, {X, scalar(1), scalar(1)});
    EXPECT_EQ(iterated[0](0), spearman.r);
    EXPECT_EQ(iterated[1](0), 0);

    // A single column: the 2x2 zero matrix of trisqmat, since the flag leaves prob at 0.
    const auto single = call(mlxKest_correlation, 2, {X.col(0), scalar(1), scalar(1)});
    EXPECT_EQ(single[1], rt::Matrix::Zero(2, 2));
}

TEST(Correlation, UncentredKindIsTheCosine)
{
    const auto out =
        call(mlxKest_correlation, 2, {column({1, 0, 0}), column({1, 1, 0}), scalar(2)});
    EXPECT_NEAR(out[0](0), M_SQRT1_2, 1e-15);
}

TEST(Correlation, ColumnsOfDifferentLengthsFail)
{
    EXPECT_EQ(errorOf([] {
                  correlate(column({1, 2, 3}), column({1, 2, 3, 4}));
              }),
              "Run-time Error: Matrix dimensions must agree.");
}

TEST(Correlation, PairCorrelatorGivesTheSameBitsAsTheEntry)
{
    std::mt19937_64 random(11);
    std::uniform_int_distribution<int> likert(1, 5);
    kestlib::PairCorrelator pair;
    for (int length : {3, 12, 40, 7}) {
        rt::Matrix x(length, 2);
        for (double &v : x.reshaped())
            v = likert(random) / 3.0;
        for (bool spearman : {false, true}) {
            const Coefficient entry = correlate(x.col(0), x.col(1), spearman);
            const kestlib::VectorView x1 = kestlib::columnOf(x, 0), x2 = kestlib::columnOf(x, 1);
            const auto kernel = spearman ? pair.spearman(x1, x2) : pair.pearson(x1, x2);
            EXPECT_TRUE(sameBits(scalar(entry.r), scalar(kernel.r))) << length;
            EXPECT_TRUE(sameBits(scalar(entry.p), scalar(kernel.p))) << length;
        }
    }
}

TEST(Corrf, NormalisedCrossProducts)
{
    // Centred columns; the zero column gives 0 against everything without a second group.
    const rt::Matrix X = rows({{1, -1, 0}, {0, 2, 0}, {-1, -1, 0}});
    const auto all = call(kestlib::mlxKest_corrf, 1, {X, scalar(3), scalar(0)});
    EXPECT_NEAR(all[0](0, 1), 0, 1e-15);
    EXPECT_NEAR(all[0](1, 1), 1, 1e-15);
    EXPECT_EQ(all[0](2, 2), 0);
    EXPECT_EQ(all[0](0, 2), 0);

    // Two groups: a second-group column without spread is NaN against every first-group column.
    const auto groups = call(kestlib::mlxKest_corrf, 1, {X, scalar(1), scalar(2)});
    ASSERT_EQ(groups[0].cols(), 2);
    EXPECT_NEAR(groups[0](0, 0), 0, 1e-15);
    EXPECT_TRUE(std::isnan(groups[0](0, 1)));
    const auto both =
        call(kestlib::mlxKest_corrf, 1, {X.rightCols(1).replicate(1, 2), scalar(1), scalar(1)});
    EXPECT_TRUE(std::isnan(both[0](0)));

    EXPECT_EQ(errorOf([&] {
                  call(kestlib::mlxKest_corrf, 1, {X, scalar(2), scalar(2)});
              }),
              "Run-time Error: Index exceeds matrix dimensions.");
}

TEST(Corrprci, TwoSidedPValues)
{
    const auto p = call(kestlib::mlxKest_corrprci, 1, {rows({{0, 1, -1, nan}}), scalar(10)});
    EXPECT_EQ(p[0](0), 1);
    EXPECT_NEAR(p[0](1), 0, 1e-15);
    EXPECT_NEAR(p[0](2), 0, 1e-15);
    EXPECT_TRUE(std::isnan(p[0](3)));
    for (double n : {2.0, 1.0, 0.0})
        EXPECT_TRUE(std::isnan(call(kestlib::mlxKest_corrprci, 1, {scalar(0.3), scalar(n)})[0](0)));
}

TEST(Ranks, TiesShareTheMeanPosition)
{
    struct Case {
        rt::Matrix X, RANK;
    };
    const Case cases[] = {
        {column({5, 3, 5, 1}), column({3.5, 2, 3.5, 1})},
        {column({4, 4, 4, 4, 4}), column({3, 3, 3, 3, 3})},
        {column({2, 1, 2, 1, 2, 7}), column({4, 1.5, 4, 1.5, 4, 6})},
        // NaN sorts last and never ties, in order of appearance.
        {column({nan, 2, nan, 1}), column({3, 2, 4, 1})},
        {column({-0.0, 0.0, 1}), column({1.5, 1.5, 3})},
        {rows({{3, 1}, {1, 1}, {2, 0}}), rows({{3, 2.5}, {1, 2.5}, {2, 1}})},
        // A row is ranked column by column.
        {rows({{9, 8, 7}}), rows({{1, 1, 1}})},
        {rt::Matrix(0, 0), rt::Matrix(0, 0)},
    };
    for (const Case &c : cases)
        EXPECT_EQ(call(kestlib::mlxKest_ranks, 1, {c.X})[0], c.RANK) << c.X;
}

TEST(Trisqmat, PairsToASymmetricMatrix)
{
    const auto lower = call(kestlib::mlxKest_trisqmat, 1, {column({0.1, 0.2, 0.3})});
    EXPECT_EQ(lower[0], rows({{0, 0.1, 0.2}, {0.1, 0, 0.3}, {0.2, 0.3, 0}}));

    // A row is read as a column; a scalar diagonal repeats; a second column fills the upper half.
    EXPECT_EQ(call(kestlib::mlxKest_trisqmat, 1, {rows({{1, 2, 3}}), scalar(9)})[0],
              rows({{9, 1, 2}, {1, 9, 3}, {2, 3, 9}}));
    EXPECT_EQ(
        call(kestlib::mlxKest_trisqmat, 1, {rows({{1, 4}, {2, 5}, {3, 6}}), column({7, 8, 9})})[0],
        rows({{7, 4, 5}, {1, 8, 6}, {2, 3, 9}}));
    EXPECT_EQ(call(kestlib::mlxKest_trisqmat, 1, {scalar(5)})[0], rows({{0, 5}, {5, 0}}));
}

TEST(Trisqmat, Errors)
{
    struct Case {
        std::vector<rt::Matrix> inputs;
        const char *message;
    };
    const Case cases[] = {
        {{rt::Matrix::Zero(3, 3)}, "  Invalid input-matrix dimensions"},
        {{column({1, 2, 3}), rt::Matrix::Ones(2, 2)},
         "  Error: value for diagonal must be vector or scalar"},
        {{column({1, 2, 3}), column({1, 2})}, "Run-time Error: Matrix dimensions must agree."},
        // No order has exactly two pairs: P stops at 1000, with far too few values.
        {{column({1, 2})}, "Run-time Error: Index exceeds matrix dimensions."},
    };
    for (const Case &c : cases)
        EXPECT_EQ(errorOf([&] { call(kestlib::mlxKest_trisqmat, 1, c.inputs); }), c.message);
}

} // namespace
