// The report's look: fonts, colours and the sizes of its bands and cells, in report pixels.
#pragma once

#include <QColor>
#include <QFont>

enum class ItemRole { Title, Caption, ColumnLabel, RowLabel, Cell, Footer };

namespace reportstyle
{

constexpr double cellGap = 3;         // inner gap of every cell
constexpr double minColumnWidth = 30; // no column narrower than this
constexpr double titlePadding = 6;
constexpr double shadowOffset = 3;
constexpr double bandSpacing = 8;    // between sections and after the title
constexpr double captionSpacing = 4; // between a caption and its table
constexpr double footerSpacing = 6;  // between the body and the footer

const QColor titleBackground(0xD4, 0xD0, 0xC8);
const QColor labelBackground(0xE0, 0xEE, 0xE0);
const QColor shadowColor(0x80, 0x80, 0x80);

// The font of a role at 10 pt. Arial and Times New Roman, or their metric-compatible Liberation
// fonts where those are not installed. Kerning and hinting are off so that a text's width is the
// sum of its characters' advances at every size.
QFont font(ItemRole role);

Qt::Alignment alignment(ItemRole role);
bool framed(ItemRole role);
QColor background(ItemRole role); // invalid where the item has none

} // namespace reportstyle
