// The options dialog and the import and export commands: delimited text here, workbooks through
// the workbook interchange plugged into entry 1 of their dialogs.
#pragma once

#include "FileChooser.h"
#include "WorkbookInterchange.h"

#include <QObject>
#include <QString>

class TMainForm;
class TOptionsFrm;

class InterchangeCommands : public QObject
{
    Q_OBJECT

  public:
    static const QString ImportFailed;
    static const QString ExportFailed;
    static const QString ExportFileName;
    static const QString OptionsHelp;
    static QString importedMessage(const QString &path);
    static QString exportedMessage(const QString &path);

    // Connects Options, Import and Export, and the options dialog: its decimal separator becomes
    // the program's, also when a new sheet is made, and its help button is answered.
    InterchangeCommands(TMainForm &window, TOptionsFrm &options, FileChooser &chooser);

    void setWorkbookInterchange(WorkbookInterchange workbook) { workbook_ = std::move(workbook); }

    void OptionsExecute();
    void ImportXLSDataExecute();
    void ExportXLSDataExecute();

    // Reads a delimited text file into the window; false, with the error shown, when it cannot.
    bool importText(const QString &path);
    // Writes the sheet as delimited text, leaving the text on the clipboard.
    bool exportText(const QString &path);

  private:
    void importWorkbook(const QString &path);
    void showImported(const QString &path);

    TMainForm &window_;
    TOptionsFrm &options_;
    FileChooser &chooser_;
    WorkbookInterchange workbook_;
    int lastExportEntry_ = 1;
};
