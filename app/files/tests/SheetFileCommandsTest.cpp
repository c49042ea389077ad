#include "CommandWindow.h"

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QTimer>

namespace
{

using Kind = ScriptedPrompter::Kind;
using Answer = Prompter::Answer;

const QByteArray TwoObjects = "2\r\n2\r\nx\r\nC\r\na\r\nb\r\n1,5\r\n1\r\n2,5\r\n1\r\n";
const QString Question = QStringLiteral("Το αρχείο %1 έχει τροποποιηθεί.\n\rΑποθήκευση αλλαγών;");

using SheetFileCommandsTest = CommandWindow;

TEST_F(SheetFileCommandsTest, OpensThroughTheDialogAndSavesBackWithoutOne)
{
    writeFile("a.vtl", TwoObjects);
    chooser.answer({chosen(path("a.vtl"))});
    window.actions().FileOpen->trigger();
    EXPECT_EQ(grid(), Grid({{"Γ / Σ", "x", "C"}, {"a", "1,5", "1"}, {"b", "2,5", "1"}}));
    EXPECT_EQ(window.currentFileName(), path("a.vtl"));
    EXPECT_EQ(window.windowTitle(), path("a.vtl") + " - Vistrel v1.0");
    EXPECT_FALSE(sheet().isModified());
    ASSERT_EQ(chooser.requests().size(), 1);
    EXPECT_EQ(chooser.requests()[0].filter.text(), "Aρχείο Vistrel (*.vtl)|*.vtl");
    EXPECT_EQ(chooser.requests()[0].filter.entries()[0].suffix, "vtl");

    window.sheetModel().paste(1, 1, "7");
    window.actions().FileSave1->trigger();
    EXPECT_EQ(chooser.requests().size(), 1);
    EXPECT_EQ(readFile("a.vtl"), "2\r\n2\r\nx\r\nC\r\na\r\nb\r\n7\r\n1\r\n2,5\r\n1\r\n");
    EXPECT_FALSE(sheet().isModified());
    EXPECT_EQ(prompter.texts(Kind::Information),
              QStringList({"Το αρχείο " + path("a.vtl") + " αποθηκεύτηκε με επιτυχία."}));
}

TEST_F(SheetFileCommandsTest, SaveDoesNothingForAnUnmodifiedSheet)
{
    window.actions().FileSave1->trigger();
    EXPECT_TRUE(chooser.requests().isEmpty());
    EXPECT_TRUE(prompter.shown().isEmpty());
    EXPECT_EQ(window.actions().FileSave1->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
}

TEST_F(SheetFileCommandsTest, SaveAsNamesTheSheetOnlyWhenTheFileWasWritten)
{
    openModifiedSheet();
    const State before = state();
    chooser.answer({chosen(path("missing/b.vtl"))});
    EXPECT_FALSE(files.FileSaveAsExecute());
    EXPECT_EQ(state(), before);
    EXPECT_EQ(prompter.texts(Kind::Error),
              QStringList({"Σφάλμα κατά την αποθήκευση του αρχείου."}));

    chooser.answer({chosen(path("b.vtl"))});
    EXPECT_TRUE(files.FileSaveAsExecute());
    EXPECT_EQ(window.currentFileName(), path("b.vtl"));
    EXPECT_EQ(window.windowTitle(), path("b.vtl") + " - Vistrel v1.0");
    EXPECT_FALSE(sheet().isModified());
    EXPECT_EQ(readFile("b.vtl"), TwoObjects);
    // The dialog opens where it last saved.
    EXPECT_EQ(chooser.requests().back().folder, folder.path() + "/missing");
}

TEST_F(SheetFileCommandsTest, AFailedOpenLeavesEverythingAsItWas)
{
    openModifiedSheet();
    const State before = state();
    writeFile("bad.vtl", "x\r\n2\r\n");
    writeFile("huge.vtl", "500001\r\n1\r\n");
    for (const char *name : {"bad.vtl", "huge.vtl", "none.vtl"}) {
        prompter.answerQuestions({Answer::No});
        chooser.answer({chosen(path(name))});
        window.actions().FileOpen->trigger();
        EXPECT_EQ(state(), before) << name;
    }
    EXPECT_EQ(prompter.texts(Kind::Error), QStringList(3, "Σφάλμα κατά το άνοιγμα του αρχείου."));
}

TEST_F(SheetFileCommandsTest, CancelInTheQuestionLeavesEverythingAsItWas)
{
    openModifiedSheet();
    const State before = state();
    for (QAction *action :
         {window.actions().FileOpen, window.actions().FileNew, window.actions().ImportXLSData}) {
        prompter.answerQuestions({Answer::Cancel});
        action->trigger();
        EXPECT_EQ(state(), before);
    }
    EXPECT_TRUE(chooser.requests().isEmpty());
    EXPECT_EQ(prompter.texts(Kind::Question), QStringList(3, Question.arg(path("a.vtl"))));
}

TEST_F(SheetFileCommandsTest, YesSavesBeforeGoingOnAndAFailedSaveStops)
{
    openModifiedSheet();
    window.sheetModel().paste(1, 1, "9");
    writeFile("c.vtl", "1\r\n1\r\nv\r\no\r\n3\r\n");
    prompter.answerQuestions({Answer::Yes});
    chooser.answer({chosen(path("c.vtl"))});
    window.actions().FileOpen->trigger();
    EXPECT_TRUE(readFile("a.vtl").contains("\r\n9\r\n"));
    EXPECT_EQ(window.currentFileName(), path("c.vtl"));

    // An untitled sheet asks for a name; cancelling that stops the open.
    window.setCurrentFileName(QString());
    window.sheetModel().setModified(true);
    const State before = state();
    prompter.answerQuestions({Answer::Yes});
    chooser.answer({std::nullopt});
    window.actions().FileOpen->trigger();
    EXPECT_EQ(state(), before);
    EXPECT_EQ(chooser.requests().size(), 2);
}

TEST_F(SheetFileCommandsTest, NewMakesAnUntitledSheetAndKeepsAnUnansweredChange)
{
    openModifiedSheet();
    prompter.answerQuestions({Answer::No});
    QTimer::singleShot(0, &newSheetDialog, [this] { newSheetDialog.okButton()->click(); });
    window.actions().FileNew->trigger();
    EXPECT_EQ(grid(), gridOf(Sheet()));
    EXPECT_EQ(window.currentFileName(), QString());
    EXPECT_EQ(window.windowTitle(), "Δίχως Όνομα - Vistrel v1.0");
    // A 1 x 1 sheet does not clear the flag: the next exit still asks.
    EXPECT_TRUE(sheet().isModified());
}

} // namespace
