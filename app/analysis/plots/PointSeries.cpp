#include "PointSeries.h"

#include <cmath>

namespace plots
{

namespace
{

// Up to this many points every marker is drawn; beyond it, markers that would fall on a place
// already drawn are skipped, which keeps large series quick to draw without changing the picture.
constexpr std::size_t kEveryMarkerLimit = 20000;
constexpr int kCellPixels = 2;

class OccupiedCells
{
  public:
    explicit OccupiedCells(const QRect &area)
        : area_(area), columns_(area.width() / kCellPixels + 1),
          cells_(static_cast<std::size_t>(columns_) *
                     static_cast<std::size_t>(area.height() / kCellPixels + 1),
                 false)
    {
    }

    // Marks the cell of the pixel as drawn; false when it already was.
    bool claim(QPointF pixel)
    {
        const int column = static_cast<int>(pixel.x() - area_.left()) / kCellPixels;
        const int row = static_cast<int>(pixel.y() - area_.top()) / kCellPixels;
        const std::size_t cell =
            static_cast<std::size_t>(row) * static_cast<std::size_t>(columns_) +
            static_cast<std::size_t>(column);
        if (cells_[cell])
            return false;
        cells_[cell] = true;
        return true;
    }

  private:
    QRect area_;
    int columns_;
    std::vector<bool> cells_;
};

bool hasSign(double value, QCP::SignDomain domain)
{
    switch (domain) {
    case QCP::sdNegative:
        return value < 0;
    case QCP::sdPositive:
        return value > 0;
    case QCP::sdBoth:
        break;
    }
    return true;
}

QCPRange rangeOf(const Extremes &extremes, bool &foundRange)
{
    foundRange = !extremes.empty();
    return foundRange ? QCPRange(extremes.min(), extremes.max()) : QCPRange();
}

} // namespace

PointSeries::PointSeries(QCPAxis *keyAxis, QCPAxis *valueAxis)
    : QCPAbstractPlottable(keyAxis, valueAxis)
{
    setSelectable(QCP::stNone);
    setAntialiasedFill(true);
}

bool PointSeries::addPoint(double x, double y, const QString &label, const QColor &colour)
{
    if (!std::isfinite(x) || !std::isfinite(y))
        return false;
    points_.push_back({x, y, label, colour, {}});
    return true;
}

void PointSeries::clear()
{
    points_.clear();
}

QColor PointSeries::pointColour(int index) const
{
    const QColor &own = point(index).colour;
    return own.isValid() ? own : colour_;
}

QPointF PointSeries::pixelPosition(int index) const
{
    const PlotPoint &p = point(index);
    return coordsToPixels(p.x, p.y);
}

void PointSeries::shiftLabel(int index, QPointF delta)
{
    points_[static_cast<std::size_t>(index)].labelShift += delta;
}

void PointSeries::setColour(const QColor &colour)
{
    colour_ = colour;
}

Extremes PointSeries::xExtremes() const
{
    Extremes extremes;
    for (const PlotPoint &p : points_)
        extremes.include(p.x);
    return extremes;
}

Extremes PointSeries::yExtremes() const
{
    Extremes extremes;
    for (const PlotPoint &p : points_)
        extremes.include(p.y);
    return extremes;
}

bool PointSeries::inView(int index) const
{
    const PlotPoint &p = point(index);
    return keyAxis()->range().contains(p.x) && valueAxis()->range().contains(p.y);
}

double PointSeries::selectTest(const QPointF &, bool, QVariant *) const
{
    return -1;
}

QCPRange PointSeries::getKeyRange(bool &foundRange, QCP::SignDomain inSignDomain) const
{
    Extremes extremes;
    for (const PlotPoint &p : points_)
        if (hasSign(p.x, inSignDomain))
            extremes.include(p.x);
    return rangeOf(extremes, foundRange);
}

QCPRange PointSeries::getValueRange(bool &foundRange, QCP::SignDomain inSignDomain,
                                    const QCPRange &inKeyRange) const
{
    const bool anyKey = inKeyRange == QCPRange();
    Extremes extremes;
    for (const PlotPoint &p : points_)
        if (hasSign(p.y, inSignDomain) && (anyKey || inKeyRange.contains(p.x)))
            extremes.include(p.y);
    return rangeOf(extremes, foundRange);
}

QRect PointSeries::clipRect() const
{
    if (clipsToPlotArea_)
        return QCPAbstractPlottable::clipRect();
    return parentPlot()->viewport();
}

void PointSeries::draw(QCPPainter *painter)
{
    const QRect area = clipRect();
    const double reach = pointSize_;
    const QRectF drawable = QRectF(area).adjusted(-reach, -reach, reach, reach);
    const bool thinOut = points_.size() > kEveryMarkerLimit;
    OccupiedCells drawn(drawable.toAlignedRect());
    applyDefaultAntialiasingHint(painter);
    QColor current;
    for (int i = 0; i < count(); ++i) {
        const QPointF centre = pixelPosition(i);
        if (!drawable.contains(centre) || (thinOut && !drawn.claim(centre)))
            continue;
        const QColor colour = pointColour(i);
        if (colour != current) {
            usePointColour(painter, colour);
            current = colour;
        }
        drawMarker(painter, centre);
    }
}

void PointSeries::drawLegendIcon(QCPPainter *painter, const QRectF &rect) const
{
    usePointColour(painter, colour_);
    drawMarker(painter, rect.center());
}

void PointSeries::usePointColour(QCPPainter *painter, const QColor &colour) const
{
    painter->setPen(QPen(colour.darker(150), 1));
    painter->setBrush(colour);
}

void PointSeries::drawMarker(QCPPainter *painter, QPointF centre) const
{
    const double half = pointSize_ / 2;
    if (shape_ == PointShape::Square) {
        painter->drawRect(QRectF(centre.x() - half, centre.y() - half, pointSize_, pointSize_));
        return;
    }
    const QPointF corners[3] = {{centre.x(), centre.y() - half},
                                {centre.x() + half, centre.y() + half},
                                {centre.x() - half, centre.y() + half}};
    painter->drawPolygon(corners, 3);
}

} // namespace plots
