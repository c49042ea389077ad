// The largest sheet any loader accepts. The name lists hold at most 500000 objects and 500000
// data columns, and the cell total keeps a hostile file from exhausting memory.
#pragma once

#include "Sheet.h"

#include <QtGlobal>

namespace sheetlimits
{

inline constexpr qint64 MaxObjects = Sheet::MaxObjects;
inline constexpr qint64 MaxDataColumns = Sheet::MaxColumns;
inline constexpr qint64 MaxCells = 50000000;

// Whether a sheet of this many objects and data columns may be made.
bool allows(qint64 objects, qint64 dataColumns);

// Throws SheetFileError saying which limit is passed, when a sheet of this size may not be made.
void check(qint64 objects, qint64 dataColumns);

} // namespace sheetlimits
