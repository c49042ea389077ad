// The filters of the import and export dialogs: entry 1 the workbook, entry 2 delimited text
// named after the delimiter option.
#pragma once

#include <QString>

namespace interchangefilters
{

QString exportFilter(const QString &workbookEntry, int delimiterIndex);
QString importFilter(const QString &workbookEntry, int delimiterIndex);

} // namespace interchangefilters
