#include "Sheet.h"

#include <QList>

#include <algorithm>
#include <stdexcept>

const QString Sheet::CornerLabel = QStringLiteral("Γ / Σ");
const QString Sheet::TableColumnName = QStringLiteral("C");
const QString Sheet::NewObjectName = QStringLiteral("ΝέαΓ");
const QString Sheet::NewColumnName = QStringLiteral("ΝέαΣ");

namespace
{

void trimTrailingEmpty(std::vector<std::string> &row)
{
    while (!row.empty() && row.back().empty())
        row.pop_back();
}

QString nameOrNumber(const QString &answer, int number)
{
    return answer.trimmed().isEmpty() ? QString::number(number) : answer;
}

} // namespace

Sheet::Sheet()
{
    reset();
}

Sheet::Sheet(int objectCount, int columnCount)
{
    if (objectCount > MaxObjects || columnCount > MaxColumns)
        throw std::length_error("sheet larger than its maximum");
    rows_.resize(std::max(objectCount, 1) + 1);
    columnCount_ = std::max(columnCount, 1);
}

bool Sheet::contains(int column, int row) const
{
    return column >= 0 && column <= columnCount_ && row >= 0 && row <= objectCount();
}

std::string_view Sheet::bytes(int column, int row) const
{
    if (!contains(column, row) || column >= static_cast<int>(rows_[row].size()))
        return {};
    return rows_[row][column];
}

QString Sheet::cell(int column, int row) const
{
    const std::string_view text = bytes(column, row);
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void Sheet::setCell(int column, int row, const QString &text)
{
    store(column, row, text.toStdString());
}

// Writes one cell; returns true when its text changed.
bool Sheet::store(int column, int row, std::string text)
{
    if (!contains(column, row) || bytes(column, row) == text)
        return false;
    Row &cells = rows_[row];
    if (column >= static_cast<int>(cells.size()))
        cells.resize(column + 1);
    cells[column] = std::move(text);
    trimTrailingEmpty(cells);
    return true;
}

void Sheet::setNumberName(int column, int row, int number)
{
    store(column, row, std::to_string(number));
}

void Sheet::reset()
{
    rows_.assign(2, Row{});
    columnCount_ = 2;
    setCell(0, 0, CornerLabel);
    setCell(0, 1, QStringLiteral("1"));
    setCell(1, 0, QStringLiteral("1"));
    setCell(2, 0, TableColumnName);
}

void Sheet::makeNew(int objects, int variables)
{
    if (objects < 1 || objects > MaxObjects || variables < 1 || variables >= MaxColumns)
        throw std::out_of_range("new sheet size out of range");
    reset();
    if (objects != 1) {
        rows_.resize(objects + 1);
        for (int i = 2; i <= objects; ++i)
            setNumberName(0, i, i);
        modified_ = true;
    }
    if (variables != 1) {
        columnCount_ = variables + 1;
        for (int j = 2; j <= variables; ++j)
            setNumberName(j, 0, j);
        setCell(variables + 1, 0, TableColumnName);
        modified_ = true;
    }
}

bool Sheet::insertObject(int row)
{
    if (!canAddObject() || row < 1 || row > objectCount())
        return false;
    rows_.insert(rows_.begin() + row, Row{});
    setCell(0, row, NewObjectName);
    modified_ = true;
    return true;
}

bool Sheet::insertColumn(int column)
{
    if (!canAddColumn() || column < 1 || column > columnCount_)
        return false;
    for (Row &cells : rows_) {
        if (column < static_cast<int>(cells.size()))
            cells.insert(cells.begin() + column, std::string{});
    }
    ++columnCount_;
    setCell(column, 0, NewColumnName);
    modified_ = true;
    return true;
}

bool Sheet::appendObject()
{
    if (!canAddObject())
        return false;
    rows_.emplace_back();
    setNumberName(0, objectCount(), objectCount());
    modified_ = true;
    return true;
}

bool Sheet::appendColumn()
{
    if (!canAddColumn())
        return false;
    ++columnCount_;
    setNumberName(columnCount_, 0, columnCount_);
    modified_ = true;
    return true;
}

void Sheet::deleteObject(int row)
{
    if (row < 1 || row > objectCount())
        return;
    modified_ = true;
    if (objectCount() == 1) {
        reset();
        return;
    }
    rows_.erase(rows_.begin() + row);
}

void Sheet::deleteColumn(int column)
{
    if (column < 1 || column > columnCount_)
        return;
    modified_ = true;
    if (columnCount_ == 1) {
        reset();
        return;
    }
    for (Row &cells : rows_) {
        if (column < static_cast<int>(cells.size())) {
            cells.erase(cells.begin() + column);
            trimTrailingEmpty(cells);
        }
    }
    --columnCount_;
}

QString Sheet::copyText(const CellRange &range) const
{
    std::string text;
    for (int r = range.top; r <= range.bottom; ++r) {
        for (int c = range.left; c <= range.right; ++c) {
            if (c > range.left)
                text += '\t';
            text += bytes(c, r);
        }
        text += "\r\n";
    }
    return QString::fromStdString(text);
}

bool Sheet::paste(int column, int row, const QString &text)
{
    bool changed = false;
    const QStringView all(text);
    qsizetype pos = 0;
    for (int r = row; pos < all.size() && r <= objectCount(); ++r) {
        qsizetype end = pos;
        while (end < all.size() && all[end] != u'\r' && all[end] != u'\n')
            ++end;
        changed |= pasteLine(column, r, all.sliced(pos, end - pos));
        // One line end: CR LF, LF or CR.
        pos = end;
        if (pos < all.size() && all[pos] == u'\r')
            ++pos;
        if (pos < all.size() && all[pos] == u'\n')
            ++pos;
    }
    if (changed)
        modified_ = true;
    return changed;
}

bool Sheet::pasteLine(int column, int row, QStringView line)
{
    bool changed = false;
    int c = column;
    for (const QStringView field : line.split(u'\t')) {
        if (c > columnCount_ || c < 1 || row < 1)
            break;
        changed |= store(c, row, field.toUtf8().toStdString());
        ++c;
    }
    return changed;
}

bool Sheet::clear(const CellRange &range)
{
    bool changed = false;
    const int top = std::max(range.top, 1), bottom = std::min(range.bottom, objectCount());
    const int left = std::max(range.left, 1);
    for (int r = top; r <= bottom; ++r) {
        Row &cells = rows_[r];
        const int right = std::min(range.right, static_cast<int>(cells.size()) - 1);
        for (int c = left; c <= right; ++c) {
            changed |= !cells[c].empty();
            cells[c].clear();
        }
        trimTrailingEmpty(cells);
    }
    if (changed)
        modified_ = true;
    return changed;
}

void Sheet::editCell(int column, int row, const QString &text)
{
    if (store(column, row, text.toStdString()))
        modified_ = true;
}

void Sheet::renameObject(int row, const QString &answer)
{
    setCell(0, row, nameOrNumber(answer, row));
}

void Sheet::renameColumn(int column, const QString &answer)
{
    setCell(column, 0, nameOrNumber(answer, column));
}
