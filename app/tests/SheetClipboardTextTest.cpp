// Copy and paste texts of the data sheet, on the sheet alone.
#include "QtPrinters.h"
#include "Sheet.h"

#include <gtest/gtest.h>

namespace
{

Sheet sheetOf(int objects, int variables)
{
    Sheet sheet;
    sheet.makeNew(objects, variables);
    sheet.setModified(false);
    return sheet;
}

QStringList rowCells(const Sheet &sheet, int row)
{
    QStringList cells;
    for (int c = 1; c <= sheet.columnCount(); ++c)
        cells << sheet.cell(c, row);
    return cells;
}

TEST(SheetCopy, JoinsCellsByTabAndEndsEveryRowWithCrLf)
{
    Sheet sheet = sheetOf(3, 3);
    sheet.setCell(2, 2, "a");
    sheet.setCell(3, 2, "b");
    sheet.setCell(2, 3, "c");
    sheet.setCell(3, 3, "d");
    EXPECT_EQ(sheet.copyText({2, 2, 3, 3}), "a\tb\r\nc\td\r\n");
    EXPECT_EQ(sheet.copyText({1, 1, 1, 1}), "\r\n");
}

TEST(SheetPaste, ReproducesACopiedRange)
{
    Sheet source = sheetOf(3, 3);
    source.setCell(2, 2, "a");
    source.setCell(3, 2, "b");
    source.setCell(2, 3, "c");
    source.setCell(3, 3, "d");
    Sheet target = sheetOf(3, 3);
    EXPECT_TRUE(target.paste(2, 2, source.copyText({2, 2, 3, 3})));
    EXPECT_EQ(target.copyText({1, 1, 4, 3}), source.copyText({1, 1, 4, 3}));
}

// Every common line end works, and a last line without one is pasted too.
TEST(SheetPaste, AcceptsEveryLineEnd)
{
    const struct {
        const char *name;
        QString text;
    } cases[] = {
        {"CR LF", "1\t2\r\n3\t4\r\n"},
        {"LF", "1\t2\n3\t4\n"},
        {"CR", "1\t2\r3\t4\r"},
        {"no final end", "1\t2\r\n3\t4"},
        {"LF, no final end", "1\t2\n3\t4"},
    };
    for (const auto &c : cases) {
        Sheet sheet = sheetOf(3, 2);
        sheet.paste(1, 1, c.text);
        EXPECT_EQ(rowCells(sheet, 1), QStringList({"1", "2", ""})) << c.name;
        EXPECT_EQ(rowCells(sheet, 2), QStringList({"3", "4", ""})) << c.name;
        EXPECT_EQ(rowCells(sheet, 3), QStringList({"", "", ""})) << c.name;
    }
}

TEST(SheetPaste, PastesASingleCopiedWord)
{
    Sheet sheet = sheetOf(2, 2);
    EXPECT_TRUE(sheet.paste(2, 2, "word"));
    EXPECT_EQ(sheet.cell(2, 2), "word");
}

TEST(SheetPaste, AnEmptyLineEmptiesItsFirstCell)
{
    Sheet sheet = sheetOf(3, 1);
    sheet.setCell(1, 2, "old");
    sheet.paste(1, 1, "a\r\n\r\nb\r\n");
    EXPECT_EQ(sheet.cell(1, 1), "a");
    EXPECT_EQ(sheet.cell(1, 2), "");
    EXPECT_EQ(sheet.cell(1, 3), "b");
}

TEST(SheetPaste, NeverGrowsTheSheet)
{
    Sheet sheet = sheetOf(2, 2);
    sheet.paste(2, 2, "a\tb\tc\r\nd\te\r\n");
    EXPECT_EQ(sheet.objectCount(), 2);
    EXPECT_EQ(sheet.columnCount(), 3);
    EXPECT_EQ(rowCells(sheet, 2), QStringList({"", "a", "b"}));
    EXPECT_EQ(sheet.cell(4, 2), "");
}

TEST(SheetPaste, AtTheLastColumnWritesOnlyTheFirstFieldOfEachLine)
{
    Sheet sheet = sheetOf(2, 1);
    sheet.paste(2, 1, "a\tb\r\nc\td\r\n");
    EXPECT_EQ(rowCells(sheet, 1), QStringList({"", "a"}));
    EXPECT_EQ(rowCells(sheet, 2), QStringList({"", "c"}));
}

TEST(SheetPaste, SetsTheFlagOnlyWhenACellChanges)
{
    Sheet sheet = sheetOf(1, 1);
    EXPECT_FALSE(sheet.paste(1, 1, ""));
    EXPECT_FALSE(sheet.paste(1, 1, "\t\r\n"));
    EXPECT_FALSE(sheet.isModified());
    EXPECT_TRUE(sheet.paste(1, 1, "x"));
    EXPECT_TRUE(sheet.isModified());
}

TEST(SheetPaste, LeavesTheHeadersAlone)
{
    Sheet sheet = sheetOf(2, 2);
    sheet.paste(1, 1, "a\r\nb\r\nc\r\n");
    EXPECT_EQ(sheet.objectName(1), "1");
    EXPECT_EQ(sheet.objectName(2), "2");
    EXPECT_EQ(sheet.columnName(1), "1");
}

} // namespace
