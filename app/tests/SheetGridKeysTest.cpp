// The grid's keyboard rules, driven through the real widgets.
#include "ShellFixture.h"

namespace
{

using SheetGridKeys = ShellTest;

TEST_F(SheetGridKeys, EnterOnTheLastColumnAppendsANumberedColumnAndEditsIt)
{
    grid().moveCursorTo(2, 1);
    key(Qt::Key_Return);
    EXPECT_EQ(columnNames(), QStringList({"1", "C", "3"}));
    EXPECT_EQ(grid().cursorColumn(), 3);
    ASSERT_NE(editor(), nullptr);
    EXPECT_TRUE(sheet().isModified());

    type("7");
    key(Qt::Key_Return);
    EXPECT_EQ(editor(), nullptr);
    EXPECT_EQ(sheet().cell(3, 1), "7");
    EXPECT_EQ(sheet().columnCount(), 3);
}

TEST_F(SheetGridKeys, EnterElsewhereOpensAndClosesTheEditor)
{
    newSheet(2, 2);
    grid().moveCursorTo(1, 1);
    key(Qt::Key_Enter);
    ASSERT_NE(editor(), nullptr);
    EXPECT_EQ(sheet().columnCount(), 3);
    type("4,5");
    key(Qt::Key_Enter);
    EXPECT_EQ(editor(), nullptr);
    EXPECT_EQ(sheet().cell(1, 1), "4,5");
    EXPECT_TRUE(sheet().isModified());
}

TEST_F(SheetGridKeys, DownOnTheLastRowAppendsANumberedRowAndMovesIntoIt)
{
    newSheet(2, 1);
    grid().moveCursorTo(2, 1);
    key(Qt::Key_Down);
    EXPECT_EQ(sheet().objectCount(), 2);
    EXPECT_FALSE(sheet().isModified());

    key(Qt::Key_Down);
    EXPECT_EQ(sheet().objectCount(), 3);
    EXPECT_EQ(sheet().objectName(3), "3");
    EXPECT_EQ(grid().cursorRow(), 3);
    EXPECT_EQ(grid().cursorColumn(), 2);
    EXPECT_TRUE(sheet().isModified());
}

TEST_F(SheetGridKeys, DownWhileEditingTheLastRowKeepsTheTextAndAppends)
{
    grid().moveCursorTo(1, 1);
    type("12");
    ASSERT_NE(editor(), nullptr);
    key(Qt::Key_Down);
    EXPECT_EQ(sheet().cell(1, 1), "12");
    EXPECT_EQ(sheet().objectCount(), 2);
    EXPECT_EQ(grid().cursorRow(), 2);
    EXPECT_EQ(editor(), nullptr);
}

TEST_F(SheetGridKeys, ArrowsLeaveTheEditorSidewaysWithinTheSheet)
{
    newSheet(1, 2);
    grid().moveCursorTo(2, 1);
    type("b");
    key(Qt::Key_Left);
    EXPECT_EQ(grid().cursorColumn(), 1);
    EXPECT_EQ(sheet().cell(2, 1), "b");

    type("a");
    key(Qt::Key_Left);
    EXPECT_EQ(grid().cursorColumn(), 1) << "column 1 keeps the caret in the editor";
    ASSERT_NE(editor(), nullptr);
    key(Qt::Key_Right);
    EXPECT_EQ(grid().cursorColumn(), 2);
    EXPECT_EQ(sheet().cell(1, 1), "a");

    grid().moveCursorTo(3, 1);
    type("c");
    key(Qt::Key_Right);
    EXPECT_EQ(grid().cursorColumn(), 3) << "the last column keeps the caret in the editor";
    EXPECT_NE(editor(), nullptr);
}

TEST_F(SheetGridKeys, ArrowsSelectAndTypingEdits)
{
    newSheet(3, 2);
    grid().moveCursorTo(1, 1);
    key(Qt::Key_Right);
    EXPECT_TRUE(grid().isSelectionMode());
    EXPECT_EQ(editor(), nullptr);

    type("9");
    EXPECT_FALSE(grid().isSelectionMode());
    ASSERT_NE(editor(), nullptr);
    key(Qt::Key_Escape);
    EXPECT_EQ(sheet().cell(2, 1), "");
}

TEST_F(SheetGridKeys, ShiftArrowMovesWithoutExtendingARange)
{
    newSheet(3, 3);
    grid().moveCursorTo(1, 1);
    grid().selectRange({1, 1, 3, 3});
    key(Qt::Key_Right, Qt::ShiftModifier);
    key(Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(grid().selectionRange(), (CellRange{2, 2, 2, 2}));
}

TEST_F(SheetGridKeys, AppendPastTheMaximumIsRefused)
{
    main().commands().replaceSheet(Sheet(Sheet::MaxObjects, 1));
    grid().moveCursorTo(1, Sheet::MaxObjects);
    key(Qt::Key_Down);
    EXPECT_EQ(sheet().objectCount(), Sheet::MaxObjects);
    EXPECT_EQ(prompter.texts(ScriptedPrompter::Kind::Error),
              QStringList({SheetCommands::TooManyObjects}));
}

} // namespace
