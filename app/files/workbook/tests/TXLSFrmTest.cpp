// The worksheet chooser, driven through its real modal loop.
#include "shells/TXLSFrm.h"
#include "ScriptedPrompter.h"
#include "WorkbookCommands.h"

#include <QComboBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>

namespace
{

const QStringList Names{"Πρώτο", "Second", "Τρίτο"};

// Runs the steps once the dialog's modal loop is running.
void whileShown(const std::function<void()> &steps)
{
    QTimer::singleShot(0, steps);
}

TEST(TXLSFrm, ListsTheNamesFirstSelectedAndReturnsTheOneChosen)
{
    TXLSFrm dialog;
    QStringList listed;
    int selected = -1;
    bool typedKeyIgnored = false;
    whileShown([&] {
        QComboBox *list = dialog.sheetList();
        for (int i = 0; i < list->count(); ++i)
            listed << list->itemText(i);
        selected = list->currentIndex();
        QTest::keyClick(list, Qt::Key_S); // would jump to "Second" if typing selected
        typedKeyIgnored = list->currentIndex() == 0;
        QTest::keyClick(list, Qt::Key_Down);
        dialog.okButton()->click();
    });
    EXPECT_EQ(dialog.choose(Names), 1);
    EXPECT_EQ(listed, Names);
    EXPECT_EQ(selected, 0);
    EXPECT_TRUE(typedKeyIgnored);
    EXPECT_EQ(dialog.sheetList()->count(), 0);
    EXPECT_EQ(dialog.windowTitle(), "Εισαγωγή από Αρχείο Excel");
    EXPECT_EQ(dialog.size(), QSize(313, 66));
    EXPECT_EQ(dialog.okButton()->text(), "ΟΚ");
}

TEST(TXLSFrm, ClosingAnyOtherWayCancels)
{
    TXLSFrm dialog;
    whileShown([&] { QTest::keyClick(&dialog, Qt::Key_Escape); });
    EXPECT_FALSE(dialog.choose(Names));
    whileShown([&] { dialog.reject(); });
    EXPECT_FALSE(dialog.choose(Names));
    EXPECT_EQ(dialog.sheetList()->count(), 0);
}

TEST(TXLSFrm, HelpAnswersThroughThePrompterAndTheImportUsesTheDialog)
{
    QWidget window;
    ScriptedPrompter prompter;
    TXLSFrm dialog;
    const WorkbookInterchange hook = workbookcommands::interchange(window, prompter, dialog);
    whileShown([&] {
        dialog.helpButton()->click();
        dialog.reject();
    });
    EXPECT_FALSE(hook.importWorkbook(QStringLiteral(WORKBOOK_FIXTURES "/three-sheets.xls")));
    EXPECT_EQ(prompter.texts(ScriptedPrompter::Kind::Information),
              QStringList{workbookcommands::ChooserHelp});

    whileShown([&] { dialog.okButton()->click(); });
    const std::optional<Sheet> sheet =
        hook.importWorkbook(QStringLiteral(WORKBOOK_FIXTURES "/three-sheets.xls"));
    ASSERT_TRUE(sheet);
    EXPECT_EQ(sheet->columnName(1), "Ύψος");
}

} // namespace
