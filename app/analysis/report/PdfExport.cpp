#include "ReportExporters.h"

#include "PagePainter.h"

#include <QPainter>
#include <QPdfWriter>

namespace exporters
{

namespace
{

constexpr int pdfResolution = 1200;

} // namespace

void paintPages(const PreparedReport &report, QPagedPaintDevice &device, int firstPage,
                int lastPage, Progress &progress)
{
    QPainter painter;
    if (!painter.begin(&device))
        progress.fail();
    const PagePainter pagePainter(painter);
    const double scale = device.logicalDpiX() / PageSetup::pixelsPerInch;
    for (int page = firstPage; page <= lastPage; ++page) {
        if (page > firstPage && !device.newPage())
            progress.fail();
        painter.save();
        painter.scale(scale, scale);
        pagePainter.paint(painter, report.pageItems(page));
        painter.restore();
        progress.advance();
    }
    if (!painter.end())
        progress.fail();
}

void writePdf(const PreparedReport &report, QIODevice &out, Progress &progress)
{
    QPdfWriter writer(&out);
    writer.setResolution(pdfResolution);
    writer.setCreator(QStringLiteral("Vistrel"));
    writer.setTitle(titleOf(report));
    const PageSetup &setup = report.setup();
    // The pages carry their own margins, so the writer draws from the paper's corner.
    writer.setPageLayout(QPageLayout(QPageSize(setup.paper), setup.orientation, QMarginsF()));
    paintPages(report, writer, 0, report.pageCount() - 1, progress);
}

} // namespace exporters
