// Measures report texts in report pixels (1/96 inch). A report of a million rows needs tens of
// millions of widths, so a width is summed from cached character advances instead of shaping
// the text each time; the report fonts have kerning off, so the sum is the drawn width.
#pragma once

#include "ReportStyle.h"

#include <QFontMetricsF>
#include <QImage>

#include <array>
#include <memory>
#include <vector>

class TextMeasure
{
  public:
    TextMeasure();

    double width(ItemRole role, const QString &text);
    double lineHeight(ItemRole role) const;
    // Height of the text broken into lines no wider than the width.
    double wrappedHeight(ItemRole role, const QString &text, double width) const;

  private:
    static constexpr std::size_t roleCount = 6;
    struct RoleFont {
        std::unique_ptr<QFontMetricsF> metrics;
        std::vector<double> advances; // per UTF-16 unit; negative until measured
    };
    RoleFont &fontOf(ItemRole role) { return fonts_[static_cast<std::size_t>(role)]; }
    const RoleFont &fontOf(ItemRole role) const { return fonts_[static_cast<std::size_t>(role)]; }

    QImage device_; // a 96 dpi surface for the metrics
    std::array<RoleFont, roleCount> fonts_;
};
