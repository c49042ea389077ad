#include "ReportPrinting.h"

#include "ReportExporters.h"

#include <QPrinter>

void preparePrinter(QPrinter &printer, const PageSetup &setup)
{
    printer.setFullPage(true);
    printer.setPageLayout(QPageLayout(QPageSize(setup.paper), setup.orientation, QMarginsF()));
}

bool printReport(const PreparedReport &report, QPrinter &printer, const ExportProgress &progress)
{
    const int last = report.pageCount() - 1;
    const int first = printer.fromPage() > 0 ? std::min(printer.fromPage() - 1, last) : 0;
    const int end = printer.toPage() > 0 ? std::min(printer.toPage() - 1, last) : last;
    exporters::Progress counter(progress, end - first + 1, printer.printerName());
    try {
        exporters::paintPages(report, printer, first, std::max(first, end), counter);
    } catch (const ExportError &) {
        return false;
    }
    return true;
}
