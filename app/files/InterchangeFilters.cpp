#include "InterchangeFilters.h"

namespace
{

// The text entry of each dialog, by delimiter option: tab, ";", ",", space.
const QString ExportTextEntries[] = {
    QStringLiteral("Κείμενο (Οριοθετημένο με Tab) (*.txt)|*.txt"),
    QStringLiteral("Κείμενο (Οριοθετημένο με ερωτ/κο) (*.txt)|*.txt"),
    QStringLiteral("Κείμενο (Οριοθετημένο με κόμμα) (*.txt)|*.txt"),
    QStringLiteral("Κείμενο (Οριοθετημένο με διάστημα) (*.txt)|*.txt"),
};

const QString ImportTextEntries[] = {
    QStringLiteral("Κείμενο (Οριοθετημένο με Tab) (*.txt)|*.txt"),
    QStringLiteral("Κείμενο (Οριοθετημένο με ερωτ/κό) (*.txt)|*.txt"),
    QStringLiteral("Κείμενο (Οριοθετημένο με κόμμα) (*.txt)|*.txt"),
    QStringLiteral("Κείμενο (Οριοθετημένο με διάστημα) (*.txt)|*.txt"),
};

} // namespace

namespace interchangefilters
{

QString exportFilter(const QString &workbookEntry, int delimiterIndex)
{
    return workbookEntry + u'|' + ExportTextEntries[delimiterIndex];
}

QString importFilter(const QString &workbookEntry, int delimiterIndex)
{
    return workbookEntry + u'|' + ImportTextEntries[delimiterIndex];
}

} // namespace interchangefilters
