// The data sheet: text cells addressed (column, row) from (0, 0). Row 0 holds the column names,
// column 0 the object names, cell (0, 0) the corner label, the last column the table numbers.
// N objects and M columns make a grid of (M + 1) x (N + 1) cells.
#pragma once

#include "CellRange.h"

#include <QString>

#include <string>
#include <string_view>
#include <vector>

class Sheet
{
  public:
    static constexpr int MaxObjects = 500000;
    static constexpr int MaxColumns = 500000;
    static const QString CornerLabel;
    static const QString TableColumnName;
    static const QString NewObjectName;
    static const QString NewColumnName;

    // The default sheet: one object "1", the columns "1" and "C", not modified.
    Sheet();
    // N objects by M columns, every cell empty. Counts below 1 become 1 (a sheet always has one
    // object and one column); counts above the maxima throw std::length_error.
    Sheet(int objectCount, int columnCount);

    int objectCount() const { return static_cast<int>(rows_.size()) - 1; }
    int columnCount() const { return columnCount_; }

    // Cells outside the grid read as empty; writing one outside the grid does nothing.
    QString cell(int column, int row) const;
    void setCell(int column, int row, const QString &text);
    // The name lists are the header cells themselves, so they always agree with the grid.
    QString objectName(int row) const { return cell(0, row); }
    QString columnName(int column) const { return cell(column, 0); }

    bool isModified() const { return modified_; }
    void setModified(bool modified) { modified_ = modified; }

    // The default sheet again; the modified flag keeps its value.
    void reset();
    // A new sheet of `objects` rows and `variables` variables plus the table-number column.
    // Either count other than 1 sets the modified flag. Throws std::out_of_range outside
    // 1..MaxObjects objects or 1..MaxColumns - 1 variables.
    void makeNew(int objects, int variables);

    bool canAddObject() const { return objectCount() < MaxObjects; }
    bool canAddColumn() const { return columnCount() < MaxColumns; }
    // Growth returns false, the sheet unchanged, when the sheet is already at its maximum.
    bool insertObject(int row);
    bool insertColumn(int column);
    bool appendObject();
    bool appendColumn();
    // Deleting the only object or the only column gives the default sheet.
    void deleteObject(int row);
    void deleteColumn(int column);

    CellRange dataRange() const { return {1, 1, columnCount(), objectCount()}; }
    // Rows of tab-separated cells, each row ended by CR LF.
    QString copyText(const CellRange &range) const;
    // Lines (ended by CR LF, LF or CR; the last may have no end) of tab-separated fields, from
    // the given cell on. Fields beyond the grid are dropped. Returns true when a cell changed,
    // and then sets the modified flag.
    bool paste(int column, int row, const QString &text);
    // Empties the data cells of the range; returns true, setting the modified flag, when a cell
    // changed.
    bool clear(const CellRange &range);
    // A cell typed in place: sets the modified flag when the text changes.
    void editCell(int column, int row, const QString &text);
    // An empty (all blank) answer names the row or column by its number.
    void renameObject(int row, const QString &answer);
    void renameColumn(int column, const QString &answer);

    // Calls visit(column, row, utf8) for every non-empty cell, row by row: a fast read of the
    // whole sheet without making a QString per cell.
    template <typename Visitor> void visitCells(Visitor &&visit) const
    {
        for (int r = 0; r < static_cast<int>(rows_.size()); ++r) {
            const Row &row = rows_[r];
            for (int c = 0; c < static_cast<int>(row.size()); ++c) {
                if (!row[c].empty())
                    visit(c, r, std::string_view(row[c]));
            }
        }
    }

  private:
    // Cells as UTF-8; a row holds its cells up to the last one written, the rest read as empty,
    // so a large new sheet costs little until it is filled.
    using Row = std::vector<std::string>;

    bool contains(int column, int row) const;
    std::string_view bytes(int column, int row) const;
    bool store(int column, int row, std::string text);
    void setNumberName(int column, int row, int number);
    bool pasteLine(int column, int row, QStringView line);

    std::vector<Row> rows_;
    int columnCount_ = 0;
    bool modified_ = false;
};
