#include "CommandWindow.h"
#include "files/NumberText.h"

#include <QAbstractButton>
#include <QAction>
#include <QButtonGroup>
#include <QClipboard>
#include <QGuiApplication>
#include <QPushButton>
#include <QTimer>

namespace
{

using Kind = ScriptedPrompter::Kind;
using Answer = Prompter::Answer;

using InterchangeCommandsTest = CommandWindow;

TEST_F(InterchangeCommandsTest, ExportsTheGridAndLeavesItOnTheClipboard)
{
    openModifiedSheet();
    const State before = state();
    options.delimiterGroup()->button(1)->click();
    chooser.answer({chosen(path("out.txt"), 2)});
    window.actions().ExportXLSData->trigger();
    const QByteArray expected = "\xC3 / \xD3;x;C\r\na;1,5;1\r\nb;2,5;1\r\n";
    EXPECT_EQ(readFile("out.txt"), expected);
    EXPECT_EQ(QGuiApplication::clipboard()->text(),
              QString::fromUtf8("Γ / Σ;x;C\r\na;1,5;1\r\nb;2,5;1\r\n"));
    EXPECT_EQ(state(), before);
    EXPECT_EQ(
        prompter.texts(Kind::Information),
        QStringList({"Τα δεδομένα αποθηκεύτηκαν στο αρχείο " + path("out.txt") + " με επιτυχία."}));

    const FileChooser::Request &request = chooser.requests().front();
    EXPECT_EQ(request.purpose, FileChooser::Purpose::Save);
    EXPECT_EQ(request.fileName, "mydata");
    EXPECT_EQ(request.selectedEntry, 1);
    EXPECT_EQ(request.filter.text(), "Αρχείο Excel XP/2003/2007 (*.xlsx)|*.xlsx|"
                                     "Κείμενο (Οριοθετημένο με ερωτ/κο) (*.txt)|*.txt");
    // The next export offers the entry chosen last.
    window.actions().ExportXLSData->trigger();
    EXPECT_EQ(chooser.requests().back().selectedEntry, 2);
}

TEST_F(InterchangeCommandsTest, AFailedExportSaysSoAndKeepsThePreviousFile)
{
    writeFile("out.txt", "old");
    chooser.answer({chosen(path("missing/out.txt"), 2), chosen(folder.path(), 2)});
    window.actions().ExportXLSData->trigger();
    window.actions().ExportXLSData->trigger();
    EXPECT_EQ(prompter.texts(Kind::Error),
              QStringList(2, "Σφάλμα κατά την εξαγωγή δεδομένων σε αρχείο κειμένου."));
    EXPECT_EQ(readFile("out.txt"), "old");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "Γ / Σ\t1\tC\r\n1\t\t\r\n");
}

TEST_F(InterchangeCommandsTest, ImportsTextKeepingTheFileNameAndTheFlag)
{
    openModifiedSheet();
    writeFile("in.txt", "h,p,q\r\nr1,1,2\r\nr2,3");
    options.delimiterGroup()->button(2)->click();
    prompter.answerQuestions({Answer::No});
    chooser.answer({chosen(path("in.txt"), 2)});
    window.actions().ImportXLSData->trigger();
    EXPECT_EQ(grid(), Grid({{"h", "p", "q"}, {"r1", "1", "2"}, {"r2", "3", ""}}));
    EXPECT_EQ(window.windowTitle(), path("in.txt") + " - Vistrel v1.0");
    EXPECT_EQ(window.currentFileName(), path("a.vtl"));
    EXPECT_TRUE(sheet().isModified());
    EXPECT_EQ(prompter.texts(Kind::Information),
              QStringList({"Η εισαγωγή δεδομένων από το αρχείο " + path("in.txt") +
                           " έγινε με επιτυχία."}));
    const FileChooser::Request &request = chooser.requests().front();
    EXPECT_EQ(request.selectedEntry, 1);
    EXPECT_EQ(request.filter.text(), "Αρχείο Excel XP/2003/2007 (*.xls; *.xlsx)|*.xls; *.xlsx|"
                                     "Κείμενο (Οριοθετημένο με κόμμα) (*.txt)|*.txt");

    // Save still writes the sheet file that was current before the import.
    window.actions().FileSave1->trigger();
    EXPECT_EQ(readFile("a.vtl"), "2\r\n2\r\np\r\nq\r\nr1\r\nr2\r\n1\r\n2\r\n3\r\n\r\n");
}

TEST_F(InterchangeCommandsTest, AFailedImportLeavesEverythingAsItWas)
{
    openModifiedSheet();
    const State before = state();
    writeFile("wide.txt", QByteArray(500001, '\t'));
    for (const char *name : {"wide.txt", "none.txt"}) {
        prompter.answerQuestions({Answer::No});
        chooser.answer({chosen(path(name), 2)});
        window.actions().ImportXLSData->trigger();
        EXPECT_EQ(state(), before);
    }
    EXPECT_EQ(prompter.texts(Kind::Error),
              QStringList(2, "Σφάλμα κατά την εισαγωγή δεδομένων από αρχείο κειμένου."));
}

TEST_F(InterchangeCommandsTest, TheWorkbookEntryGoesThroughTheHook)
{
    openModifiedSheet();
    const State before = state();
    prompter.answerQuestions({Answer::No, Answer::No});
    chooser.answer({chosen(path("w.xlsx")), chosen(path("w.xlsx")), chosen(path("w.xlsx")),
                    chosen(path("w.xlsx"))});
    // Nothing plugged in: the entry does nothing.
    window.actions().ImportXLSData->trigger();
    window.actions().ExportXLSData->trigger();
    EXPECT_EQ(state(), before);

    QStringList calls;
    interchange.setWorkbookInterchange(
        {[&](const QString &path) {
             calls += "import " + path;
             return std::optional<Sheet>(sheetOf({{"Γ / Σ", "v", "C"}, {"o", "1", "1"}}));
         },
         [&](const QString &path, const Sheet &sheet) {
             calls += "export " + path + " " + sheet.cell(1, 0);
             return true;
         }});
    window.actions().ExportXLSData->trigger();
    window.actions().ImportXLSData->trigger();
    EXPECT_EQ(calls, QStringList({"export " + path("w.xlsx") + " x", "import " + path("w.xlsx")}));
    EXPECT_EQ(grid(), Grid({{"Γ / Σ", "v", "C"}, {"o", "1", "1"}}));
    EXPECT_TRUE(sheet().isModified());
    EXPECT_EQ(window.currentFileName(), path("a.vtl"));
    EXPECT_EQ(window.windowTitle(), path("w.xlsx") + " - Vistrel v1.0");
}

TEST_F(InterchangeCommandsTest, OptionsStartWithCommaAndTabAndApplyAtOnce)
{
    EXPECT_EQ(options.decimalGroup()->checkedId(), 1);
    EXPECT_EQ(options.delimiterIndex(), 0);
    EXPECT_EQ(options.delimiter(), u'\t');
    options.decimalGroup()->button(0)->click();
    EXPECT_EQ(numbertext::decimalSeparator(), u'.');

    // Showing the dialog applies its choice too, and a new sheet does.
    numbertext::setDecimalSeparator(u',');
    QTimer::singleShot(0, &options, [this] {
        EXPECT_EQ(numbertext::decimalSeparator(), u'.');
        options.okButton()->click();
    });
    window.actions().Options->trigger();
    numbertext::setDecimalSeparator(u',');
    emit window.newSheetMade();
    EXPECT_EQ(numbertext::decimalSeparator(), u'.');
    numbertext::setDecimalSeparator(u',');

    options.helpButton()->click();
    EXPECT_EQ(prompter.texts(Kind::Information), QStringList({InterchangeCommands::OptionsHelp}));

    const QChar delimiters[] = {u'\t', u';', u',', u' '};
    for (int index = 0; index < 4; ++index) {
        options.delimiterGroup()->button(index)->click();
        EXPECT_EQ(options.delimiter(), delimiters[index]);
    }
}

} // namespace
