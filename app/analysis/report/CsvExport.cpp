#include "ReportExporters.h"

namespace exporters
{

namespace
{

constexpr QChar separator = u';';

// RFC 4180: a field holding the separator, a quote or a line break is quoted, quotes doubled.
QString field(const QString &text)
{
    if (!text.contains(separator) && !text.contains(u'"') && !text.contains(u'\n') &&
        !text.contains(u'\r'))
        return text;
    QString quoted = text;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

} // namespace

void writeCsv(const PreparedReport &report, QIODevice &device, Progress &progress)
{
    TextSink out(device, progress);
    forEachSheetRow(report, progress, [&](const SheetRow &row) {
        for (qsizetype f = 0; f < row.fields.size(); ++f) {
            if (f > 0)
                out << QStringView(&separator, 1);
            out << field(row.fields[f]);
        }
        out << u"\r\n";
    });
    out.finish();
}

} // namespace exporters
