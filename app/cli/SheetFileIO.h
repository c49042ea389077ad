// Sheets read and written by the command line through the same format code as the windows.
// Every failure throws CommandFailure: a file that cannot be read or written, or a text output
// that cannot hold a cell, fails with FileFailed; a worksheet that the workbook does not hold is
// wrong usage. The message is the sentence the windows show, then the reason on a line of its own.
#pragma once

#include "SheetFileKind.h"

#include "Sheet.h"

#include <QChar>
#include <QString>

#include <optional>

namespace cli
{

struct SheetReading {
    QChar decimal = u'.';          // numbers of a workbook written with it
    QChar delimiter = u'\t';       // of a text input
    std::optional<int> sheetIndex; // of a workbook, from 1; the first when neither is given
    std::optional<QString> sheetName;
};

Sheet readSheet(const QString &path, SheetFileKind kind, const SheetReading &reading);

// `delimiter` is that of a text output. No cell of such an output may hold it, nor a line
// break: the format has no quoting, and the file would read back shifted. The program's own
// corner label alone is written without its delimiter characters instead.
void writeSheet(const QString &path, SheetFileKind kind, const Sheet &sheet, QChar decimal,
                QChar delimiter);

} // namespace cli
