// The two calls through the libraries' C interface.
#include "analysis/LibraryCalls.h"
#include "analysis/AnalysisLibraries.h"
#include "rt/Error.h"

#include <gtest/gtest.h>

namespace analysis
{
namespace
{

class LibraryCallsTest : public ::testing::Test
{
  protected:
    AnalysisLibraries libraries;
};

TEST_F(LibraryCallsTest, TableRowsAreCountedPerNumberInAscendingOrder)
{
    EXPECT_EQ(CountTableRows(std::vector<double>{1, 1, 1, 2, 2, 2, 3, 3, 3}),
              (std::vector<int>{3, 3, 3}));
    EXPECT_EQ(CountTableRows(std::vector<double>{5, 2, 2, 5, 5, -1}), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(CountTableRows(std::vector<double>{4}), (std::vector<int>{1}));
}

// Rows of the row-by-row values reach kest column by column: the target's statistics are those
// of the first m rows, and the table's those of the rest.
TEST_F(LibraryCallsTest, TheFirstRowsAreTheTargetAndTheRestTheTables)
{
    const std::vector<double> values{1, 10, 2, 30, 4, 20, /* table 1 */ 5, 7, 6, 8, 9, 1};
    const KestOutputs outputs = CallKest(values, 6, 2, 3);
    for (const auto &array : outputs.arrays)
        ASSERT_NE(array, nullptr);
    const mxArray *Kmo = outputs.arrays[12].get();
    ASSERT_EQ(mxGetM(Kmo), 2u);
    ASSERT_EQ(mxGetN(Kmo), 2u);
    const double *means = mxGetPr(Kmo); // column-major: (target, v1), (table 1, v1), ...
    EXPECT_DOUBLE_EQ(means[0], 7.0 / 3);
    EXPECT_DOUBLE_EQ(means[1], 20.0 / 3);
    EXPECT_DOUBLE_EQ(means[2], 20.0);
    EXPECT_DOUBLE_EQ(means[3], 16.0 / 3);
    EXPECT_EQ(mxGetM(outputs.arrays[0].get()), 3u); // Xtz
    EXPECT_EQ(mxGetM(outputs.arrays[1].get()), 3u); // KXw
}

TEST_F(LibraryCallsTest, TheLibrarysErrorsReachTheCaller)
{
    const std::vector<double> values{1, 2, 3, 4};
    try {
        CallKest(values, 2, 2, 1);
        FAIL() << "no error";
    } catch (const rt::Error &error) {
        EXPECT_STREQ(error.what(), "nrows must be a whole number of at least 2.");
    }
}

} // namespace
} // namespace analysis
