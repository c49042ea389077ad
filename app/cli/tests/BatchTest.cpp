// --batch: the analysis of a sheet written as a report and two plots, every failure with its
// exit code, and no output changed unless every one was written.
#include "CliTestFiles.h"

#include "analysis/AnalysisMessages.h"
#include "files/SheetFileCommands.h"
#include "files/SheetFiles.h"

#include <QImage>

#include <gtest/gtest.h>

namespace cli::testing
{
namespace
{

QStringList batch(const Scratch &scratch, const QStringList &rest)
{
    return QStringList{"--batch", scratch.path("tables.vtl"), "--decimal", "."} + rest;
}

class CliBatch : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        sheetfiles::saveNativeSheet(scratch.path("tables.vtl"), threeTables());
    }

    CommandResult run(const QStringList &rest) { return call(batch(scratch, rest)); }
    void writeSheet(const Sheet &sheet)
    {
        sheetfiles::saveNativeSheet(scratch.path("tables.vtl"), sheet);
    }

    Scratch scratch;
};

TEST_F(CliBatch, ReportAsCsvMatchesTheFixture)
{
    const CommandResult result = run({"--report", scratch.path("report.csv")});
    ASSERT_EQ(result.code, ExitCode::Success) << result.error.toStdString();
    EXPECT_TRUE(result.output.isEmpty());
    EXPECT_TRUE(result.error.isEmpty());
    EXPECT_EQ(readBytes(scratch.path("report.csv")), readBytes(fixture("tables-report.csv")));
}

TEST_F(CliBatch, TheDecimalSeparatorReadsTheSheetAndWritesTheResults)
{
    Sheet sheet = threeTables();
    for (int r = 1; r <= sheet.objectCount(); ++r)
        for (int c = 1; c < sheet.columnCount(); ++c)
            sheet.setCell(c, r, sheet.cell(c, r).replace(u'.', u','));
    writeSheet(sheet);
    const CommandResult result = call({"--batch", scratch.path("tables.vtl"), "--decimal", ",",
                                       "--report", scratch.path("report.csv")});
    ASSERT_EQ(result.code, ExitCode::Success) << result.error.toStdString();
    const QByteArray written = readBytes(scratch.path("report.csv"));
    // The sheet's values and the results alike, with the comma; the fields stay apart by ";".
    EXPECT_TRUE(written.contains("\r\nA;9,09;4,27;-2,56\r\n"));
    EXPECT_TRUE(written.contains("\r\nA;1,342;0,948;-0,111\r\n"));
    const QByteArray expected = readBytes(fixture("tables-report.csv"));
    EXPECT_EQ(QByteArray(written).replace(',', '.'), QByteArray(expected).replace(',', '.'));
}

// The first bytes of each kind of file.
struct Written {
    QString name;
    QStringList options;
    QByteArray start;
};

TEST_F(CliBatch, EveryReportAndPlotFormat)
{
    const Written outputs[] = {
        {"r.pdf", {}, "%PDF"},       {"r.HTML", {}, "<"},
        {"r.rtf", {}, "{\\rtf"},     {"r.odt", {}, "PK"},
        {"r.ods", {}, "PK"},         {"r.xlsx", {}, "PK"},
        {"r.txt", {}, QByteArray()}, {"framed.txt", {"--text-frames"}, QByteArray()},
        {"d.png", {}, "\x89PNG"},    {"d.PDF", {}, "%PDF"},
        {"d.svg", {}, "<?xml"},
    };
    for (const Written &output : outputs) {
        SCOPED_TRACE(output.name.toStdString());
        const QString option = output.name.startsWith(u'd') ? "--distance-plot" : "--report";
        const CommandResult result =
            run(QStringList{option, scratch.path(output.name)} + output.options);
        ASSERT_EQ(result.code, ExitCode::Success) << result.error.toStdString();
        const QByteArray bytes = readBytes(scratch.path(output.name));
        EXPECT_GT(bytes.size(), 100);
        EXPECT_TRUE(bytes.startsWith(output.start));
    }
    EXPECT_NE(readBytes(scratch.path("framed.txt")), readBytes(scratch.path("r.txt")));
}

TEST_F(CliBatch, PlotsAtTheSizeAskedFor)
{
    const CommandResult result =
        run({"--distance-plot", scratch.path("d.png"), "--configuration-plot",
             scratch.path("c.png"), "--x", "3", "--y", "1"});
    ASSERT_EQ(result.code, ExitCode::Success) << result.error.toStdString();
    EXPECT_EQ(QImage(scratch.path("d.png")).size(), QSize(800, 600));
    EXPECT_EQ(QImage(scratch.path("c.png")).size(), QSize(800, 600));

    ASSERT_EQ(
        run({"--configuration-plot", scratch.path("small.png"), "--plot-size", "320x200"}).code,
        ExitCode::Success);
    const QImage small(scratch.path("small.png"));
    EXPECT_EQ(small.size(), QSize(320, 200));
    EXPECT_NEAR(small.dotsPerMeterX(), 96 / 0.0254, 1);
    // Other axes, another picture.
    EXPECT_NE(QImage(scratch.path("c.png")).scaled(320, 200), small);
}

struct Refusal {
    std::function<void(Sheet &)> change;
    QStringList options;
    ExitCode code;
    QString message;
};

TEST_F(CliBatch, AnalysesRefusedOrFailed)
{
    const auto keep = [](Sheet &) {};
    const Refusal refusals[] = {
        {keep,
         {"--x", "2", "--y", "2"},
         ExitCode::AnalysisFailed,
         analysis::messages::AxesMustDiffer},
        {[](Sheet &s) { s.setCell(4, 12, "4"); },
         {},
         ExitCode::AnalysisFailed,
         analysis::messages::UnequalTables},
        {[](Sheet &s) { s.setCell(2, 5, "1,5"); },
         {},
         ExitCode::AnalysisFailed,
         "'1,5' is not a valid floating point value"},
        {[](Sheet &s) { s.setCell(4, 3, "one"); },
         {},
         ExitCode::AnalysisFailed,
         "'one' is not a valid integer value"},
        {keep, {"--x", "4"}, ExitCode::WrongUsage, analysis::messages::AxisOutOfRange.arg(3)},
        {keep, {"--y", "9"}, ExitCode::WrongUsage, analysis::messages::AxisOutOfRange.arg(3)},
        {keep,
         {"--decimal", ","},
         ExitCode::AnalysisFailed,
         "'9.09' is not a valid floating point value"},
    };
    for (const Refusal &refusal : refusals) {
        SCOPED_TRACE(refusal.message.toStdString());
        Sheet sheet = threeTables();
        refusal.change(sheet);
        writeSheet(sheet);
        writeBytes(scratch.path("report.csv"), "earlier");
        const CommandResult result =
            run(refusal.options + QStringList{"--report", scratch.path("report.csv")});
        EXPECT_EQ(result.code, refusal.code);
        EXPECT_EQ(result.error, refusal.message);
        EXPECT_EQ(readBytes(scratch.path("report.csv")), "earlier");
    }
}

TEST_F(CliBatch, NoOutputChangesUnlessEveryOneIsWritten)
{
    writeBytes(scratch.path("report.pdf"), "earlier report");
    const CommandResult result =
        run({"--report", scratch.path("report.pdf"), "--distance-plot", scratch.path("d.png"),
             "--configuration-plot", scratch.path("missing folder/c.svg")});
    EXPECT_EQ(result.code, ExitCode::FileFailed);
    EXPECT_TRUE(result.error.contains("missing folder/c.svg")) << result.error.toStdString();
    EXPECT_EQ(readBytes(scratch.path("report.pdf")), "earlier report");
    EXPECT_EQ(scratch.files(), QStringList({"report.pdf", "tables.vtl"}));
}

TEST_F(CliBatch, FilesThatCannotBeReadOrWritten)
{
    EXPECT_EQ(call({"--batch", scratch.path("none.vtl"), "--report", scratch.path("r.pdf")}).code,
              ExitCode::FileFailed);
    const CommandResult missing =
        call({"--batch", scratch.path("none.vtl"), "--report", scratch.path("r.pdf")});
    EXPECT_TRUE(missing.error.startsWith(SheetFileCommands::OpenFailed + u'\n'));
    EXPECT_TRUE(missing.error.contains("none.vtl"));

    // A report into a folder that does not exist names the report's path, not a temporary one.
    const CommandResult unwritable = run({"--report", scratch.path("gone/r.pdf")});
    EXPECT_EQ(unwritable.code, ExitCode::FileFailed);
    EXPECT_TRUE(unwritable.error.contains(scratch.path("gone/r.pdf")))
        << unwritable.error.toStdString();
    EXPECT_EQ(scratch.files(), QStringList({"tables.vtl"}));
}

TEST_F(CliBatch, SheetsInEveryInputFormat)
{
    for (const QString input : {"tables.txt", "tables.csv", "tables.xlsx"}) {
        SCOPED_TRACE(input.toStdString());
        ASSERT_EQ(call({"--convert", scratch.path("tables.vtl"), scratch.path(input),
                        "--out-delimiter", ";", "--decimal", "."})
                      .code,
                  ExitCode::Success);
        const QString report = scratch.path(input + ".csv");
        const CommandResult result = call({"--batch", scratch.path(input), "--delimiter", ";",
                                           "--decimal", ".", "--report", report});
        ASSERT_EQ(result.code, ExitCode::Success) << result.error.toStdString();
        EXPECT_EQ(readBytes(report), readBytes(fixture("tables-report.csv")));
    }
}

} // namespace
} // namespace cli::testing
