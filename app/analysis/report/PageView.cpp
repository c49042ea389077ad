#include "PageView.h"

#include "PagePainter.h"

#include <QMouseEvent>
#include <QPainter>

namespace
{

constexpr int border = 12; // grey around the page

} // namespace

PageView::PageView(QWidget *parent) : QWidget(parent)
{
    setBackgroundRole(QPalette::Dark);
    setAutoFillBackground(true);
}

void PageView::setReport(const PreparedReport *report)
{
    report_ = report;
    page_ = 0;
    highlight_.reset();
    refresh();
}

void PageView::showPage(int page)
{
    page_ = page;
    refresh();
}

void PageView::setZoom(double zoom)
{
    zoom_ = zoom;
    updateGeometry();
    resize(sizeHint());
    update();
}

void PageView::setHighlight(std::optional<ItemKey> key)
{
    highlight_ = key;
    update();
}

void PageView::refresh()
{
    items_.clear();
    if (report_ && page_ >= 0 && page_ < report_->pageCount())
        items_ = report_->pageItems(page_);
    updateGeometry();
    resize(sizeHint());
    update();
}

QRectF PageView::pageRect() const
{
    const QSizeF size = report_ ? report_->setup().pageSize() : PageSetup{}.pageSize();
    return QRectF(QPointF(border, border), size * zoom_);
}

QSize PageView::sizeHint() const
{
    return pageRect().size().toSize() + QSize(2 * border, 2 * border);
}

void PageView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRectF page = pageRect();
    painter.fillRect(page.translated(4, 4), Qt::black);
    painter.fillRect(page, Qt::white);
    if (items_.empty())
        return;
    painter.translate(page.topLeft());
    painter.scale(zoom_, zoom_);
    PagePainter(painter).paint(painter, items_, highlight_);
}

std::optional<PageItem> PageView::itemAt(const QPoint &position) const
{
    const QPointF onPage = (QPointF(position) - pageRect().topLeft()) / zoom_;
    for (const PageItem &item : items_)
        if (item.rect.contains(onPage))
            return item;
    return std::nullopt;
}

void PageView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    if (const auto item = itemAt(event->position().toPoint()))
        emit itemClicked(page_, *item);
}
