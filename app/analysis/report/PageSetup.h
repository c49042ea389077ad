// Paper, orientation and margins of the report. Lengths on the page are in report pixels of
// 1/96 inch, the unit every layout and painting routine works in.
#pragma once

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QRectF>

struct PageSetup {
    QPageSize::PageSizeId paper = QPageSize::A4;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    QMarginsF marginsMm{20, 20, 20, 20};

    static constexpr double pixelsPerInch = 96;
    static constexpr double pixelsPerMm = pixelsPerInch / 25.4;

    QSizeF pageSize() const; // in report pixels, turned for the orientation
    QRectF contentRect() const;
    QPageLayout pageLayout() const;

    bool operator==(const PageSetup &) const = default;
};
