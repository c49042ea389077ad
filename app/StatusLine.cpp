#include "StatusLine.h"

QString statusLine(int cursorRow, int cursorColumn, int objectCount, int columnCount)
{
    const QString gap(10, u' ');
    return QStringLiteral("Γραμμή: ") + QString::number(cursorRow) + gap +
           QStringLiteral("Στήλη: ") + QString::number(cursorColumn) + gap +
           QStringLiteral("Γραμμές: ") + QString::number(objectCount) + gap +
           QStringLiteral("Στήλες: ") + QString::number(columnCount) + gap;
}
