#include "ReportExporters.h"

namespace exporters
{

namespace
{

constexpr double twipsPerPixel = 1440.0 / PageSetup::pixelsPerInch;

// Characters beyond ASCII as \uN (N a signed 16-bit number) with "?" for readers without Unicode.
QString rtfText(const QString &text)
{
    QString result;
    result.reserve(text.size());
    for (const QChar c : text) {
        const char16_t unit = c.unicode();
        if (unit == u'\\' || unit == u'{' || unit == u'}')
            result += u'\\' + QString(c);
        else if (unit == u'\n')
            result += QStringLiteral("\\line ");
        else if (unit < 0x20 || unit > 0x7e)
            result += QStringLiteral("\\u%1?").arg(static_cast<qint16>(unit));
        else
            result += c;
    }
    return result;
}

int twips(double pixels)
{
    return static_cast<int>(pixels * twipsPerPixel + 0.5);
}

QString documentHead(const PageSetup &setup)
{
    const QSizeF page = setup.pageSize();
    const QMarginsF margins = setup.marginsMm * PageSetup::pixelsPerMm;
    QString head = QStringLiteral("{\\rtf1\\ansi\\ansicpg1253\\deff0\\uc1\n"
                                  "{\\fonttbl{\\f0\\froman\\fcharset161 Times New "
                                  "Roman;}{\\f1\\fswiss\\fcharset161 Arial;}}\n"
                                  "{\\colortbl;\\red0\\green0\\blue0;\\red212\\green208\\blue200;"
                                  "\\red224\\green238\\blue224;}\n");
    head += QStringLiteral("\\paperw%1\\paperh%2\\margl%3\\margr%4\\margt%5\\margb%6%7\n")
                .arg(twips(page.width()))
                .arg(twips(page.height()))
                .arg(twips(margins.left()))
                .arg(twips(margins.right()))
                .arg(twips(margins.top()))
                .arg(twips(margins.bottom()))
                .arg(setup.orientation == QPageLayout::Landscape ? QStringLiteral("\\landscape")
                                                                 : QString());
    return head + QStringLiteral("\\f0\\fs20\n");
}

class RtfTableWriter
{
  public:
    RtfTableWriter(const PreparedReport &report, int section) : report_(report), s_(section)
    {
        const ReportLayout &layout = report.layout();
        const CrossTable &table = tableOf(report, s_);
        double right = layout.rowLabelWidth(s_);
        labelCell_ = cellDefinition(true, right);
        for (int c = 0; c < table.columnCount(); ++c) {
            right += layout.columnWidth(s_, c);
            labelColumns_ += cellDefinition(true, right);
            valueColumns_ += cellDefinition(false, right);
        }
    }

    void write(TextSink &out, Progress &progress) const
    {
        const CrossTable &table = tableOf(report_, s_);
        out << u"\\trowd\\trgaph45\\trhdr\\trkeep" << labelCell_ << labelColumns_
            << u"\n\\pard\\intbl\\f1\\fs20\\b ";
        out << u"\\cell";
        for (int c = 0; c < table.columnCount(); ++c)
            out << u"\\qc " << rtfText(columnLabelOf(report_, s_, c)) << u"\\cell";
        out << u"\\b0\\row\n";
        for (int r = 0; r < table.rowCount(); ++r) {
            out << u"\\trowd\\trgaph45\\trkeep" << labelCell_ << valueColumns_
                << u"\n\\pard\\intbl\\f1\\fs20\\ql\\b " << rtfText(rowLabelOf(report_, s_, r))
                << u"\\cell\\b0\\qr";
            for (int c = 0; c < table.columnCount(); ++c)
                out << u" " << rtfText(cellOf(report_, s_, r, c)) << u"\\cell";
            out << u"\\row\n";
            progress.advance();
        }
        out << u"\\pard\\f0\\fs20\\par\n";
    }

  private:
    static QString cellDefinition(bool label, double right)
    {
        static const QString frame =
            QStringLiteral("\\clvertalc\\clbrdrt\\brdrs\\brdrw10\\clbrdrl\\brdrs\\brdrw10"
                           "\\clbrdrb\\brdrs\\brdrw10\\clbrdrr\\brdrs\\brdrw10");
        return frame + (label ? QStringLiteral("\\clcbpat3") : QString()) +
               QStringLiteral("\\cellx%1").arg(twips(right));
    }

    const PreparedReport &report_;
    int s_;
    QString labelCell_;
    QString labelColumns_;
    QString valueColumns_;
};

} // namespace

void writeRtf(const PreparedReport &report, QIODevice &device, Progress &progress)
{
    TextSink out(device, progress);
    out << documentHead(report.setup());
    out << u"{\\pard\\qc\\box\\brdrs\\brdrw10\\brdrsh\\brsp120\\cbpat2\\f1\\fs20\\b "
        << rtfText(titleOf(report)) << u"\\par}\n\\pard\\par\n";
    for (int s = 0; s < sectionCount(report); ++s) {
        const bool keep = report.content().sections[static_cast<std::size_t>(s)].keepTogether;
        out << u"{\\pard" << (keep ? u"\\keepn" : u"") << u"\\f1\\fs20\\b\\ul "
            << rtfText(captionOf(report, s)) << u"\\par}\n";
        if (tableOf(report, s).columnCount() > 0)
            RtfTableWriter(report, s).write(out, progress);
        progress.advance();
    }
    out << u"}\n";
    out.finish();
}

} // namespace exporters
