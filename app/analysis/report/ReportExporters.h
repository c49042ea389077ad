// The writers behind exportReport, one per format. Each writes to an open ExportTarget path or
// device and throws ExportError on failure.
#pragma once

#include "PreparedReport.h"
#include "ReportExport.h"

#include <optional>

class QIODevice;
class QPagedPaintDevice;

namespace exporters
{

// Counts the work of an export in rows and pages and passes it on to the caller's progress.
class Progress
{
  public:
    Progress(const ExportProgress &report, qint64 total, const QString &path)
        : report_(report), total_(total), path_(path)
    {
    }
    void advance(qint64 steps = 1);
    [[noreturn]] void fail() const { throw ExportError(path_); }

  private:
    const ExportProgress &report_;
    qint64 total_;
    qint64 done_ = 0;
    qint64 reported_ = 0;
    QString path_;
};

qint64 rowWork(const PreparedReport &report); // the rows of every section

// Collects text and writes it to the device as UTF-8 in large pieces; a failed write fails the
// export. Call finish() at the end.
class TextSink
{
  public:
    TextSink(QIODevice &out, const Progress &progress) : out_(out), progress_(progress) {}
    TextSink &operator<<(QStringView text);
    void finish() { flush(); }

  private:
    void flush();

    QIODevice &out_;
    const Progress &progress_;
    QString buffer_;
};

// The report's texts as their home pages show them, edits included.
inline QString titleOf(const PreparedReport &r)
{
    return r.text({ItemRole::Title});
}
inline QString captionOf(const PreparedReport &r, int s)
{
    return r.text({ItemRole::Caption, s});
}
inline QString columnLabelOf(const PreparedReport &r, int s, int c)
{
    return r.text({ItemRole::ColumnLabel, s, -1, c});
}
inline QString rowLabelOf(const PreparedReport &r, int s, int row)
{
    return r.text({ItemRole::RowLabel, s, row, -1});
}
inline QString cellOf(const PreparedReport &r, int s, int row, int c)
{
    return r.text({ItemRole::Cell, s, row, c});
}
inline const CrossTable &tableOf(const PreparedReport &r, int s)
{
    return r.content().sections[static_cast<std::size_t>(s)].table;
}
inline int sectionCount(const PreparedReport &r)
{
    return static_cast<int>(r.content().sections.size());
}

// A cell that holds one number: spreadsheets get it as a number, shown with three decimals when
// its text has exactly three.
struct NumberCell {
    double value = 0;
    bool threeDecimals = false;
};
std::optional<NumberCell> numberCell(const QString &text, QChar decimal);

// The report as the lines of one worksheet, as the CSV file and the workbooks hold it: for each
// section its caption, a line with an empty first field and the column labels, one line per row
// (the row label and its cells), and a blank line between sections.
struct SheetRow {
    enum class Kind { Caption, Header, Values, Blank };
    Kind kind;
    QStringList fields;
};
void forEachSheetRow(const PreparedReport &report, Progress &progress,
                     const std::function<void(const SheetRow &)> &write);

// Worksheets hold at most this many rows; a longer report continues on another worksheet.
constexpr int worksheetRowLimit = 1048576;

// Paints pages firstPage .. lastPage on the device (a PDF writer or a printer).
void paintPages(const PreparedReport &report, QPagedPaintDevice &device, int firstPage,
                int lastPage, Progress &progress);

void writePdf(const PreparedReport &report, QIODevice &out, Progress &progress);
void writeRtf(const PreparedReport &report, QIODevice &out, Progress &progress);
void writeHtml(const PreparedReport &report, QIODevice &out, Progress &progress);
void writeCsv(const PreparedReport &report, QIODevice &out, Progress &progress);
void writeText(const PreparedReport &report, QIODevice &out, bool framed, Progress &progress);
void writeOdt(const PreparedReport &report, const QString &path, Progress &progress);
void writeOds(const PreparedReport &report, const QString &path, Progress &progress);
void writeXlsx(const PreparedReport &report, const QString &path, Progress &progress);

} // namespace exporters
