// The data sheet as the grid view sees it: the data cells as items, the column names as the
// horizontal header, the object names as the vertical header. Model row i and column j are
// sheet row i + 1 and column j + 1. Every command goes through here so that the view hears of it.
#pragma once

#include "Sheet.h"

#include <QAbstractTableModel>

class SheetModel : public QAbstractTableModel
{
    Q_OBJECT

  public:
    explicit SheetModel(QObject *parent = nullptr);

    const Sheet &sheet() const { return sheet_; }
    // A whole new sheet, e.g. after a file was read.
    void replaceSheet(Sheet sheet);
    void setModified(bool modified) { sheet_.setModified(modified); }

    void reset();
    void makeNew(int objects, int variables);
    bool insertObject(int row);
    bool insertColumn(int column);
    bool appendObject();
    bool appendColumn();
    void deleteObject(int row);
    void deleteColumn(int column);
    bool paste(int column, int row, const QString &text);
    bool clear(const CellRange &range);
    void renameObject(int row, const QString &answer);
    void renameColumn(int column, const QString &answer);

    QModelIndex indexOf(int column, int row) const { return index(row - 1, column - 1); }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

  private:
    template <typename Change> void resetWith(Change change);
    void cellsChanged(const CellRange &range);

    Sheet sheet_;
};
