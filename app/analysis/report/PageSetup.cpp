#include "PageSetup.h"

QSizeF PageSetup::pageSize() const
{
    const QSizeF mm = QPageSize::size(paper, QPageSize::Millimeter);
    const QSizeF size = mm * pixelsPerMm;
    return orientation == QPageLayout::Landscape ? size.transposed() : size;
}

QRectF PageSetup::contentRect() const
{
    const QSizeF size = pageSize();
    const QMarginsF margins = marginsMm * pixelsPerMm;
    return QRectF(QPointF(0, 0), size).marginsRemoved(margins);
}

QPageLayout PageSetup::pageLayout() const
{
    return QPageLayout(QPageSize(paper), orientation, marginsMm, QPageLayout::Millimeter);
}
