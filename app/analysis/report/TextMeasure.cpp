#include "TextMeasure.h"

#include "PageSetup.h"

namespace
{

// Characters whose advance depends on their neighbours: combining marks, surrogates, and the
// scripts that shape; a text holding one is measured whole.
bool shapesWithNeighbours(char16_t unit)
{
    return (unit >= 0x0300 && unit < 0x0370) || unit >= 0x0590;
}

constexpr int dotsPerMeter(double dotsPerInch)
{
    return static_cast<int>(dotsPerInch / 0.0254 + 0.5);
}

// Fonts are measured this many times larger and the results scaled back: small sizes round
// advances to whole pixels, which printed or zoomed text does not.
constexpr double enlargement = 16;

} // namespace

TextMeasure::TextMeasure() : device_(1, 1, QImage::Format_ARGB32)
{
    device_.setDotsPerMeterX(dotsPerMeter(PageSetup::pixelsPerInch));
    device_.setDotsPerMeterY(dotsPerMeter(PageSetup::pixelsPerInch));
    for (std::size_t r = 0; r < roleCount; ++r) {
        QFont font(reportstyle::font(static_cast<ItemRole>(r)), &device_);
        font.setPointSizeF(font.pointSizeF() * enlargement);
        fonts_[r].metrics = std::make_unique<QFontMetricsF>(font, &device_);
        fonts_[r].advances.assign(0x0590, -1.0);
    }
}

double TextMeasure::width(ItemRole role, const QString &text)
{
    RoleFont &font = fontOf(role);
    double sum = 0;
    for (const QChar c : text) {
        const char16_t unit = c.unicode();
        if (shapesWithNeighbours(unit))
            return font.metrics->horizontalAdvance(text) / enlargement;
        double &advance = font.advances[unit];
        if (advance < 0)
            advance = font.metrics->horizontalAdvance(c) / enlargement;
        sum += advance;
    }
    return sum;
}

double TextMeasure::lineHeight(ItemRole role) const
{
    return fontOf(role).metrics->height() / enlargement;
}

double TextMeasure::wrappedHeight(ItemRole role, const QString &text, double width) const
{
    const QRectF bounds(0, 0, width * enlargement, 1e12);
    return fontOf(role).metrics->boundingRect(bounds, Qt::TextWrapAnywhere, text).height() /
           enlargement;
}
