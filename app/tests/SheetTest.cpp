// The data sheet's rules, on the sheet alone.
#include "Sheet.h"
#include "QtPrinters.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace
{

QStringList headerRow(const Sheet &sheet)
{
    QStringList names;
    for (int c = 0; c <= sheet.columnCount(); ++c)
        names << sheet.cell(c, 0);
    return names;
}

QStringList nameColumn(const Sheet &sheet)
{
    QStringList names;
    for (int r = 0; r <= sheet.objectCount(); ++r)
        names << sheet.cell(0, r);
    return names;
}

// A sheet of the given size whose data cells read "c,r".
Sheet numbered(int objects, int variables)
{
    Sheet sheet;
    sheet.makeNew(objects, variables);
    for (int r = 1; r <= sheet.objectCount(); ++r)
        for (int c = 1; c <= sheet.columnCount(); ++c)
            sheet.setCell(c, r, QStringLiteral("%1,%2").arg(c).arg(r));
    sheet.setModified(false);
    return sheet;
}

void expectDefaultSheet(const Sheet &sheet)
{
    EXPECT_EQ(sheet.objectCount(), 1);
    EXPECT_EQ(sheet.columnCount(), 2);
    EXPECT_EQ(headerRow(sheet), QStringList({"Γ / Σ", "1", "C"}));
    EXPECT_EQ(nameColumn(sheet), QStringList({"Γ / Σ", "1"}));
    EXPECT_EQ(sheet.cell(1, 1), "");
    EXPECT_EQ(sheet.cell(2, 1), "");
}

TEST(Sheet, StartsAsTheDefaultSheetUnmodified)
{
    Sheet sheet;
    expectDefaultSheet(sheet);
    EXPECT_FALSE(sheet.isModified());
}

TEST(Sheet, SizedConstructorGivesEmptyCellsAndAtLeastOneRowAndColumn)
{
    Sheet sheet(3, 4);
    EXPECT_EQ(sheet.objectCount(), 3);
    EXPECT_EQ(sheet.columnCount(), 4);
    EXPECT_EQ(sheet.cell(0, 0), "");
    EXPECT_EQ(sheet.cell(4, 3), "");
    sheet.setCell(4, 3, "x");
    EXPECT_EQ(sheet.cell(4, 3), "x");
    EXPECT_FALSE(sheet.isModified());

    Sheet empty(0, -2);
    EXPECT_EQ(empty.objectCount(), 1);
    EXPECT_EQ(empty.columnCount(), 1);
    EXPECT_THROW(Sheet(Sheet::MaxObjects + 1, 1), std::length_error);
}

TEST(Sheet, CellsOutsideTheGridReadEmptyAndIgnoreWrites)
{
    Sheet sheet;
    sheet.setCell(3, 1, "x");
    sheet.setCell(1, 2, "x");
    sheet.setCell(-1, 0, "x");
    EXPECT_EQ(sheet.cell(3, 1), "");
    EXPECT_EQ(sheet.cell(1, 2), "");
    EXPECT_EQ(sheet.cell(-1, 0), "");
    EXPECT_EQ(sheet.columnCount(), 2);
}

TEST(Sheet, KeepsTextWithSpacesAndGreekUnchanged)
{
    Sheet sheet;
    sheet.setCell(1, 1, "  άλφα 1,5 ");
    EXPECT_EQ(sheet.cell(1, 1), "  άλφα 1,5 ");
    Sheet copy = sheet;
    copy.setCell(1, 1, "β");
    EXPECT_EQ(sheet.cell(1, 1), "  άλφα 1,5 ");
}

TEST(Sheet, NameListsAreTheHeaders)
{
    Sheet sheet = numbered(2, 2);
    sheet.setCell(0, 2, "b");
    sheet.setCell(2, 0, "y");
    EXPECT_EQ(sheet.objectName(2), "b");
    EXPECT_EQ(sheet.columnName(2), "y");
}

TEST(Sheet, NewOneByOneSheetIsTheDefaultAndKeepsTheFlag)
{
    Sheet sheet;
    sheet.makeNew(1, 1);
    expectDefaultSheet(sheet);
    EXPECT_FALSE(sheet.isModified());

    sheet.setModified(true);
    sheet.makeNew(1, 1);
    EXPECT_TRUE(sheet.isModified());
}

TEST(Sheet, NewSheetNumbersItsRowsAndColumns)
{
    Sheet sheet;
    sheet.makeNew(5, 3);
    EXPECT_EQ(sheet.objectCount(), 5);
    EXPECT_EQ(sheet.columnCount(), 4);
    EXPECT_EQ(headerRow(sheet), QStringList({"Γ / Σ", "1", "2", "3", "C"}));
    EXPECT_EQ(nameColumn(sheet), QStringList({"Γ / Σ", "1", "2", "3", "4", "5"}));
    EXPECT_TRUE(sheet.isModified());
}

TEST(Sheet, NewSheetDifferingInOneDimensionIsModified)
{
    for (auto [objects, variables] : {std::pair{1, 2}, std::pair{2, 1}}) {
        Sheet sheet;
        sheet.makeNew(objects, variables);
        EXPECT_TRUE(sheet.isModified()) << objects << " x " << variables;
        EXPECT_EQ(sheet.cell(sheet.columnCount(), 0), "C");
    }
}

TEST(Sheet, NewSheetRefusesSizesOutOfRange)
{
    Sheet sheet;
    EXPECT_THROW(sheet.makeNew(0, 1), std::out_of_range);
    EXPECT_THROW(sheet.makeNew(Sheet::MaxObjects + 1, 1), std::out_of_range);
    EXPECT_THROW(sheet.makeNew(1, Sheet::MaxColumns), std::out_of_range);
    expectDefaultSheet(sheet);
}

TEST(Sheet, ResetKeepsTheFlag)
{
    Sheet sheet = numbered(3, 3);
    sheet.setModified(true);
    sheet.reset();
    expectDefaultSheet(sheet);
    EXPECT_TRUE(sheet.isModified());
}

TEST(Sheet, InsertObjectShiftsRowsWithTheirNames)
{
    Sheet sheet = numbered(3, 1);
    ASSERT_TRUE(sheet.insertObject(2));
    EXPECT_EQ(sheet.objectCount(), 4);
    EXPECT_EQ(nameColumn(sheet), QStringList({"Γ / Σ", "1", "ΝέαΓ", "2", "3"}));
    EXPECT_EQ(sheet.cell(1, 1), "1,1");
    EXPECT_EQ(sheet.cell(1, 2), "");
    EXPECT_EQ(sheet.cell(2, 2), "");
    EXPECT_EQ(sheet.cell(1, 3), "1,2");
    EXPECT_EQ(sheet.cell(2, 4), "2,3");
    EXPECT_TRUE(sheet.isModified());
}

TEST(Sheet, InsertColumnAtTheFirstColumnOfTheDefaultSheet)
{
    Sheet sheet;
    ASSERT_TRUE(sheet.insertColumn(1));
    EXPECT_EQ(headerRow(sheet), QStringList({"Γ / Σ", "ΝέαΣ", "1", "C"}));
    EXPECT_EQ(sheet.columnCount(), 3);
    EXPECT_TRUE(sheet.isModified());
}

TEST(Sheet, InsertColumnShiftsCellsRight)
{
    Sheet sheet = numbered(2, 2);
    ASSERT_TRUE(sheet.insertColumn(2));
    EXPECT_EQ(sheet.cell(1, 2), "1,2");
    EXPECT_EQ(sheet.cell(2, 2), "");
    EXPECT_EQ(sheet.cell(3, 2), "2,2");
    EXPECT_EQ(sheet.cell(4, 1), "3,1");
    EXPECT_EQ(sheet.cell(4, 0), "C");
}

TEST(Sheet, DeleteObjectAndColumnCloseTheGap)
{
    Sheet sheet = numbered(3, 2);
    sheet.deleteObject(2);
    EXPECT_EQ(nameColumn(sheet), QStringList({"Γ / Σ", "1", "3"}));
    EXPECT_EQ(sheet.cell(1, 2), "1,3");
    EXPECT_EQ(sheet.cell(1, 3), "");
    EXPECT_TRUE(sheet.isModified());

    sheet.setModified(false);
    sheet.deleteColumn(1);
    EXPECT_EQ(headerRow(sheet), QStringList({"Γ / Σ", "2", "C"}));
    EXPECT_EQ(sheet.cell(1, 1), "2,1");
    EXPECT_EQ(sheet.cell(2, 2), "3,3");
    EXPECT_TRUE(sheet.isModified());
}

TEST(Sheet, DeletingTheLastColumnMakesThePreviousOneTheTableNumbers)
{
    Sheet sheet = numbered(1, 2);
    sheet.deleteColumn(3);
    EXPECT_EQ(sheet.columnCount(), 2);
    EXPECT_EQ(sheet.cell(2, 1), "2,1");
}

TEST(Sheet, DeletingTheOnlyObjectOrColumnGivesTheDefaultSheet)
{
    Sheet objects = numbered(1, 4);
    objects.deleteObject(1);
    expectDefaultSheet(objects);
    EXPECT_TRUE(objects.isModified());

    Sheet columns(7, 1);
    columns.setCell(1, 3, "x");
    columns.deleteColumn(1);
    expectDefaultSheet(columns);
    EXPECT_TRUE(columns.isModified());
}

TEST(Sheet, AppendNamesTheNewRowOrColumnByItsNumber)
{
    Sheet sheet;
    ASSERT_TRUE(sheet.appendColumn());
    EXPECT_EQ(headerRow(sheet), QStringList({"Γ / Σ", "1", "C", "3"}));
    ASSERT_TRUE(sheet.appendObject());
    EXPECT_EQ(nameColumn(sheet), QStringList({"Γ / Σ", "1", "2"}));
    EXPECT_TRUE(sheet.isModified());
}

TEST(Sheet, RefusesToGrowPastTheMaximum)
{
    Sheet sheet(Sheet::MaxObjects, Sheet::MaxColumns);
    sheet.setCell(1, 1, "kept");
    EXPECT_FALSE(sheet.insertObject(1));
    EXPECT_FALSE(sheet.appendObject());
    EXPECT_FALSE(sheet.insertColumn(1));
    EXPECT_FALSE(sheet.appendColumn());
    EXPECT_EQ(sheet.objectCount(), Sheet::MaxObjects);
    EXPECT_EQ(sheet.columnCount(), Sheet::MaxColumns);
    EXPECT_EQ(sheet.cell(1, 1), "kept");
    EXPECT_FALSE(sheet.isModified());
}

TEST(Sheet, RenameUsesTheNumberForABlankAnswer)
{
    Sheet sheet = numbered(3, 3);
    sheet.renameColumn(2, "  ");
    sheet.renameObject(3, "");
    sheet.renameObject(1, " a ");
    EXPECT_EQ(sheet.columnName(2), "2");
    EXPECT_EQ(sheet.objectName(3), "3");
    EXPECT_EQ(sheet.objectName(1), " a ");
}

TEST(Sheet, EditingACellSetsTheFlagOnlyWhenTheTextChanges)
{
    Sheet sheet = numbered(1, 1);
    sheet.editCell(1, 1, "1,1");
    EXPECT_FALSE(sheet.isModified());
    sheet.editCell(1, 1, "new");
    EXPECT_TRUE(sheet.isModified());
    EXPECT_EQ(sheet.cell(1, 1), "new");
}

TEST(Sheet, ClearEmptiesTheRangeAndSetsTheFlagWhenSomethingChanged)
{
    Sheet sheet = numbered(3, 3);
    EXPECT_TRUE(sheet.clear({2, 2, 3, 3}));
    EXPECT_TRUE(sheet.isModified());
    EXPECT_EQ(sheet.cell(1, 2), "1,2");
    EXPECT_EQ(sheet.cell(2, 2), "");
    EXPECT_EQ(sheet.cell(3, 3), "");
    EXPECT_EQ(sheet.cell(4, 3), "4,3");
    EXPECT_EQ(sheet.objectName(2), "2");

    sheet.setModified(false);
    EXPECT_FALSE(sheet.clear({2, 2, 3, 3}));
    EXPECT_FALSE(sheet.isModified());
}

TEST(Sheet, DataRangeCoversEveryDataCell)
{
    EXPECT_EQ(numbered(4, 2).dataRange(), (CellRange{1, 1, 3, 4}));
}

TEST(Sheet, VisitsEveryNonEmptyCell)
{
    Sheet sheet(2, 2);
    sheet.setCell(0, 0, "corner");
    sheet.setCell(2, 2, "x");
    QStringList seen;
    sheet.visitCells([&](int c, int r, std::string_view text) {
        seen << QStringLiteral("%1 %2 %3")
                    .arg(c)
                    .arg(r)
                    .arg(QString::fromUtf8(text.data(), text.size()));
    });
    EXPECT_EQ(seen, QStringList({"0 0 corner", "2 2 x"}));
}

} // namespace
