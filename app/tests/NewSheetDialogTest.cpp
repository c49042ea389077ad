// The new-sheet dialog: checking what is typed, and the sheet its OK makes.
#include "ShellFixture.h"
#include "StatusLine.h"
#include "TpreMainFrm.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>

namespace
{

class NewSheetDialog : public ShellTest
{
  protected:
    TpreMainFrm &dialog() { return forms.preMainFrm(); }

    // Runs the modal dialog as the main window shows it, filling the boxes and pressing OK.
    void makeSheet(const QString &rows, const QString &columns)
    {
        QTimer::singleShot(0, &dialog(), [&] {
            dialog().rowBox()->setText(rows);
            dialog().columnBox()->setText(columns);
            QTest::mouseClick(dialog().okButton(), Qt::LeftButton);
        });
        main().showNewSheetDialog();
    }
};

TEST_F(NewSheetDialog, HasItsCaptionAndStartsAtOneByOne)
{
    EXPECT_EQ(dialog().windowTitle(), "Δεδομένα Εισόδου");
    dialog().rowBox()->setText("7");
    dialog().resetBoxes();
    EXPECT_EQ(dialog().rowBox()->text(), "1");
    EXPECT_EQ(dialog().columnBox()->text(), "1");
    EXPECT_TRUE(dialog().okButton()->isEnabled());
}

TEST_F(NewSheetDialog, OutOfRangeNumbersAreRefusedAndReplacedByOne)
{
    const struct {
        QLineEdit *box;
        QString typed;
        QString message;
    } cases[] = {
        {dialog().rowBox(), "0", TpreMainFrm::ObjectsOutOfRange},
        {dialog().rowBox(), "500001", TpreMainFrm::ObjectsOutOfRange},
        {dialog().columnBox(), "0", TpreMainFrm::VariablesOutOfRange},
        {dialog().columnBox(), "2001", TpreMainFrm::VariablesOutOfRange},
    };
    for (const auto &c : cases) {
        prompter.forget();
        c.box->setText(c.typed);
        EXPECT_EQ(prompter.texts(ScriptedPrompter::Kind::Error), QStringList({c.message}))
            << c.typed.toStdString();
        EXPECT_EQ(c.box->text(), "1");
        EXPECT_EQ(c.box->selectedText(), "1");
        EXPECT_TRUE(dialog().okButton()->isEnabled());
    }
    EXPECT_EQ(TpreMainFrm::ObjectsOutOfRange,
              "Το πλήθος των αντικειμένων / γραμμών λαμβάνει ακέραιες τιμές μεταξύ 1 και 500000.");
    EXPECT_EQ(TpreMainFrm::VariablesOutOfRange,
              "Το πλήθος των μεταβλητών / στηλών λαμβάνει ακέραιες τιμές μεταξύ 1 και 2000.");
}

TEST_F(NewSheetDialog, TextThatIsNoNumberEmptiesTheBoxAndDisablesOk)
{
    dialog().rowBox()->setText("x");
    EXPECT_EQ(dialog().rowBox()->text(), "");
    EXPECT_FALSE(dialog().okButton()->isEnabled());
    dialog().columnBox()->setText("4");
    EXPECT_FALSE(dialog().okButton()->isEnabled()) << "the rows box is still empty";
    dialog().rowBox()->setText("500000");
    EXPECT_TRUE(dialog().okButton()->isEnabled());
    EXPECT_TRUE(prompter.shown().isEmpty());
}

TEST_F(NewSheetDialog, EnterInTheColumnsBoxConfirmsAndEscapeDoesNot)
{
    dialog().show();
    QTest::keyClick(dialog().columnBox(), Qt::Key_Escape);
    EXPECT_TRUE(dialog().isVisible());
    QTest::keyClick(dialog().rowBox(), Qt::Key_Return);
    EXPECT_TRUE(dialog().isVisible());
    QTest::keyClick(dialog().columnBox(), Qt::Key_Return);
    EXPECT_FALSE(dialog().isVisible());
    EXPECT_EQ(dialog().result(), QDialog::Accepted);
}

TEST_F(NewSheetDialog, OkMakesANumberedSheetWithTheCursorOnTheTableNumbers)
{
    QSignalSpy made(&main(), &TMainForm::newSheetMade);
    EXPECT_FALSE(actions().AFC->isEnabled());
    makeSheet("5", "3");
    EXPECT_EQ(columnNames(), QStringList({"1", "2", "3", "C"}));
    EXPECT_EQ(sheet().objectCount(), 5);
    EXPECT_EQ(sheet().objectName(5), "5");
    EXPECT_EQ(grid().cursorColumn(), 4);
    EXPECT_TRUE(sheet().isModified());
    EXPECT_TRUE(actions().AFC->isEnabled());
    EXPECT_EQ(made.count(), 1);
    EXPECT_EQ(main().statusText(), statusLine(1, 4, 5, 4));
}

TEST_F(NewSheetDialog, OneByOneGivesTheDefaultSheetAndKeepsTheFlag)
{
    newSheet(3, 3);
    model().setModified(true);
    makeSheet("1", "1");
    EXPECT_EQ(columnNames(), QStringList({"1", "C"}));
    EXPECT_EQ(sheet().objectCount(), 1);
    EXPECT_TRUE(sheet().isModified());

    model().setModified(false);
    makeSheet("1", "1");
    EXPECT_FALSE(sheet().isModified());
}

} // namespace
