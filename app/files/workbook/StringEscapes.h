// Workbook strings write characters that XML cannot hold as "_xHHHH_" (hexadecimal code), and a
// text that merely looks like such an escape with its underscore escaped ("_x005F_xHHHH_").
#pragma once

#include <QString>
#include <QStringView>

namespace stringescapes
{

// The text a workbook string stands for.
QString decode(QStringView stored);

// Protects what only looks like an escape; the writing library escapes the control characters.
QString protectLookalikes(const QString &text);

} // namespace stringescapes
