// An open workbook file: the names of its worksheets and the texts of one of them. The file is
// read as it is, with no spreadsheet program involved.
#pragma once

#include "WorksheetTexts.h"

#include <QChar>
#include <QString>
#include <QStringList>

#include <memory>

class WorkbookFile
{
  public:
    virtual ~WorkbookFile() = default;

    // The worksheets in workbook order (chart sheets are not worksheets and are left out).
    virtual QStringList worksheetNames() const = 0;

    // The used rectangle of worksheet `index` (from 0): numbers as stored, written in their
    // shortest exact form with the given decimal separator; booleans "TRUE" and "FALSE".
    // Throws SheetFileError.
    virtual WorksheetTexts readWorksheet(int index, QChar decimal) = 0;
};

// Opens an .xlsx or .xls workbook, told apart by its content rather than its name.
// Throws SheetFileError when the file is neither or cannot be read.
std::unique_ptr<WorkbookFile> openWorkbookFile(const QString &path);
