// Printing the prepared report, edits included.
#pragma once

#include "ReportExport.h"

class PreparedReport;
class QPrinter;
struct PageSetup;

// Gives the printer the report's paper and orientation and lets the report place everything
// from the paper's corner (its own margins are part of the pages).
void preparePrinter(QPrinter &printer, const PageSetup &setup);

// Prints the range the printer names (every page when it names none). False when printing
// failed or the progress asked to stop.
bool printReport(const PreparedReport &report, QPrinter &printer,
                 const ExportProgress &progress = {});
