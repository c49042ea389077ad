// The column widths of auto-format: for every grid column, the larger of the default width and
// its widest text (header included) in the grid font, plus a margin.
#pragma once

#include "Sheet.h"

#include <QFont>
#include <QFontMetrics>
#include <QFontMetricsF>

#include <array>
#include <string>
#include <string_view>
#include <vector>

class ColumnFitter
{
  public:
    static constexpr int DefaultWidth = 63;
    static constexpr int Margin = 6;

    explicit ColumnFitter(const QFont &font);

    // Widths of grid columns 0..M.
    std::vector<int> widths(const Sheet &sheet);
    // The width of one text in the grid font.
    int textWidth(const QString &text) const { return exact_.horizontalAdvance(text); }

  private:
    // Shaping every cell of a large sheet takes seconds, so each cell is first estimated from
    // per-character advances; only the texts near a column's widest estimate are measured.
    float estimate(std::string_view utf8);
    float advance(char32_t code);
    std::string shapeKey(std::string_view utf8) const;
    bool checkDigitsShapeAlike() const;
    static float slack(float widest);

    QFontMetricsF metrics_;
    QFontMetrics exact_;
    std::vector<float> advances_;
    std::array<float, 128> ascii_{};
    bool digitsShapeAlike_ = false;
};
