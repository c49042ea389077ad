// The program's own sheet file (.vtl): the object count, the column count, the column names, the
// object names, then the cells row by row, one text per line exactly as the sheet holds it.
#pragma once

#include "Sheet.h"

#include <QString>
#include <QStringView>

namespace nativesheet
{

// The sheet a .vtl text describes; lines missing at the end read as empty texts. Throws
// SheetFileError when a count is not a positive integer or the sheet would pass the limits.
Sheet parse(QStringView text);

// The .vtl text of the sheet, every line ended by CR LF. Throws SheetFileError when a name or a
// cell holds a line break: the format has no way to carry it, and the file would read back shifted.
QString text(const Sheet &sheet);

} // namespace nativesheet
