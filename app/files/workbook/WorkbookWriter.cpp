#include "WorkbookWriter.h"

#include "StringEscapes.h"
#include "files/NumberText.h"
#include "files/SheetFileError.h"

#include <QFile>
#include <QSaveFile>

#include <algorithm>
#include <optional>
#include <string>

namespace
{

constexpr double FontSize = 9;

// Column widths count characters of the workbook's default font (size 11); text of size 9 is
// narrower, and a little room keeps it off the cell's edge.
double widthFor(qsizetype characters)
{
    if (characters == 0)
        return LXW_DEF_COL_WIDTH;
    return static_cast<double>(characters) * FontSize / 11.0 + 1.0;
}

// The library writes numbers with 16 significant digits. A double whose shortest exact form needs
// 17 would come back changed, so such a cell keeps its text rather than lose its last digit.
bool fitsSixteenDigits(double value)
{
    const QString shortest = numbertext::formatShortest(value, u'.');
    QString digits;
    for (const QChar c : QStringView(shortest).left(shortest.indexOf(u'e'))) {
        if (c.isDigit())
            digits += c;
    }
    qsizetype first = 0;
    while (first < digits.size() && digits[first] == u'0')
        ++first;
    qsizetype last = digits.size();
    while (last > first && digits[last - 1] == u'0')
        --last;
    return last - first <= 16;
}

std::string cellName(int column, int row)
{
    char name[16];
    lxw_rowcol_to_cell(name, static_cast<lxw_row_t>(row), static_cast<lxw_col_t>(column));
    return name;
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw SheetFileError("the finished workbook cannot be read back: " +
                             file.errorString().toStdString());
    return file.readAll();
}

} // namespace

WorkbookWriter::WorkbookWriter(int rowCount, int columnCount, QChar decimal)
    : decimal_(decimal), rowCount_(rowCount),
      longest_(static_cast<std::size_t>(std::max(columnCount, 0)), 0)
{
    if (rowCount > LXW_ROW_MAX || columnCount > LXW_COL_MAX)
        throw SheetFileError("a worksheet holds at most " + std::to_string(LXW_ROW_MAX) +
                             " rows and " + std::to_string(LXW_COL_MAX) +
                             " columns; the sheet has " + std::to_string(rowCount) + " rows and " +
                             std::to_string(columnCount) + " columns");
    if (!scratch_.isValid())
        throw SheetFileError("no temporary folder for the workbook: " +
                             scratch_.errorString().toStdString());
    // Rows go to disk as they are finished, so a large sheet does not sit in memory twice.
    const QByteArray scratch = QFile::encodeName(scratch_.path());
    lxw_workbook_options options = {};
    options.constant_memory = LXW_TRUE;
    options.tmpdir = const_cast<char *>(scratch.constData());
    workbook_ =
        workbook_new_opt(QFile::encodeName(scratch_.filePath("output.xlsx")).constData(), &options);
    if (workbook_ == nullptr)
        throw SheetFileError("a workbook cannot be started");
    worksheet_ = workbook_add_worksheet(workbook_, "output");
    format_ = workbook_add_format(workbook_);
    format_set_font_size(format_, FontSize);
}

WorkbookWriter::~WorkbookWriter()
{
    if (workbook_ != nullptr)
        lxw_workbook_free(workbook_);
}

void WorkbookWriter::writeCell(int column, int row, const QString &text)
{
    if (row < 0 || row >= rowCount_ || column < 0 || column >= static_cast<int>(longest_.size()))
        throw SheetFileError("cell (" + std::to_string(column) + ", " + std::to_string(row) +
                             ") lies outside the sheet");
    if (text.isEmpty())
        return;
    longest_[static_cast<std::size_t>(column)] =
        std::max(longest_[static_cast<std::size_t>(column)], text.size());
    const std::optional<double> number = numbertext::isPlainNumber(text, decimal_)
                                             ? numbertext::parseNumber(text, decimal_)
                                             : std::nullopt;
    if (number && fitsSixteenDigits(*number)) {
        check(worksheet_write_number(worksheet_, static_cast<lxw_row_t>(row),
                                     static_cast<lxw_col_t>(column), *number, format_),
              column, row);
        return;
    }
    check(worksheet_write_string(
              worksheet_, static_cast<lxw_row_t>(row), static_cast<lxw_col_t>(column),
              stringescapes::protectLookalikes(text).toUtf8().constData(), format_),
          column, row);
}

void WorkbookWriter::check(lxw_error error, int column, int row) const
{
    if (error == LXW_NO_ERROR)
        return;
    throw SheetFileError("cell " + cellName(column, row) +
                         " cannot be written: " + lxw_strerror(error));
}

// The columns' format also gives the size 9 font to the empty cells.
void WorkbookWriter::fitColumns()
{
    for (std::size_t column = 0; column < longest_.size(); ++column) {
        const auto index = static_cast<lxw_col_t>(column);
        worksheet_set_column(worksheet_, index, index, widthFor(longest_[column]), format_);
    }
}

void WorkbookWriter::save(const QString &path)
{
    if (workbook_ == nullptr)
        throw SheetFileError("the workbook has been saved already");
    fitColumns();
    const lxw_error closed = workbook_close(workbook_); // frees the workbook in every case
    workbook_ = nullptr;
    if (closed != LXW_NO_ERROR)
        throw SheetFileError(std::string("the workbook cannot be finished: ") +
                             lxw_strerror(closed));
    // Saving through a temporary file swapped in at the end leaves no partial workbook behind.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(readAll(scratch_.filePath("output.xlsx"))) < 0 || !file.commit())
        throw SheetFileError("cannot write " + path.toStdString() + ": " +
                             file.errorString().toStdString());
}
