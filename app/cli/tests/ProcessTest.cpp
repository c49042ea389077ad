// The program itself started from a shell with no display at all: it selects the offscreen
// platform on its own, prints nothing on success, and its messages and exit codes on failure.
#include "CliTestFiles.h"

#include "analysis/AnalysisMessages.h"
#include "files/SheetFiles.h"

#include <QProcess>
#include <QProcessEnvironment>

#include <gtest/gtest.h>

namespace cli::testing
{
namespace
{

struct Finished {
    int exitCode = -1;
    QByteArray output;
    QByteArray error;
};

// No display of any kind, and a platform asked for that would need one.
Finished vistrel(const QStringList &arguments)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *variable : {"DISPLAY", "WAYLAND_DISPLAY", "XDG_SESSION_TYPE"})
        environment.remove(variable);
    environment.insert("QT_QPA_PLATFORM", "xcb");
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(VISTREL_EXECUTABLE, arguments);
    process.closeWriteChannel();
    EXPECT_TRUE(process.waitForFinished(120000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

TEST(CliProcess, BatchRunWithoutAnyDisplay)
{
    const Scratch scratch;
    sheetfiles::saveNativeSheet(scratch.path("tables.vtl"), threeTables());
    const Finished run =
        vistrel({"--batch", scratch.path("tables.vtl"), "--decimal", ".", "--report",
                 scratch.path("report.csv"), "--distance-plot", scratch.path("d.pdf"),
                 "--configuration-plot", scratch.path("c.png")});
    EXPECT_EQ(run.exitCode, 0) << run.error.toStdString();
    EXPECT_EQ(run.output, QByteArray());
    EXPECT_EQ(run.error, QByteArray());
    EXPECT_EQ(readBytes(scratch.path("report.csv")), readBytes(fixture("tables-report.csv")));
    EXPECT_EQ(scratch.files(), QStringList({"c.png", "d.pdf", "report.csv", "tables.vtl"}));
}

TEST(CliProcess, ExitCodesWithTheirMessagesInUtf8)
{
    const Scratch scratch;
    Sheet unequal = threeTables();
    unequal.setCell(4, 12, "4");
    sheetfiles::saveNativeSheet(scratch.path("unequal.vtl"), unequal);
    sheetfiles::saveNativeSheet(scratch.path("tables.vtl"), threeTables());
    const QString report = scratch.path("r.pdf");

    const Finished refused = vistrel({"--batch", scratch.path("unequal.vtl"), "--report", report});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(QString::fromUtf8(refused.error),
              QString(analysis::messages::UnequalTables).replace("\r\n", "\n") + u'\n');

    const Finished usage = vistrel({"--batch", scratch.path("tables.vtl"), "--report", "r.docx"});
    EXPECT_EQ(usage.exitCode, 2);
    EXPECT_TRUE(usage.error.startsWith("vistrel: --report writes")) << usage.error.toStdString();

    const Finished outOfRange =
        vistrel({"--batch", scratch.path("tables.vtl"), "--x", "7", "--report", report});
    EXPECT_EQ(outOfRange.exitCode, 2);
    EXPECT_EQ(QString::fromUtf8(outOfRange.error),
              analysis::messages::AxisOutOfRange.arg(3) + u'\n');

    const Finished unreadable = vistrel({"--convert", scratch.path("none.xls"), "out.vtl"});
    EXPECT_EQ(unreadable.exitCode, 3);
    EXPECT_FALSE(unreadable.error.isEmpty());
    EXPECT_EQ(scratch.files(), QStringList({"tables.vtl", "unequal.vtl"}));
}

TEST(CliProcess, HelpListsEveryOptionAndVersionNamesTheProgram)
{
    const Finished help = vistrel({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.error.isEmpty());
    const QString text = QString::fromUtf8(help.output);
    for (const QString option :
         {"--batch", "--convert", "--version", "--report OUT", "--distance-plot OUT",
          "--configuration-plot OUT", "--x N, --y N", "--decimal", "--delimiter", "--out-delimiter",
          "--sheet-index N", "--sheet-name NAME", "--text-frames", "--plot-size WxH"})
        EXPECT_TRUE(text.contains(option)) << option.toStdString();
    EXPECT_TRUE(text.contains("system locale unless --decimal is given"));

    const Finished version = vistrel({"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.output, "Vistrel v1.0\n");
}

} // namespace
} // namespace cli::testing
