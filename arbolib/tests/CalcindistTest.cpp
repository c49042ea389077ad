#include "Arrays.h"

#include <gtest/gtest.h>

#include <cmath>

namespace arbotest
{
namespace
{

class Calcindist : public Library
{
};

rt::Matrix calcindist(const rt::Matrix &X)
{
    Owned x(toArray(X));
    Owned Y(mlfCalcindist(x.a));
    return rt::valueOf(Y.a);
}

// The index of rows a and b of X from its definition: the Ward factor of the two row masses
// times the squared chi-square distance of the profiles, the column masses as weights.
double wardIndex(const rt::Matrix &X, rt::Index a, rt::Index b)
{
    const double total = X.sum();
    const double ra = X.row(a).sum() / total;
    const double rb = X.row(b).sum() / total;
    const rt::RowVector cj = X.colwise().sum() / total;
    const rt::RowVector diff = X.row(a) / X.row(a).sum() - X.row(b) / X.row(b).sum();
    return ra * rb / (ra + rb) * (diff.array().square() / cj.array()).sum();
}

TEST_F(Calcindist, EntriesFollowThePairOrder)
{
    const rt::Matrix X = (rt::Matrix(4, 3) << 5, 1, 2, 0, 4, 4, 3, 3, 1, 1, 1, 7).finished();
    const rt::Matrix Y = calcindist(X);
    ASSERT_EQ(Y.rows(), 1);
    ASSERT_EQ(Y.cols(), 6);
    const std::pair<int, int> order[] = {{0, 1}, {0, 2}, {0, 3}, {1, 2}, {1, 3}, {2, 3}};
    for (int k = 0; k < 6; ++k)
        EXPECT_NEAR(Y(0, k), wardIndex(X, order[k].first, order[k].second), 1e-15) << k;
}

TEST_F(Calcindist, TwoRowsGiveTheirWardFactorTimesTheDistance)
{
    // Masses 1/3 and 2/3, profiles (1/2, 1/2) and (0, 1), column masses 1/6 and 5/6: the squared
    // distance is 1/4 / (1/6) + 1/4 / (5/6) = 9/5 and the factor (2/9) / 1 = 2/9.
    const rt::Matrix Y = calcindist((rt::Matrix(2, 2) << 1, 1, 0, 4).finished());
    ASSERT_EQ(Y.size(), 1);
    EXPECT_NEAR(Y(0, 0), 2.0 / 9 * 9.0 / 5, 1e-15);
}

TEST_F(Calcindist, RowsWithEqualProfilesAreAtZero)
{
    const rt::Matrix Y = calcindist((rt::Matrix(3, 3) << 1, 2, 3, 4, 0, 1, 3, 6, 9).finished());
    EXPECT_EQ(Y(0, 1), 0);
    EXPECT_GT(Y(0, 0), 0);
}

TEST_F(Calcindist, TablesOutsideTheClassifierStillAnswer)
{
    EXPECT_EQ(calcindist((rt::Matrix(1, 3) << 1, 2, 3).finished()).size(), 0)
        << "one row, no pairs";
    EXPECT_EQ(calcindist((rt::Matrix(3, 1) << 1, 2, 3).finished()), rt::Matrix::Zero(1, 3))
        << "one column: every profile is 1";
    const rt::Matrix zeroRow = calcindist((rt::Matrix(3, 2) << 1, 2, 0, 0, 3, 1).finished());
    EXPECT_TRUE(std::isnan(zeroRow(0, 0))) << "a zero row total passes through unreported";
    EXPECT_TRUE(std::isfinite(zeroRow(0, 1)));
}

TEST_F(Calcindist, ArgumentVectorFormChecksArity)
{
    Owned x(toArray(rt::Matrix::Ones(2, 2)));
    mxArray *prhs[] = {x.a, x.a};
    mxArray *plhs[2] = {};
    const std::string head = "Run-time Error: File: calcindist Line: 8 Column: 1 The function "
                             "\"calcindist\" was called with more than the declared number of ";
    EXPECT_EQ(errorOf([&] { mlxCalcindist(2, plhs, 1, prhs); }), head + "outputs (1).");
    EXPECT_EQ(errorOf([&] { mlxCalcindist(1, plhs, 2, prhs); }), head + "inputs (1).");
    EXPECT_EQ(errorOf([&] { mlxCalcindist(1, plhs, 0, prhs); }),
              "Run-time Error: Reference to an undefined variable \"X\".");
    EXPECT_EQ(plhs[0], nullptr);
    mlxCalcindist(0, plhs, 1, prhs);
    ASSERT_NE(plhs[0], nullptr);
    EXPECT_EQ(rt::valueOf(plhs[0]), rt::Matrix::Zero(1, 1));
    mxDestroyArray(plhs[0]);
}

} // namespace
} // namespace arbotest
