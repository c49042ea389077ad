// The workbook entry of the real import and export commands, in the real main window.
#include "CommandWindow.h"
#include "WorkbookCommands.h"
#include "WorkbookFixtures.h"
#include "files/NumberText.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>

namespace
{

using Kind = ScriptedPrompter::Kind;
using Answer = Prompter::Answer;

class WorkbookThroughWindow : public CommandWindow
{
  protected:
    void SetUp() override
    {
        numbertext::setDecimalSeparator(u',');
        interchange.setWorkbookInterchange(
            workbookcommands::interchange(window, prompter, [](const QStringList &) { return 0; }));
        openModifiedSheet();
    }
};

TEST_F(WorkbookThroughWindow, ExportedWorkbookImportsBackAsTheSheet)
{
    const State before = state();
    chooser.answer({chosen(path("out.xlsx"))});
    window.actions().ExportXLSData->trigger();
    EXPECT_EQ(state(), before);
    EXPECT_EQ(prompter.texts(Kind::Information),
              QStringList{workbookcommands::exportedMessage(path("out.xlsx"))});
    EXPECT_EQ(QGuiApplication::clipboard()->text(),
              QString::fromUtf8("Γ / Σ\tx\tC\r\na\t1,5\t1\r\nb\t2,5\t1\r\n"));

    prompter.forget();
    prompter.answerQuestions({Answer::No});
    chooser.answer({chosen(path("out.xlsx"))});
    window.actions().ImportXLSData->trigger();
    EXPECT_EQ(grid(), before.grid);
    EXPECT_TRUE(sheet().isModified());
    EXPECT_EQ(window.currentFileName(), before.fileName);
    EXPECT_EQ(window.windowTitle(), path("out.xlsx") + " - Vistrel v1.0");
    EXPECT_EQ(prompter.texts(Kind::Information),
              QStringList{InterchangeCommands::importedMessage(path("out.xlsx"))});
}

// A worksheet of one row has no objects: the import fails and the sheet stays as it was.
TEST_F(WorkbookThroughWindow, AFailedImportLeavesTheSheetAsItWas)
{
    const State before = state();
    fixtures::writeArchive(
        path("row.xlsx"),
        fixtures::workbookParts(R"(<sheetData><row r="1"><c r="A1"><v>1</v></c><c r="B1">)"
                                R"(<v>2</v></c></row></sheetData>)"));
    prompter.answerQuestions({Answer::No});
    chooser.answer({chosen(path("row.xlsx"))});
    window.actions().ImportXLSData->trigger();
    EXPECT_EQ(state(), before);
    EXPECT_EQ(prompter.texts(Kind::Error), QStringList{workbookcommands::ImportFailed});
    EXPECT_TRUE(prompter.texts(Kind::Information).isEmpty());
}

} // namespace
