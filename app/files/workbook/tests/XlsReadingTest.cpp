// Reading .xls workbooks (fixture written with Perl's Spreadsheet::WriteExcel; see its script).
#include "WorkbookFile.h"
#include "WorkbookFixtures.h"
#include "files/SheetFileError.h"

#include <gtest/gtest.h>

namespace
{

const QString ThreeSheets = QStringLiteral(WORKBOOK_FIXTURES "/three-sheets.xls");

TEST(XlsReading, ListsTheWorksheetsInWorkbookOrder)
{
    EXPECT_EQ(openWorkbookFile(ThreeSheets)->worksheetNames(),
              (QStringList{"Μετρήσεις", "Second", "Τρίτο"}));
}

TEST(XlsReading, ReadsTheUsedRectangleWithNumbersAsStored)
{
    const auto workbook = openWorkbookFile(ThreeSheets);
    const QList<QStringList> expected{
        {"Γ / Σ", "Ύψος", "x2", "C"},
        {"α", "2,5", "3", "1"},
        {"b", "-0,125", "0,1", "1"},
        {"c", "1234567,5", "", "2"},
    };
    EXPECT_EQ(fixtures::rows(workbook->readWorksheet(0, u',')), expected);
    EXPECT_EQ(fixtures::rows(workbook->readWorksheet(0, u'.'))[2][1], "-0.125");
    EXPECT_EQ(workbook->readWorksheet(1, u',').cells().size(), 0u);
    EXPECT_THROW(workbook->readWorksheet(3, u','), SheetFileError);
}

} // namespace
