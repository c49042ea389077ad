#include "SeriesPalette.h"

#include <array>

namespace plots
{

namespace
{

struct PaletteEntry {
    QRgb rgb;
    const char *name;
};

const std::array<PaletteEntry, 10> kTableColours = {{
    {qRgb(0, 0, 255), "Μπλε"},
    {qRgb(0, 128, 0), "Πράσινο"},
    {qRgb(255, 140, 0), "Πορτοκαλί"},
    {qRgb(255, 0, 255), "Ματζέντα"},
    {qRgb(0, 170, 170), "Τιρκουάζ"},
    {qRgb(139, 69, 19), "Καφέ"},
    {qRgb(0, 0, 0), "Μαύρο"},
    {qRgb(128, 128, 0), "Λαδί"},
    {qRgb(120, 80, 220), "Βιολετί"},
    {qRgb(128, 128, 128), "Γκρι"},
}};

} // namespace

QColor targetColour()
{
    return QColor(255, 0, 0);
}
QColor distanceTargetColour()
{
    return QColor(0, 0, 255);
}

QColor tableColour(int k)
{
    const int count = tableColourCount();
    return QColor(kTableColours[static_cast<std::size_t>(((k - 1) % count + count) % count)].rgb);
}

int tableColourCount()
{
    return static_cast<int>(kTableColours.size());
}

std::vector<NamedColour> namedColours()
{
    std::vector<NamedColour> colours{{targetColour(), QStringLiteral("Κόκκινο")}};
    for (const PaletteEntry &entry : kTableColours)
        colours.push_back({QColor(entry.rgb), QString::fromUtf8(entry.name)});
    return colours;
}

} // namespace plots
