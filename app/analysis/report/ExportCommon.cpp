#include "ReportExporters.h"

#include "files/NumberText.h"

#include <QIODevice>

namespace exporters
{

void Progress::advance(qint64 steps)
{
    done_ += steps;
    if (!report_ || (done_ - reported_ < total_ / 200 + 1 && done_ < total_))
        return;
    reported_ = done_;
    if (!report_(done_, total_))
        fail();
}

qint64 rowWork(const PreparedReport &report)
{
    qint64 rows = 0;
    for (const ReportSection &section : report.content().sections)
        rows += section.table.rowCount() + 1;
    return rows;
}

TextSink &TextSink::operator<<(QStringView text)
{
    constexpr qsizetype flushAt = 1 << 16;
    buffer_ += text;
    if (buffer_.size() >= flushAt)
        flush();
    return *this;
}

void TextSink::flush()
{
    const QByteArray bytes = buffer_.toUtf8();
    buffer_.clear();
    if (out_.write(bytes) != bytes.size())
        progress_.fail();
}

void forEachSheetRow(const PreparedReport &report, Progress &progress,
                     const std::function<void(const SheetRow &)> &write)
{
    for (int s = 0; s < sectionCount(report); ++s) {
        const CrossTable &table = tableOf(report, s);
        if (s > 0)
            write({SheetRow::Kind::Blank, {}});
        write({SheetRow::Kind::Caption, {captionOf(report, s)}});
        if (table.columnCount() > 0) {
            QStringList header{QString()};
            for (int c = 0; c < table.columnCount(); ++c)
                header << columnLabelOf(report, s, c);
            write({SheetRow::Kind::Header, header});
        }
        progress.advance();
        for (int r = 0; r < table.rowCount(); ++r) {
            QStringList row{rowLabelOf(report, s, r)};
            for (int c = 0; c < table.columnCount(); ++c)
                row << cellOf(report, s, r, c);
            write({SheetRow::Kind::Values, row});
            progress.advance();
        }
    }
}

std::optional<NumberCell> numberCell(const QString &text, QChar decimal)
{
    if (!numbertext::isPlainNumber(text, decimal))
        return std::nullopt;
    const double value = *numbertext::parseNumber(text, decimal);
    const qsizetype separator = text.indexOf(decimal);
    const bool three = separator >= 0 && text.size() - separator - 1 == 3 &&
                       !text.contains(u'e', Qt::CaseInsensitive);
    return NumberCell{value, three};
}

} // namespace exporters
