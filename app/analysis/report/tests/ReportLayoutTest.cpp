#include "PreparedReport.h"
#include "ReportContentBuilder.h"
#include "ReportFixtures.h"
#include "TextMeasure.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <tuple>

namespace
{

using Cell = std::tuple<int, int, int>; // section, row, column

struct SectionShape {
    int rows;
    int columns;
    bool keepTogether = true;
    QString columnPrefix = QStringLiteral("c");
};

ReportContent contentOf(const std::vector<SectionShape> &shapes)
{
    ReportContent content;
    content.title = QStringLiteral("Title");
    for (std::size_t s = 0; s < shapes.size(); ++s) {
        ReportSection section{QStringLiteral("Section %1").arg(s + 1), {}, shapes[s].keepTogether};
        for (int r = 0; r < shapes[s].rows; ++r)
            for (int c = 0; c < shapes[s].columns; ++c)
                section.table.add(QStringLiteral("r%1").arg(r),
                                  shapes[s].columnPrefix + QString::number(c),
                                  QStringLiteral("%1.%2").arg(r).arg(c));
        content.sections.push_back(std::move(section));
    }
    return content;
}

std::set<int> pagesOf(const PreparedReport &report, int section)
{
    std::set<int> pages;
    for (int p = 0; p < report.pageCount(); ++p)
        for (const PageItem &item : report.pageItems(p))
            if (item.key.section == section)
                pages.insert(p);
    return pages;
}

class ReportLayoutTest : public ::testing::Test
{
  protected:
    void SetUp() override { reporttest::ensureApplication(); }
};

} // namespace

// Every cell of every view lands on exactly one page, inside the margins, and every page that
// continues a table repeats its column labels.
TEST_F(ReportLayoutTest, EveryCellIsOnExactlyOnePageInsideTheMargins)
{
    const ReportContent content = buildReportContent(reporttest::makeState(40, 45, 5));
    const PreparedReport report(content, PageSetup{});
    const QRectF area = PageSetup{}.contentRect().adjusted(-0.01, -0.01, 0.01, 0.01);
    std::map<Cell, int> seen;
    for (int p = 0; p < report.pageCount(); ++p) {
        const std::vector<PageItem> items = report.pageItems(p);
        ASSERT_EQ(items.back().key.role, ItemRole::Footer);
        EXPECT_EQ(items.back().text, QStringLiteral("-%1-").arg(p + 1));
        std::set<std::pair<int, int>> labelledRows; // (section, row) with a row label here
        std::set<int> headedSections;
        for (const PageItem &item : items) {
            EXPECT_TRUE(area.contains(item.rect)) << p << " " << item.text.toStdString();
            if (item.key.role == ItemRole::ColumnLabel)
                headedSections.insert(item.key.section);
            if (item.key.role == ItemRole::RowLabel)
                labelledRows.insert({item.key.section, item.key.row});
            if (item.key.role != ItemRole::Cell)
                continue;
            ++seen[{item.key.section, item.key.row, item.key.column}];
            EXPECT_TRUE(labelledRows.count({item.key.section, item.key.row}));
            EXPECT_TRUE(headedSections.count(item.key.section));
        }
    }
    std::size_t cells = 0;
    for (const ReportSection &section : content.sections)
        cells += static_cast<std::size_t>(section.table.rowCount() * section.table.columnCount());
    EXPECT_EQ(seen.size(), cells);
    for (const auto &[cell, count] : seen)
        EXPECT_EQ(count, 1);
    EXPECT_GT(report.pageCount(), 10);
}

TEST_F(ReportLayoutTest, ACaptionStaysWithItsTableAndATableThatFitsStaysOnOnePage)
{
    const PreparedReport report(buildReportContent(reporttest::makeState(6, 3, 3)), PageSetup{});
    for (const int s : {0, 1, 4, 5, 9, 11}) {
        const std::set<int> pages = pagesOf(report, s);
        EXPECT_EQ(pages.size(), 1u) << s;
        EXPECT_EQ(*pages.begin(), report.layout().sectionPage(s));
    }
}

TEST_F(ReportLayoutTest, OnlyTheFreeSectionStartsOnAPageThatCannotHoldItWhole)
{
    // The first section fills the first page just so far that a second one of ten rows, kept
    // together, has to move to the next page; not kept together, it starts on the first.
    int rows = 1;
    while (PreparedReport(contentOf({{rows, 1}, {10, 1}}), PageSetup{}).layout().sectionPage(1) ==
           0)
        ++rows;
    for (const bool keep : {true, false}) {
        const PreparedReport report(contentOf({{rows, 1}, {10, 1, keep}}), PageSetup{});
        EXPECT_EQ(report.layout().sectionPage(1), keep ? 1 : 0) << keep;
        EXPECT_EQ(pagesOf(report, 1).size(), keep ? 1u : 2u) << keep;
    }
}

TEST_F(ReportLayoutTest, AWideLongTableContinuesAcrossBeforeDown)
{
    const PreparedReport report(contentOf({{120, 30, true, QStringLiteral("column")}}),
                                PageSetup{});
    // The first row and column of the view on each page, in page order.
    std::vector<std::pair<int, int>> starts;
    for (int p = 0; p < report.pageCount(); ++p)
        for (const PageItem &item : report.pageItems(p))
            if (item.key.role == ItemRole::Cell) {
                starts.emplace_back(item.key.row, item.key.column);
                break;
            }
    ASSERT_GE(starts.size(), 4u);
    EXPECT_EQ(starts[0], std::make_pair(0, 0));
    EXPECT_EQ(starts[1].first, 0);  // across: the same rows
    EXPECT_GT(starts[1].second, 0); // further columns
    const auto down = std::find_if(starts.begin(), starts.end(),
                                   [](const auto &start) { return start.first > 0; });
    ASSERT_NE(down, starts.end());
    EXPECT_EQ(down->second, 0); // down again from the first column
}

TEST_F(ReportLayoutTest, ATextWiderThanThePageWrapsInsteadOfBeingCut)
{
    ReportContent content = contentOf({{2, 2}});
    const QString longText = QString(400, u'7');
    content.sections[0].table.add(QStringLiteral("r0"), QStringLiteral("c0"), longText);
    const PreparedReport report(content, PageSetup{});
    TextMeasure measure;
    const QRectF area = PageSetup{}.contentRect();
    for (const PageItem &item : report.pageItems(0)) {
        if (!item.text.contains(longText))
            continue;
        EXPECT_LE(item.rect.right(), area.right() + 0.01);
        EXPECT_GE(item.rect.height() - 6 + 0.01,
                  measure.wrappedHeight(ItemRole::Cell, item.text, item.rect.width() - 6));
    }
}

TEST_F(ReportLayoutTest, AnotherPageSetupLaysTheReportOutAgain)
{
    PreparedReport report(buildReportContent(reporttest::makeState(30, 10, 4)), PageSetup{});
    const int portrait = report.pageCount();
    PageSetup landscape;
    landscape.orientation = QPageLayout::Landscape;
    report.relayout(landscape);
    EXPECT_NE(report.pageCount(), portrait);
    EXPECT_GT(report.pageItems(0).front().rect.width(), 0);
    EXPECT_NEAR(report.setup().pageSize().width(), 297 * PageSetup::pixelsPerMm, 0.5);
}
