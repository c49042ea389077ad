#include "SeriesMarks.h"

#include "PointSeries.h"

#include <algorithm>

namespace plots
{

namespace
{

// The label sits this far above its point, with the line between them.
constexpr double kLineLength = 10;
constexpr double kTextPadding = 1;

std::vector<PointSeries *> seriesWithMarks(QCustomPlot *plot)
{
    std::vector<PointSeries *> result;
    for (int i = 0; i < plot->plottableCount(); ++i) {
        auto *series = qobject_cast<PointSeries *>(plot->plottable(i));
        if (series && series->marksVisible())
            result.push_back(series);
    }
    return result;
}

// The point of the rectangle nearest to the pixel: where the line from a point meets its label.
QPointF nearestPointOf(const QRectF &rect, QPointF pixel)
{
    return {std::clamp(pixel.x(), rect.left(), rect.right()),
            std::clamp(pixel.y(), rect.top(), rect.bottom())};
}

} // namespace

SeriesMarks::SeriesMarks(QCustomPlot *plot, const QString &layer)
    : QCPLayerable(plot, layer), font_(plot->font())
{
    font_.setPointSize(8);
}

SeriesMarks::LabelScope SeriesMarks::labelScope() const
{
    const std::vector<PointSeries *> series = seriesWithMarks(mParentPlot);
    int total = 0;
    for (const PointSeries *s : series)
        total += s->count();
    if (total <= kEveryLabelLimit)
        return LabelScope::All;
    int inView = 0;
    for (const PointSeries *s : series)
        for (int i = 0; i < s->count() && inView < kLabelsInViewLimit; ++i)
            inView += s->inView(i) ? 1 : 0;
    return inView < kLabelsInViewLimit ? LabelScope::InView : LabelScope::None;
}

void SeriesMarks::forEachShownLabel(const std::function<bool(const MarkRef &)> &visit) const
{
    const LabelScope scope = labelScope();
    if (scope == LabelScope::None)
        return;
    for (PointSeries *series : seriesWithMarks(mParentPlot))
        for (int i = 0; i < series->count(); ++i)
            if ((scope == LabelScope::All || series->inView(i)) && !visit({series, i}))
                return;
}

bool SeriesMarks::labelShown(const MarkRef &mark) const
{
    bool shown = false;
    forEachShownLabel([&](const MarkRef &candidate) {
        shown = candidate.series == mark.series && candidate.index == mark.index;
        return !shown;
    });
    return shown;
}

QRectF SeriesMarks::labelRect(const MarkRef &mark, const QFontMetricsF &metrics) const
{
    const PlotPoint &point = mark.series->point(mark.index);
    // Labels are one line: measuring the advance is much cheaper than laying the text out.
    const QSizeF text(metrics.horizontalAdvance(point.label) + 2 * kTextPadding,
                      metrics.height() + 2 * kTextPadding);
    const QPointF anchor = mark.series->pixelPosition(mark.index);
    const QPointF centre =
        anchor + QPointF(0, -(kLineLength + text.height() / 2)) + point.labelShift;
    return QRectF(centre - QPointF(text.width() / 2, text.height() / 2), text);
}

QRectF SeriesMarks::labelRect(const MarkRef &mark) const
{
    return labelRect(mark, QFontMetricsF(font_));
}

std::optional<MarkRef> SeriesMarks::markAt(QPointF pixel) const
{
    const QFontMetricsF metrics(font_);
    std::optional<MarkRef> topmost;
    forEachShownLabel([&](const MarkRef &mark) {
        if (labelRect(mark, metrics).contains(pixel))
            topmost = mark;
        return true;
    });
    return topmost;
}

QRect SeriesMarks::clipRect() const
{
    if (clipsToPlotArea_)
        return mParentPlot->axisRect()->rect();
    return mParentPlot->viewport();
}

void SeriesMarks::applyDefaultAntialiasingHint(QCPPainter *painter) const
{
    applyAntialiasingHint(painter, mAntialiased, QCP::aeOther);
}

void SeriesMarks::draw(QCPPainter *painter)
{
    painter->setFont(font_);
    const QFontMetricsF metrics(font_, painter->device());
    const QRectF area = clipRect();
    const QPen linePen(Qt::black, 1);
    forEachShownLabel([&](const MarkRef &mark) {
        const QRectF label = labelRect(mark, metrics);
        const QPointF anchor = mark.series->pixelPosition(mark.index);
        if (!area.intersects(label.united(QRectF(anchor, QSizeF(1, 1)))))
            return true;
        painter->setPen(linePen);
        if (!label.contains(anchor))
            painter->drawLine(QLineF(anchor, nearestPointOf(label, anchor)));
        painter->drawText(label.topLeft() + QPointF(kTextPadding, kTextPadding + metrics.ascent()),
                          mark.series->point(mark.index).label);
        return true;
    });
}

} // namespace plots
