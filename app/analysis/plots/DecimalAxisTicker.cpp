#include "DecimalAxisTicker.h"

#include "files/NumberText.h"

#include <cmath>

namespace plots
{

namespace
{

constexpr int kMostDecimals = 12;

// The fewest decimals that write the step exactly enough to tell neighbouring ticks apart.
int decimalsFor(double step)
{
    if (!(step > 0) || !std::isfinite(step))
        return 0;
    double scale = 1;
    for (int decimals = 0; decimals < kMostDecimals; ++decimals, scale *= 10) {
        const double scaled = step * scale;
        if (std::abs(scaled - std::round(scaled)) < 1e-6 * scaled)
            return decimals;
    }
    return kMostDecimals;
}

} // namespace

QString formatAxisNumber(double value, double step)
{
    const double scale = std::pow(10.0, decimalsFor(step));
    double rounded = std::round(value * scale) / scale;
    if (!std::isfinite(rounded))
        rounded = value;
    if (rounded == 0)
        rounded = 0; // no "-0"
    return numbertext::formatShortest(rounded, numbertext::decimalSeparator());
}

QVector<QString> DecimalAxisTicker::createLabelVector(const QVector<double> &ticks, const QLocale &,
                                                      QChar, int)
{
    const double step = ticks.size() > 1 ? ticks[1] - ticks[0] : 0;
    QVector<QString> labels;
    labels.reserve(ticks.size());
    for (double tick : ticks)
        labels.append(formatAxisNumber(tick, step));
    return labels;
}

} // namespace plots
