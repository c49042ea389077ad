// Workbooks made by the tests: real ones written with libxlsxwriter, and hand-made archives whose
// parts the tests write themselves to reach what no writer produces.
#pragma once

#include "WorksheetTexts.h"

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

namespace fixtures
{

using Parts = QMap<QString, QByteArray>; // archive entry name -> content

// The parts of a one-worksheet .xlsx package around the given <sheetData> content (and shared
// strings, when given).
Parts workbookParts(const QByteArray &sheetData, const QStringList &sharedStrings = {});

// Writes the parts as a zip archive; `store` leaves them uncompressed.
void writeArchive(const QString &path, const Parts &parts, bool store = false);

// The rectangle as rows of texts, error values shown as "#ERROR".
QList<QStringList> rows(const WorksheetTexts &texts);

// The bytes of one entry of an archive on disk.
QByteArray entry(const QString &archivePath, const QString &name);

} // namespace fixtures
