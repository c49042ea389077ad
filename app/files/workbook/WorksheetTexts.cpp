#include "WorksheetTexts.h"

#include "files/SheetFileError.h"
#include "files/SheetLimits.h"

#include <algorithm>
#include <string>

void WorksheetTexts::add(int row, int column, const QString &text)
{
    place({row, column, text, false});
}

void WorksheetTexts::addError(int row, int column)
{
    place({row, column, QString(), true});
}

void WorksheetTexts::place(Cell cell)
{
    if (static_cast<qint64>(cells_.size()) >= sheetlimits::MaxCells)
        throw SheetFileError("the worksheet holds more than " +
                             std::to_string(sheetlimits::MaxCells) +
                             " cells, more than any sheet may have");
    rowCount_ = std::max(rowCount_, cell.row + 1);
    columnCount_ = std::max(columnCount_, cell.column + 1);
    cells_.push_back(std::move(cell));
}
