#include "ThumbnailModel.h"

#include "PagePainter.h"

#include <QPainter>

ThumbnailModel::ThumbnailModel(QObject *parent) : QAbstractListModel(parent) {}

void ThumbnailModel::setReport(const PreparedReport *report)
{
    beginResetModel();
    report_ = report;
    pictures_.clear();
    endResetModel();
}

void ThumbnailModel::pageChanged(int page)
{
    pictures_.remove(page);
    emit dataChanged(index(page), index(page), {Qt::DecorationRole});
}

int ThumbnailModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() || !report_ ? 0 : report_->pageCount();
}

QVariant ThumbnailModel::data(const QModelIndex &index, int role) const
{
    if (!report_ || !index.isValid() || index.row() >= report_->pageCount())
        return {};
    if (role == Qt::DisplayRole)
        return QString::number(index.row() + 1);
    if (role != Qt::DecorationRole)
        return {};
    if (const QPixmap *cached = pictures_.object(index.row()))
        return *cached;
    const QPixmap picture = render(index.row());
    pictures_.insert(index.row(), new QPixmap(picture));
    return picture;
}

QPixmap ThumbnailModel::render(int page) const
{
    const QSizeF pageSize = report_->setup().pageSize();
    const double scale = width / pageSize.width();
    QPixmap picture((pageSize * scale).toSize());
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.scale(scale, scale);
    PagePainter(painter).paint(painter, report_->pageItems(page));
    painter.setPen(Qt::gray);
    painter.resetTransform();
    painter.drawRect(picture.rect().adjusted(0, 0, -1, -1));
    return picture;
}
