#include "ReportExporters.h"

namespace exporters
{

namespace
{

// One section as lines of text: the row labels and the columns padded to their widest text.
class TextTableWriter
{
  public:
    TextTableWriter(const PreparedReport &report, int section, bool framed)
        : report_(report), s_(section), table_(tableOf(report, section)), framed_(framed)
    {
        widths_.assign(static_cast<std::size_t>(table_.columnCount() + 1), 0);
        for (int c = 0; c < table_.columnCount(); ++c)
            widen(c + 1, columnLabelOf(report, s_, c));
        for (int r = 0; r < table_.rowCount(); ++r) {
            widen(0, rowLabelOf(report, s_, r));
            for (int c = 0; c < table_.columnCount(); ++c)
                widen(c + 1, cellOf(report, s_, r, c));
        }
    }

    void write(TextSink &out, Progress &progress) const
    {
        QStringList header{QString()};
        for (int c = 0; c < table_.columnCount(); ++c)
            header << columnLabelOf(report_, s_, c);
        rule(out, u'┌', u'┬', u'┐');
        line(out, header, Qt::AlignHCenter);
        rule(out, u'├', u'┼', u'┤');
        for (int r = 0; r < table_.rowCount(); ++r) {
            QStringList row{rowLabelOf(report_, s_, r)};
            for (int c = 0; c < table_.columnCount(); ++c)
                row << cellOf(report_, s_, r, c);
            line(out, row, Qt::AlignRight);
            progress.advance();
        }
        rule(out, u'└', u'┴', u'┘');
    }

  private:
    void widen(int column, const QString &text)
    {
        qsizetype &width = widths_[static_cast<std::size_t>(column)];
        width = std::max(width, text.size());
    }

    static QString pad(const QString &text, qsizetype width, Qt::Alignment alignment)
    {
        const qsizetype room = width - text.size();
        if (alignment == Qt::AlignLeft)
            return text + QString(room, u' ');
        if (alignment == Qt::AlignRight)
            return QString(room, u' ') + text;
        return QString(room / 2, u' ') + text + QString(room - room / 2, u' ');
    }

    // The first field is a row label, left-aligned; the others take the given alignment.
    void line(TextSink &out, const QStringList &fields, Qt::Alignment alignment) const
    {
        const QString between = framed_ ? QStringLiteral(" │ ") : QStringLiteral("  ");
        QString text = framed_ ? QStringLiteral("│ ") : QString();
        for (qsizetype f = 0; f < fields.size(); ++f) {
            if (f > 0)
                text += between;
            text += pad(fields[f], widths_[static_cast<std::size_t>(f)],
                        f == 0 ? Qt::AlignLeft : alignment);
        }
        text += framed_ ? QStringLiteral(" │") : QString();
        out << text << u"\r\n";
    }

    void rule(TextSink &out, QChar left, QChar middle, QChar right) const
    {
        if (!framed_)
            return;
        QString text(left);
        for (std::size_t f = 0; f < widths_.size(); ++f) {
            if (f > 0)
                text += middle;
            text += QString(widths_[f] + 2, u'─');
        }
        out << text + right << u"\r\n";
    }

    const PreparedReport &report_;
    int s_;
    const CrossTable &table_;
    bool framed_;
    std::vector<qsizetype> widths_;
};

} // namespace

void writeText(const PreparedReport &report, QIODevice &device, bool framed, Progress &progress)
{
    TextSink out(device, progress);
    out << titleOf(report) << u"\r\n";
    for (int s = 0; s < sectionCount(report); ++s) {
        out << u"\r\n" << captionOf(report, s) << u"\r\n";
        if (tableOf(report, s).columnCount() > 0)
            TextTableWriter(report, s, framed).write(out, progress);
        progress.advance();
    }
    out.finish();
}

} // namespace exporters
