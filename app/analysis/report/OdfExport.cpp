#include "ReportExporters.h"

#include "ZipPackage.h"
#include "files/NumberText.h"

#include <QBuffer>
#include <QTemporaryFile>
#include <QXmlStreamWriter>

namespace exporters
{

namespace
{

const QString officeNs = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:office:1.0");
const QString styleNs = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:style:1.0");
const QString textNs = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:text:1.0");
const QString tableNs = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:table:1.0");
const QString foNs = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0");
const QString numberNs = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:datastyle:1.0");
const QString svgNs = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:svg-compatible:1.0");
const QString manifestNs = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:manifest:1.0");

const QString frame = QStringLiteral("0.5pt solid #000000");

// An OpenDocument XML part being written; the writer's own namespaced calls with short names.
class OdfXml
{
  public:
    explicit OdfXml(QIODevice *device) : xml_(device)
    {
        xml_.setAutoFormatting(false);
        for (const auto &[prefix, ns] : {std::pair{u"office", officeNs},
                                         {u"style", styleNs},
                                         {u"text", textNs},
                                         {u"table", tableNs},
                                         {u"fo", foNs},
                                         {u"number", numberNs},
                                         {u"svg", svgNs}})
            xml_.writeNamespace(ns, QString::fromUtf16(prefix));
        xml_.writeStartDocument();
    }

    void start(const QString &ns, const QString &name) { xml_.writeStartElement(ns, name); }
    void end() { xml_.writeEndElement(); }
    void attribute(const QString &ns, const QString &name, const QString &value)
    {
        xml_.writeAttribute(ns, name, value);
    }
    void text(const QString &value) { xml_.writeCharacters(value); }
    // Whether everything was written.
    bool finish()
    {
        xml_.writeEndDocument();
        return !xml_.hasError();
    }

    // <style:style name family> with its properties element; the caller ends both.
    void styleWith(const QString &name, const QString &family, const QString &parent = {})
    {
        start(styleNs, QStringLiteral("style"));
        attribute(styleNs, QStringLiteral("name"), name);
        attribute(styleNs, QStringLiteral("family"), family);
        if (!parent.isEmpty())
            attribute(styleNs, QStringLiteral("data-style-name"), parent);
    }

    void textProperties(bool bold, bool underline)
    {
        start(styleNs, QStringLiteral("text-properties"));
        attribute(styleNs, QStringLiteral("font-name"), QStringLiteral("Arial"));
        attribute(foNs, QStringLiteral("font-size"), QStringLiteral("10pt"));
        if (bold)
            attribute(foNs, QStringLiteral("font-weight"), QStringLiteral("bold"));
        if (underline) {
            attribute(styleNs, QStringLiteral("text-underline-style"), QStringLiteral("solid"));
            attribute(styleNs, QStringLiteral("text-underline-width"), QStringLiteral("auto"));
            attribute(styleNs, QStringLiteral("text-underline-color"),
                      QStringLiteral("font-color"));
        }
        end();
    }

    void paragraph(const QString &style, const QString &value)
    {
        start(textNs, QStringLiteral("p"));
        if (!style.isEmpty())
            attribute(textNs, QStringLiteral("style-name"), style);
        text(value);
        end();
    }

    void fontFaces()
    {
        start(officeNs, QStringLiteral("font-face-decls"));
        for (const QString &family : {QStringLiteral("Arial"), QStringLiteral("Times New Roman")}) {
            start(styleNs, QStringLiteral("font-face"));
            attribute(styleNs, QStringLiteral("name"), family);
            attribute(svgNs, QStringLiteral("font-family"), u'\'' + family + u'\'');
            end();
        }
        end();
    }

  private:
    QXmlStreamWriter xml_;
};

QByteArray manifest(const QString &mimeType)
{
    QByteArray data;
    QXmlStreamWriter xml(&data);
    xml.writeNamespace(manifestNs, QStringLiteral("manifest"));
    xml.writeStartDocument();
    xml.writeStartElement(manifestNs, QStringLiteral("manifest"));
    xml.writeAttribute(manifestNs, QStringLiteral("version"), QStringLiteral("1.2"));
    const std::pair<QString, QString> entries[] = {
        {QStringLiteral("/"), mimeType},
        {QStringLiteral("content.xml"), QStringLiteral("text/xml")},
        {QStringLiteral("styles.xml"), QStringLiteral("text/xml")}};
    for (const auto &[path, type] : entries) {
        xml.writeEmptyElement(manifestNs, QStringLiteral("file-entry"));
        xml.writeAttribute(manifestNs, QStringLiteral("full-path"), path);
        xml.writeAttribute(manifestNs, QStringLiteral("media-type"), type);
    }
    xml.writeEndDocument();
    return data;
}

// styles.xml: the page (paper, orientation, margins) and, for text, the "-N-" page footer.
QByteArray pageStyles(const PageSetup &setup, bool withFooter)
{
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    OdfXml xml(&buffer);
    const QSizeF page = setup.pageSize() / PageSetup::pixelsPerMm;
    const auto mm = [](double value) {
        return QString::number(value, 'f', 2) + QStringLiteral("mm");
    };
    xml.start(officeNs, QStringLiteral("document-styles"));
    xml.attribute(officeNs, QStringLiteral("version"), QStringLiteral("1.2"));
    xml.fontFaces();
    xml.start(officeNs, QStringLiteral("automatic-styles"));
    xml.start(styleNs, QStringLiteral("page-layout"));
    xml.attribute(styleNs, QStringLiteral("name"), QStringLiteral("Page"));
    xml.start(styleNs, QStringLiteral("page-layout-properties"));
    xml.attribute(foNs, QStringLiteral("page-width"), mm(page.width()));
    xml.attribute(foNs, QStringLiteral("page-height"), mm(page.height()));
    xml.attribute(styleNs, QStringLiteral("print-orientation"),
                  setup.orientation == QPageLayout::Landscape ? QStringLiteral("landscape")
                                                              : QStringLiteral("portrait"));
    xml.attribute(foNs, QStringLiteral("margin-left"), mm(setup.marginsMm.left()));
    xml.attribute(foNs, QStringLiteral("margin-right"), mm(setup.marginsMm.right()));
    xml.attribute(foNs, QStringLiteral("margin-top"), mm(setup.marginsMm.top()));
    xml.attribute(foNs, QStringLiteral("margin-bottom"), mm(setup.marginsMm.bottom()));
    xml.end();
    xml.end();
    xml.styleWith(QStringLiteral("Footer"), QStringLiteral("paragraph"));
    xml.start(styleNs, QStringLiteral("paragraph-properties"));
    xml.attribute(foNs, QStringLiteral("text-align"), QStringLiteral("center"));
    xml.end();
    xml.end();
    xml.end();
    xml.start(officeNs, QStringLiteral("master-styles"));
    xml.start(styleNs, QStringLiteral("master-page"));
    xml.attribute(styleNs, QStringLiteral("name"), QStringLiteral("Standard"));
    xml.attribute(styleNs, QStringLiteral("page-layout-name"), QStringLiteral("Page"));
    if (withFooter) {
        xml.start(styleNs, QStringLiteral("footer"));
        xml.start(textNs, QStringLiteral("p"));
        xml.attribute(textNs, QStringLiteral("style-name"), QStringLiteral("Footer"));
        xml.text(QStringLiteral("-"));
        xml.start(textNs, QStringLiteral("page-number"));
        xml.attribute(textNs, QStringLiteral("select-page"), QStringLiteral("current"));
        xml.end();
        xml.text(QStringLiteral("-"));
        xml.end();
        xml.end();
    }
    xml.end();
    xml.end();
    xml.end();
    xml.finish(); // a buffer in memory does not fail
    return data;
}

// Writes content.xml to a temporary file (it may be far larger than memory allows), then the
// package around it.
template <typename WriteBody>
void writePackage(const PreparedReport &report, const QString &path, const QString &mimeType,
                  bool textDocument, Progress &progress, WriteBody writeBody)
{
    QTemporaryFile content;
    if (!content.open())
        progress.fail();
    {
        OdfXml xml(&content);
        xml.start(officeNs, QStringLiteral("document-content"));
        xml.attribute(officeNs, QStringLiteral("version"), QStringLiteral("1.2"));
        xml.fontFaces();
        writeBody(xml);
        xml.end();
        if (!xml.finish())
            progress.fail();
    }
    if (!content.flush())
        progress.fail();
    ZipPackage package(path);
    const bool written =
        package.addData(QStringLiteral("mimetype"), mimeType.toUtf8(), false) &&
        package.addData(QStringLiteral("META-INF/manifest.xml"), manifest(mimeType)) &&
        package.addData(QStringLiteral("styles.xml"), pageStyles(report.setup(), textDocument)) &&
        package.addFile(QStringLiteral("content.xml"), content.fileName()) && package.close();
    if (!written)
        progress.fail();
}

void cellStyle(OdfXml &xml, const QString &name, bool label, const QString &align, bool bold)
{
    xml.styleWith(name, QStringLiteral("table-cell"));
    xml.start(styleNs, QStringLiteral("table-cell-properties"));
    if (label)
        xml.attribute(foNs, QStringLiteral("background-color"), QStringLiteral("#e0eee0"));
    xml.attribute(foNs, QStringLiteral("border"), frame);
    xml.attribute(foNs, QStringLiteral("padding"), QStringLiteral("0.08cm"));
    xml.attribute(styleNs, QStringLiteral("vertical-align"), QStringLiteral("middle"));
    xml.end();
    xml.start(styleNs, QStringLiteral("paragraph-properties"));
    xml.attribute(foNs, QStringLiteral("text-align"), align);
    xml.end();
    xml.textProperties(bold, false);
    xml.end();
}

void textDocumentStyles(OdfXml &xml)
{
    xml.start(officeNs, QStringLiteral("automatic-styles"));
    xml.styleWith(QStringLiteral("Title"), QStringLiteral("paragraph"));
    xml.start(styleNs, QStringLiteral("paragraph-properties"));
    xml.attribute(foNs, QStringLiteral("text-align"), QStringLiteral("center"));
    xml.attribute(foNs, QStringLiteral("background-color"), QStringLiteral("#d4d0c8"));
    xml.attribute(foNs, QStringLiteral("border"), frame);
    xml.attribute(foNs, QStringLiteral("padding"), QStringLiteral("0.15cm"));
    xml.attribute(styleNs, QStringLiteral("shadow"), QStringLiteral("#808080 0.08cm 0.08cm"));
    xml.attribute(foNs, QStringLiteral("margin-bottom"), QStringLiteral("0.3cm"));
    xml.end();
    xml.textProperties(true, false);
    xml.end();
    for (const bool keep : {true, false}) {
        xml.styleWith(keep ? QStringLiteral("Caption") : QStringLiteral("FreeCaption"),
                      QStringLiteral("paragraph"));
        xml.start(styleNs, QStringLiteral("paragraph-properties"));
        xml.attribute(foNs, QStringLiteral("margin-top"), QStringLiteral("0.3cm"));
        if (keep)
            xml.attribute(foNs, QStringLiteral("keep-with-next"), QStringLiteral("always"));
        xml.end();
        xml.textProperties(true, true);
        xml.end();
    }
    cellStyle(xml, QStringLiteral("ColumnLabel"), true, QStringLiteral("center"), true);
    cellStyle(xml, QStringLiteral("RowLabel"), true, QStringLiteral("start"), true);
    cellStyle(xml, QStringLiteral("Value"), false, QStringLiteral("end"), false);
    xml.end();
}

void tableCell(OdfXml &xml, const QString &style, const QString &value)
{
    xml.start(tableNs, QStringLiteral("table-cell"));
    if (!style.isEmpty())
        xml.attribute(tableNs, QStringLiteral("style-name"), style);
    xml.attribute(officeNs, QStringLiteral("value-type"), QStringLiteral("string"));
    xml.paragraph({}, value);
    xml.end();
}

void textTable(OdfXml &xml, const PreparedReport &report, int s, Progress &progress)
{
    const CrossTable &table = tableOf(report, s);
    xml.start(tableNs, QStringLiteral("table"));
    xml.attribute(tableNs, QStringLiteral("name"), QStringLiteral("Πίνακας%1").arg(s + 1));
    xml.start(tableNs, QStringLiteral("table-column"));
    xml.attribute(tableNs, QStringLiteral("number-columns-repeated"),
                  QString::number(table.columnCount() + 1));
    xml.end();
    xml.start(tableNs, QStringLiteral("table-header-rows"));
    xml.start(tableNs, QStringLiteral("table-row"));
    tableCell(xml, {}, {});
    for (int c = 0; c < table.columnCount(); ++c)
        tableCell(xml, QStringLiteral("ColumnLabel"), columnLabelOf(report, s, c));
    xml.end();
    xml.end();
    for (int r = 0; r < table.rowCount(); ++r) {
        xml.start(tableNs, QStringLiteral("table-row"));
        tableCell(xml, QStringLiteral("RowLabel"), rowLabelOf(report, s, r));
        for (int c = 0; c < table.columnCount(); ++c)
            tableCell(xml, QStringLiteral("Value"), cellOf(report, s, r, c));
        xml.end();
        progress.advance();
    }
    xml.end();
}

void spreadsheetStyles(OdfXml &xml)
{
    xml.start(officeNs, QStringLiteral("automatic-styles"));
    xml.start(numberNs, QStringLiteral("number-style"));
    xml.attribute(styleNs, QStringLiteral("name"), QStringLiteral("N3"));
    xml.start(numberNs, QStringLiteral("number"));
    xml.attribute(numberNs, QStringLiteral("decimal-places"), QStringLiteral("3"));
    xml.attribute(numberNs, QStringLiteral("min-integer-digits"), QStringLiteral("1"));
    xml.end();
    xml.end();
    xml.styleWith(QStringLiteral("Three"), QStringLiteral("table-cell"), QStringLiteral("N3"));
    xml.end();
    xml.styleWith(QStringLiteral("Label"), QStringLiteral("table-cell"));
    xml.start(styleNs, QStringLiteral("table-cell-properties"));
    xml.attribute(foNs, QStringLiteral("background-color"), QStringLiteral("#e0eee0"));
    xml.end();
    xml.textProperties(true, false);
    xml.end();
    xml.styleWith(QStringLiteral("Caption"), QStringLiteral("table-cell"));
    xml.textProperties(true, true);
    xml.end();
    xml.end();
}

class SpreadsheetWriter
{
  public:
    SpreadsheetWriter(OdfXml &xml, QChar decimal) : xml_(xml), decimal_(decimal) {}

    void row(const SheetRow &row)
    {
        if (rowsInSheet_ == worksheetRowLimit)
            endSheet();
        if (rowsInSheet_ == 0)
            startSheet();
        ++rowsInSheet_;
        xml_.start(tableNs, QStringLiteral("table-row"));
        for (qsizetype f = 0; f < row.fields.size(); ++f)
            cell(row, f);
        xml_.end();
    }

    void finish()
    {
        if (rowsInSheet_ == 0)
            startSheet();
        endSheet();
    }

  private:
    void startSheet()
    {
        ++sheets_;
        xml_.start(tableNs, QStringLiteral("table"));
        xml_.attribute(tableNs, QStringLiteral("name"),
                       sheets_ == 1 ? QStringLiteral("Αναφορά")
                                    : QStringLiteral("Αναφορά %1").arg(sheets_));
    }

    void endSheet()
    {
        xml_.end();
        rowsInSheet_ = 0;
    }

    void cell(const SheetRow &row, qsizetype f)
    {
        const QString &text = row.fields[f];
        const bool label = row.kind == SheetRow::Kind::Header || f == 0;
        const auto number = label ? std::nullopt : numberCell(text, decimal_);
        xml_.start(tableNs, QStringLiteral("table-cell"));
        if (row.kind == SheetRow::Kind::Caption)
            xml_.attribute(tableNs, QStringLiteral("style-name"), QStringLiteral("Caption"));
        else if (label && !(row.kind == SheetRow::Kind::Header && f == 0))
            xml_.attribute(tableNs, QStringLiteral("style-name"), QStringLiteral("Label"));
        else if (number && number->threeDecimals)
            xml_.attribute(tableNs, QStringLiteral("style-name"), QStringLiteral("Three"));
        if (number) {
            xml_.attribute(officeNs, QStringLiteral("value-type"), QStringLiteral("float"));
            xml_.attribute(officeNs, QStringLiteral("value"),
                           numbertext::formatShortest(number->value, u'.'));
        } else {
            xml_.attribute(officeNs, QStringLiteral("value-type"), QStringLiteral("string"));
        }
        if (!text.isEmpty())
            xml_.paragraph({}, text);
        xml_.end();
    }

    OdfXml &xml_;
    QChar decimal_;
    int rowsInSheet_ = 0;
    int sheets_ = 0;
};

} // namespace

void writeOdt(const PreparedReport &report, const QString &path, Progress &progress)
{
    writePackage(report, path, QStringLiteral("application/vnd.oasis.opendocument.text"), true,
                 progress, [&](OdfXml &xml) {
                     textDocumentStyles(xml);
                     xml.start(officeNs, QStringLiteral("body"));
                     xml.start(officeNs, QStringLiteral("text"));
                     xml.paragraph(QStringLiteral("Title"), titleOf(report));
                     for (int s = 0; s < sectionCount(report); ++s) {
                         const bool keep =
                             report.content().sections[static_cast<std::size_t>(s)].keepTogether;
                         xml.paragraph(keep ? QStringLiteral("Caption")
                                            : QStringLiteral("FreeCaption"),
                                       captionOf(report, s));
                         if (tableOf(report, s).columnCount() > 0)
                             textTable(xml, report, s, progress);
                         progress.advance();
                     }
                     xml.end();
                     xml.end();
                 });
}

void writeOds(const PreparedReport &report, const QString &path, Progress &progress)
{
    writePackage(report, path, QStringLiteral("application/vnd.oasis.opendocument.spreadsheet"),
                 false, progress, [&](OdfXml &xml) {
                     spreadsheetStyles(xml);
                     xml.start(officeNs, QStringLiteral("body"));
                     xml.start(officeNs, QStringLiteral("spreadsheet"));
                     SpreadsheetWriter sheet(xml, report.content().decimal);
                     forEachSheetRow(report, progress,
                                     [&](const SheetRow &row) { sheet.row(row); });
                     sheet.finish();
                     xml.end();
                     xml.end();
                 });
}

} // namespace exporters
