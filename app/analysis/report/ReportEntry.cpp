#include "ReportEntry.h"

#include "DialogPrompter.h"
#include "ReportContentBuilder.h"
#include "ReportPreview.h"
#include "StandardPreviewDialogs.h"

PreparedReport prepareReport(const AnalysisState &state, const PageSetup &setup,
                             const std::function<bool()> &keepGoing)
{
    return PreparedReport(buildReportContent(state), setup, keepGoing);
}

void showReportPreview(const AnalysisState &state, QWidget *parent)
{
    DialogPrompter prompter;
    StandardPreviewDialogs dialogs;
    ReportPreview preview(prompter, dialogs, parent);
    preview.prepare([&state](const std::function<bool()> &keepGoing) {
        return prepareReport(state, PageSetup{}, keepGoing);
    });
    preview.exec();
}

void exportReportFile(const AnalysisState &state, ExportFormat format, const QString &path)
{
    exportReport(prepareReport(state), format, path);
}
