// Workbooks to sheets and back, without any window.
#include "WorkbookFiles.h"
#include "WorkbookFixtures.h"
#include "files/SheetFileError.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace
{

QList<QStringList> grid(const Sheet &sheet)
{
    QList<QStringList> rows;
    for (int row = 0; row <= sheet.objectCount(); ++row) {
        QStringList cells;
        for (int column = 0; column <= sheet.columnCount(); ++column)
            cells << sheet.cell(column, row);
        rows << cells;
    }
    return rows;
}

WorksheetTexts worksheet(const QList<QStringList> &rows)
{
    WorksheetTexts texts;
    for (int row = 0; row < rows.size(); ++row) {
        for (int column = 0; column < rows[row].size(); ++column) {
            if (rows[row][column] == u"#ERROR")
                texts.addError(row, column);
            else if (!rows[row][column].isEmpty())
                texts.add(row, column, rows[row][column]);
        }
    }
    return texts;
}

const workbookfiles::WorksheetChooser First = [](const QStringList &) { return 0; };

TEST(SheetFromWorksheet, TheUsedRectangleBecomesTheWholeGrid)
{
    const Sheet sheet = workbookfiles::sheetFromWorksheet(worksheet({
        {"#ERROR", "x", "y", "C"},
        {"a", "1", "2", "1"},
        {"b", "#ERROR", "", "1"},
        {"c", "3", "4", "2"},
        {"d", "5", "6", "2"},
        {"e", "", "", "3"},
    }));
    EXPECT_EQ(sheet.objectCount(), 5);
    EXPECT_EQ(sheet.columnCount(), 3);
    EXPECT_TRUE(sheet.isModified());
    const QList<QStringList> expected{
        {"Γ / Σ", "x", "y", "C"}, {"a", "1", "2", "1"}, {"b", "", "", "1"},
        {"c", "3", "4", "2"},     {"d", "5", "6", "2"}, {"e", "", "", "3"},
    };
    EXPECT_EQ(grid(sheet), expected);
}

// A single row or column has no objects or no data columns: that is a failure, not an
// unchanged sheet reported as imported. An error value among the names fails as well.
TEST(SheetFromWorksheet, RefusesWhatMakesNoSheet)
{
    const QList<QList<QStringList>> refused{
        {},
        {{"Γ", "x", "y", "C"}},
        {{"Γ"}, {"a"}, {"b"}},
        {{"Γ", "x", "#ERROR"}, {"a", "1", "1"}},
        {{"Γ", "x", "C"}, {"a", "1", "1"}, {"#ERROR", "2", "1"}},
    };
    for (const QList<QStringList> &rows : refused)
        EXPECT_THROW(workbookfiles::sheetFromWorksheet(worksheet(rows)), SheetFileError);
}

class WorkbookFiles : public testing::Test
{
  protected:
    QString path() const { return folder_.filePath("data.xlsx"); }
    QTemporaryDir folder_;
};

TEST_F(WorkbookFiles, ExportThenImportGivesBackNamesTextsAndNumbersAsStored)
{
    Sheet sheet(3, 3);
    const QList<QStringList> cells{
        {"", "Ύψος", "βάρος 2", "C"},
        {"α", "1,50", "1.5", "1"},
        {"β", "-0,125", "", "1"},
        {"γ", "7e2", "κείμενο με κενά ", "2"},
    };
    for (int row = 0; row < cells.size(); ++row) {
        for (int column = 0; column < cells[row].size(); ++column)
            sheet.setCell(column, row, cells[row][column]);
    }
    workbookfiles::exportWorkbook(path(), sheet, u',');

    QStringList offered;
    const std::optional<Sheet> imported = workbookfiles::importWorkbook(
        path(),
        [&offered](const QStringList &names) {
            offered = names;
            return 0;
        },
        u',');
    ASSERT_TRUE(imported);
    EXPECT_EQ(offered, QStringList{"output"});
    const QList<QStringList> expected{
        {"Γ / Σ", "Ύψος", "βάρος 2", "C"},
        {"α", "1,5", "1.5", "1"},
        {"β", "-0,125", "", "1"},
        {"γ", "700", "κείμενο με κενά ", "2"},
    };
    EXPECT_EQ(grid(*imported), expected);
    EXPECT_EQ(grid(*workbookfiles::importWorkbook(path(), First, u'.'))[2][1], "-0.125");
}

TEST_F(WorkbookFiles, TheChooserPicksTheWorksheetOrCancels)
{
    const QString file = QStringLiteral(WORKBOOK_FIXTURES "/three-sheets.xls");
    EXPECT_FALSE(workbookfiles::importWorkbook(
        file, [](const QStringList &) { return std::nullopt; }, u','));
    EXPECT_EQ(workbookfiles::importWorkbook(file, First, u',')->cell(1, 1), "2,5");
    // The second worksheet is empty.
    EXPECT_THROW(workbookfiles::importWorkbook(
                     file, [](const QStringList &) { return 1; }, u','),
                 SheetFileError);
}

// Two cells at the far corners of a worksheet span a rectangle of seventeen billion cells.
TEST_F(WorkbookFiles, AUsedRangeBeyondAnySheetFailsWithoutFillingMemory)
{
    fixtures::writeArchive(
        path(), fixtures::workbookParts(R"(<sheetData><row r="1"><c r="A1"><v>1</v></c></row>)"
                                        R"(<row r="1048576"><c r="XFD1048576"><v>1</v></c></row>)"
                                        R"(</sheetData>)"));
    EXPECT_THROW(workbookfiles::importWorkbook(path(), First, u','), SheetFileError);
}

} // namespace
