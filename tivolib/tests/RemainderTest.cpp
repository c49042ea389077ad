#include "Arrays.h"

#include "tivolib.h"

#include <gtest/gtest.h>

#include <cmath>

namespace
{

using namespace tivotest;

class Remainder : public testing::Test
{
  protected:
    void SetUp() override { tivolibInitialize(); }
    void TearDown() override { tivolibTerminate(); }
};

const char *const kNothingRemains =
    "Run-time Error: The output \"c\" of the function \"remainder\" was not assigned during the "
    "call.";

TEST_F(Remainder, GivesTheMissingNumbersAscendingAsARow)
{
    struct Case {
        rt::Matrix r;
        double novars;
        rt::Matrix c;
    };
    const rt::Matrix column = (rt::Matrix(2, 2) << 4, 2, 2, 9).finished();
    const Case cases[] = {
        {(rt::Matrix(1, 2) << 3, 1).finished(), 4, (rt::Matrix(1, 2) << 2, 4).finished()},
        {(rt::Matrix(1, 3) << 0, 5, 2).finished(), 3, (rt::Matrix(1, 2) << 1, 3).finished()},
        // Anything but a whole number from 1 to novars plays no part.
        {(rt::Matrix(1, 5) << 2.5, NAN, -1, INFINITY, 3).finished(), 3,
         (rt::Matrix(1, 2) << 1, 2).finished()},
        {column, 5, (rt::Matrix(1, 3) << 1, 3, 5).finished()},
        {rt::Matrix(0, 0), 3.7, oneTo(3)},
    };
    for (const Case &c : cases) {
        Owned r{matrix(c.r)}, novars{scalar(c.novars)};
        Owned out{mlfRemainder(r.a, novars.a)};
        EXPECT_EQ(out.value(), c.c) << c.r;
    }
}

TEST_F(Remainder, NothingRemainingLeavesTheOutputUnassigned)
{
    Owned all{row({1, 2, 3})}, three{scalar(3)}, zero{scalar(0)}, nan{scalar(NAN)};
    Owned empty{matrix(rt::Matrix(0, 0))};
    EXPECT_EQ(errorOf([&] { Owned c{mlfRemainder(all.a, three.a)}; }), kNothingRemains);
    EXPECT_EQ(errorOf([&] { Owned c{mlfRemainder(all.a, zero.a)}; }), kNothingRemains);
    EXPECT_EQ(errorOf([&] { Owned c{mlfRemainder(all.a, nan.a)}; }), kNothingRemains);
    EXPECT_EQ(errorOf([&] { Owned c{mlfRemainder(all.a, empty.a)}; }), kNothingRemains);

    // The argument-vector form stores its first output even for nlhs = 0, so it fails too.
    mxArray *prhs[] = {all.a, three.a};
    mxArray *plhs[1] = {};
    EXPECT_EQ(errorOf([&] { mlxRemainder(0, plhs, 2, prhs); }), kNothingRemains);
    EXPECT_EQ(plhs[0], nullptr);
}

TEST_F(Remainder, EndlessCountIsAnErrorBeforeAllocating)
{
    Owned r{row({1})}, endless{scalar(INFINITY)}, huge{scalar(1e15)};
    EXPECT_EQ(errorOf([&] { Owned c{mlfRemainder(r.a, endless.a)}; }),
              "The numbers remaining from 1 to inf are too many to hold in memory.");
    EXPECT_EQ(errorOf([&] { Owned c{mlfRemainder(r.a, huge.a)}; }),
              "The numbers remaining from 1 to 1e+15 are too many to hold in memory.");
}

} // namespace
