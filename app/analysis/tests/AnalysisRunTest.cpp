// The run from the sheet to the analysis state, with the real libraries.
#include "analysis/AnalysisRun.h"
#include "QtPrinters.h"
#include "SheetFixtures.h"
#include "analysis/AnalysisFailure.h"
#include "analysis/AnalysisLibraries.h"
#include "analysis/AnalysisMessages.h"
#include "analysis/AnalysisState.h"
#include "files/NumberText.h"
#include "rt/Error.h"

#include <gtest/gtest.h>

#include <cmath>

namespace analysis
{
namespace
{

using testing::sheetOf;
using testing::stackedTables;
using testing::withTableNumbers;

class AnalysisRunTest : public ::testing::Test
{
  protected:
    // Runs and expects success.
    AnalysisState run(const Sheet &sheet, AnalysisRequest request = {})
    {
        AnalysisState state;
        RunAnalysis(sheet, request, state);
        EXPECT_FALSE(state.RunFailed);
        return state;
    }
    // Runs and expects the run to stop with this message, without the computation.
    AnalysisState failedRun(const Sheet &sheet, const QString &message,
                            AnalysisRequest request = {})
    {
        AnalysisState state;
        bool computed = false;
        const KestCall kest = [&](std::span<const double> values, int n, int a, int m) {
            computed = true;
            return CallKest(values, n, a, m);
        };
        try {
            RunAnalysis(sheet, request, state, kest);
            ADD_FAILURE() << "the run did not stop";
        } catch (const AnalysisFailure &failure) {
            EXPECT_EQ(failure.message(), message);
        }
        EXPECT_TRUE(state.RunFailed);
        EXPECT_FALSE(computed);
        return state;
    }

    AnalysisLibraries libraries;
};

// Column j of the rows first .. first + m - 1, standardised (divisor m - 1), as the library's
// target or table would be, then written as the run writes it.
QString standardised(const Sheet &sheet, int first, int m, int j, int i)
{
    double mean = 0;
    for (int r = first; r < first + m; ++r)
        mean += sheet.cell(j, r).toDouble() / m;
    double squares = 0;
    for (int r = first; r < first + m; ++r)
        squares += std::pow(sheet.cell(j, r).toDouble() - mean, 2);
    const double value =
        (sheet.cell(j, first + i).toDouble() - mean) / std::sqrt(squares / (m - 1));
    return numbertext::formatFixed3(value, u'.');
}

TEST_F(AnalysisRunTest, NineObjectsInThreeTablesSplitIntoTargetAndTwoTables)
{
    const Sheet sheet = stackedTables(3, 3, 4);
    const AnalysisState state = run(sheet);

    EXPECT_EQ(state.ObjectCount, 9);
    EXPECT_EQ(state.VariableCount, 4);
    EXPECT_EQ(state.RowsPerTable, 3);
    EXPECT_EQ(state.OtherTableCount, 2);
    // Each output in its own shape.
    const std::vector<std::tuple<const TextTable *, int, int>> shapes{
        {&state.Xtz, 3, 4},       {&state.KXw, 6, 4},       {&state.KRR, 8, 4},
        {&state.KwR, 6, 4},       {&state.KA, 6, 4},        {&state.Kdsq, 2, 1},
        {&state.Kd, 2, 1},        {&state.KCfcombo, 8, 2},  {&state.KCicombo, 6, 2},
        {&state.KSCicombo, 6, 2}, {&state.KChcombo, 8, 2},  {&state.KSChcombo, 8, 2},
        {&state.Kmo, 3, 4},       {&state.Kvar, 3, 4},      {&state.Kstdev, 3, 4},
        {&state.Kcv, 3, 4},       {&state.StatTable, 12, 4}};
    for (const auto &[table, rows, columns] : shapes) {
        EXPECT_EQ(table->rows(), rows);
        EXPECT_EQ(table->columns(), columns);
    }
    // The target is the first three rows; the tables follow in sheet order.
    for (int i = 0; i < 3; ++i) {
        for (int j = 1; j <= 4; ++j) {
            EXPECT_EQ(state.Xtz.at(i, j - 1), standardised(sheet, 1, 3, j, i));
            EXPECT_EQ(state.KXw.at(i, j - 1), standardised(sheet, 4, 3, j, i));
            EXPECT_EQ(state.KXw.at(3 + i, j - 1), standardised(sheet, 7, 3, j, i));
        }
    }
    EXPECT_EQ(state.SheetValues.size(), 36u);
    EXPECT_EQ(state.sheetValue(4, 2), sheet.cell(3, 5).toDouble());
}

TEST_F(AnalysisRunTest, StatisticsInterleaveTheFourTablesUnderGreekChiLabels)
{
    const AnalysisState state = run(stackedTables(3, 3, 2));
    EXPECT_EQ(state.StatRowLabels, QStringList({"Χt:Mean", "Χt:Variance", "Χt:Std.Dev", "Χt:CV",
                                                "Χ1:Mean", "Χ1:Variance", "Χ1:Std.Dev", "Χ1:CV",
                                                "Χ2:Mean", "Χ2:Variance", "Χ2:Std.Dev", "Χ2:CV"}));
    EXPECT_EQ(state.StatRowLabels.front().front(), QChar(0x03A7));
    for (int t = 0; t < 3; ++t) {
        for (int j = 0; j < 2; ++j) {
            EXPECT_EQ(state.StatTable.at(4 * t, j), state.Kmo.at(t, j));
            EXPECT_EQ(state.StatTable.at(4 * t + 1, j), state.Kvar.at(t, j));
            EXPECT_EQ(state.StatTable.at(4 * t + 2, j), state.Kstdev.at(t, j));
            EXPECT_EQ(state.StatTable.at(4 * t + 3, j), state.Kcv.at(t, j));
        }
    }
}

// Which rows form the target is decided by position: only the sizes are checked.
TEST_F(AnalysisRunTest, TableNumbersOfEqualCountsGiveThePositionalSplit)
{
    const Sheet sheet = stackedTables(2, 2, 2);
    const AnalysisState inOrder = run(sheet);
    for (const QStringList &numbers :
         {QStringList{"2", "2", "1", "1"}, QStringList{"1", "2", "1", "2"},
          QStringList{" 7 ", "+3", "3", "7"}}) {
        SCOPED_TRACE(numbers.join(u',').toStdString());
        EXPECT_EQ(run(withTableNumbers(sheet, numbers)), inOrder);
    }
}

TEST_F(AnalysisRunTest, UnequalTableSizesStopBeforeTheComputation)
{
    for (const QStringList &numbers :
         {QStringList{"1", "1", "2"}, QStringList{"1", "2", "2", "2", "3", "3"},
          QStringList{"1", "1", "2", "2", "3", "3", "3"}}) {
        SCOPED_TRACE(numbers.join(u',').toStdString());
        const Sheet sheet = withTableNumbers(stackedTables(1, int(numbers.size()), 3), numbers);
        failedRun(sheet, messages::UnequalTables);
    }
}

TEST_F(AnalysisRunTest, EmptyLabelsBecomeNumbersAndOtherLabelsStayAsTheyAre)
{
    const Sheet sheet = sheetOf({{"Γ / Σ", "", " height ", "  ", "C"},
                                 {"", "1", "2", "3", "1"},
                                 {"   ", "4", "5", "7", "1"},
                                 {" b ", "1", "3", "2", "2"},
                                 {"c", "2", "2", "9", "2"}});
    const AnalysisState state = run(sheet);
    EXPECT_EQ(state.ObjectNames, QStringList({"1", "2", " b ", "c"}));
    EXPECT_EQ(state.VariableNames, QStringList({"1", " height ", "3"}));
}

TEST_F(AnalysisRunTest, AxisNamesAreTheHeaderTextsOfTheChosenColumns)
{
    const AnalysisState state = run(stackedTables(2, 3, 3), {3, 1, u'.'});
    EXPECT_EQ(state.HorizontalAxis, 3);
    EXPECT_EQ(state.VerticalAxis, 1);
    EXPECT_EQ(state.HorizontalAxisName, "v3");
    EXPECT_EQ(state.VerticalAxisName, "v1");
}

TEST_F(AnalysisRunTest, ConversionsFollowTheDecimalSeparator)
{
    Sheet points = stackedTables(2, 3, 2, u'.');
    points.setCell(1, 2, QStringLiteral(" 1,5 "));
    failedRun(points, QStringLiteral("'1,5' is not a valid floating point value"), {1, 2, u'.'});

    Sheet commas = stackedTables(2, 3, 2, u',');
    commas.setCell(1, 2, QStringLiteral(" 1,5 "));
    const AnalysisState state = run(commas, {1, 2, u','});
    EXPECT_EQ(state.sheetValue(1, 0), 1.5);
    EXPECT_EQ(state.Decimal, u',');
    EXPECT_TRUE(state.Kmo.at(0, 0).contains(u','));
    EXPECT_FALSE(state.Kmo.at(0, 0).contains(u'.'));
}

TEST_F(AnalysisRunTest, CellsThatAreNotNumbersStopTheRunNamingTheFirstOne)
{
    struct Case {
        int column, row;
        QString text;
        QString message;
    };
    const Sheet good = stackedTables(2, 3, 2);
    for (const Case &c :
         std::vector<Case>{{3, 4, "x", "'x' is not a valid integer value"},
                           {3, 2, " 1.0 ", "'1.0' is not a valid integer value"},
                           {3, 6, "", "'' is not a valid integer value"},
                           {2, 1, "abc", "'abc' is not a valid floating point value"},
                           {1, 6, "   ", "'' is not a valid floating point value"},
                           {1, 3, "1e999", "'1e999' is not a valid floating point value"}}) {
        SCOPED_TRACE(c.message.toStdString());
        Sheet sheet = good;
        sheet.setCell(c.column, c.row, c.text);
        failedRun(sheet, c.message);
    }
}

TEST_F(AnalysisRunTest, EveryRunRebuildsTheWholeState)
{
    const Sheet first = stackedTables(3, 4, 3);
    const AnalysisState once = run(first);

    AnalysisState reused = run(stackedTables(2, 5, 2, u','), {2, 1, u','});
    RunAnalysis(first, {}, reused);
    EXPECT_EQ(reused, once);

    Sheet broken = first;
    broken.setCell(1, 1, QStringLiteral("?"));
    EXPECT_THROW(RunAnalysis(broken, {}, reused), AnalysisFailure);
    EXPECT_TRUE(reused.RunFailed);
    RunAnalysis(first, {}, reused);
    EXPECT_EQ(reused, once);
}

TEST_F(AnalysisRunTest, LibraryErrorsBecomeTheRunsMessage)
{
    const KestCall failing = [](std::span<const double>, int, int, int) -> KestOutputs {
        throw rt::Error("Xt must have nrows rows.");
    };
    AnalysisState state;
    try {
        RunAnalysis(stackedTables(2, 3, 2), {}, state, failing);
        FAIL() << "the run did not stop";
    } catch (const AnalysisFailure &failure) {
        EXPECT_EQ(
            failure.message(),
            QStringLiteral("Σφάλμα κατά τον υπολογισμό της ανάλυσης:\nXt must have nrows rows."));
    }
    EXPECT_TRUE(state.RunFailed);
}

TEST_F(AnalysisRunTest, ResultsThatAreNotFiniteAreWrittenAsSuch)
{
    // The target's first variable has mean 0 (its coefficient of variation is infinite); the
    // second is constant (every correlation that involves it is undefined).
    const Sheet sheet = sheetOf({{"Γ / Σ", "v1", "v2", "v3", "C"},
                                 {"a", "-1", "5", "1", "1"},
                                 {"b", "0", "5", "4", "1"},
                                 {"c", "1", "5", "2", "1"},
                                 {"a", "2", "1", "3", "2"},
                                 {"b", "3", "4", "1", "2"},
                                 {"c", "1", "2", "5", "2"}});
    const AnalysisState state = run(sheet);
    EXPECT_EQ(state.Kcv.at(0, 0), "Inf");
    EXPECT_EQ(state.KCfcombo.at(1, 0), "NaN");
    EXPECT_EQ(state.KCfcombo.at(1, 1), "NaN");
}

} // namespace
} // namespace analysis
