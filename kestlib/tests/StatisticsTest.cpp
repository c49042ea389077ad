// zscore, normcdf and distchck through their exported C and argument-vector forms.
#include "Arrays.h"
#include "kestlib.h"

#include <boost/math/distributions/normal.hpp>

#include <cmath>
#include <limits>

namespace
{

using namespace kesttest;

class KestlibStatistics : public testing::Test
{
  protected:
    void SetUp() override { kestlibInitialize(); }
    void TearDown() override { kestlibTerminate(); }
};

rt::Matrix zscoreOf(const rt::Matrix &d)
{
    Owned in(d);
    Owned z(mlfZscore(in.a));
    return z.value();
}

TEST_F(KestlibStatistics, ZscoreStandardisesColumns)
{
    struct Case {
        rt::Matrix d, z;
    };
    const Case cases[] = {
        {rows({{1, 4}, {2, 4}, {3, 4}}), rows({{-1, 0}, {0, 0}, {1, 0}})},
        {rows({{1, 2, 3}}), column({-1, 0, 1})}, // a row comes back as a column
        {scalar(7), scalar(0)},
        {rows({{2, 10}, {4, 10}}), rows({{-M_SQRT1_2, 0}, {M_SQRT1_2, 0}})},
    };
    for (const Case &c : cases) {
        const rt::Matrix z = zscoreOf(c.d);
        ASSERT_EQ(z.rows(), c.z.rows());
        ASSERT_EQ(z.cols(), c.z.cols());
        EXPECT_LT((z - c.z).cwiseAbs().maxCoeff(), 1e-15) << c.d;
    }
}

TEST_F(KestlibStatistics, AllEqualColumnsStandardiseToExactZeros)
{
    // Naively the mean of 0.1, 0.1, 0.1 leaves deviations of 1e-17, which would then be
    // "standardised" to values of order 1.
    for (double v : {0.1, 1.0 / 3, 1e300, -7.3e-12}) {
        const rt::Matrix z = zscoreOf(rows({{v, 1}, {v, 2}, {v, 4}}));
        EXPECT_EQ(z.col(0), rt::Vector::Zero(3)) << v;
    }
}

TEST_F(KestlibStatistics, LargeCommonOffsetKeepsTheDeviations)
{
    // The mean of 1e15 + (0, 1, 3) rounds to 1e15 + 1.375; deviations taken from it alone would
    // be off by 0.04, a few percent of each standardised value.
    const rt::Matrix z = zscoreOf(column({1e15, 1e15 + 1, 1e15 + 3}));
    const rt::Matrix want = zscoreOf(column({0, 1, 3}));
    EXPECT_LT((z - want).cwiseAbs().maxCoeff(), 1e-15);
}

TEST_F(KestlibStatistics, ZscoreArgumentVectorForm)
{
    const auto z = call(mlxZscore, 0, {column({1, 2, 3})});
    EXPECT_NEAR(z[0](2, 0), 1, 1e-15);
    EXPECT_EQ(errorOf([] { call(mlxZscore, 1, {}); }),
              "Run-time Error: Reference to an undefined variable \"d\".");
}

rt::Matrix normcdfOf(const rt::Matrix &x, const rt::Matrix *mu, const rt::Matrix *sigma)
{
    Owned xa(x), mua, sigmaa;
    if (mu)
        mua.a = rt::newArray(*mu);
    if (sigma)
        sigmaa.a = rt::newArray(*sigma);
    Owned p(mlfNormcdf(xa.a, mua.a, sigmaa.a));
    return p.value();
}

TEST_F(KestlibStatistics, NormcdfValuesAndScalarExpansion)
{
    EXPECT_EQ(normcdfOf(scalar(0), nullptr, nullptr)(0), 0.5);
    EXPECT_NEAR(normcdfOf(scalar(1.96), nullptr, nullptr)(0), 0.9750021048517795, 1e-15);

    const rt::Matrix mu = scalar(0), sigma = rows({{1, 2}});
    const rt::Matrix p = normcdfOf(rows({{0, 1}}), &mu, &sigma);
    EXPECT_EQ(p.rows(), 1);
    EXPECT_EQ(p(0), 0.5);
    EXPECT_EQ(p(1), normcdfOf(scalar(0.5), nullptr, nullptr)(0));

    // Only sigma given: mu is 0.
    const rt::Matrix two = scalar(2);
    EXPECT_EQ(normcdfOf(scalar(1), nullptr, &two)(0), normcdfOf(scalar(0.5), nullptr, nullptr)(0));

    // sigma is not checked: 0 gives 0 or 1, and NaN where x equals mu.
    const rt::Matrix zero = scalar(0);
    const rt::Matrix steps = normcdfOf(rows({{-1, 0, 1}}), &zero, &zero);
    EXPECT_EQ(steps(0), 0);
    EXPECT_TRUE(std::isnan(steps(1)));
    EXPECT_EQ(steps(2), 1);
}

TEST_F(KestlibStatistics, NormcdfRejectsNonScalarsOfDifferentSizes)
{
    const rt::Matrix mu = scalar(0), sigma = rows({{1, 2, 3}});
    EXPECT_EQ(errorOf([&] {
                  normcdfOf(rows({{1, 2}}), &mu, &sigma);
              }),
              "Requires non-scalar arguments to match in size.");
}

TEST_F(KestlibStatistics, NormcdfMatchesBoostNormal)
{
    // 1e-12 relative, or absolute where the probability is below 1e-300.
    const boost::math::normal standard;
    for (double x = -38.5; x <= 9; x += 0.0625) {
        const double want = boost::math::cdf(standard, x);
        const double got = normcdfOf(scalar(x), nullptr, nullptr)(0);
        EXPECT_LE(std::abs(got - want), std::max(1e-12 * want, 1e-300)) << x;
    }
}

TEST_F(KestlibStatistics, DistchckBringsArgumentsToOneSize)
{
    const auto out = call(mlxDistchck, 4, {scalar(3), scalar(1), rows({{1, 2}}), scalar(5)});
    EXPECT_EQ(out[0](0), 0);
    EXPECT_EQ(out[1], rows({{1, 1}}));
    EXPECT_EQ(out[2], rows({{1, 2}}));
    EXPECT_EQ(out[3], rows({{5, 5}}));

    // A mismatch stops at the array that differs; the ones before stay expanded.
    const auto bad = call(mlxDistchck, 4, {scalar(3), scalar(1), rows({{1, 2}}), column({1, 2})});
    EXPECT_EQ(bad[0](0), 1);
    EXPECT_EQ(bad[1], rows({{1, 1}}));
    EXPECT_EQ(bad[3], column({1, 2}));

    // One argument, or scalars only: unchanged. An empty argument is not a scalar.
    EXPECT_EQ(call(mlxDistchck, 2, {scalar(1), rows({{4, 5}})})[1], rows({{4, 5}}));
    EXPECT_EQ(call(mlxDistchck, 3, {scalar(2), scalar(4), scalar(6)})[2], scalar(6));
    EXPECT_EQ(call(mlxDistchck, 3, {scalar(2), scalar(4), rt::Matrix()})[1].size(), 0);
}

TEST_F(KestlibStatistics, DistchckNeedsNparmsArrays)
{
    EXPECT_EQ(errorOf([] {
                  call(mlxDistchck, 1, {scalar(3), scalar(1)});
              }),
              "Run-time Error: Index exceeds matrix dimensions.");
    EXPECT_EQ(errorOf([] {
                  call(mlxDistchck, 3, {scalar(1), scalar(1)});
              }),
              "Run-time Error: The output \"varargout\" of the function \"distchck\" was not "
              "assigned during the call.");
}

TEST_F(KestlibStatistics, DistchckCFormTakesVariableLists)
{
    Owned n(scalar(2)), a(scalar(4)), b(rows({{1, 2, 3}}));
    Owned first, second;
    mxArray **outputs[] = {&first.a, &second.a, nullptr};
    Owned errorcode(mlfDistchck(outputs, n.a, a.a, b.a, nullptr));
    EXPECT_EQ(errorcode.value()(0), 0);
    EXPECT_EQ(first.value(), rows({{4, 4, 4}}));
    EXPECT_EQ(second.value(), rows({{1, 2, 3}}));

    // No output list at all: only errorcode.
    Owned alone(mlfDistchck(nullptr, n.a, a.a, b.a, nullptr));
    EXPECT_EQ(alone.value()(0), 0);
}

} // namespace
