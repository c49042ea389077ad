#include "lumalib.h"
#include "rt/Array.h"
#include "rt/Error.h"
#include "rt/Testing.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace
{

using rttest::Owned;

mxArray *column(std::vector<double> v)
{
    mxArray *a = mxCreateDoubleMatrix(v.size(), 1, 0);
    std::copy(v.begin(), v.end(), mxGetPr(a));
    return a;
}

class Tab : public testing::Test
{
  protected:
    void SetUp() override { lumalibInitialize(); }
    void TearDown() override { lumalibTerminate(); }
};

TEST_F(Tab, CountsDistinctValuesAscendingWithoutNaN)
{
    Owned x{column({2, 1, 2, NAN, 7, 2, 1})}, values, counts, percent;
    Owned g{mlfTab(&values.a, &counts.a, &percent.a, x.a)};
    EXPECT_EQ(rt::valueOf(g.a)(0, 0), 3);
    EXPECT_EQ(rt::valueOf(values.a), (rt::Matrix(3, 1) << 1, 2, 7).finished());
    EXPECT_EQ(rt::valueOf(counts.a), (rt::Matrix(3, 1) << 2, 3, 1).finished());
    EXPECT_NEAR(rt::valueOf(percent.a)(1, 0), 50, 1e-12);
}

TEST_F(Tab, NullOutPointersAndEmptyInput)
{
    Owned x{column({4, 4})}, counts;
    Owned g{mlfTab(nullptr, &counts.a, nullptr, x.a)};
    EXPECT_EQ(rt::valueOf(counts.a)(0, 0), 2);

    Owned empty{mxCreateDoubleMatrix(0, 0, 0)}, none;
    Owned zero{mlfTab(nullptr, nullptr, &none.a, empty.a)};
    EXPECT_EQ(rt::valueOf(zero.a)(0, 0), 0);
    EXPECT_EQ(rt::valueOf(none.a).size(), 0);
}

TEST_F(Tab, ArgumentVectorFormChecksArity)
{
    Owned x{column({1})};
    mxArray *prhs[] = {x.a, x.a};
    mxArray *plhs[5] = {};
    const char *outputs = "Run-time Error: File: tab Line: 1 Column: 1 The function \"tab\" was "
                          "called with more than the declared number of outputs (4).";
    const char *inputs = "Run-time Error: File: tab Line: 1 Column: 1 The function \"tab\" was "
                         "called with more than the declared number of inputs (1).";
    const char *missing = "Run-time Error: Reference to an undefined variable \"x\".";
    struct Case {
        int nlhs, nrhs;
        const char *message;
    };
    for (const Case c :
         {Case{5, 2, outputs}, Case{5, 0, outputs}, Case{4, 2, inputs}, Case{1, 0, missing}}) {
        try {
            mlxTab(c.nlhs, plhs, c.nrhs, prhs);
            ADD_FAILURE() << c.message;
        } catch (const rt::Error &e) {
            EXPECT_STREQ(e.what(), c.message);
        }
        for (mxArray *p : plhs)
            EXPECT_EQ(p, nullptr);
    }
}

TEST_F(Tab, ZeroOutputsStillStoresTheFirst)
{
    Owned x{column({1, 1, 3})};
    mxArray *prhs[] = {x.a};
    mxArray *plhs[1] = {};
    mlxTab(0, plhs, 1, prhs);
    ASSERT_NE(plhs[0], nullptr);
    EXPECT_EQ(rt::valueOf(plhs[0])(0, 0), 2);
    mxDestroyArray(plhs[0]);
}

TEST(TabLifecycle, InitialiseAgainAfterTerminate)
{
    lumalibInitialize();
    lumalibTerminate();
    lumalibInitialize();
    Owned x{column({5})};
    Owned g{mlfTab(nullptr, nullptr, nullptr, x.a)};
    EXPECT_EQ(rt::valueOf(g.a)(0, 0), 1);
    lumalibTerminate();
}

} // namespace
