#include "NativeSheetFormat.h"

#include "CellText.h"
#include "NumberText.h"
#include "SheetFileError.h"
#include "SheetLimits.h"
#include "TextLines.h"

namespace nativesheet
{

namespace
{

int readCount(TextLines &lines, const char *what)
{
    const std::optional<int> count = numbertext::parseInteger(lines.nextOrEmpty());
    if (!count || *count < 1)
        throw SheetFileError(std::string("the ") + what + " count is not a positive integer");
    return *count;
}

void appendLine(QString &text, const QString &line)
{
    if (line.contains(u'\n') || line.contains(u'\r'))
        throw SheetFileError("a name or cell holds a line break, which a sheet file cannot keep");
    text += line;
    text += u"\r\n";
}

} // namespace

Sheet parse(QStringView text)
{
    TextLines lines(text);
    const int objects = readCount(lines, "object");
    const int columns = readCount(lines, "column");
    sheetlimits::check(objects, columns);
    Sheet sheet(objects, columns);
    CellText cell;
    sheet.setCell(0, 0, Sheet::CornerLabel);
    for (int column = 1; column <= columns; ++column)
        sheet.setCell(column, 0, cell.of(lines.nextOrEmpty()));
    for (int row = 1; row <= objects; ++row)
        sheet.setCell(0, row, cell.of(lines.nextOrEmpty()));
    // A new sheet's cells are empty already: a short file leaves the rest as they are.
    for (int row = 1; row <= objects && !lines.atEnd(); ++row) {
        for (int column = 1; column <= columns; ++column)
            sheet.setCell(column, row, cell.of(lines.nextOrEmpty()));
    }
    return sheet;
}

QString text(const Sheet &sheet)
{
    const int objects = sheet.objectCount();
    const int columns = sheet.columnCount();
    QString text;
    appendLine(text, QString::number(objects));
    appendLine(text, QString::number(columns));
    for (int column = 1; column <= columns; ++column)
        appendLine(text, sheet.cell(column, 0));
    for (int row = 1; row <= objects; ++row)
        appendLine(text, sheet.cell(0, row));
    for (int row = 1; row <= objects; ++row) {
        for (int column = 1; column <= columns; ++column)
            appendLine(text, sheet.cell(column, row));
    }
    return text;
}

} // namespace nativesheet
