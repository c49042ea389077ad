#include "WorkbookFile.h"

#include "XlsWorkbook.h"
#include "XlsxWorkbook.h"
#include "files/SheetFileError.h"

#include <QByteArray>
#include <QFile>

namespace
{

// An .xlsx file is a zip archive; an .xls file a compound document.
const QByteArray ZipSignature("PK\x03\x04", 4);
const QByteArray CompoundDocumentSignature("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);

QByteArray leadingBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw SheetFileError("cannot open " + path.toStdString() + ": " +
                             file.errorString().toStdString());
    return file.read(CompoundDocumentSignature.size());
}

} // namespace

std::unique_ptr<WorkbookFile> openWorkbookFile(const QString &path)
{
    const QByteArray start = leadingBytes(path);
    if (start.startsWith(ZipSignature))
        return std::make_unique<XlsxWorkbook>(path);
    if (start.startsWith(CompoundDocumentSignature))
        return std::make_unique<XlsWorkbook>(path);
    throw SheetFileError(path.toStdString() + " is not an Excel workbook (.xlsx or .xls)");
}
