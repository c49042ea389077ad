#include "ReportExporters.h"

#include <QFileInfo>

#include <xlsxwriter.h>

namespace exporters
{

namespace
{

// One workbook being written row by row (libxlsxwriter's constant-memory mode, so a report of
// millions of rows needs little memory); the rows go on as many worksheets as they need.
class WorkbookWriter
{
  public:
    WorkbookWriter(const QString &path, QChar decimal, Progress &progress)
        : progress_(progress), decimal_(decimal)
    {
        const QByteArray file = QFile::encodeName(path);
        const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
        lxw_workbook_options options{};
        options.constant_memory = LXW_TRUE;
        options.tmpdir = const_cast<char *>(folder.constData());
        workbook_ = workbook_new_opt(file.constData(), &options);
        if (!workbook_)
            progress_.fail();
        three_ = workbook_add_format(workbook_);
        format_set_num_format(three_, "0.000");
        label_ = workbook_add_format(workbook_);
        format_set_bold(label_);
        format_set_bg_color(label_, 0xE0EEE0);
        caption_ = workbook_add_format(workbook_);
        format_set_bold(caption_);
        format_set_underline(caption_, LXW_UNDERLINE_SINGLE);
    }

    ~WorkbookWriter()
    {
        if (workbook_)
            workbook_close(workbook_); // after a failure: only frees it; the file is discarded
    }

    void row(const SheetRow &row)
    {
        if (!sheet_ || row_ == worksheetRowLimit)
            addSheet();
        for (qsizetype f = 0; f < row.fields.size(); ++f)
            cell(row, static_cast<lxw_col_t>(f));
        ++row_;
    }

    void finish()
    {
        if (!sheet_)
            addSheet();
        lxw_workbook *workbook = workbook_;
        workbook_ = nullptr;
        if (workbook_close(workbook) != LXW_NO_ERROR)
            progress_.fail();
    }

  private:
    void addSheet()
    {
        ++sheets_;
        const QByteArray name =
            (sheets_ == 1 ? QStringLiteral("Αναφορά") : QStringLiteral("Αναφορά %1").arg(sheets_))
                .toUtf8();
        sheet_ = workbook_add_worksheet(workbook_, name.constData());
        if (!sheet_)
            progress_.fail();
        row_ = 0;
    }

    void cell(const SheetRow &row, lxw_col_t column)
    {
        const QString &text = row.fields[column];
        if (text.isEmpty())
            return;
        const bool label = row.kind == SheetRow::Kind::Header || column == 0;
        lxw_error error = LXW_NO_ERROR;
        if (const auto number = label ? std::nullopt : numberCell(text, decimal_))
            error = worksheet_write_number(sheet_, row_, column, number->value,
                                           number->threeDecimals ? three_ : nullptr);
        else
            error = worksheet_write_string(sheet_, row_, column, text.toUtf8().constData(),
                                           row.kind == SheetRow::Kind::Caption ? caption_
                                           : label                             ? label_
                                                                               : nullptr);
        if (error != LXW_NO_ERROR)
            progress_.fail();
    }

    Progress &progress_;
    QChar decimal_;
    lxw_workbook *workbook_ = nullptr;
    lxw_worksheet *sheet_ = nullptr;
    lxw_format *three_ = nullptr;
    lxw_format *label_ = nullptr;
    lxw_format *caption_ = nullptr;
    lxw_row_t row_ = 0;
    int sheets_ = 0;
};

} // namespace

void writeXlsx(const PreparedReport &report, const QString &path, Progress &progress)
{
    WorkbookWriter workbook(path, report.content().decimal, progress);
    forEachSheetRow(report, progress, [&](const SheetRow &row) { workbook.row(row); });
    workbook.finish();
}

} // namespace exporters
