#include "PlotFilling.h"

#include "AnnotationBox.h"
#include "PlotChart.h"
#include "PointSeries.h"
#include "SeriesPalette.h"
#include "files/NumberText.h"

#include <cmath>
#include <optional>

namespace plots
{

namespace
{

// The plots count in thousandths of the computed values.
constexpr double kPlotScale = 1000;
constexpr double kAnnotationMinimumWidth = 85;
constexpr double kAnnotationLineHeight = 15;

std::optional<QString> cellText(const TextTable &table, int row, int column)
{
    if (row < 0 || row >= table.rows() || column < 0 || column >= table.columns())
        return std::nullopt;
    return table.at(row, column);
}

// Element i of a table that holds one value per table, in a row or in a column.
std::optional<QString> vectorText(const TextTable &table, int index)
{
    return table.rows() == 1 ? cellText(table, 0, index) : cellText(table, index, 0);
}

// A plotted coordinate: the result's text read back as a number and scaled. Texts of values that
// were not finite ("NaN", "Inf") give none, and their points are left out.
std::optional<double> coordinate(const std::optional<QString> &text, QChar decimal)
{
    if (!text)
        return std::nullopt;
    const std::optional<double> value = numbertext::parseNumber(*text, decimal);
    if (!value || !std::isfinite(*value * kPlotScale))
        return std::nullopt;
    return *value * kPlotScale;
}

void addPointFromRow(PointSeries &series, const TextTable &table, int row,
                     const AnalysisState &state, const QString &label)
{
    const std::optional<double> x =
        coordinate(cellText(table, row, state.HorizontalAxis - 1), state.Decimal);
    const std::optional<double> y =
        coordinate(cellText(table, row, state.VerticalAxis - 1), state.Decimal);
    if (x && y)
        series.addPoint(*x, *y, label);
}

void showMarks(PointSeries &series, const QString &name, const QColor &colour)
{
    series.clear();
    series.setName(name);
    series.setColour(colour);
    series.setMarksVisible(true);
}

QString distanceLine(const AnalysisState &state, int k)
{
    return QStringLiteral("X%1-Xt = %2")
        .arg(k)
        .arg(vectorText(state.Kd, k - 1).value_or(QString()));
}

} // namespace

QString distancePlotTitle()
{
    return QStringLiteral("Άξονας αποστάσεων Χt-Xw");
}

QString configurationPlotTitle(const AnalysisState &state)
{
    return QStringLiteral("Διάγραμμα Xt ~ XwR (άξονας x:") + state.HorizontalAxisName +
           QStringLiteral(", άξονας y:") + state.VerticalAxisName + QStringLiteral(")");
}

void resetChart(PlotChart &chart, const QString &title)
{
    chart.firstSeries()->clear();
    chart.removeAddedSeries();
    chart.removeCustomAxes();
    chart.setBackground(Qt::white);
    chart.axisRect()->setBackground(Qt::white);
    chart.setClipPoints(false);
    chart.legend->setVisible(false);
    chart.setSubFooterText(title);
}

void AddPointSeriesX(PlotChart &chart, const AnalysisState &state)
{
    PointSeries &series = *chart.firstSeries();
    showMarks(series, QStringLiteral("Αποστάσεις"), targetColour());
    series.addPoint(1, 0, QStringLiteral("Xt"), distanceTargetColour());
    const int K = state.OtherTableCount;
    QStringList distances;
    for (int k = 1; k <= K; ++k) {
        if (const std::optional<double> x = coordinate(vectorText(state.Kd, k - 1), state.Decimal))
            series.addPoint(*x, 0, QStringLiteral("X%1").arg(k));
        distances.append(distanceLine(state, k));
    }
    AnnotationBox &box = *chart.annotation();
    box.setText(distances.join(u'\n'));
    box.setMinimumSize({kAnnotationMinimumWidth, kAnnotationLineHeight * K});
    chart.addHorizontalAxis(axisRangeFor(series.xExtremes()), 50);
    chart.replot();
}

void AddPointSeriesXY(PlotChart &chart, const AnalysisState &state)
{
    const int m = state.RowsPerTable;
    Extremes xs;
    Extremes ys;
    for (int k = 1; k <= state.OtherTableCount; ++k) {
        PointSeries &table = *chart.addSeries();
        showMarks(table, QStringLiteral("X%1").arg(k), tableColour(k));
        for (int i = 1; i <= m; ++i)
            addPointFromRow(table, state.KwR, (k - 1) * m + i - 1, state,
                            QStringLiteral("X%1-%2").arg(i).arg(k));
        xs.include(table.xExtremes());
        ys.include(table.yExtremes());
    }
    PointSeries &target = *chart.firstSeries();
    showMarks(target, QStringLiteral("Xt"), targetColour());
    for (int i = 1; i <= m; ++i)
        addPointFromRow(target, state.Xtz, i - 1, state, QStringLiteral("X%1-t").arg(i));
    xs.include(target.xExtremes());
    ys.include(target.yExtremes());

    const AxisRange vertical = axisRangeFor(ys);
    const AxisRange horizontal = axisRangeFor(xs);
    chart.addVerticalAxis(vertical, axisPositionPercent(horizontal));
    chart.addHorizontalAxis(horizontal, axisPositionPercent(vertical));
    chart.legend->setVisible(false);
    chart.replot();
}

void fillDistancePlot(PlotChart &chart, const AnalysisState &state)
{
    resetChart(chart, distancePlotTitle());
    AddPointSeriesX(chart, state);
}

void fillConfigurationPlot(PlotChart &chart, const AnalysisState &state)
{
    resetChart(chart, configurationPlotTitle(state));
    AddPointSeriesXY(chart, state);
}

} // namespace plots
