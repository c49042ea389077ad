// A series of labelled points in one colour (single points may carry their own), drawn as
// markers. The labels themselves are drawn by SeriesMarks, above every series.
#pragma once

#include "AxisPlacement.h"

#include <qcustomplot.h>

#include <QColor>
#include <QPointF>
#include <QString>

#include <vector>

namespace plots
{

// A point keeps its own label and coordinates, so a label always stays with its point whatever
// order the points are drawn in.
struct PlotPoint {
    double x = 0;
    double y = 0;
    QString label;
    QColor colour;      // invalid: the series' colour
    QPointF labelShift; // how far the user has dragged the label from its usual place, in pixels
};

enum class PointShape { Triangle, Square };

class PointSeries : public QCPAbstractPlottable
{
    Q_OBJECT
  public:
    PointSeries(QCPAxis *keyAxis, QCPAxis *valueAxis);

    // Adds a point; one with a coordinate that is not finite is left out (returns false).
    bool addPoint(double x, double y, const QString &label, const QColor &colour = QColor());
    void clear();
    int count() const { return static_cast<int>(points_.size()); }
    const PlotPoint &point(int index) const { return points_[static_cast<std::size_t>(index)]; }
    QColor pointColour(int index) const;
    QPointF pixelPosition(int index) const;
    void shiftLabel(int index, QPointF delta);

    QColor colour() const { return colour_; }
    void setColour(const QColor &colour);
    PointShape shape() const { return shape_; }
    void setShape(PointShape shape) { shape_ = shape; }
    double pointSize() const { return pointSize_; }
    void setPointSize(double size) { pointSize_ = size; }
    bool marksVisible() const { return marksVisible_; }
    void setMarksVisible(bool visible) { marksVisible_ = visible; }
    bool clipsToPlotArea() const { return clipsToPlotArea_; }
    void setClipsToPlotArea(bool clips) { clipsToPlotArea_ = clips; }

    Extremes xExtremes() const;
    Extremes yExtremes() const;
    // Whether the point lies within the current ranges of the series' axes.
    bool inView(int index) const;

    double selectTest(const QPointF &pos, bool onlySelectable,
                      QVariant *details = nullptr) const override;
    QCPRange getKeyRange(bool &foundRange,
                         QCP::SignDomain inSignDomain = QCP::sdBoth) const override;
    QCPRange getValueRange(bool &foundRange, QCP::SignDomain inSignDomain = QCP::sdBoth,
                           const QCPRange &inKeyRange = QCPRange()) const override;

    QRect clipRect() const override;

  protected:
    void draw(QCPPainter *painter) override;
    void drawLegendIcon(QCPPainter *painter, const QRectF &rect) const override;

  private:
    void drawMarker(QCPPainter *painter, QPointF centre) const;
    void usePointColour(QCPPainter *painter, const QColor &colour) const;

    std::vector<PlotPoint> points_;
    QColor colour_ = Qt::red;
    PointShape shape_ = PointShape::Triangle;
    double pointSize_ = 8;
    bool marksVisible_ = false;
    bool clipsToPlotArea_ = false;
};

} // namespace plots
