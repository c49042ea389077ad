#include "DelimitedTextFormat.h"

#include "CellText.h"
#include "SheetLimits.h"
#include "TextLines.h"

#include <algorithm>

namespace delimitedtext
{

namespace
{

struct Extent {
    qint64 lines = 0;
    qint64 mostDelimiters = 0;
};

// Sizes the sheet before any cell is made, so that an oversized file is refused cheaply.
Extent measure(QStringView text, QChar delimiter)
{
    Extent extent;
    TextLines lines(text);
    QStringView line;
    while (lines.next(line)) {
        ++extent.lines;
        extent.mostDelimiters = std::max<qint64>(extent.mostDelimiters, line.count(delimiter));
    }
    return extent;
}

void fillRow(Sheet &sheet, int row, QStringView line, QChar delimiter, CellText &cell)
{
    int column = 0;
    for (QStringView field : line.tokenize(delimiter))
        sheet.setCell(column++, row, cell.of(field));
}

} // namespace

QString text(const Sheet &sheet, QChar delimiter)
{
    QString text;
    for (int row = 0; row <= sheet.objectCount(); ++row) {
        for (int column = 0; column <= sheet.columnCount(); ++column) {
            if (column > 0)
                text += delimiter;
            text += sheet.cell(column, row);
        }
        text += u"\r\n";
    }
    return text;
}

Sheet parse(QStringView text, QChar delimiter)
{
    const Extent extent = measure(text, delimiter);
    const qint64 objects = std::max<qint64>(1, extent.lines - 1);
    const qint64 columns = std::max<qint64>(1, extent.mostDelimiters);
    sheetlimits::check(objects, columns);
    Sheet sheet(static_cast<int>(objects), static_cast<int>(columns));
    TextLines lines(text);
    QStringView line;
    CellText cell;
    for (int row = 0; lines.next(line); ++row)
        fillRow(sheet, row, line, delimiter, cell);
    return sheet;
}

} // namespace delimitedtext
