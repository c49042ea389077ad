// A rectangular table of texts, as the analysis keeps its numeric results.
#pragma once

#include <QString>

#include <vector>

class TextTable {
public:
    TextTable() = default;
    TextTable(int rows, int columns)
        : rows_(rows), columns_(columns),
          cells_(static_cast<std::size_t>(rows) * static_cast<std::size_t>(columns))
    {
    }

    int rows() const { return rows_; }
    int columns() const { return columns_; }

    const QString &at(int row, int column) const { return cells_[index(row, column)]; }
    void set(int row, int column, QString text) { cells_[index(row, column)] = std::move(text); }

    bool operator==(const TextTable &) const = default;

private:
    std::size_t index(int row, int column) const
    {
        return static_cast<std::size_t>(row) * static_cast<std::size_t>(columns_) +
               static_cast<std::size_t>(column);
    }

    int rows_ = 0;
    int columns_ = 0;
    std::vector<QString> cells_; // row by row
};
