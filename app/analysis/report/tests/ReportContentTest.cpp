#include "ReportContentBuilder.h"
#include "ReportFixtures.h"
#include "ReportTexts.h"

#include <gtest/gtest.h>

using reporttest::makeState;

namespace
{

QStringList rowLabels(const CrossTable &t)
{
    QStringList labels;
    for (int r = 0; r < t.rowCount(); ++r)
        labels << t.rowLabel(r);
    return labels;
}

QStringList columnLabels(const CrossTable &t)
{
    QStringList labels;
    for (int c = 0; c < t.columnCount(); ++c)
        labels << t.columnLabel(c);
    return labels;
}

const CrossTable &view(const ReportContent &content, int number)
{
    return content.sections[static_cast<std::size_t>(number - 1)].table;
}

} // namespace

TEST(ReportContent, TitleAndCaptionsUseChiWhereTheReportSaysSo)
{
    const ReportContent content = buildReportContent(makeState(2, 1, 2));
    ASSERT_EQ(content.sections.size(), 12u);
    EXPECT_EQ(content.title,
              QStringLiteral(
                  "Αριθμητικά Αποτελέσματα της Προκρούστιας Ορθογώνιας Προβολής ή Περιστροφής"));
    const QChar chi(0x03A7);
    EXPECT_EQ(content.sections[0].caption, QStringLiteral("Πίνακας Στόχος ") + chi + u't');
    EXPECT_EQ(content.sections[1].caption,
              QStringLiteral("Πίνακας Στόχος ") + chi + QStringLiteral("t (z-scores)"));
    EXPECT_EQ(content.sections[2].caption, QStringLiteral("Πίνακες Αντικειμένων Xw"));
    EXPECT_EQ(content.sections[9].caption,
              QStringLiteral("Πίνακας Συσχετίσεων μεταξύ Xt και XwR (ομόλογες στήλες)"));
    EXPECT_EQ(content.sections[10].caption, QStringLiteral("Πίνακας Συσχετίσεων μεταξύ ") + chi +
                                                QStringLiteral("t και XwR (ομόλογες γραμμές)"));
    EXPECT_EQ(content.sections[11].caption, QStringLiteral("Πίνακας Συσχετίσεων μεταξύ ") + chi +
                                                QStringLiteral("w και XwR (ομόλογες στήλες)"));
    for (std::size_t s = 0; s < 12; ++s)
        EXPECT_EQ(content.sections[s].keepTogether, s != 8) << s;
}

TEST(ReportContent, OtherTablesHaveSeparatorRowsBeforeEachTable)
{
    const ReportContent content = buildReportContent(makeState(3, 2, 2, {"A", "B", "C"}));
    const QStringList expected{"X1", "X1:A", "X1:B", "X1:C", "X2", "X2:A", "X2:B", "X2:C"};
    EXPECT_EQ(rowLabels(view(content, 3)), expected);
    EXPECT_EQ(rowLabels(view(content, 4)), expected);
    EXPECT_EQ(view(content, 3).cell(0, 0), "");
    EXPECT_EQ(view(content, 3).cell(4, 1), "");
    EXPECT_EQ(rowLabels(view(content, 7)),
              (QStringList{"X1R", "X1:A", "X1:B", "X1:C", "X2R", "X2:A", "X2:B", "X2:C"}));
    EXPECT_EQ(rowLabels(view(content, 8)).first(), "Xt-X1R");
    EXPECT_EQ(rowLabels(view(content, 8))[4], "Xt-X2R");
    // Row i of the stacked tables is sheet row m + i; its z-scores are KXw row i.
    EXPECT_EQ(view(content, 3).cell(1, 0), "3.25");
    EXPECT_EQ(view(content, 4).cell(5, 1), "3.001");
}

TEST(ReportContent, DistancesHaveTwoRowsAndOneColumnPerTable)
{
    const CrossTable t = view(buildReportContent(makeState(2, 3, 2)), 9);
    EXPECT_EQ(rowLabels(t), (QStringList{"d^2", "d"}));
    EXPECT_EQ(columnLabels(t), (QStringList{"X1-Xt", "X2-Xt", "X3-Xt"}));
    EXPECT_EQ(t.cell(1, 2), "2.000");
}

TEST(ReportContent, RowCorrelationsKeepTheSecondSignificanceColumnApart)
{
    const CrossTable t = view(buildReportContent(makeState(4, 2, 2)), 11);
    EXPECT_EQ(columnLabels(t), (QStringList{"r", "Sig. (2-tailed)", "rho", "Sig. (2-tailed) "}));
    ASSERT_EQ(t.rowCount(), 8);
    EXPECT_EQ(t.rowLabel(0), "Xt(1), X1R(1)");
    EXPECT_EQ(t.rowLabel(7), "Xt(4), X2R(4)");
    EXPECT_EQ(t.cell(7, 3), "7.001");
}

TEST(ReportContent, RotationsAndColumnCorrelationsAreLabelledByTableAndVariable)
{
    const ReportContent content = buildReportContent(makeState(3, 2, 2));
    EXPECT_EQ(rowLabels(view(content, 6)), (QStringList{"X1:1", "X1:2", "X2:1", "X2:2"}));
    EXPECT_EQ(rowLabels(view(content, 10)),
              (QStringList{"Xt(1), X1R(1)", "Xt(2), X1R(2)", "Xt(1), X2R(1)", "Xt(2), X2R(2)"}));
    EXPECT_EQ(columnLabels(view(content, 10)), (QStringList{"r", "Sig. (2-tailed)"}));
    EXPECT_EQ(rowLabels(view(content, 12)).at(3), "X2(2), X2R(2)");
    EXPECT_EQ(columnLabels(view(content, 12)).size(), 4);
    EXPECT_EQ(rowLabels(view(content, 5)).first(), QStringLiteral("Χt:Mean"));
    EXPECT_EQ(rowLabels(view(content, 5)).size(), 12);
}

TEST(ReportContent, SheetValuesReadBackExactlyAndResultsKeepThreeDecimals)
{
    AnalysisState state = makeState(1, 1, 1);
    state.SheetValues = {2.5, 0.1 + 0.2};
    state.Decimal = u',';
    const ReportContent content = buildReportContent(state);
    EXPECT_EQ(view(content, 1).cell(0, 0), "2,5");
    EXPECT_EQ(view(content, 3).cell(1, 0), "0,30000000000000004");
    EXPECT_EQ(view(content, 2).cell(0, 0), "0.000"); // as the run wrote it
}

TEST(ReportContent, RepeatedNamesShareARowOrColumnAndKeepEveryValue)
{
    const ReportContent content = buildReportContent(makeState(2, 1, 2, {"A", "A"}, {"v", "v"}));
    const CrossTable &target = view(content, 1);
    ASSERT_EQ(target.rowCount(), 1);
    ASSERT_EQ(target.columnCount(), 1);
    EXPECT_EQ(target.cell(0, 0), "0.25 / 0.5 / 1.25 / 1.5");
    EXPECT_EQ(view(content, 2).cell(0, 0), "0.000 / 0.001 / 1.000 / 1.001");
}

TEST(ReportContent, NoFurtherTablesGiveViewsWithoutRows)
{
    const ReportContent content = buildReportContent(makeState(3, 0, 2));
    for (const int number : {3, 4, 6, 7, 8, 9, 10, 11, 12})
        EXPECT_EQ(view(content, number).rowCount(), 0) << number;
    EXPECT_EQ(view(content, 1).rowCount(), 3);
    EXPECT_EQ(view(content, 5).rowCount(), 4);
}

TEST(ReportContent, ResultTablesSmallerThanTheCountsLeaveCellsEmpty)
{
    AnalysisState state = makeState(2, 1, 2);
    state.KwR = TextTable(1, 1);
    state.ObjectNames.removeLast();
    const ReportContent content = buildReportContent(state);
    EXPECT_EQ(view(content, 7).cell(2, 1), "");
    EXPECT_EQ(view(content, 7).rowLabel(2), "X1:4");
}
