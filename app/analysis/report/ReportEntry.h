// Where the rest of the program meets the results report.
#pragma once

#include "PreparedReport.h"
#include "ReportExport.h"

struct AnalysisState;
class QWidget;

// The report of a run laid out on pages (A4 portrait, 20 mm margins unless told otherwise).
PreparedReport prepareReport(const AnalysisState &state, const PageSetup &setup = {},
                             const std::function<bool()> &keepGoing = {});

// Shows the modal preview of the report of the last successful run; returns when it is closed.
// The pages are prepared afresh at every call, so edits made in an earlier preview are gone.
void showReportPreview(const AnalysisState &state, QWidget *parent);

// For the command line: writes the report of a run to a file without any window, dialog,
// question or clipboard. Throws ExportError, whose message() is the user's message.
void exportReportFile(const AnalysisState &state, ExportFormat format, const QString &path);
