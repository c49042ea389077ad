#include "SheetLimits.h"

#include "SheetFileError.h"

#include <string>

namespace sheetlimits
{

bool allows(qint64 objects, qint64 dataColumns)
{
    return objects <= MaxObjects && dataColumns <= MaxDataColumns &&
           objects * dataColumns <= MaxCells;
}

void check(qint64 objects, qint64 dataColumns)
{
    if (allows(objects, dataColumns))
        return;
    throw SheetFileError("the sheet would have " + std::to_string(objects) + " objects and " +
                         std::to_string(dataColumns) +
                         " data columns; at most 500000 of each and 50000000 cells in all are "
                         "allowed");
}

} // namespace sheetlimits
