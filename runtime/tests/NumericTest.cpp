#include "rt/Numeric.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace
{

const double nan = std::numeric_limits<double>::quiet_NaN();

TEST(Numeric, ReductionsRunDownColumnsOrAlongVectors)
{
    rt::Matrix a(3, 2);
    a << 1, 4, 2, 6, 3, 11;
    EXPECT_EQ(rt::sum(a), (rt::Matrix(1, 2) << 6, 21).finished());
    EXPECT_EQ(rt::mean(a), (rt::Matrix(1, 2) << 2, 7).finished());
    EXPECT_DOUBLE_EQ(rt::stdev(a)(0, 0), 1);
    EXPECT_DOUBLE_EQ(rt::stdev(a)(0, 1), std::sqrt(13.0));

    const rt::Matrix row = a.col(1).transpose();
    EXPECT_EQ(rt::mean(row).size(), 1);
    EXPECT_EQ(rt::mean(row)(0, 0), 7);
    EXPECT_EQ(rt::stdev(rt::Matrix::Constant(1, 1, 5))(0, 0), 0) << "one element";
    EXPECT_EQ(rt::stdev(rt::Matrix::Constant(1, 3, 5))(0, 0), 0);

    EXPECT_EQ(rt::cumsum(a), (rt::Matrix(3, 2) << 1, 4, 3, 10, 6, 21).finished());
    EXPECT_EQ(rt::cumsum(row), (rt::Matrix(1, 3) << 4, 10, 21).finished());
}

TEST(Numeric, SortIsStableWithNaNLast)
{
    rt::Vector v(6);
    v << 3, nan, 1, 3, -2, 1;
    const rt::Sorted s = rt::sortAscending(v);
    EXPECT_EQ(s.order, (std::vector<rt::Index>{4, 2, 5, 0, 3, 1}));
    EXPECT_EQ(s.values.head(5), (rt::Vector(5) << -2, 1, 1, 3, 3).finished());
    EXPECT_TRUE(std::isnan(s.values[5]));

    EXPECT_EQ(rt::distinct(v), (rt::Vector(3) << -2, 1, 3).finished());
    EXPECT_EQ(rt::find(v), (std::vector<rt::Index>{0, 1, 2, 3, 4, 5}));
    EXPECT_EQ(rt::find(rt::Matrix::Zero(2, 2)).size(), 0u);
}

TEST(Numeric, EconomySvdReconstructsWithDescendingValues)
{
    rt::Matrix a(4, 3);
    a << 2, -1, 0, 4, 3, 1, 0.5, 0, 7, 1, 1, 1;
    const rt::Svd svd = rt::economySvd(a);
    ASSERT_EQ(svd.U.cols(), 3);
    EXPECT_GE(svd.s[0], svd.s[1]);
    EXPECT_GE(svd.s[1], svd.s[2]);
    EXPECT_LT((svd.U * svd.s.asDiagonal() * svd.V.transpose() - a).norm(), 1e-13);

    a(1, 1) = nan;
    EXPECT_TRUE(std::isnan(rt::economySvd(a).s[0])) << "non-finite input gives NaN, not a hang";
}

} // namespace
