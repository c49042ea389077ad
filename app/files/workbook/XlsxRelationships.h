// The relationships of one part of an .xlsx archive: the parts it refers to, and as what.
#pragma once

#include "ZipArchive.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <QStringView>

class XlsxRelationships
{
  public:
    // Reads the relationships of `sourcePart` ("" for the package itself). Throws
    // SheetFileError when they are missing or malformed.
    XlsxRelationships(ZipArchive &archive, const QString &sourcePart);

    // The part relationship `id` points to, when it is of the given kind ("worksheet",
    // "sharedStrings", ...); empty otherwise.
    QString target(const QString &id, QStringView kind) const;
    // The first part of the given kind; empty when there is none.
    QString firstOfKind(QStringView kind) const;

  private:
    struct Relationship {
        QString kind;   // the last segment of the type, alike in both namespaces of the format
        QString target; // the part's name inside the archive
    };

    QHash<QString, Relationship> byId_;
    QStringList order_;
};
