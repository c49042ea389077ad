// Draws the texts of one page on any paint device, in report pixels: the caller's painter maps
// report pixels to the device (a plain scale), and the fonts are sized so that a text is as wide,
// relative to its cell, as when the page was laid out.
#pragma once

#include "PageItem.h"

#include <QFont>

#include <array>
#include <optional>
#include <vector>

class QPainter;

class PagePainter
{
  public:
    explicit PagePainter(const QPainter &painter);

    // highlight, when given, is drawn marked (a found text).
    void paint(QPainter &painter, const std::vector<PageItem> &items,
               const std::optional<ItemKey> &highlight = std::nullopt) const;

  private:
    void paintItem(QPainter &painter, const PageItem &item, bool highlighted) const;
    static void shrinkToFit(const QPainter &painter, QFont &font, const QRectF &rect,
                            const QString &text);

    std::array<QFont, 6> fonts_;
};
