// The program started with a sheet file: the real windows and file commands, keys and all.
#include "Forms.h"
#include "ScriptedPrompter.h"
#include "SheetGrid.h"
#include "SheetModel.h"
#include "TAboutBox.h"
#include "TMainForm.h"
#include "TpreMainFrm.h"
#include "files/FileCommands.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace
{

using Kind = ScriptedPrompter::Kind;

TEST(StartWithFile, OpensTheFileAndCtrlSSavesOnlyAChangedSheetBackToIt)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("start.vtl"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("1\r\n2\r\nx\r\nC\r\na\r\n1,5\r\n1\r\n");
    file.close();

    ScriptedPrompter prompter;
    Forms forms(prompter, {QStringLiteral("vistrel"), path});
    FileCommands commands(forms);
    TMainForm &window = forms.MainForm();
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.currentFileName() == path; }));
    EXPECT_FALSE(forms.preMainFrm().isVisible());
    EXPECT_EQ(window.windowTitle(), path + " - Vistrel v1.0");
    EXPECT_EQ(gridOf(window.sheetModel().sheet()), Grid({{"Γ / Σ", "x", "C"}, {"a", "1,5", "1"}}));

    // Unmodified: no dialog, no message, no write.
    QTest::keyClick(&window, Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(prompter.shown().isEmpty());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

    window.sheetModel().paste(1, 1, QStringLiteral("2,5"));
    QTest::keyClick(&window, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(prompter.texts(Kind::Information),
              QStringList({"Το αρχείο " + path + " αποθηκεύτηκε με επιτυχία."}));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "1\r\n2\r\nx\r\nC\r\na\r\n2,5\r\n1\r\n");
}

} // namespace
