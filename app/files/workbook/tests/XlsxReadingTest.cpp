// Reading .xlsx workbooks: worksheet names, the used rectangle, and values as stored.
#include "WorkbookFile.h"
#include "WorkbookFixtures.h"
#include "files/SheetFileError.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <xlsxwriter.h>

namespace
{

class XlsxReading : public testing::Test
{
  protected:
    QString path(const char *name) const { return folder_.filePath(QString::fromUtf8(name)); }

    // Three worksheets and a chart sheet between them, written with shared strings.
    QString writeThreeSheets() const
    {
        const QString file = path("three.xlsx");
        lxw_workbook *workbook = workbook_new(file.toUtf8().constData());
        workbook_add_worksheet(workbook, "Πρώτο");
        lxw_worksheet *second = workbook_add_worksheet(workbook, "Second");
        lxw_chartsheet *chartsheet = workbook_add_chartsheet(workbook, "Chart");
        workbook_add_worksheet(workbook, "Τρίτο");
        lxw_format *rounded = workbook_add_format(workbook);
        format_set_num_format(rounded, "0");

        worksheet_write_string(second, 0, 0, "corner", nullptr);
        worksheet_write_string(second, 0, 1, "Ύψος", nullptr);
        worksheet_write_string(second, 0, 2, "C", nullptr);
        worksheet_write_string(second, 1, 0, "α", nullptr);
        worksheet_write_number(second, 1, 1, 2.5, rounded); // shown as 3
        worksheet_write_number(second, 1, 2, 1, nullptr);
        worksheet_write_string(second, 2, 0, "β", nullptr);
        worksheet_write_number(second, 2, 1, 1e-3, nullptr);
        worksheet_write_boolean(second, 2, 2, 1, nullptr);
        worksheet_write_string(second, 3, 0, "γ", nullptr);
        worksheet_write_number(second, 3, 1, -1234567.25, nullptr);
        worksheet_write_boolean(second, 3, 2, 0, nullptr);

        lxw_chart *chart = workbook_add_chart(workbook, LXW_CHART_COLUMN);
        chart_add_series(chart, nullptr, "=Second!$B$2:$B$4");
        chartsheet_set_chart(chartsheet, chart);
        EXPECT_EQ(workbook_close(workbook), LXW_NO_ERROR);
        return file;
    }

    QList<QStringList> readFirst(const fixtures::Parts &parts, QChar decimal = u',') const
    {
        const QString file = path("made.xlsx");
        fixtures::writeArchive(file, parts);
        return fixtures::rows(openWorkbookFile(file)->readWorksheet(0, decimal));
    }

    QTemporaryDir folder_;
};

TEST_F(XlsxReading, ListsTheWorksheetsInWorkbookOrderWithoutChartSheets)
{
    const auto workbook = openWorkbookFile(writeThreeSheets());
    EXPECT_EQ(workbook->worksheetNames(), (QStringList{"Πρώτο", "Second", "Τρίτο"}));
}

TEST_F(XlsxReading, ReadsNumbersAsStoredInShortestFormWithTheDecimalSeparator)
{
    const auto workbook = openWorkbookFile(writeThreeSheets());
    const QList<QStringList> expected{
        {"corner", "Ύψος", "C"},
        {"α", "2,5", "1"},
        {"β", "0,001", "TRUE"},
        {"γ", "-1234567,25", "FALSE"},
    };
    EXPECT_EQ(fixtures::rows(workbook->readWorksheet(1, u',')), expected);
    EXPECT_EQ(fixtures::rows(workbook->readWorksheet(1, u'.'))[1][1], "2.5");
    const WorksheetTexts empty = workbook->readWorksheet(2, u',');
    EXPECT_EQ(empty.rowCount(), 0);
    EXPECT_EQ(empty.columnCount(), 0);
}

// What other writers produce: a stale dimension, cells and rows that do not name their place,
// inline and formatted strings, formula results, error values, cells with a style only.
TEST_F(XlsxReading, TakesTheRectangleFromTheCellsThatHoldValues)
{
    const QByteArray sheet = R"(<dimension ref="A1:Z99"/><sheetData>
<row r="1"><c r="A1" t="inlineStr"><is><t>Γ</t></is></c><c t="s"><v>0</v></c><c r="C1" t="s"><v>1</v></c></row>
<row><c t="inlineStr"><is><r><rPr><b/></rPr><t>bo</t></r><r><t xml:space="preserve">ld </t></r><rPh sb="0" eb="1"><t>ignored</t></rPh></is></c>
<c t="e"><f>1/0</f><v>#DIV/0!</v></c></row>
<row r="4" spans="1:3"><c r="A4" t="str"><f>"x"&amp;"y"</f><v>xy</v></c><c r="B4" t="e"><v>#N/A</v></c><c r="C4"><v>3.0000000000000004E-1</v></c>
<c r="H4" s="1"/></row>
<row r="9" s="2" customFormat="1"/>
</sheetData><mergeCells count="1"><mergeCell ref="A1:B1"/></mergeCells>)";
    const QList<QStringList> expected{
        {"Γ", "x\r", "C"},
        {"bold ", "#ERROR", ""},
        {"", "", ""},
        {"xy", "#ERROR", "0,30000000000000004"},
    };
    EXPECT_EQ(readFirst(fixtures::workbookParts(sheet, {"x_x000D_", "C"})), expected);
}

TEST_F(XlsxReading, AcceptsAnyFileNameAndTellsTheFormatByContent)
{
    const QString file = path("renamed.dat");
    fixtures::writeArchive(
        file, fixtures::workbookParts(R"(<sheetData><row r="1"><c r="B2"><v>7</v></c></row>)"
                                      R"(</sheetData>)"));
    EXPECT_THROW(openWorkbookFile(file)->readWorksheet(0, u','), SheetFileError); // B2 in row 1
    fixtures::writeArchive(
        file, fixtures::workbookParts(R"(<sheetData><row r="2"><c r="B2"><v>7</v></c></row>)"
                                      R"(</sheetData>)"));
    EXPECT_EQ(fixtures::rows(openWorkbookFile(file)->readWorksheet(0, u',')),
              (QList<QStringList>{{"", ""}, {"", "7"}}));
}

} // namespace
