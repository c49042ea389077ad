// Reading the command line: every option, its values, and the wrong uses refused before any
// file is touched.
#include "CommandLine.h"
#include "CommandFailure.h"

#include <gtest/gtest.h>

namespace cli
{
namespace
{

CommandLine parsed(const QStringList &arguments)
{
    return parseCommandLine(arguments);
}

const QStringList Batch{"--batch", "in.vtl", "--report", "out.pdf"};

TEST(CliCommandLine, DefaultsOfABatch)
{
    const CommandLine line = parsed(Batch);
    EXPECT_EQ(line.mode, CommandLine::Mode::Batch);
    EXPECT_EQ(line.input, "in.vtl");
    EXPECT_EQ(line.inputKind, SheetFileKind::Native);
    EXPECT_EQ(line.horizontalAxis, 1);
    EXPECT_EQ(line.verticalAxis, 2);
    EXPECT_FALSE(line.decimal.has_value());
    EXPECT_EQ(line.delimiter, u'\t');
    EXPECT_FALSE(line.sheetIndex.has_value());
    EXPECT_FALSE(line.sheetName.has_value());
    EXPECT_EQ(line.plotSize, QSize(800, 600));
    EXPECT_EQ(line.report, "out.pdf");
    EXPECT_EQ(line.reportFormat, ExportFormat::Pdf);
    EXPECT_FALSE(line.distancePlot.has_value());
    EXPECT_FALSE(line.configurationPlot.has_value());
}

TEST(CliCommandLine, EveryOptionOfABatch)
{
    const CommandLine line = parsed({"--batch",
                                     "in.XLSX",
                                     "--x",
                                     "3",
                                     "--y=1",
                                     "--decimal",
                                     ",",
                                     "--delimiter",
                                     ";",
                                     "--sheet-name",
                                     "Data 2",
                                     "--plot-size",
                                     "1024x768",
                                     "--text-frames",
                                     "--report",
                                     "r.TXT",
                                     "--distance-plot",
                                     "d.Svg",
                                     "--configuration-plot",
                                     "c.pdf"});
    EXPECT_EQ(line.inputKind, SheetFileKind::Xlsx);
    EXPECT_EQ(line.horizontalAxis, 3);
    EXPECT_EQ(line.verticalAxis, 1);
    EXPECT_EQ(line.decimal, QChar(u','));
    EXPECT_EQ(line.delimiter, u';');
    EXPECT_EQ(line.sheetName, "Data 2");
    EXPECT_EQ(line.plotSize, QSize(1024, 768));
    EXPECT_EQ(line.reportFormat, ExportFormat::FramedText);
    ASSERT_TRUE(line.distancePlot && line.configurationPlot);
    EXPECT_EQ(line.distancePlot->format, plots::ChartFileFormat::Svg);
    EXPECT_EQ(line.configurationPlot->format, plots::ChartFileFormat::Pdf);
    EXPECT_EQ(batchOutputs(line), QStringList({"r.TXT", "d.Svg", "c.pdf"}));
}

TEST(CliCommandLine, OptionsOfAConversion)
{
    const CommandLine line = parsed({"--convert", "--sheet-index", "2", "in.xls", "--decimal=.",
                                     "out.csv", "--out-delimiter", "space", "--delimiter", "tab"});
    EXPECT_EQ(line.mode, CommandLine::Mode::Convert);
    EXPECT_EQ(line.inputKind, SheetFileKind::Xls);
    EXPECT_EQ(line.output, "out.csv");
    EXPECT_EQ(line.outputKind, SheetFileKind::DelimitedText);
    EXPECT_EQ(line.sheetIndex, 2);
    EXPECT_EQ(line.decimal, QChar(u'.'));
    EXPECT_EQ(line.outputDelimiter, u' ');
    EXPECT_EQ(line.delimiter, u'\t');
}

TEST(CliCommandLine, DelimitersByNameOrCharacter)
{
    const std::pair<QString, QChar> cases[] = {{"tab", u'\t'},  {"TAB", u'\t'}, {"\t", u'\t'},
                                               {"space", u' '}, {" ", u' '},    {";", u';'},
                                               {",", u','}};
    for (const auto &[value, delimiter] : cases)
        EXPECT_EQ(parsed({"--convert", "a.txt", "b.vtl", "--delimiter", value}).delimiter,
                  delimiter)
            << value.toStdString();
}

TEST(CliCommandLine, ReportFormatsByExtensionInAnyCase)
{
    const std::pair<QString, ExportFormat> cases[] = {
        {"r.pdf", ExportFormat::Pdf}, {"r.HTML", ExportFormat::Html},
        {"r.csv", ExportFormat::Csv}, {"r.txt", ExportFormat::PlainText},
        {"r.Rtf", ExportFormat::Rtf}, {"r.odt", ExportFormat::Odt},
        {"r.ODS", ExportFormat::Ods}, {"r.xlsx", ExportFormat::Xlsx}};
    for (const auto &[path, format] : cases)
        EXPECT_EQ(parsed({"--batch", "in.vtl", "--report", path}).reportFormat, format)
            << path.toStdString();
}

TEST(CliCommandLine, EndOfOptionsMakesTheRestFileNames)
{
    const CommandLine line = parsed({"--convert", "--", "--odd name.vtl", "--x.csv"});
    EXPECT_EQ(line.input, "--odd name.vtl");
    EXPECT_EQ(line.output, "--x.csv");
}

TEST(CliCommandLine, HelpAndVersionAnswerWhateverElseIsThere)
{
    EXPECT_EQ(parsed({"--help"}).mode, CommandLine::Mode::Help);
    EXPECT_EQ(parsed({"--batch", "--bogus", "--help"}).mode, CommandLine::Mode::Help);
    EXPECT_EQ(parsed({"--version"}).mode, CommandLine::Mode::Version);
    // After "--" it is a file name.
    EXPECT_THROW(parsed({"--convert", "a.vtl", "--", "--help"}), CommandFailure);
}

// Each wrong use, and a part of the message that says what is wrong.
TEST(CliCommandLine, WrongUsesAreRefusedWithTheirReason)
{
    const std::pair<QStringList, QString> cases[] = {
        {{}, "give --batch, --convert"},
        {{"--frobnicate"}, "unknown option '--frobnicate'"},
        {{"--batch", "in.vtl", "--report", "r.pdf", "--colour", "red"}, "unknown option"},
        {{"--batch", "in.vtl"}, "--batch needs --report"},
        {{"--batch", "--report", "r.pdf"}, "--batch needs one sheet file"},
        {{"--batch", "a.vtl", "b.vtl", "--report", "r.pdf"}, "'b.vtl' is one too many"},
        {{"--convert", "a.vtl"}, "--convert needs an input and an output"},
        {{"--convert", "a.vtl", "b.txt", "c.txt"}, "'c.txt' is one too many"},
        {{"--batch", "--convert", "a.vtl", "b.txt"}, "cannot be combined"},
        {{"--batch", "in.ods", "--report", "r.pdf"}, "'in.ods' is not a sheet file"},
        {{"--batch", "in", "--report", "r.pdf"}, "'in' is not a sheet file"},
        {{"--batch", "in.vtl", "--report", "r.doc"}, "--report writes"},
        {{"--batch", "in.vtl", "--report", "r.framed"}, "--report writes"},
        {{"--batch", "in.vtl", "--distance-plot", "d.jpg"}, "--distance-plot writes"},
        {{"--batch", "in.vtl", "--configuration-plot", "c"}, "--configuration-plot writes"},
        {{"--convert", "a.vtl", "b.xls"}, "--convert writes"},
        {{"--convert", "a.vtl", "b.pdf"}, "--convert writes"},
        {{"--batch", "in.vtl", "--report", "r.pdf", "--x"}, "--x needs a value"},
        {{"--batch", "in.vtl", "--report", "r.pdf", "--x", "0"}, "--x needs a whole number"},
        {{"--batch", "in.vtl", "--report", "r.pdf", "--y", "two"}, "--y needs a whole number"},
        {{"--batch", "in.vtl", "--report", "r.pdf", "--y", "1.5"}, "--y needs a whole number"},
        {{"--batch", "in.vtl", "--report", "r.pdf", "--decimal", "'"}, "--decimal is"},
        {{"--batch", "in.vtl", "--report", "r.pdf", "--delimiter", "|"}, "--delimiter is"},
        {{"--convert", "a.vtl", "b.txt", "--out-delimiter", "pipe"}, "--out-delimiter is"},
        {{"--batch", "in.xlsx", "--report", "r.pdf", "--sheet-index", "-1"}, "--sheet-index"},
        {{"--batch", "in.xlsx", "--report", "r.pdf", "--sheet-index", "1", "--sheet-name", "a"},
         "not both"},
        {{"--batch", "in.vtl", "--report", "r.pdf", "--plot-size", "800"}, "--plot-size is"},
        {{"--batch", "in.vtl", "--report", "r.pdf", "--plot-size", "8x600"}, "--plot-size is"},
        {{"--batch", "in.vtl", "--report", "r.pdf", "--plot-size", "800x60000"}, "--plot-size is"},
        {{"--batch", "in.vtl", "--report", "r.pdf", "--text-frames=yes"}, "takes no value"},
        {{"--batch=in.vtl", "--report", "r.pdf"}, "--batch takes no value"},
        {{"--batch", "in.vtl", "--report", "r.pdf", "--out-delimiter", ";"},
         "--out-delimiter is an option of --convert only"},
        {{"--convert", "a.vtl", "b.txt", "--report", "r.pdf"},
         "--report is an option of --batch only"},
        {{"--convert", "a.vtl", "b.txt", "--x", "2"}, "--x is an option of --batch only"},
        {{"--batch", "in.vtl", "--report", "out.pdf", "--distance-plot", "./out.pdf"},
         "named for two outputs"},
        {{"--batch", "in.csv", "--report", "in.csv"}, "is the input sheet"},
    };
    for (const auto &[arguments, reason] : cases) {
        try {
            parsed(arguments);
            ADD_FAILURE() << "accepted: " << arguments.join(' ').toStdString();
        } catch (const CommandFailure &failure) {
            EXPECT_EQ(failure.code(), ExitCode::WrongUsage);
            EXPECT_TRUE(failure.message().contains(reason))
                << failure.message().toStdString() << "\nwanted: " << reason.toStdString();
            EXPECT_TRUE(failure.message().contains("vistrel --help"));
        }
    }
}

TEST(CliCommandLine, LastValueOfARepeatedOptionHolds)
{
    const CommandLine line = parsed(
        {"--batch", "in.vtl", "--report", "a.pdf", "--x", "2", "--x", "4", "--report", "b.csv"});
    EXPECT_EQ(line.horizontalAxis, 4);
    EXPECT_EQ(line.report, "b.csv");
    EXPECT_EQ(line.reportFormat, ExportFormat::Csv);
}

} // namespace
} // namespace cli
