// The workbook entry of the import and export commands: messages, clipboard, the sheet given
// back.
#include "WorkbookCommands.h"
#include "ScriptedPrompter.h"
#include "WorkbookFixtures.h"
#include "files/DelimitedTextFormat.h"
#include "files/InterchangeCommands.h"
#include "files/NumberText.h"

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QWidget>

#include <gtest/gtest.h>

namespace
{

using Kind = ScriptedPrompter::Kind;

class WorkbookCommands : public testing::Test
{
  protected:
    void SetUp() override { numbertext::setDecimalSeparator(u','); }

    WorkbookInterchange hook(std::optional<int> answer = 0)
    {
        return workbookcommands::interchange(window_, prompter_,
                                             [answer](const QStringList &) { return answer; });
    }

    QString path(const char *name = "data.xlsx") const { return folder_.filePath(name); }

    void writeSheet(const QByteArray &sheetData) const
    {
        fixtures::writeArchive(path(), fixtures::workbookParts(sheetData));
    }

    QWidget window_;
    ScriptedPrompter prompter_;
    QTemporaryDir folder_;
};

const QByteArray TwoByTwo = R"(<sheetData><row r="1"><c r="B1" t="inlineStr"><is><t>x</t></is>)"
                            R"(</c></row><row r="2"><c r="A2" t="inlineStr"><is><t>a</t></is></c>)"
                            R"(<c r="B2"><v>2.5</v></c></row></sheetData>)";

TEST_F(WorkbookCommands, ImportGivesTheSheetAndSaysSo)
{
    writeSheet(TwoByTwo);
    const std::optional<Sheet> sheet = hook().importWorkbook(path());
    ASSERT_TRUE(sheet);
    EXPECT_EQ(sheet->cell(1, 1), "2,5");
    EXPECT_EQ(prompter_.texts(Kind::Information),
              QStringList{InterchangeCommands::importedMessage(path())});
    EXPECT_TRUE(prompter_.texts(Kind::Error).isEmpty());

    numbertext::setDecimalSeparator(u'.');
    EXPECT_EQ(hook().importWorkbook(path())->cell(1, 1), "2.5");
}

TEST_F(WorkbookCommands, ImportFailuresShowTheErrorAndGiveNothing)
{
    const QList<QByteArray> failing{
        R"(<sheetData><row r="1"><c r="A1"><v>1</v></c><c r="B1"><v>2</v></c></row></sheetData>)",
        R"(<sheetData><row r="1"><c r="A1"><v>1</v></c></row><row r="2"><c r="A2"><v>2</v></c>)"
        R"(</row></sheetData>)",
        "<sheetData><row>",
    };
    for (const QByteArray &sheetData : failing) {
        writeSheet(sheetData);
        prompter_.forget();
        EXPECT_FALSE(hook().importWorkbook(path()));
        EXPECT_EQ(prompter_.texts(Kind::Error), QStringList{workbookcommands::ImportFailed});
        EXPECT_TRUE(prompter_.texts(Kind::Information).isEmpty());
    }
}

TEST_F(WorkbookCommands, CancellingTheChooserSaysNothing)
{
    writeSheet(TwoByTwo);
    EXPECT_FALSE(hook(std::nullopt).importWorkbook(path()));
    EXPECT_TRUE(prompter_.shown().isEmpty());
}

TEST_F(WorkbookCommands, ExportWritesTheWorkbookAndLeavesTheTabbedGridOnTheClipboard)
{
    Sheet sheet;
    sheet.setCell(1, 1, "1,50");
    const QString tabbed = delimitedtext::text(sheet, u'\t');

    EXPECT_TRUE(hook().exportWorkbook(path(), sheet));
    EXPECT_EQ(prompter_.texts(Kind::Information),
              QStringList{workbookcommands::exportedMessage(path())});
    EXPECT_EQ(QGuiApplication::clipboard()->text(), tabbed);
    EXPECT_EQ(hook().importWorkbook(path())->cell(1, 1), "1,5");

    QGuiApplication::clipboard()->clear();
    prompter_.forget();
    const QString unwritable = folder_.filePath("missing/data.xlsx");
    EXPECT_FALSE(hook().exportWorkbook(unwritable, sheet));
    EXPECT_EQ(prompter_.texts(Kind::Error), QStringList{workbookcommands::ExportFailed});
    EXPECT_FALSE(QFile::exists(unwritable));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), tabbed);
}

} // namespace
