#include "Arrays.h"

#include "tivolib.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace
{

using namespace tivotest;

class Combntns : public testing::Test
{
  protected:
    void SetUp() override { tivolibInitialize(); }
    void TearDown() override { tivolibTerminate(); }
};

rt::Matrix combntns(const rt::Matrix &choices, double choose)
{
    Owned input{matrix(choices)}, size{scalar(choose)};
    Owned out{mlfCombntns(input.a, size.a)};
    return out.value();
}

// The combinations of positions 1 to n taken k at a time in lexicographic order, from the
// selection masks that std::prev_permutation walks through.
Rows lexicographicCombinations(int n, int k)
{
    std::vector<bool> chosen(static_cast<std::size_t>(n), false);
    std::fill(chosen.begin(), chosen.begin() + k, true);
    Rows rows;
    do {
        std::vector<double> row;
        for (int p = 0; p < n; ++p)
            if (chosen[static_cast<std::size_t>(p)])
                row.push_back(p + 1);
        rows.push_back(row);
    } while (std::prev_permutation(chosen.begin(), chosen.end()));
    return rows;
}

TEST_F(Combntns, ChoosesInLexicographicOrder)
{
    EXPECT_EQ(rowsOf(combntns(oneTo(4), 2)),
              (Rows{{1, 2}, {1, 3}, {1, 4}, {2, 3}, {2, 4}, {3, 4}}));
    EXPECT_EQ(combntns(oneTo(4), 4), oneTo(4));
    EXPECT_EQ(combntns(oneTo(4), 1), oneTo(4).transpose());
    for (int n = 1; n <= 12; ++n)
        for (int k = 1; k <= n; ++k)
            ASSERT_EQ(rowsOf(combntns(oneTo(n), k)), lexicographicCombinations(n, k))
                << n << " choose " << k;
}

TEST_F(Combntns, TakesTheElementsOfAColumnOrRowInStorageOrder)
{
    const rt::Matrix column = (rt::Matrix(3, 1) << 7, 5, 9).finished();
    EXPECT_EQ(rowsOf(combntns(column, 2)), (Rows{{7, 5}, {7, 9}, {5, 9}}));
    EXPECT_EQ(combntns(column, 3), column.transpose());
}

TEST_F(Combntns, ChecksItsArgumentsInOrder)
{
    struct Case {
        rt::Matrix choices, choose;
        const char *message;
    };
    const rt::Matrix square = rt::Matrix::Ones(2, 2);
    const Case cases[] = {
        {oneTo(4), rt::Matrix::Constant(1, 1, 5), "Not enough choices to choose that many"},
        {oneTo(4), oneTo(2), "Input choose must be a scalar"},
        {oneTo(4), rt::Matrix(0, 0), "Input choose must be a scalar"},
        {square, oneTo(2), "Input choices must be a vector"}, // the vector test comes first
        {rt::Matrix(1, 0), rt::Matrix::Constant(1, 1, 2), "Input choices must be a vector"},
        // A choose below 1 or with a fraction recurses down to an empty vector.
        {oneTo(4), rt::Matrix::Constant(1, 1, 0), "Input choices must be a vector"},
        {oneTo(4), rt::Matrix::Constant(1, 1, -2), "Input choices must be a vector"},
        {oneTo(4), rt::Matrix::Constant(1, 1, 1.5), "Input choices must be a vector"},
        {oneTo(2), rt::Matrix::Constant(1, 1, 2.5), "Not enough choices to choose that many"},
        {oneTo(60), rt::Matrix::Constant(1, 1, 30),
         "The combinations of 60 elements taken 30 at a time are too many to hold in memory."},
    };
    for (const Case &c : cases) {
        Owned choices{matrix(c.choices)}, choose{matrix(c.choose)};
        EXPECT_EQ(errorOf([&] { Owned out{mlfCombntns(choices.a, choose.a)}; }), c.message);
    }
}

TEST_F(Combntns, CountsItsInputsBeforeReadingThem)
{
    Owned choices{matrix(oneTo(4))};
    EXPECT_EQ(errorOf([&] { Owned out{mlfCombntns(choices.a, nullptr)}; }),
              "Incorrect number of arguments");
    mxArray *prhs[] = {choices.a};
    mxArray *plhs[1] = {};
    EXPECT_EQ(errorOf([&] { mlxCombntns(1, plhs, 1, prhs); }), "Incorrect number of arguments");
    EXPECT_EQ(plhs[0], nullptr);
}

} // namespace
