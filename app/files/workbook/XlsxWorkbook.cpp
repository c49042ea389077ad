#include "XlsxWorkbook.h"

#include "XlsxWorksheet.h"
#include "PackageXml.h"
#include "files/SheetFileError.h"

namespace
{

QString workbookPartOf(ZipArchive &archive)
{
    const QString part = XlsxRelationships(archive, QString()).firstOfKind(u"officeDocument");
    if (part.isEmpty())
        throw SheetFileError("the archive holds no workbook");
    return part;
}

} // namespace

XlsxWorkbook::XlsxWorkbook(const QString &path)
    : archive_(path), workbookPart_(workbookPartOf(archive_)),
      relationships_(archive_, workbookPart_)
{
    readWorkbookPart();
}

// The <sheets> list gives the order; the relationships say which entries are worksheets (chart
// sheets are listed too) and where their parts are.
void XlsxWorkbook::readWorkbookPart()
{
    PackageXml part(archive_, workbookPart_, u"workbook");
    while (part.nextStartElement()) {
        if (part.name() != u"sheet")
            continue;
        const QString worksheet =
            relationships_.target(part.attribute(u"id").toString(), u"worksheet");
        if (worksheet.isEmpty())
            continue;
        names_.append(part.attribute(u"name").toString());
        parts_.append(worksheet);
    }
}

QStringList XlsxWorkbook::readSharedStrings()
{
    const QString sharedStringsPart = relationships_.firstOfKind(u"sharedStrings");
    QStringList strings;
    if (sharedStringsPart.isEmpty())
        return strings;
    PackageXml part(archive_, sharedStringsPart, u"sst");
    while (part.nextStartElement()) {
        if (part.name() == u"si")
            strings.append(part.readStringItem());
    }
    return strings;
}

WorksheetTexts XlsxWorkbook::readWorksheet(int index, QChar decimal)
{
    if (index < 0 || index >= parts_.size())
        throw SheetFileError("the workbook has no worksheet " + std::to_string(index + 1));
    return readXlsxWorksheet(archive_, parts_[index], readSharedStrings(), decimal);
}
