#include "ReportFile.h"

#include <QDataStream>
#include <QFile>
#include <QSaveFile>

namespace reportfile
{

namespace
{

constexpr quint32 magic = 0x56525054; // "VRPT"
constexpr quint32 version = 1;
constexpr qint32 reserveLimit = 1 << 16; // a damaged count must not allocate without bound

QString saveError(const QString &path)
{
    return QStringLiteral("Σφάλμα κατά την αποθήκευση της αναφοράς στο αρχείο ") + path +
           QStringLiteral(".");
}

QString openError(const QString &path)
{
    return QStringLiteral("Το αρχείο ") + path +
           QStringLiteral(" δεν είναι αναφορά του Vistrel ή είναι κατεστραμμένο.");
}

void writeSetup(QDataStream &out, const PageSetup &setup)
{
    out << qint32(setup.paper) << qint32(setup.orientation) << setup.marginsMm.left()
        << setup.marginsMm.top() << setup.marginsMm.right() << setup.marginsMm.bottom();
}

void writeTable(QDataStream &out, const CrossTable &table)
{
    out << qint32(table.columnCount());
    for (int c = 0; c < table.columnCount(); ++c)
        out << table.columnLabel(c);
    out << qint32(table.rowCount());
    for (int r = 0; r < table.rowCount(); ++r) {
        out << table.rowLabel(r);
        for (int c = 0; c < table.columnCount(); ++c)
            out << table.cell(r, c);
    }
}

// Reads with every count and value checked; any fault makes the whole file unreadable.
class Reader
{
  public:
    Reader(QDataStream &in, const QString &path) : in_(in), path_(path) {}

    qint32 count()
    {
        qint32 value = 0;
        in_ >> value;
        check(value >= 0);
        return value;
    }

    QString text()
    {
        QString value;
        in_ >> value;
        check(true);
        return value;
    }

    void check(bool valid) const
    {
        if (!valid || in_.status() != QDataStream::Ok)
            throw ReportFileError(openError(path_));
    }

    PageSetup setup()
    {
        PageSetup setup;
        qint32 paper = 0, orientation = 0;
        double left = 0, top = 0, right = 0, bottom = 0;
        in_ >> paper >> orientation >> left >> top >> right >> bottom;
        check(paper >= 0 && paper <= QPageSize::LastPageSize &&
              (orientation == 0 || orientation == 1));
        setup.paper = static_cast<QPageSize::PageSizeId>(paper);
        setup.orientation = static_cast<QPageLayout::Orientation>(orientation);
        setup.marginsMm = QMarginsF(left, top, right, bottom);
        const QRectF content = setup.contentRect();
        check(left >= 0 && top >= 0 && right >= 0 && bottom >= 0 && content.width() > 0 &&
              content.height() > 0);
        return setup;
    }

    CrossTable table()
    {
        CrossTable table;
        const qint32 columns = count();
        for (qint32 c = 0; c < columns; ++c)
            table.appendColumn(text());
        check(table.columnCount() == columns); // labels are unique
        const qint32 rows = count();
        for (qint32 r = 0; r < rows; ++r) {
            const QString label = text();
            std::vector<QString> cells;
            cells.reserve(static_cast<std::size_t>(std::min(columns, reserveLimit)));
            for (qint32 c = 0; c < columns; ++c)
                cells.push_back(text());
            table.appendRow(label, std::move(cells));
            check(table.rowCount() == r + 1);
        }
        return table;
    }

  private:
    QDataStream &in_;
    QString path_;
};

} // namespace

void save(const PreparedReport &report, const QString &path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw ReportFileError(saveError(path));
    QDataStream out(&file);
    out.setVersion(QDataStream::Qt_6_0);
    out << magic << version;
    writeSetup(out, report.setup());
    const ReportContent &content = report.content();
    out << content.title << content.decimal << qint32(content.sections.size());
    for (const ReportSection &section : content.sections) {
        out << section.caption << section.keepTogether;
        writeTable(out, section.table);
    }
    out << qint32(report.edits().size());
    for (const auto &[page, edits] : report.edits()) {
        out << qint32(page) << qint32(edits.size());
        for (auto edit = edits.constBegin(); edit != edits.constEnd(); ++edit)
            out << qint32(edit.key().role) << qint32(edit.key().section) << qint32(edit.key().row)
                << qint32(edit.key().column) << edit.value();
    }
    if (out.status() != QDataStream::Ok || !file.commit())
        throw ReportFileError(saveError(path));
}

PreparedReport open(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw ReportFileError(openError(path));
    QDataStream in(&file);
    in.setVersion(QDataStream::Qt_6_0);
    Reader read(in, path);
    quint32 fileMagic = 0, fileVersion = 0;
    in >> fileMagic >> fileVersion;
    read.check(fileMagic == magic && fileVersion == version);
    const PageSetup setup = read.setup();
    ReportContent content;
    content.title = read.text();
    in >> content.decimal;
    const qint32 sections = read.count();
    for (qint32 s = 0; s < sections; ++s) {
        ReportSection section;
        section.caption = read.text();
        in >> section.keepTogether;
        section.table = read.table();
        content.sections.push_back(std::move(section));
    }
    PreparedReport report(std::move(content), setup);
    const qint32 pages = read.count();
    for (qint32 p = 0; p < pages; ++p) {
        const qint32 page = read.count();
        const qint32 edits = read.count();
        read.check(page < report.pageCount());
        for (qint32 e = 0; e < edits; ++e) {
            qint32 role = 0;
            ItemKey key;
            in >> role >> key.section >> key.row >> key.column;
            read.check(role >= 0 && role <= static_cast<qint32>(ItemRole::Footer));
            key.role = static_cast<ItemRole>(role);
            report.setItemText(page, key, read.text());
        }
    }
    read.check(in.atEnd());
    return report;
}

} // namespace reportfile
