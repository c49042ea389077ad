#include "PagePainter.h"

#include "PageSetup.h"

#include <QPaintDevice>
#include <QPainter>

using namespace reportstyle;

namespace
{

constexpr double frameWidth = 0.75;
constexpr double smallestScale = 0.2; // of the role's size
constexpr int textFlags = Qt::TextWrapAnywhere;
const QColor highlightColor(0xFF, 0xE0, 0x40);

} // namespace

PagePainter::PagePainter(const QPainter &painter)
{
    const double deviceDpi = painter.device() ? painter.device()->logicalDpiY() : 96;
    for (std::size_t r = 0; r < fonts_.size(); ++r) {
        fonts_[r] = reportstyle::font(static_cast<ItemRole>(r));
        fonts_[r].setPointSizeF(fonts_[r].pointSizeF() * PageSetup::pixelsPerInch / deviceDpi);
    }
}

void PagePainter::paint(QPainter &painter, const std::vector<PageItem> &items,
                        const std::optional<ItemKey> &highlight) const
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    for (const PageItem &item : items)
        paintItem(painter, item, highlight && *highlight == item.key);
    painter.restore();
}

void PagePainter::paintItem(QPainter &painter, const PageItem &item, bool highlighted) const
{
    const ItemRole role = item.key.role;
    QRectF textRect = item.rect;
    if (role == ItemRole::Title) {
        painter.fillRect(item.rect.translated(shadowOffset, shadowOffset), shadowColor);
        textRect.adjust(titlePadding, titlePadding, -titlePadding, -titlePadding);
    } else if (framed(role)) {
        textRect.adjust(cellGap, cellGap, -cellGap, -cellGap);
    }
    const QColor fill = highlighted ? highlightColor : background(role);
    if (fill.isValid())
        painter.fillRect(item.rect, fill);
    if (framed(role)) {
        painter.setPen(QPen(Qt::black, frameWidth));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(item.rect);
    }
    painter.setPen(Qt::black);
    QFont font = fonts_[static_cast<std::size_t>(role)];
    if (item.edited)
        shrinkToFit(painter, font, textRect, item.text);
    painter.setFont(font);
    const int wrap = item.edited ? Qt::TextSingleLine | Qt::TextDontClip : textFlags;
    painter.drawText(textRect, static_cast<int>(alignment(role)) | wrap, item.text);
}

// A retyped text longer than its place is drawn smaller, on one line, rather than cut.
void PagePainter::shrinkToFit(const QPainter &painter, QFont &font, const QRectF &rect,
                              const QString &text)
{
    const double smallest = font.pointSizeF() * smallestScale;
    while (font.pointSizeF() > smallest &&
           (QFontMetricsF(font, painter.device()).horizontalAdvance(text) > rect.width() ||
            QFontMetricsF(font, painter.device()).height() > rect.height() + 0.01))
        font.setPointSizeF(font.pointSizeF() * 0.9);
}
