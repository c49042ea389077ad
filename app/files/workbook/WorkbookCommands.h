// The workbook entry of the import and export commands: the worksheet chooser, the busy pointer,
// the clipboard and the messages around the workbook files.
#pragma once

#include "WorkbookFiles.h"
#include "files/WorkbookInterchange.h"

#include <QString>

class Prompter;
class QWidget;
class TXLSFrm;

namespace workbookcommands
{

extern const QString ImportFailed;
extern const QString ExportFailed;
extern const QString ChooserHelp;
QString exportedMessage(const QString &path);

// The entry the import and export commands call, numbers read and written with the program's
// decimal separator. Messages go through the prompter over the window; both must outlive it.
WorkbookInterchange interchange(QWidget &window, Prompter &prompter,
                                workbookfiles::WorksheetChooser choose);

// The same, asking with the chooser dialog, whose help button then answers through the
// prompter. Made once, at start.
WorkbookInterchange interchange(QWidget &window, Prompter &prompter, TXLSFrm &chooser);

} // namespace workbookcommands
