// The chart toolbar's icons: the desktop theme's where it has them, simple drawn ones otherwise,
// so that the toolbar is usable on any desktop.
#pragma once

#include <QIcon>

namespace plots
{

enum class ChartIcon {
    Normal,
    Move,
    Zoom,
    ResetView,
    SquareLine,
    RoundLine,
    Edit,
    Print,
    Copy,
    Save
};

QIcon chartIcon(ChartIcon icon);

} // namespace plots
