// The used rectangle of a worksheet, from A1 to its last used cell, as the texts the sheet takes.
// Only the cells that hold a value are listed; every other cell of the rectangle is empty.
#pragma once

#include <QString>

#include <vector>

class WorksheetTexts
{
  public:
    struct Cell {
        int row = 0; // from 0, the worksheet's row 1
        int column = 0;
        QString text;
        bool error = false; // an error value (#DIV/0!, #N/A, ...): no text of its own
    };

    // Throws SheetFileError when the worksheet holds more cells than any sheet may.
    void add(int row, int column, const QString &text);
    void addError(int row, int column);

    // The rectangle grows with the cells listed, whatever size the file claims for itself.
    int rowCount() const { return rowCount_; }
    int columnCount() const { return columnCount_; }
    const std::vector<Cell> &cells() const { return cells_; }

  private:
    void place(Cell cell);

    std::vector<Cell> cells_;
    int rowCount_ = 0;
    int columnCount_ = 0;
};
