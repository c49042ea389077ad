#include "SeriesPalette.h"

#include <array>

namespace plots {

namespace {

const std::array<QColor, 10> kTableColours = {
    QColor(0, 0, 255),    // blue
    QColor(0, 128, 0),    // green
    QColor(255, 140, 0),  // orange
    QColor(255, 0, 255),  // magenta
    QColor(0, 170, 170),  // teal
    QColor(139, 69, 19),  // brown
    QColor(0, 0, 0),      // black
    QColor(128, 128, 0),  // olive
    QColor(120, 80, 220), // violet
    QColor(128, 128, 128) // grey
};

} // namespace

QColor targetColour() { return QColor(255, 0, 0); }
QColor distanceTargetColour() { return QColor(0, 0, 255); }

QColor tableColour(int k)
{
    const int count = tableColourCount();
    return kTableColours[static_cast<std::size_t>(((k - 1) % count + count) % count)];
}

int tableColourCount() { return static_cast<int>(kTableColours.size()); }

} // namespace plots
