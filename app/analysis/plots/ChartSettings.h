// What the chart editor lets the user change.
#pragma once

#include <QColor>
#include <QString>

#include <vector>

namespace plots
{

struct SeriesColour {
    QString name;
    QColor colour;

    bool operator==(const SeriesColour &) const = default;
};

struct ChartSettings {
    QString title; // the title line below the chart
    QString horizontalTitle;
    QString verticalTitle;
    double pointSize = 8;
    std::vector<SeriesColour> seriesColours; // one per series, in the chart's order

    bool operator==(const ChartSettings &) const = default;
};

} // namespace plots
