#include "mx.h"
#include "rt/Error.h"

#include <gtest/gtest.h>

#include <string>

namespace
{

std::string lastMessage;
void remember(const char *message)
{
    lastMessage = message;
}

TEST(Array, CreatesZeroedColumnMajorArrays)
{
    mxArray *a = mxCreateDoubleMatrix(2, 3, 0);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(mxGetM(a), 2u);
    EXPECT_EQ(mxGetN(a), 3u);
    double *p = mxGetPr(a);
    for (int k = 0; k < 6; ++k)
        EXPECT_EQ(p[k], 0.0);
    mxDestroyArray(a);

    mxArray *s = mxCreateDoubleScalar(2.5);
    EXPECT_EQ(mxGetM(s) * mxGetN(s), 1u);
    EXPECT_EQ(*mxGetPr(s), 2.5);
    mxDestroyArray(s);
    mxDestroyArray(nullptr);
}

TEST(Array, EmptyArrayHasNoData)
{
    mxArray *e = mxCreateDoubleMatrix(0, 0, 0);
    EXPECT_EQ(mxGetPr(e), nullptr);
    EXPECT_EQ(mxGetM(e), 0u);
    mxDestroyArray(e);
}

TEST(Array, ComplexOrHugeArraysAreErrors)
{
    EXPECT_THROW(mxCreateDoubleMatrix(1, 1, 1), rt::Error);
    EXPECT_THROW(mxCreateDoubleMatrix(SIZE_MAX / 2, 4, 0), rt::Error);

    mlfSetErrorHandler(remember);
    EXPECT_EQ(mxCreateDoubleMatrix(1, 1, 1), nullptr);
    EXPECT_EQ(lastMessage, "Run-time Error: Complex arrays are not supported.");
    EXPECT_EQ(mxCreateDoubleMatrix(SIZE_MAX / 2, 4, 0), nullptr);
    EXPECT_EQ(lastMessage, "Run-time Error: Out of memory.");
    mlfSetErrorHandler(nullptr);
}

TEST(Array, WarningsGoToTheHandlerWithoutStopping)
{
    mlfSetWarningHandler(remember);
    rt::warn("watch out");
    EXPECT_EQ(lastMessage, "watch out");
    mlfSetWarningHandler(nullptr);

    testing::internal::CaptureStderr();
    rt::warn("to stderr");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Warning: to stderr\n");
}

} // namespace
