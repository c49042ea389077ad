#include "WorkbookFixtures.h"

#include <QFile>

#include <stdexcept>

#include <zip.h>

namespace fixtures
{

namespace
{

const QByteArray ContentTypes =
    R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">
<Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/>
<Default Extension="xml" ContentType="application/xml"/>
</Types>)";

const QByteArray PackageRelationships =
    R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">
<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument" Target="xl/workbook.xml"/>
</Relationships>)";

const QByteArray Workbook =
    R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<workbook xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships">
<sheets><sheet name="Data" sheetId="1" r:id="rId1"/></sheets>
</workbook>)";

const QByteArray WorkbookRelationships =
    R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">
<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet" Target="worksheets/sheet1.xml"/>
<Relationship Id="rId2" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/sharedStrings" Target="sharedStrings.xml"/>
</Relationships>)";

QByteArray sharedStringsPart(const QStringList &strings)
{
    QByteArray xml = R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<sst xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main">)";
    for (const QString &text : strings)
        xml += "<si><t>" + text.toHtmlEscaped().toUtf8() + "</t></si>";
    return xml + "</sst>";
}

} // namespace

Parts workbookParts(const QByteArray &sheetData, const QStringList &sharedStrings)
{
    return {
        {"[Content_Types].xml", ContentTypes},
        {"_rels/.rels", PackageRelationships},
        {"xl/workbook.xml", Workbook},
        {"xl/_rels/workbook.xml.rels", WorkbookRelationships},
        {"xl/sharedStrings.xml", sharedStringsPart(sharedStrings)},
        {"xl/worksheets/sheet1.xml",
         R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<worksheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main">)" +
             sheetData + "</worksheet>"},
    };
}

void writeArchive(const QString &path, const Parts &parts, bool store)
{
    int error = 0;
    zip_t *archive =
        zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (archive == nullptr)
        throw std::runtime_error("cannot create the test archive");
    // The sources point into the parts, which live until zip_close has written them.
    for (auto part = parts.cbegin(); part != parts.cend(); ++part) {
        zip_source_t *source = zip_source_buffer(archive, part.value().constData(),
                                                 static_cast<zip_uint64_t>(part.value().size()), 0);
        const zip_int64_t index =
            zip_file_add(archive, part.key().toUtf8().constData(), source, ZIP_FL_ENC_UTF_8);
        if (store)
            zip_set_file_compression(archive, static_cast<zip_uint64_t>(index), ZIP_CM_STORE, 0);
    }
    if (zip_close(archive) != 0)
        throw std::runtime_error("cannot write the test archive");
}

QList<QStringList> rows(const WorksheetTexts &texts)
{
    QList<QStringList> grid(texts.rowCount(), QStringList(texts.columnCount()));
    for (const WorksheetTexts::Cell &cell : texts.cells())
        grid[cell.row][cell.column] = cell.error ? QStringLiteral("#ERROR") : cell.text;
    return grid;
}

QByteArray entry(const QString &archivePath, const QString &name)
{
    zip_t *archive = zip_open(QFile::encodeName(archivePath).constData(), ZIP_RDONLY, nullptr);
    if (archive == nullptr)
        throw std::runtime_error("cannot open the archive");
    QByteArray content;
    zip_stat_t stat;
    if (zip_stat(archive, name.toUtf8().constData(), 0, &stat) == 0) {
        content.resize(static_cast<qsizetype>(stat.size));
        zip_file_t *file = zip_fopen(archive, name.toUtf8().constData(), 0);
        zip_fread(file, content.data(), stat.size);
        zip_fclose(file);
    }
    zip_discard(archive);
    return content;
}

} // namespace fixtures
