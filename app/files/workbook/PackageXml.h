// One XML part of an .xlsx archive, read as a stream so that no part is ever held whole. Every
// failure - malformed XML, a damaged archive, a part that is not of the kind expected - throws
// SheetFileError naming the part.
#pragma once

#include "ZipArchive.h"

#include <QString>
#include <QStringView>
#include <QXmlStreamReader>

#include <memory>

class PackageXml
{
  public:
    // Opens the part and checks that its root element is `root` (by local name, so both
    // flavours of the format's namespaces are read).
    PackageXml(ZipArchive &archive, const QString &name, QStringView root);

    // Moves to the next start element inside the root, at any depth; false at the end of the
    // document, once the whole part has been read and its checksum verified.
    bool nextStartElement();

    // Moves to the next child element of the element the reader is in; false at that element's
    // end. Each child must have been read to its end (readText, readStringItem, skipElement).
    bool nextChild();

    // The current element's local name and one of its attributes by local name.
    QStringView name() const { return xml_.name(); }
    QStringView attribute(QStringView localName) const;

    // The text of the current element, which holds text only. Leaves the reader on its end.
    QString readText();
    // The text of a string item: its <t> elements at any depth (plain or in runs of formatted
    // text), without the phonetic guides (<rPh>), its escaped characters restored. Leaves the
    // reader on the item's end.
    QString readStringItem();
    void skipElement();

    [[noreturn]] void fail(const QString &why) const;

  private:
    QXmlStreamReader::TokenType next();

    QString name_;
    std::unique_ptr<ZipEntryDevice> device_;
    QXmlStreamReader xml_;
};
