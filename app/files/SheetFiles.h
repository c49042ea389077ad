// The sheet's files without any window: what the commands and the command line both use.
// Every function throws SheetFileError with the reason when it fails, and changes nothing then.
#pragma once

#include "Sheet.h"

#include <QChar>
#include <QString>

namespace sheetfiles
{

// Reads a .vtl file into a new sheet.
Sheet openNativeSheet(const QString &path);

// Writes the sheet as a .vtl file, replacing the file atomically.
void saveNativeSheet(const QString &path, const Sheet &sheet);

// Reads a delimited text file into a new sheet.
Sheet importDelimitedText(const QString &path, QChar delimiter);

// Writes the sheet as delimited text, replacing the file atomically.
void exportDelimitedText(const QString &path, const Sheet &sheet, QChar delimiter);

} // namespace sheetfiles
