// Delimited text, the interchange with other programs: one line per grid row from the header row
// down, the cells of each row joined by the delimiter, no quoting.
#pragma once

#include "Sheet.h"

#include <QChar>
#include <QString>
#include <QStringView>

namespace delimitedtext
{

// The whole grid, header row and name column included, every line ended by CR LF.
QString text(const Sheet &sheet, QChar delimiter);

// The sheet a delimited text gives: the first line holds the corner and the column names, the
// first field of every later line the object name; short lines are padded with empty cells and
// every delimiter ends a field. At least one object row and one data column result. Throws
// SheetFileError when the sheet would pass the limits.
Sheet parse(QStringView text, QChar delimiter);

} // namespace delimitedtext
