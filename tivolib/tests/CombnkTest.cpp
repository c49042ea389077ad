#include "Arrays.h"
#include "ReferenceCombinations.h"

#include "tivolib.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace
{

using namespace tivotest;

rt::Matrix combnk(const rt::Matrix &v, double k)
{
    Owned input{matrix(v)}, size{scalar(k)};
    Owned c{mlfCombnk(input.a, size.a)};
    return c.value();
}

class Combnk : public testing::Test
{
  protected:
    void SetUp() override { tivolibInitialize(); }
    void TearDown() override { tivolibTerminate(); }
};

TEST_F(Combnk, RowOrdersOfEachRule)
{
    struct Case {
        int n, k;
        Rows rows;
    };
    const Case cases[] = {
        {4, 2, {{3, 4}, {2, 4}, {2, 3}, {1, 4}, {1, 3}, {1, 2}}}, // bit patterns: reverse order
        {4, 3, {{1, 2, 3}, {1, 2, 4}, {1, 3, 4}, {2, 3, 4}}},     // all but one: lexicographic
        {4, 4, {{1, 2, 3, 4}}},
        {5, 1, {{1}, {2}, {3}, {4}, {5}}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(rowsOf(combnk(oneTo(c.n), c.k)), c.rows) << c.n << " choose " << c.k;
}

TEST_F(Combnk, RecursionMixesLexicographicAndReverseStretches)
{
    const Rows rows = rowsOf(combnk(oneTo(8), 3));
    ASSERT_EQ(rows.size(), 56u);
    Rows lexicographic;
    for (double a = 1; a <= 2; ++a)
        for (double b = a + 1; b <= 8; ++b)
            for (double c = b + 1; c <= 8; ++c)
                lexicographic.push_back({a, b, c});
    EXPECT_EQ(Rows(rows.begin(), rows.begin() + 36), lexicographic);
    const Rows rest{{3, 7, 8}, {3, 6, 8}, {3, 6, 7}, {3, 5, 8}, {3, 5, 7}, {3, 5, 6}, {3, 4, 8},
                    {3, 4, 7}, {3, 4, 6}, {3, 4, 5}, {4, 7, 8}, {4, 6, 8}, {4, 6, 7}, {4, 5, 8},
                    {4, 5, 7}, {4, 5, 6}, {5, 6, 7}, {5, 6, 8}, {5, 7, 8}, {6, 7, 8}};
    EXPECT_EQ(Rows(rows.begin() + 36, rows.end()), rest);
}

// The element at position p (from 1) in the vectors below.
double elementAt(int p)
{
    return 10 * p + 0.5;
}

// The position sets of the rows of c, or nothing when a row does not hold distinct elements in
// order of position.
std::optional<std::vector<Positions>> positionsOf(const rt::Matrix &c)
{
    std::vector<Positions> rows;
    const double *at = c.data(); // plain access: a million rows in a debug build
    for (rt::Index i = 0; i < c.rows(); ++i) {
        Positions row = 0;
        int previous = 0;
        for (rt::Index j = 0; j < c.cols(); ++j) {
            const int p = static_cast<int>((at[j * c.rows() + i] - 0.5) / 10);
            if (p <= previous || elementAt(p) != at[j * c.rows() + i])
                return std::nullopt;
            row |= Positions{1} << (p - 1);
            previous = p;
        }
        rows.push_back(row);
    }
    return rows;
}

// Every n up to 20 and every k from 1 to n, on elements that are not their positions.
TEST_F(Combnk, MatchesTheRulesForEveryLengthAndSize)
{
    for (int n = 1; n <= 20; ++n) {
        rt::Matrix v(1, n);
        for (int p = 1; p <= n; ++p)
            v(0, p - 1) = elementAt(p);
        for (int k = 1; k <= n; ++k) {
            const rt::Matrix c = combnk(v, k);
            ASSERT_EQ(c.cols(), k);
            const std::optional<std::vector<Positions>> rows = positionsOf(c);
            ASSERT_TRUE(rows) << n << " choose " << k;
            ASSERT_EQ(*rows, referenceCombnk(0, n, k)) << n << " choose " << k;
        }
    }
}

TEST_F(Combnk, ColumnGivesTheSameRowsAsARow)
{
    for (int k : {1, 2, 3, 5, 6}) {
        const rt::Matrix column = oneTo(6).transpose();
        EXPECT_EQ(combnk(column, k), combnk(oneTo(6), k)) << k;
    }
}

TEST_F(Combnk, SizesOutsideOneToNGiveEmptyResults)
{
    struct Case {
        int n;
        double k;
        rt::Index rows, cols;
    };
    for (const Case c : {Case{4, 6, 0, 6}, Case{16, 17, 0, 17}, Case{17, 18, 0, 0},
                         Case{20, 25, 0, 0}, Case{3, 0, 1, 0}, Case{4, 0, 0, 0}, Case{5, -1, 0, 0},
                         Case{20, 2.5, 0, 0}, Case{6, NAN, 0, 0}, Case{3, 1e300, 0, 0}}) {
        const rt::Matrix r = combnk(oneTo(c.n), c.k);
        EXPECT_EQ(r.rows(), c.rows) << c.n << " choose " << c.k;
        EXPECT_EQ(r.cols(), c.cols) << c.n << " choose " << c.k;
    }
}

TEST_F(Combnk, RejectsWhatIsNotAVectorAndAScalarSize)
{
    const std::string notVector = "First argument has to be a vector.";
    for (const rt::Matrix &v : {rt::Matrix(rt::Matrix::Ones(2, 2)), rt::Matrix(0, 0),
                                rt::Matrix(1, 0), rt::Matrix(0, 3)}) {
        Owned input{matrix(v)}, k{scalar(1)};
        EXPECT_EQ(errorOf([&] { Owned c{mlfCombnk(input.a, k.a)}; }), notVector);
        // The vector is checked before k is read.
        EXPECT_EQ(errorOf([&] { Owned c{mlfCombnk(input.a, nullptr)}; }), notVector);
    }
    Owned v{row({1, 2, 3})}, k{row({1, 2})};
    EXPECT_EQ(errorOf([&] { Owned c{mlfCombnk(v.a, k.a)}; }),
              "Run-time Error: Matrix dimensions must agree.");
    EXPECT_EQ(errorOf([&] { Owned c{mlfCombnk(v.a, nullptr)}; }),
              "Run-time Error: Reference to an undefined variable \"k\".");
}

TEST_F(Combnk, ResultTooLargeForMemoryIsAnErrorNotACrash)
{
    Owned v{matrix(oneTo(60))}, k{scalar(30)};
    EXPECT_EQ(errorOf([&] { Owned c{mlfCombnk(v.a, k.a)}; }),
              "The combinations of 60 elements taken 30 at a time are too many to hold in memory.");
    Owned huge{matrix(oneTo(200))}, half{scalar(100)};
    EXPECT_EQ(errorOf([&] { Owned c{mlfCombnk(huge.a, half.a)}; }),
              "The combinations of 200 elements taken 100 at a time are too many to hold in "
              "memory.");
}

} // namespace
