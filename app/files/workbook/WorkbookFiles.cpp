#include "WorkbookFiles.h"

#include "WorkbookFile.h"
#include "WorkbookWriter.h"
#include "files/SheetFileError.h"
#include "files/SheetLimits.h"

#include <string>

namespace workbookfiles
{

std::optional<Sheet> importWorkbook(const QString &path, const WorksheetChooser &choose,
                                    QChar decimal)
{
    const std::unique_ptr<WorkbookFile> workbook = openWorkbookFile(path);
    const QStringList names = workbook->worksheetNames();
    if (names.isEmpty())
        throw SheetFileError(path.toStdString() + " holds no worksheet");
    const std::optional<int> chosen = choose(names);
    if (!chosen)
        return std::nullopt;
    return sheetFromWorksheet(workbook->readWorksheet(*chosen, decimal));
}

Sheet sheetFromWorksheet(const WorksheetTexts &texts)
{
    const int objects = texts.rowCount() - 1;
    const int columns = texts.columnCount() - 1;
    if (objects < 1 || columns < 1)
        throw SheetFileError("the worksheet's used cells span " + std::to_string(texts.rowCount()) +
                             " row(s) by " + std::to_string(texts.columnCount()) +
                             " column(s); a sheet needs a row of names and a column of names "
                             "besides at least one object and one data column");
    sheetlimits::check(objects, columns);
    Sheet sheet(objects, columns);
    for (const WorksheetTexts::Cell &cell : texts.cells()) {
        const bool corner = cell.row == 0 && cell.column == 0;
        if (cell.error && !corner && (cell.row == 0 || cell.column == 0))
            throw SheetFileError("a name of the worksheet (row " + std::to_string(cell.row + 1) +
                                 ", column " + std::to_string(cell.column + 1) +
                                 ") is an error value");
        if (!cell.error)
            sheet.setCell(cell.column, cell.row, cell.text);
    }
    sheet.setCell(0, 0, Sheet::CornerLabel);
    sheet.setModified(true);
    return sheet;
}

void exportWorkbook(const QString &path, const Sheet &sheet, QChar decimal)
{
    WorkbookWriter writer(sheet.objectCount() + 1, sheet.columnCount() + 1, decimal);
    sheet.visitCells([&writer](int column, int row, std::string_view utf8) {
        writer.writeCell(column, row,
                         QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
    });
    writer.save(path);
}

} // namespace workbookfiles
