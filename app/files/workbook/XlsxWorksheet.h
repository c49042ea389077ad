// The cells of one worksheet part of an .xlsx archive.
#pragma once

#include "WorksheetTexts.h"
#include "ZipArchive.h"

#include <QChar>
#include <QString>
#include <QStringList>

// Reads the cells that hold a value: numbers as stored, in their shortest exact form with the
// given decimal separator; shared and inline strings as they are; booleans "TRUE" and "FALSE";
// error values marked. Throws SheetFileError on anything that is not a well-formed worksheet.
WorksheetTexts readXlsxWorksheet(ZipArchive &archive, const QString &part,
                                 const QStringList &sharedStrings, QChar decimal);
