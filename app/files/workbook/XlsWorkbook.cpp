#include "XlsWorkbook.h"

#include "files/NumberText.h"
#include "files/SheetFileError.h"

#include <QFile>

#include <freexl.h>

namespace
{

[[noreturn]] void fail(const std::string &what, int code)
{
    throw SheetFileError(what + " (FreeXL error " + std::to_string(code) + ")");
}

// Dates and times come as FreeXL's own text of them; the library gives no stored number.
void addCell(WorksheetTexts &texts, int row, int column, const FreeXL_CellValue &value,
             QChar decimal)
{
    switch (value.type) {
    case FREEXL_CELL_INT:
        texts.add(row, column, numbertext::formatShortest(value.value.int_value, decimal));
        break;
    case FREEXL_CELL_DOUBLE:
        texts.add(row, column, numbertext::formatShortest(value.value.double_value, decimal));
        break;
    case FREEXL_CELL_TEXT:
    case FREEXL_CELL_SST_TEXT:
    case FREEXL_CELL_DATE:
    case FREEXL_CELL_DATETIME:
    case FREEXL_CELL_TIME:
        texts.add(row, column, QString::fromUtf8(value.value.text_value));
        break;
    default:
        break;
    }
}

} // namespace

XlsWorkbook::XlsWorkbook(const QString &path)
{
    const int code = freexl_open(QFile::encodeName(path).constData(), &handle_);
    if (code != FREEXL_OK) {
        freexl_close(handle_); // FreeXL asks for this even when opening failed
        handle_ = nullptr;
        fail(path.toStdString() + " cannot be read as an .xls workbook", code);
    }
    readNames();
}

XlsWorkbook::~XlsWorkbook()
{
    if (handle_ != nullptr)
        freexl_close(handle_);
}

void XlsWorkbook::readNames()
{
    unsigned int count = 0;
    if (const int code = freexl_get_info(handle_, FREEXL_BIFF_SHEET_COUNT, &count);
        code != FREEXL_OK)
        fail("the workbook's worksheets cannot be counted", code);
    for (unsigned int i = 0; i < count; ++i) {
        const char *name = nullptr;
        if (const int code =
                freexl_get_worksheet_name(handle_, static_cast<unsigned short>(i), &name);
            code != FREEXL_OK)
            fail("the name of worksheet " + std::to_string(i + 1) + " cannot be read", code);
        names_.append(QString::fromUtf8(name));
    }
}

WorksheetTexts XlsWorkbook::readWorksheet(int index, QChar decimal)
{
    if (index < 0 || index >= names_.size())
        throw SheetFileError("the workbook has no worksheet " + std::to_string(index + 1));
    if (const int code =
            freexl_select_active_worksheet(handle_, static_cast<unsigned short>(index));
        code != FREEXL_OK)
        fail("worksheet " + std::to_string(index + 1) + " cannot be read", code);
    unsigned int rows = 0;
    unsigned short columns = 0;
    if (const int code = freexl_worksheet_dimensions(handle_, &rows, &columns); code != FREEXL_OK)
        fail("worksheet " + std::to_string(index + 1) + " cannot be read", code);
    // The stored dimensions only bound the search; the used rectangle comes from the cells.
    WorksheetTexts texts;
    for (unsigned int row = 0; row < rows; ++row) {
        for (unsigned short column = 0; column < columns; ++column) {
            FreeXL_CellValue value;
            if (freexl_get_cell_value(handle_, row, column, &value) == FREEXL_OK)
                addCell(texts, static_cast<int>(row), column, value, decimal);
        }
    }
    return texts;
}
