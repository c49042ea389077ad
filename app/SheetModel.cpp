#include "SheetModel.h"

#include <algorithm>

SheetModel::SheetModel(QObject *parent) : QAbstractTableModel(parent) {}

template <typename Change> void SheetModel::resetWith(Change change)
{
    beginResetModel();
    change();
    endResetModel();
}

void SheetModel::replaceSheet(Sheet sheet)
{
    resetWith([&] { sheet_ = std::move(sheet); });
}

void SheetModel::reset()
{
    resetWith([&] { sheet_.reset(); });
}

void SheetModel::makeNew(int objects, int variables)
{
    resetWith([&] { sheet_.makeNew(objects, variables); });
}

bool SheetModel::insertObject(int row)
{
    if (!sheet_.canAddObject())
        return false;
    beginInsertRows({}, row - 1, row - 1);
    sheet_.insertObject(row);
    endInsertRows();
    return true;
}

bool SheetModel::insertColumn(int column)
{
    if (!sheet_.canAddColumn())
        return false;
    beginInsertColumns({}, column - 1, column - 1);
    sheet_.insertColumn(column);
    endInsertColumns();
    return true;
}

bool SheetModel::appendObject()
{
    if (!sheet_.canAddObject())
        return false;
    const int row = sheet_.objectCount();
    beginInsertRows({}, row, row);
    sheet_.appendObject();
    endInsertRows();
    return true;
}

bool SheetModel::appendColumn()
{
    if (!sheet_.canAddColumn())
        return false;
    const int column = sheet_.columnCount();
    beginInsertColumns({}, column, column);
    sheet_.appendColumn();
    endInsertColumns();
    return true;
}

void SheetModel::deleteObject(int row)
{
    if (sheet_.objectCount() == 1) {
        resetWith([&] { sheet_.deleteObject(row); });
        return;
    }
    beginRemoveRows({}, row - 1, row - 1);
    sheet_.deleteObject(row);
    endRemoveRows();
}

void SheetModel::deleteColumn(int column)
{
    if (sheet_.columnCount() == 1) {
        resetWith([&] { sheet_.deleteColumn(column); });
        return;
    }
    beginRemoveColumns({}, column - 1, column - 1);
    sheet_.deleteColumn(column);
    endRemoveColumns();
}

bool SheetModel::paste(int column, int row, const QString &text)
{
    const bool changed = sheet_.paste(column, row, text);
    if (changed)
        cellsChanged({column, row, sheet_.columnCount(), sheet_.objectCount()});
    return changed;
}

bool SheetModel::clear(const CellRange &range)
{
    const bool changed = sheet_.clear(range);
    if (changed)
        cellsChanged(range);
    return changed;
}

void SheetModel::cellsChanged(const CellRange &range)
{
    const CellRange all = sheet_.dataRange();
    emit dataChanged(indexOf(std::max(range.left, all.left), std::max(range.top, all.top)),
                     indexOf(std::min(range.right, all.right), std::min(range.bottom, all.bottom)));
}

void SheetModel::renameObject(int row, const QString &answer)
{
    sheet_.renameObject(row, answer);
    emit headerDataChanged(Qt::Vertical, row - 1, row - 1);
}

void SheetModel::renameColumn(int column, const QString &answer)
{
    sheet_.renameColumn(column, answer);
    emit headerDataChanged(Qt::Horizontal, column - 1, column - 1);
}

int SheetModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : sheet_.objectCount();
}

int SheetModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : sheet_.columnCount();
}

QVariant SheetModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return sheet_.cell(index.column() + 1, index.row() + 1);
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    default:
        return {};
    }
}

bool SheetModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || role != Qt::EditRole)
        return false;
    sheet_.editCell(index.column() + 1, index.row() + 1, value.toString());
    emit dataChanged(index, index);
    return true;
}

QVariant SheetModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignCenter);
    if (role != Qt::DisplayRole)
        return {};
    return orientation == Qt::Horizontal ? sheet_.columnName(section + 1)
                                         : sheet_.objectName(section + 1);
}

Qt::ItemFlags SheetModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable;
}
