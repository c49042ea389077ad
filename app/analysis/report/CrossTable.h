// A cross table built by adding values one at a time under a row label and a column label. Rows
// and columns keep the order in which their labels were first added; a label added again refers
// to the row or column it named first. Values that meet in one cell are joined with " / " in the
// order they were added, so nothing added is ever lost (an empty value adds nothing to join).
#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <vector>

class CrossTable
{
  public:
    void add(const QString &rowLabel, const QString &columnLabel, const QString &value);

    int rowCount() const { return static_cast<int>(rowLabels_.size()); }
    int columnCount() const { return static_cast<int>(columnLabels_.size()); }
    const QString &rowLabel(int row) const { return rowLabels_[static_cast<std::size_t>(row)]; }
    const QString &columnLabel(int column) const
    {
        return columnLabels_[static_cast<std::size_t>(column)];
    }
    // The cell's text; empty where nothing was added.
    const QString &cell(int row, int column) const;

    // Direct setters for a table read back from a saved report.
    void appendRow(const QString &label, std::vector<QString> cells);
    void appendColumn(const QString &label);

    bool operator==(const CrossTable &other) const;

  private:
    int rowIndex(const QString &label);
    int columnIndex(const QString &label);

    std::vector<QString> rowLabels_;
    std::vector<QString> columnLabels_;
    QHash<QString, int> rowByLabel_;
    QHash<QString, int> columnByLabel_;
    std::vector<std::vector<QString>> cells_; // per row; shorter rows end in empty cells
};
