// Axis tick labels written like every other number of the program: with its decimal separator
// and no more decimals than the tick step needs.
#pragma once

#include <qcustomplot.h>

#include <QString>

namespace plots
{

// The value rounded to the decimals that the step needs, in the program's number text.
QString formatAxisNumber(double value, double step);

class DecimalAxisTicker : public QCPAxisTicker
{
  protected:
    QVector<QString> createLabelVector(const QVector<double> &ticks, const QLocale &locale,
                                       QChar formatChar, int precision) override;
};

} // namespace plots
