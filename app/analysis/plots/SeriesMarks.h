// The point labels ("marks") of every series on a chart, drawn above the series, each with a plain
// line to its point. The user may drag a label; its line follows.
#pragma once

#include <qcustomplot.h>

#include <QFont>
#include <QRectF>

#include <functional>
#include <optional>

namespace plots
{

class PointSeries;

struct MarkRef {
    PointSeries *series = nullptr;
    int index = -1;
};

class SeriesMarks : public QCPLayerable
{
    Q_OBJECT
  public:
    // Up to this many points on the chart every label is drawn; beyond it, labels are drawn for
    // the points in view once fewer than the second number are in view.
    static constexpr int kEveryLabelLimit = 5000;
    static constexpr int kLabelsInViewLimit = 2000;

    SeriesMarks(QCustomPlot *plot, const QString &layer);

    QFont font() const { return font_; }
    void setFont(const QFont &font) { font_ = font; }
    void setClipsToPlotArea(bool clips) { clipsToPlotArea_ = clips; }

    // Whether the label of the point is drawn with the chart as it stands.
    bool labelShown(const MarkRef &mark) const;
    // Where the label is drawn, in pixels, with the current layout.
    QRectF labelRect(const MarkRef &mark) const;
    // The topmost drawn label under the pixel.
    std::optional<MarkRef> markAt(QPointF pixel) const;

    QRect clipRect() const override;

  protected:
    void applyDefaultAntialiasingHint(QCPPainter *painter) const override;
    void draw(QCPPainter *painter) override;

  private:
    enum class LabelScope { All, InView, None };
    LabelScope labelScope() const;
    // Calls the visitor for every drawn label in drawing order; the visitor returns false to stop.
    void forEachShownLabel(const std::function<bool(const MarkRef &)> &visit) const;
    QRectF labelRect(const MarkRef &mark, const QFontMetricsF &metrics) const;

    QFont font_;
    bool clipsToPlotArea_ = false;
};

} // namespace plots
