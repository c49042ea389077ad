// --convert: every format there and back, the worksheet chosen, and the outputs that a format
// cannot hold refused without touching the file already there.
#include "CliTestFiles.h"

#include "WorkbookFiles.h"
#include "files/InterchangeCommands.h"
#include "files/NumberText.h"
#include "files/SheetFileCommands.h"
#include "files/SheetFiles.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>
#include <xlsxwriter.h>

namespace cli::testing
{
namespace
{

// Greek names, blanks at the ends, an empty cell, a long number: what must survive.
Sheet mixedSheet()
{
    Sheet sheet(3, 3);
    const QStringList rows[] = {{Sheet::CornerLabel, "Ύψος", " βάρος ", "C"},
                                {"α", "1.5", "-2.25", "1"},
                                {"b c", "0.1234567890123", "", "1"},
                                {"γ", "1e-05", "42", "2"}};
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            sheet.setCell(c, r, rows[r][c]);
    return sheet;
}

// The same without blanks inside the texts, for a text delimited by spaces.
Sheet blanklessSheet()
{
    Sheet sheet = mixedSheet();
    sheet.setCell(2, 0, QStringLiteral("βάρος"));
    sheet.setCell(0, 2, QStringLiteral("b_c"));
    return sheet;
}

void expectSameCells(const Sheet &expected, const Sheet &actual, bool numbersAsValues = false)
{
    ASSERT_EQ(actual.objectCount(), expected.objectCount());
    ASSERT_EQ(actual.columnCount(), expected.columnCount());
    for (int r = 0; r <= expected.objectCount(); ++r)
        for (int c = r == 0 ? 1 : 0; c <= expected.columnCount(); ++c) {
            const QString want = expected.cell(c, r);
            const QString got = actual.cell(c, r);
            const auto number = numbertext::parseNumber(want, u'.');
            if (numbersAsValues && number && r > 0 && c > 0)
                EXPECT_EQ(numbertext::parseNumber(got, u'.'), number) << got.toStdString();
            else
                EXPECT_EQ(got, want) << "column " << c << ", row " << r;
        }
}

struct RoundTrip {
    Sheet sheet;
    QString file;
    QStringList options;
    bool numbersAsValues;
};

TEST(CliConversion, EveryFormatThereAndBack)
{
    const RoundTrip trips[] = {
        {mixedSheet(), "sheet.vtl", {}, false},
        {mixedSheet(), "sheet.txt", {}, false},
        {mixedSheet(), "sheet.TXT", {"--out-delimiter", ";", "--delimiter", ";"}, false},
        {mixedSheet(), "sheet.csv", {"--out-delimiter", ",", "--delimiter", ","}, false},
        {blanklessSheet(),
         "sheet.csv",
         {"--out-delimiter", "space", "--delimiter", "space"},
         false},
        // A workbook keeps numbers as numbers, written back in their shortest form.
        {mixedSheet(), "sheet.xlsx", {}, true},
    };
    for (const RoundTrip &trip : trips) {
        SCOPED_TRACE(trip.file.toStdString() + " " + trip.options.join(' ').toStdString());
        const Scratch scratch;
        sheetfiles::saveNativeSheet(scratch.path("in.vtl"), trip.sheet);
        const QStringList options = trip.options + QStringList{"--decimal", "."};
        ASSERT_EQ(call(QStringList{"--convert", scratch.path("in.vtl"), scratch.path(trip.file)} +
                       options)
                      .code,
                  ExitCode::Success);
        const CommandResult back = call(
            QStringList{"--convert", scratch.path(trip.file), scratch.path("back.vtl")} + options);
        ASSERT_EQ(back.code, ExitCode::Success) << back.error.toStdString();
        expectSameCells(trip.sheet, sheetfiles::openNativeSheet(scratch.path("back.vtl")),
                        trip.numbersAsValues);
        EXPECT_EQ(scratch.files().size(), 3) << scratch.files().join(' ').toStdString();
    }
}

TEST(CliConversion, TheCornerLabelAloneLosesItsBlanksInASpaceDelimitedText)
{
    const Scratch scratch;
    sheetfiles::saveNativeSheet(scratch.path("in.vtl"), blanklessSheet());
    ASSERT_EQ(call({"--convert", scratch.path("in.vtl"), scratch.path("out.txt"), "--out-delimiter",
                    "space"})
                  .code,
              ExitCode::Success);
    EXPECT_TRUE(readBytes(scratch.path("out.txt")).startsWith("\xc3/\xd3 "))
        << "the corner, in the Greek code page, then the names";
}

TEST(CliConversion, ReadsTheChosenWorksheetOfAWorkbook)
{
    const Scratch scratch;
    const QByteArray path = QFile::encodeName(scratch.path("book.xlsx"));
    lxw_workbook *book = workbook_new(path.constData());
    worksheet_write_string(workbook_add_worksheet(book, "Notes"), 0, 0, "nothing here", nullptr);
    lxw_worksheet *data = workbook_add_worksheet(book, "Data");
    const char *header[] = {"", "v", "C"};
    for (int c = 0; c < 3; ++c)
        worksheet_write_string(data, 0, static_cast<lxw_col_t>(c), header[c], nullptr);
    worksheet_write_string(data, 1, 0, "o", nullptr);
    worksheet_write_number(data, 1, 1, 2.5, nullptr);
    worksheet_write_number(data, 1, 2, 1, nullptr);
    ASSERT_EQ(workbook_close(book), LXW_NO_ERROR);

    for (const QStringList &choice :
         {QStringList{"--sheet-name", "data"}, QStringList{"--sheet-index", "2"}}) {
        const CommandResult result = call(QStringList{"--convert", scratch.path("book.xlsx"),
                                                      scratch.path("out.vtl"), "--decimal", ","} +
                                          choice);
        ASSERT_EQ(result.code, ExitCode::Success) << result.error.toStdString();
        const Sheet sheet = sheetfiles::openNativeSheet(scratch.path("out.vtl"));
        EXPECT_EQ(sheet.cell(1, 1), "2,5") << "numbers written with the separator asked for";
        EXPECT_EQ(sheet.objectName(1), "o");
    }

    const std::pair<QStringList, QString> missing[] = {
        {{"--sheet-name", "Summary"}, "no worksheet named 'Summary'; it has: Notes, Data"},
        {{"--sheet-index", "3"}, "the workbook has 2 worksheet(s)"}};
    for (const auto &[choice, reason] : missing) {
        const CommandResult result = call(
            QStringList{"--convert", scratch.path("book.xlsx"), scratch.path("out2.vtl")} + choice);
        EXPECT_EQ(result.code, ExitCode::WrongUsage);
        EXPECT_TRUE(result.error.contains(reason)) << result.error.toStdString();
    }
    // The first worksheet holds no table: a single cell is no sheet.
    EXPECT_EQ(call({"--convert", scratch.path("book.xlsx"), scratch.path("out3.vtl")}).code,
              ExitCode::FileFailed);
}

TEST(CliConversion, ReadsAnXlsWorkbook)
{
    const Scratch scratch;
    const CommandResult result =
        call({"--convert", XLS_FIXTURE, scratch.path("out.vtl"), "--decimal", "."});
    ASSERT_EQ(result.code, ExitCode::Success) << result.error.toStdString();
    const Sheet sheet = sheetfiles::openNativeSheet(scratch.path("out.vtl"));
    EXPECT_EQ(sheet.columnName(1), "Ύψος");
    EXPECT_EQ(sheet.objectName(1), "α");
    EXPECT_EQ(sheet.cell(1, 1), "2.5");
}

// The file already at the output, which a failed conversion must leave alone.
const QByteArray Earlier = "earlier content\r\n";

struct Unwritable {
    QString cell;
    QString output;
    QStringList options;
    QString reason;
};

TEST(CliConversion, OutputsThatCannotHoldACellAreRefused)
{
    const Unwritable cases[] = {
        {"a;b", "out.txt", {"--out-delimiter", ";"}, "line 2, field 1 (\"a;b\") holds ';'"},
        {"a b", "out.csv", {"--out-delimiter", "space"}, "holds a space"},
        {"a\tb", "out.txt", {}, "holds the tab"},
        {"two\nlines", "out.txt", {}, "(\"two\\nlines\") holds a line break"},
        {"two\rlines", "out.csv", {"--out-delimiter", ","}, "holds a line break"},
        {"two\r\nlines", "out.vtl", {}, "line break"},
    };
    for (const Unwritable &unwritable : cases) {
        SCOPED_TRACE(unwritable.cell.toStdString());
        const Scratch scratch;
        Sheet sheet = mixedSheet();
        sheet.setCell(0, 1, unwritable.cell);
        // A workbook holds any text, so it brings the cell in.
        workbookfiles::exportWorkbook(scratch.path("in.xlsx"), sheet, u'.');
        writeBytes(scratch.path(unwritable.output), Earlier);

        const CommandResult result = call(
            QStringList{"--convert", scratch.path("in.xlsx"), scratch.path(unwritable.output)} +
            unwritable.options);
        EXPECT_EQ(result.code, ExitCode::FileFailed);
        EXPECT_TRUE(result.error.contains(unwritable.reason)) << result.error.toStdString();
        EXPECT_EQ(readBytes(scratch.path(unwritable.output)), Earlier);
        EXPECT_EQ(scratch.files(), QStringList({"in.xlsx", unwritable.output}));
    }
}

TEST(CliConversion, FilesThatCannotBeReadOrWritten)
{
    const Scratch scratch;
    sheetfiles::saveNativeSheet(scratch.path("in.vtl"), mixedSheet());
    writeBytes(scratch.path("broken.vtl"), "many\r\n");
    writeBytes(scratch.path("broken.xlsx"), "not a workbook");
    ASSERT_TRUE(QDir(scratch.path(".")).mkdir("folder.txt"));
    const std::pair<QStringList, QString> cases[] = {
        {{scratch.path("missing.vtl"), scratch.path("out.txt")}, SheetFileCommands::OpenFailed},
        {{scratch.path("broken.vtl"), scratch.path("out.txt")}, SheetFileCommands::OpenFailed},
        {{scratch.path("missing.csv"), scratch.path("out.vtl")}, InterchangeCommands::ImportFailed},
        {{scratch.path("broken.xlsx"), scratch.path("out.vtl")}, "not an Excel workbook"},
        {{scratch.path("in.vtl"), scratch.path("no folder/out.txt")}, "no folder/out.txt"},
        {{scratch.path("in.vtl"), scratch.path("folder.txt")}, "it is a folder"},
    };
    for (const auto &[files, reason] : cases) {
        const CommandResult result = call(QStringList{"--convert"} + files);
        EXPECT_EQ(result.code, ExitCode::FileFailed);
        EXPECT_TRUE(result.error.contains(reason)) << result.error.toStdString();
    }
    EXPECT_EQ(scratch.files(), QStringList({"broken.vtl", "broken.xlsx", "in.vtl"}));
}

TEST(CliConversion, ReplacesTheOutputKeepingItsPermissions)
{
    const Scratch scratch;
    sheetfiles::saveNativeSheet(scratch.path("in.vtl"), mixedSheet());
    writeBytes(scratch.path("out.txt"), Earlier);
    const auto permissions = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup;
    QFile::setPermissions(scratch.path("out.txt"), permissions);
    ASSERT_EQ(call({"--convert", scratch.path("in.vtl"), scratch.path("out.txt")}).code,
              ExitCode::Success);
    EXPECT_TRUE(readBytes(scratch.path("out.txt")).startsWith("\xc3 / \xd3\t"));
    const QFile::Permissions ownerGroupOther(QFlag(0x7077));
    EXPECT_EQ(QFile::permissions(scratch.path("out.txt")) & ownerGroupOther, permissions);

    // A sheet converted onto itself is read whole before it is replaced.
    ASSERT_EQ(call({"--convert", scratch.path("out.txt"), scratch.path("out.txt"),
                    "--out-delimiter", ";"})
                  .code,
              ExitCode::Success);
    expectSameCells(mixedSheet(), sheetfiles::importDelimitedText(scratch.path("out.txt"), u';'));
}

} // namespace
} // namespace cli::testing
