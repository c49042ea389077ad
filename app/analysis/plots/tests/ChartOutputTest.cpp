#include "ChartOutput.h"
#include "ChartCommander.h"
#include "PlotChart.h"
#include "PlotFilling.h"
#include "PlotRendering.h"
#include "PlotTestState.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPrinter>
#include <QTemporaryDir>

namespace plots
{
namespace
{

using testing::configurationState;
using testing::distanceState;

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

double sample(int table, int object, int variable)
{
    return 0.1 * (table + 1) * (object + 1) * (variable % 2 == 0 ? 1 : -1);
}

void expectFileOfFormat(const QString &path, ChartFileFormat format, QSize size)
{
    const QByteArray content = contentOf(path);
    ASSERT_FALSE(content.isEmpty()) << path.toStdString();
    switch (format) {
    case ChartFileFormat::Png: {
        EXPECT_TRUE(content.startsWith("\x89PNG\r\n\x1a\n"));
        const QImage image = QImage::fromData(content, "PNG");
        EXPECT_EQ(image.size(), size);
        EXPECT_NEAR(image.dotsPerMeterX(), 96 / 0.0254, 1); // 96 dpi
        return;
    }
    case ChartFileFormat::Pdf:
        EXPECT_TRUE(content.startsWith("%PDF-"));
        EXPECT_TRUE(content.trimmed().endsWith("%%EOF"));
        return;
    case ChartFileFormat::Svg:
        EXPECT_TRUE(content.contains("<svg"));
        EXPECT_TRUE(content.contains(
            QStringLiteral("viewBox=\"0 0 %1 %2\"").arg(size.width()).arg(size.height()).toUtf8()));
        EXPECT_TRUE(content.trimmed().endsWith("</svg>"));
        return;
    }
}

TEST(ChartFileFormatTest, ExtensionNamesTheFormatInAnyLetterCase)
{
    EXPECT_EQ(chartFileFormatFor(QStringLiteral("a.png")), ChartFileFormat::Png);
    EXPECT_EQ(chartFileFormatFor(QStringLiteral("dir.x/A.PNG")), ChartFileFormat::Png);
    EXPECT_EQ(chartFileFormatFor(QStringLiteral("a.Pdf")), ChartFileFormat::Pdf);
    EXPECT_EQ(chartFileFormatFor(QStringLiteral("a.svg")), ChartFileFormat::Svg);
    EXPECT_EQ(chartFileFormatFor(QStringLiteral("a.jpg")), std::nullopt);
    EXPECT_EQ(chartFileFormatFor(QStringLiteral("png")), std::nullopt);
}

TEST(ChartOutputTest, BothPlotsRenderWithoutAWindowToEveryFormat)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const AnalysisState distances = distanceState({0.25, 0.5});
    const AnalysisState configuration = configurationState(4, 2, 2, sample);
    const struct {
        PlotKind kind;
        const AnalysisState &state;
        const char *name;
    } plotsToRender[] = {{PlotKind::Distance, distances, "distance"},
                         {PlotKind::Configuration, configuration, "configuration"}};
    const struct {
        ChartFileFormat format;
        const char *extension;
    } formats[] = {{ChartFileFormat::Png, "png"},
                   {ChartFileFormat::Pdf, "pdf"},
                   {ChartFileFormat::Svg, "svg"}};
    const QSize size(800, 600);
    for (const auto &plot : plotsToRender) {
        for (const auto &format : formats) {
            const QString path = dir.filePath(QStringLiteral("%1.%2").arg(
                QString::fromLatin1(plot.name), QString::fromLatin1(format.extension)));
            QString error;
            EXPECT_TRUE(renderPlot(plot.state, plot.kind, path, format.format, size, error))
                << error.toStdString();
            expectFileOfFormat(path, format.format, size);
        }
    }
}

TEST(ChartOutputTest, FormatIsTheOneAskedForWhateverTheFileIsCalled)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("plot.tmp"));
    QString error;
    ASSERT_TRUE(renderPlot(distanceState({0.5}), PlotKind::Distance, path, ChartFileFormat::Svg,
                           QSize(300, 200), error));
    expectFileOfFormat(path, ChartFileFormat::Svg, QSize(300, 200));
}

TEST(ChartOutputTest, UnwritableFileFailsWithAMessageNamingIt)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("missing/plot"));
    for (ChartFileFormat format :
         {ChartFileFormat::Png, ChartFileFormat::Pdf, ChartFileFormat::Svg}) {
        QString error;
        EXPECT_FALSE(renderPlot(distanceState({0.5}), PlotKind::Distance, path, format,
                                QSize(300, 200), error));
        EXPECT_TRUE(error.contains(path));
        EXPECT_FALSE(QFile::exists(path));
    }
}

TEST(ChartOutputTest, EmptySizeFails)
{
    QTemporaryDir dir;
    QString error;
    EXPECT_FALSE(renderPlot(distanceState({0.5}), PlotKind::Distance, dir.filePath("a.png"),
                            ChartFileFormat::Png, QSize(0, 10), error));
    EXPECT_FALSE(error.isEmpty());
}

TEST(ChartOutputTest, SavedPictureShowsThePoints)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("plot.png"));
    QString error;
    ASSERT_TRUE(renderPlot(distanceState({0.5}), PlotKind::Distance, path, ChartFileFormat::Png,
                           QSize(400, 300), error));
    const QImage image(path);
    bool red = false;
    bool blue = false;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            red = red || c == QColor(255, 0, 0);
            blue = blue || c == QColor(0, 0, 255);
        }
    EXPECT_TRUE(red);
    EXPECT_TRUE(blue);
}

TEST(ChartOutputTest, PrintingFillsOnePageOfAPdf)
{
    QTemporaryDir dir;
    PlotChart chart;
    chart.resize(560, 440);
    fillDistancePlot(chart, distanceState({0.5}));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("printed.pdf")));
    ASSERT_TRUE(printChart(chart, printer));
    expectFileOfFormat(printer.outputFileName(), ChartFileFormat::Pdf, {});
}

TEST(ChartOutputTest, CopyPutsThePictureOnTheClipboard)
{
    PlotChart chart;
    chart.setViewport(QRect(0, 0, 300, 200));
    fillDistancePlot(chart, distanceState({0.5}));
    QGuiApplication::clipboard()->clear();
    copyChartToClipboard(chart);
    const QImage copied = QGuiApplication::clipboard()->image();
    EXPECT_FALSE(copied.isNull());
}

TEST(ChartCommanderSaveTest, SavesByExtensionAndReportsFailures)
{
    QTemporaryDir dir;
    PlotChart chart;
    ChartCommander commander(&chart);
    QStringList errors;
    commander.setErrorReporter([&](QWidget *, const QString &message) { errors << message; });
    commander.setFileNameChooser([&](QWidget *) { return dir.filePath(QStringLiteral("c.PDF")); });
    fillDistancePlot(chart, distanceState({0.5}));

    commander.action(ChartCommander::Button::Save)->trigger();
    expectFileOfFormat(dir.filePath(QStringLiteral("c.PDF")), ChartFileFormat::Pdf, {});
    EXPECT_TRUE(errors.isEmpty());

    EXPECT_FALSE(commander.saveTo(dir.filePath(QStringLiteral("c.bmp"))));
    EXPECT_FALSE(commander.saveTo(dir.filePath(QStringLiteral("no/such/c.png"))));
    ASSERT_EQ(errors.size(), 2);
    EXPECT_TRUE(errors[0].contains(QStringLiteral("c.bmp")));
    EXPECT_TRUE(errors[1].contains(QStringLiteral("no/such/c.png")));

    commander.setFileNameChooser([](QWidget *) { return QString(); }); // cancelled
    commander.action(ChartCommander::Button::Save)->trigger();
    EXPECT_EQ(errors.size(), 2);
}

} // namespace
} // namespace plots
