// The editing commands through the main window's actions: insert, delete, clipboard, clear,
// select all, auto-format, and the status line that follows them.
#include "ColumnFitter.h"
#include "ShellFixture.h"
#include "StatusLine.h"

#include <QAction>
#include <QClipboard>
#include <QHeaderView>

namespace
{

using SheetCommandsTest = ShellTest;

QString status(int row, int column, int rows, int columns)
{
    return statusLine(row, column, rows, columns);
}

TEST(StatusLine, NamesCursorAndCountsWithTenSpacesBetween)
{
    const QString gap(10, u' ');
    EXPECT_EQ(statusLine(3, 2, 5, 4),
              "Γραμμή: 3" + gap + "Στήλη: 2" + gap + "Γραμμές: 5" + gap + "Στήλες: 4" + gap);
}

TEST_F(SheetCommandsTest, InsertColumnAtTheFirstColumnOfTheDefaultSheet)
{
    grid().moveCursorTo(1, 1);
    actions().InsertVariable->trigger();
    EXPECT_EQ(columnNames(), QStringList({"ΝέαΣ", "1", "C"}));
    EXPECT_EQ(grid().cursorColumn(), 1);
    EXPECT_TRUE(sheet().isModified());
    EXPECT_EQ(main().statusText(), status(1, 1, 1, 3));
}

TEST_F(SheetCommandsTest, InsertObjectKeepsTheCursorOnTheNewRow)
{
    newSheet(3, 2);
    fill(1, 2, "x");
    grid().moveCursorTo(2, 2);
    actions().InsertCase->trigger();
    EXPECT_EQ(sheet().objectName(2), "ΝέαΓ");
    EXPECT_EQ(sheet().cell(1, 3), "x");
    EXPECT_EQ(grid().cursorRow(), 2);
    EXPECT_EQ(main().statusText(), status(2, 2, 4, 3));
}

TEST_F(SheetCommandsTest, DeleteObjectAndColumnAtTheCursor)
{
    newSheet(3, 2);
    grid().moveCursorTo(3, 3);
    actions().DeleteCase->trigger();
    EXPECT_EQ(sheet().objectCount(), 2);
    EXPECT_EQ(grid().cursorRow(), 2);
    actions().DeleteVariable->trigger();
    EXPECT_EQ(columnNames(), QStringList({"1", "2"}));
    EXPECT_EQ(grid().cursorColumn(), 2);
    EXPECT_EQ(main().statusText(), status(2, 2, 2, 2));
    EXPECT_TRUE(sheet().isModified());
}

TEST_F(SheetCommandsTest, DeletingTheOnlyObjectResetsButKeepsColumnWidths)
{
    newSheet(1, 3);
    grid().horizontalHeader()->resizeSection(0, 150);
    grid().horizontalHeader()->resizeSection(1, 90);
    actions().DeleteCase->trigger();
    EXPECT_EQ(columnNames(), QStringList({"1", "C"}));
    EXPECT_EQ(sheet().objectCount(), 1);
    EXPECT_EQ(grid().horizontalHeader()->sectionSize(0), 150);
    EXPECT_EQ(grid().horizontalHeader()->sectionSize(1), 90);
    EXPECT_EQ(main().statusText(), status(1, 1, 1, 2));
}

TEST_F(SheetCommandsTest, InsertPastTheMaximumIsRefusedWithAMessage)
{
    main().commands().replaceSheet(Sheet(2, Sheet::MaxColumns));
    actions().InsertVariable->trigger();
    EXPECT_EQ(sheet().columnCount(), Sheet::MaxColumns);
    EXPECT_EQ(prompter.texts(ScriptedPrompter::Kind::Error),
              QStringList({"Το φύλλο δεδομένων δεν μπορεί να έχει περισσότερες από 500000 "
                           "στήλες."}));
}

TEST_F(SheetCommandsTest, SelectAllSelectsTheDataCellsOnly)
{
    newSheet(4, 2);
    actions().SelectAll->trigger();
    EXPECT_EQ(grid().selectionRange(), (CellRange{1, 1, 3, 4}));
}

TEST_F(SheetCommandsTest, CopyAndPasteRoundTripThroughTheClipboard)
{
    newSheet(4, 3);
    fill(2, 2, "a");
    fill(3, 2, "b");
    fill(2, 3, "c");
    fill(3, 3, "d");
    grid().selectRange({2, 2, 3, 3});
    actions().Copy->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "a\tb\r\nc\td\r\n");

    model().setModified(false);
    grid().moveCursorTo(1, 3);
    actions().Paste->trigger();
    EXPECT_EQ(sheet().copyText({1, 3, 2, 4}), "a\tb\r\nc\td\r\n");
    EXPECT_TRUE(sheet().isModified());

    grid().moveCursorTo(4, 1);
    actions().Paste->trigger();
    EXPECT_EQ(sheet().copyText({4, 1, 4, 2}), "a\r\nc\r\n") << "the last column takes one field";
    EXPECT_EQ(sheet().columnCount(), 4);
}

TEST_F(SheetCommandsTest, PasteTakesTextFromOtherProgramsWithoutAFinalLineEnd)
{
    newSheet(2, 2);
    QGuiApplication::clipboard()->setText("5\t6\n7");
    grid().moveCursorTo(1, 1);
    actions().Paste->trigger();
    EXPECT_EQ(sheet().copyText({1, 1, 2, 2}), "5\t6\r\n7\t\r\n");
}

TEST_F(SheetCommandsTest, CutAndClearEmptyTheSelectionAndSetTheFlag)
{
    newSheet(2, 2);
    fill(1, 1, "x");
    fill(2, 1, "y");
    model().setModified(false);
    grid().selectRange({1, 1, 2, 1});
    actions().Cut2->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "x\ty\r\n");
    EXPECT_EQ(sheet().cell(1, 1), "");
    EXPECT_TRUE(sheet().isModified());

    fill(2, 2, "z");
    model().setModified(false);
    grid().moveCursorTo(2, 2);
    actions().Del->trigger();
    EXPECT_EQ(sheet().cell(2, 2), "");
    EXPECT_TRUE(sheet().isModified());
}

TEST_F(SheetCommandsTest, AutoFormatFitsEveryColumnAndLeavesTheFlag)
{
    newSheet(2, 2);
    const QString longName = QStringLiteral("Μέση θερμοκρασία Ιουλίου");
    fill(0, 2, longName);
    fill(2, 1, "123456789012345678901234");
    model().setModified(false);
    grid().horizontalHeader()->resizeSection(0, 20);
    actions().AutoFormat->trigger();

    const ColumnFitter fitter(grid().font());
    const std::vector<int> widths = grid().columnWidths();
    EXPECT_EQ(widths[0], fitter.textWidth(longName) + 6);
    EXPECT_EQ(widths[1], 69);
    EXPECT_EQ(widths[2], fitter.textWidth("123456789012345678901234") + 6);
    EXPECT_EQ(widths[3], 69);
    EXPECT_FALSE(sheet().isModified());
}

// The window's shortcuts reach the commands while the grid has the keyboard, and the in-place
// editor keeps them for its own text.
TEST_F(SheetCommandsTest, ShortcutsReachTheCommandsFromTheGrid)
{
    newSheet(3, 2);
    fill(1, 1, "a");
    fill(2, 1, "b");
    grid().selectRange({1, 1, 2, 1});
    QTest::keyClick(&grid(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "a\tb\r\n");

    QTest::keyClick(&grid(), Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(grid().selectionRange(), (CellRange{1, 1, 3, 3}));
    QTest::keyClick(&grid(), Qt::Key_Delete);
    EXPECT_EQ(sheet().cell(1, 1), "");
    EXPECT_TRUE(sheet().isModified());

    grid().moveCursorTo(1, 1);
    type("xy");
    QTest::keyClick(editor(), Qt::Key_A, Qt::ControlModifier);
    EXPECT_TRUE(grid().selectionRange().isSingleCell()) << "Ctrl+A selected the editor's text";
    key(Qt::Key_Return);
    EXPECT_EQ(sheet().cell(1, 1), "xy");
    EXPECT_EQ(sheet().columnCount(), 3);
}

TEST_F(SheetCommandsTest, StatusLineFollowsTheCursor)
{
    newSheet(5, 3);
    grid().moveCursorTo(2, 4);
    EXPECT_EQ(main().statusText(), status(4, 2, 5, 4));
    key(Qt::Key_Up);
    EXPECT_EQ(main().statusText(), status(3, 2, 5, 4));
}

} // namespace
