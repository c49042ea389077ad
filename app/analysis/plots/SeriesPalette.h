// The colours of the plots' points.
#pragma once

#include <QColor>
#include <QString>

#include <vector>

namespace plots
{

QColor targetColour();         // red: the target table's points
QColor distanceTargetColour(); // blue: the target's point in the distance plot
// The colour of the k-th further table (k from 1): clearly distinct colours, none of them red,
// taken in turn and started over when there are more tables than colours.
QColor tableColour(int k);
int tableColourCount();

struct NamedColour {
    QColor colour;
    QString name;
};
// Every colour above with its Greek name, red first: the choices the chart editor offers.
std::vector<NamedColour> namedColours();

} // namespace plots
