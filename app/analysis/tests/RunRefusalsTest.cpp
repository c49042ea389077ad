// Sheets the computation cannot take are refused with a message, after the table-size check and
// before any value is converted.
#include "QtPrinters.h"
#include "SheetFixtures.h"
#include "analysis/AnalysisFailure.h"
#include "analysis/AnalysisLibraries.h"
#include "analysis/AnalysisMessages.h"
#include "analysis/AnalysisRun.h"
#include "analysis/AnalysisState.h"

#include <gtest/gtest.h>

namespace analysis
{
namespace
{

using testing::sheetOf;
using testing::stackedTables;

struct Refusal {
    const char *name;
    Sheet sheet;
    AnalysisRequest request;
    QString message;
};

class RunRefusalsTest : public ::testing::Test
{
  protected:
    AnalysisLibraries libraries;
};

TEST_F(RunRefusalsTest, SheetsTheComputationCannotTakeAreRefused)
{
    // A value that is not a number in every sheet: the refusal comes before the conversion.
    const std::vector<Refusal> refusals{
        {"one table",
         sheetOf({{"", "v1", "v2", "C"}, {"a", "x", "2", "1"}, {"b", "3", "4", "1"}}),
         {},
         messages::SingleTable},
        {"one object per table",
         sheetOf({{"", "v1", "v2", "C"}, {"a", "x", "2", "1"}, {"a", "3", "4", "2"}}),
         {},
         messages::TooFewObjects},
        {"one variable",
         sheetOf(
             {{"", "v1", "C"}, {"a", "x", "1"}, {"b", "3", "1"}, {"a", "2", "2"}, {"b", "5", "2"}}),
         {1, 1, u'.'},
         messages::TooFewVariables},
        {"no variable",
         sheetOf({{"", "C"}, {"a", "1"}, {"b", "1"}, {"a", "2"}, {"b", "2"}}),
         {},
         messages::TooFewVariables},
        {"an axis beyond the variables",
         stackedTables(2, 3, 3),
         {1, 4, u'.'},
         messages::AxisOutOfRange.arg(3)},
        {"an axis below 1", stackedTables(2, 3, 3), {0, 2, u'.'}, messages::AxisOutOfRange.arg(3)},
        {"equal axes", stackedTables(2, 3, 3), {2, 2, u'.'}, messages::AxesMustDiffer},
    };
    for (const Refusal &refusal : refusals) {
        SCOPED_TRACE(refusal.name);
        AnalysisState state;
        bool computed = false;
        const KestCall kest = [&](std::span<const double>, int, int, int) {
            computed = true;
            return KestOutputs{};
        };
        try {
            RunAnalysis(refusal.sheet, refusal.request, state, kest);
            ADD_FAILURE() << "not refused";
        } catch (const AnalysisFailure &failure) {
            EXPECT_EQ(failure.message(), refusal.message);
        }
        EXPECT_TRUE(state.RunFailed);
        EXPECT_FALSE(computed);
        EXPECT_TRUE(state.SheetValues.empty());
    }
}

TEST_F(RunRefusalsTest, UnequalTablesAreTheFirstComplaint)
{
    const Sheet sheet =
        sheetOf({{"", "v1", "C"}, {"a", "x", "1"}, {"b", "3", "2"}, {"c", "3", "2"}});
    AnalysisState state;
    try {
        RunAnalysis(sheet, {}, state);
        FAIL() << "not refused";
    } catch (const AnalysisFailure &failure) {
        EXPECT_EQ(failure.message(), messages::UnequalTables);
    }
}

} // namespace
} // namespace analysis
