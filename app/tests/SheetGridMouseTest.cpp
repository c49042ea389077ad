// The grid's mouse rules: selection, the context menu, double-clicks and renaming.
#include "ShellFixture.h"

#include <QHeaderView>
#include <QMenu>

namespace
{

class SheetGridMouse : public ShellTest
{
  protected:
    void rightClick(int column, int row)
    {
        QTest::mousePress(grid().viewport(), Qt::RightButton, {}, cellCentre(column, row));
    }
    void doubleClickColumnName(int column)
    {
        QHeaderView *header = grid().horizontalHeader();
        const QPoint at(header->sectionViewportPosition(column - 1) + 10, 10);
        QTest::mouseDClick(header->viewport(), Qt::LeftButton, {}, at);
    }
    void doubleClickObjectName(int row)
    {
        QHeaderView *header = grid().verticalHeader();
        const QPoint at(10, header->sectionViewportPosition(row - 1) + 10);
        QTest::mouseDClick(header->viewport(), Qt::LeftButton, {}, at);
    }
};

TEST_F(SheetGridMouse, ClickSelectsAndDragSelectsARange)
{
    newSheet(4, 3);
    QTest::mouseClick(grid().viewport(), Qt::LeftButton, {}, cellCentre(2, 2));
    EXPECT_EQ(grid().cursorColumn(), 2);
    EXPECT_EQ(grid().cursorRow(), 2);
    EXPECT_TRUE(grid().isSelectionMode());
    QTest::mouseClick(grid().viewport(), Qt::LeftButton, Qt::ShiftModifier, cellCentre(3, 4));
    EXPECT_EQ(grid().selectionRange(), (CellRange{2, 2, 3, 4}));
}

TEST_F(SheetGridMouse, RightButtonMovesASingleCellCursorAndOpensTheMenu)
{
    newSheet(4, 3);
    rightClick(3, 2);
    EXPECT_EQ(grid().cursorColumn(), 3);
    EXPECT_EQ(grid().cursorRow(), 2);
    EXPECT_TRUE(main().popupMenu()->isVisible());
    main().popupMenu()->close();
}

TEST_F(SheetGridMouse, RightButtonKeepsASelectedRange)
{
    newSheet(4, 3);
    grid().selectRange({1, 1, 2, 2});
    rightClick(4, 4);
    EXPECT_EQ(grid().selectionRange(), (CellRange{1, 1, 2, 2}));
    EXPECT_TRUE(main().popupMenu()->isVisible());
    main().popupMenu()->close();
}

TEST_F(SheetGridMouse, RightButtonOnTheHeadersDoesNothing)
{
    newSheet(4, 3);
    QTest::mousePress(grid().horizontalHeader()->viewport(), Qt::RightButton, {}, QPoint(10, 10));
    QTest::mousePress(grid().verticalHeader()->viewport(), Qt::RightButton, {}, QPoint(10, 30));
    EXPECT_FALSE(main().popupMenu()->isVisible());
    EXPECT_EQ(grid().cursorRow(), 1);
}

TEST_F(SheetGridMouse, DoubleClickOnACellEditsItAndCountsAsAChange)
{
    newSheet(2, 2);
    QTest::mouseDClick(grid().viewport(), Qt::LeftButton, {}, cellCentre(2, 2));
    EXPECT_TRUE(sheet().isModified());
    EXPECT_NE(editor(), nullptr);
    EXPECT_FALSE(grid().isSelectionMode());
}

TEST_F(SheetGridMouse, DoubleClickOnAColumnNameRenamesIt)
{
    newSheet(2, 2);
    prompter.answerInputs({QStringLiteral("ύψος"), QStringLiteral("   "), std::nullopt});
    doubleClickColumnName(2);
    EXPECT_EQ(sheet().columnName(2), "ύψος");
    EXPECT_TRUE(sheet().isModified());
    EXPECT_EQ(grid().cursorColumn(), 2);
    EXPECT_EQ(grid().cursorRow(), 1);
    ASSERT_EQ(prompter.shown().size(), 1);
    EXPECT_EQ(prompter.shown()[0].caption, "Ονομασία Στήλης");
    EXPECT_EQ(prompter.shown()[0].text, "Δώστε όνομα:");

    doubleClickColumnName(2);
    EXPECT_EQ(sheet().columnName(2), "2") << "a blank answer names the column by its number";
    doubleClickColumnName(3);
    EXPECT_EQ(sheet().columnName(3), "C") << "cancel keeps the name";
}

TEST_F(SheetGridMouse, DoubleClickOnAnObjectNameRenamesIt)
{
    newSheet(3, 1);
    prompter.answerInputs({QStringLiteral("Αθήνα")});
    doubleClickObjectName(3);
    EXPECT_EQ(sheet().objectName(3), "Αθήνα");
    EXPECT_EQ(prompter.shown()[0].caption, "Ονομασία Γραμμής");
    EXPECT_EQ(grid().cursorRow(), 3);
    EXPECT_EQ(grid().cursorColumn(), 1);
}

TEST_F(SheetGridMouse, ALongNameWidensItsColumn)
{
    newSheet(2, 2);
    const int before = grid().horizontalHeader()->sectionSize(1);
    prompter.answerInputs({QStringLiteral("μια πολύ μεγάλη ονομασία μεταβλητής")});
    doubleClickColumnName(2);
    EXPECT_GT(grid().horizontalHeader()->sectionSize(1), before);
}

} // namespace
