#include "CrossTable.h"

namespace
{

const QString &emptyText()
{
    static const QString empty;
    return empty;
}

} // namespace

void CrossTable::add(const QString &rowLabel, const QString &columnLabel, const QString &value)
{
    const auto row = static_cast<std::size_t>(rowIndex(rowLabel));
    const auto column = static_cast<std::size_t>(columnIndex(columnLabel));
    auto &cells = cells_[row];
    if (cells.size() <= column)
        cells.resize(column + 1);
    QString &text = cells[column];
    if (text.isEmpty())
        text = value;
    else if (!value.isEmpty())
        text += QStringLiteral(" / ") + value;
}

const QString &CrossTable::cell(int row, int column) const
{
    const auto &cells = cells_[static_cast<std::size_t>(row)];
    const auto at = static_cast<std::size_t>(column);
    return at < cells.size() ? cells[at] : emptyText();
}

void CrossTable::appendRow(const QString &label, std::vector<QString> cells)
{
    cells_[static_cast<std::size_t>(rowIndex(label))] = std::move(cells);
}

void CrossTable::appendColumn(const QString &label)
{
    columnIndex(label);
}

bool CrossTable::operator==(const CrossTable &other) const
{
    if (rowLabels_ != other.rowLabels_ || columnLabels_ != other.columnLabels_)
        return false;
    for (int r = 0; r < rowCount(); ++r)
        for (int c = 0; c < columnCount(); ++c)
            if (cell(r, c) != other.cell(r, c))
                return false;
    return true;
}

int CrossTable::rowIndex(const QString &label)
{
    // Values come row by row: most adds go to the row of the add before.
    if (!rowLabels_.empty() && rowLabels_.back() == label)
        return rowCount() - 1;
    const auto found = rowByLabel_.constFind(label);
    if (found != rowByLabel_.constEnd())
        return found.value();
    const int row = rowCount();
    rowByLabel_.insert(label, row);
    rowLabels_.push_back(label);
    cells_.emplace_back().reserve(columnLabels_.size());
    return row;
}

int CrossTable::columnIndex(const QString &label)
{
    const auto found = columnByLabel_.constFind(label);
    if (found != columnByLabel_.constEnd())
        return found.value();
    const int column = columnCount();
    columnByLabel_.insert(label, column);
    columnLabels_.push_back(label);
    return column;
}
