#include "ChartOutput.h"

#include "PlotChart.h"

#include <QClipboard>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPrinter>
#include <QSvgGenerator>

#include <algorithm>

namespace plots
{

namespace
{

constexpr int kDotsPerInch = 96;
// Print margins in percent of the page: left, top, right, bottom.
constexpr double kPrintMargins[4] = {15, 11, 15, 11};

QString saveFailedMessage(const QString &path)
{
    return QStringLiteral("Το γράφημα δεν αποθηκεύτηκε στο αρχείο:\n%1").arg(path);
}

bool saveSvg(PlotChart &chart, const QString &path, QSize size)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    QSvgGenerator generator;
    generator.setOutputDevice(&file);
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    generator.setResolution(kDotsPerInch);
    generator.setTitle(chart.subFooterText());
    QCPPainter painter;
    if (!painter.begin(&generator))
        return false;
    chart.toPainter(&painter, size.width(), size.height());
    painter.end();
    file.close();
    return file.error() == QFileDevice::NoError;
}

bool write(PlotChart &chart, const QString &path, ChartFileFormat format, QSize size)
{
    switch (format) {
    case ChartFileFormat::Png:
        return chart.savePng(path, size.width(), size.height(), 1.0, -1, kDotsPerInch);
    case ChartFileFormat::Pdf:
        return chart.savePdf(path, size.width(), size.height(), QCP::epAllowCosmetic,
                             QStringLiteral("Vistrel"), chart.subFooterText());
    case ChartFileFormat::Svg:
        return saveSvg(chart, path, size);
    }
    return false;
}

} // namespace

std::optional<ChartFileFormat> chartFileFormatFor(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == u"png")
        return ChartFileFormat::Png;
    if (suffix == u"pdf")
        return ChartFileFormat::Pdf;
    if (suffix == u"svg")
        return ChartFileFormat::Svg;
    return std::nullopt;
}

bool saveChart(PlotChart &chart, const QString &path, ChartFileFormat format, QSize size,
               QString &error)
{
    const bool written = size.isValid() && !size.isEmpty() && write(chart, path, format, size);
    // Drawing for the file lays the chart out at the file's size; lay it out for the screen again.
    chart.replot();
    if (!written)
        error = saveFailedMessage(path);
    return written;
}

bool printChart(PlotChart &chart, QPrinter &printer)
{
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    const QRectF area(page.width() * kPrintMargins[0] / 100, page.height() * kPrintMargins[1] / 100,
                      page.width() * (1 - (kPrintMargins[0] + kPrintMargins[2]) / 100),
                      page.height() * (1 - (kPrintMargins[1] + kPrintMargins[3]) / 100));
    const QSize size = chart.size().isEmpty() ? QSize(578, 440) : chart.size();
    const double scale = std::min(area.width() / size.width(), area.height() / size.height());
    const QSizeF printed = QSizeF(size) * scale;
    QCPPainter painter;
    if (!painter.begin(&printer))
        return false;
    painter.setMode(QCPPainter::pmVectorized);
    painter.setMode(QCPPainter::pmNoCaching);
    painter.translate(area.center() - QPointF(printed.width() / 2, printed.height() / 2));
    painter.scale(scale, scale);
    chart.toPainter(&painter, size.width(), size.height());
    const bool done = painter.end();
    chart.replot();
    return done;
}

void copyChartToClipboard(PlotChart &chart)
{
    QGuiApplication::clipboard()->setImage(chart.toPixmap().toImage());
}

} // namespace plots
