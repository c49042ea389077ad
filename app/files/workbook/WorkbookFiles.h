// The workbook interchange without any window: what the commands and the command line both use.
// Every function throws SheetFileError with the reason when it fails, and changes nothing then.
#pragma once

#include "Sheet.h"
#include "WorksheetTexts.h"

#include <QChar>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace workbookfiles
{

// Picks one of the worksheets, given their names in workbook order; nothing to cancel.
using WorksheetChooser = std::function<std::optional<int>(const QStringList &names)>;

// The sheet made from the chosen worksheet of an .xlsx or .xls workbook, numbers written with
// the given decimal separator; nothing when the chooser cancels.
std::optional<Sheet> importWorkbook(const QString &path, const WorksheetChooser &choose,
                                    QChar decimal);

// The worksheet's used rectangle becomes the whole grid: its first row the column names, its
// first column the object names, the corner "Γ / Σ"; the sheet is marked modified. Error values
// leave their cells empty, but one among the names fails, and so does a rectangle of a single
// row or column, which holds no objects or no data columns.
Sheet sheetFromWorksheet(const WorksheetTexts &texts);

// Writes the whole grid as an .xlsx workbook (see WorkbookWriter), replacing the file.
void exportWorkbook(const QString &path, const Sheet &sheet, QChar decimal);

} // namespace workbookfiles
