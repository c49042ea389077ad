#include "NativeSheetFormat.h"

#include "NumberText.h"
#include "SheetFileError.h"
#include "SheetLimits.h"
#include "TextLines.h"

namespace nativesheet
{

namespace
{

const QString CornerLabel = QStringLiteral("Γ / Σ");

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
    sheet.setCell(0, 0, CornerLabel);
    for (int column = 1; column <= columns; ++column)
        sheet.setCell(column, 0, lines.nextOrEmpty().toString());
    for (int row = 1; row <= objects; ++row)
        sheet.setCell(0, row, lines.nextOrEmpty().toString());
    // A new sheet's cells are empty already: a short file leaves the rest as they are.
    for (int row = 1; row <= objects && !lines.atEnd(); ++row) {
        for (int column = 1; column <= columns; ++column)
            sheet.setCell(column, row, lines.nextOrEmpty().toString());
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
