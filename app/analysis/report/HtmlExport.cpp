#include "ReportExporters.h"

namespace exporters
{

namespace
{

// Escapes the text for HTML that is also well-formed XML.
QString escaped(const QString &text)
{
    QString result = text.toHtmlEscaped();
    result.replace(u'\'', QStringLiteral("&#39;"));
    return result;
}

const char16_t *const head =
    u"<!DOCTYPE html>\n"
    u"<html xmlns=\"http://www.w3.org/1999/xhtml\" lang=\"el\">\n<head>\n"
    u"<meta charset=\"utf-8\"/>\n<title>%1</title>\n<style>\n"
    u"body { font-family: 'Times New Roman', 'Liberation Serif', serif; font-size: 10pt; }\n"
    u"h1 { font: bold 10pt Arial, 'Liberation Sans', sans-serif; text-align: center;"
    u" background: #D4D0C8; border: 1px solid black; box-shadow: 3px 3px #808080;"
    u" padding: 6px; }\n"
    u"h2 { font: bold 10pt Arial, 'Liberation Sans', sans-serif; text-decoration: underline; }\n"
    u"table { border-collapse: collapse; font: 10pt Arial, 'Liberation Sans', sans-serif; }\n"
    u"th, td { border: 1px solid black; padding: 3px; min-width: 24px; vertical-align: middle; }\n"
    u"th { background: #E0EEE0; font-weight: bold; text-align: center; }\n"
    u"tbody th { text-align: left; }\n"
    u"td { text-align: right; }\n"
    u"</style>\n</head>\n<body>\n";

} // namespace

void writeHtml(const PreparedReport &report, QIODevice &device, Progress &progress)
{
    TextSink out(device, progress);
    const QString title = escaped(titleOf(report));
    out << QString::fromUtf16(head).arg(title) << u"<h1>" << title << u"</h1>\n";
    for (int s = 0; s < sectionCount(report); ++s) {
        const CrossTable &table = tableOf(report, s);
        out << u"<h2>" << escaped(captionOf(report, s)) << u"</h2>\n";
        progress.advance();
        if (table.columnCount() == 0)
            continue;
        out << u"<table>\n<thead><tr><th></th>";
        for (int c = 0; c < table.columnCount(); ++c)
            out << u"<th>" << escaped(columnLabelOf(report, s, c)) << u"</th>";
        out << u"</tr></thead>\n<tbody>\n";
        for (int r = 0; r < table.rowCount(); ++r) {
            out << u"<tr><th>" << escaped(rowLabelOf(report, s, r)) << u"</th>";
            for (int c = 0; c < table.columnCount(); ++c)
                out << u"<td>" << escaped(cellOf(report, s, r, c)) << u"</td>";
            out << u"</tr>\n";
            progress.advance();
        }
        out << u"</tbody>\n</table>\n";
    }
    out << u"</body>\n</html>\n";
    out.finish();
}

} // namespace exporters
