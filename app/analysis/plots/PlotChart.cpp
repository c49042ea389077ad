#include "PlotChart.h"

#include "AnnotationBox.h"
#include "DecimalAxisTicker.h"
#include "PointSeries.h"
#include "SeriesMarks.h"

#include <algorithm>

namespace plots
{

namespace
{

const QString kMarksLayer = QStringLiteral("marks");
// Room around the plot area for the tick labels of an axis that runs along an edge.
const QMargins kPlotMargins(48, 12, 16, 24);
constexpr int kPixelsPerTick = 80;

QFont subFooterFont()
{
    QFont font(QStringLiteral("Verdana"), 9, QFont::Bold);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

QCPRange toQcp(const AxisRange &range)
{
    return {range.lower, range.upper};
}
AxisRange fromQcp(const QCPRange &range)
{
    return {range.lower, range.upper};
}

} // namespace

PlotChart::PlotChart(QWidget *parent) : QCustomPlot(parent), userLines_(this, kMarksLayer)
{
    setObjectName(QStringLiteral("Chart1"));
    setFocusPolicy(Qt::ClickFocus);
    setNoAntialiasingOnDrag(true);
    setBackground(Qt::white);
    axisRect()->setBackground(Qt::white);
    axisRect()->setAutoMargins(QCP::msNone);
    axisRect()->setMargins(kPlotMargins);
    addLayer(kMarksLayer, layer(QStringLiteral("axes")), QCustomPlot::limAbove);
    setupAxis(xAxis);
    setupAxis(yAxis);
    connect(xAxis, qOverload<const QCPRange &>(&QCPAxis::rangeChanged), this,
            &PlotChart::userChangedView);
    connect(yAxis, qOverload<const QCPRange &>(&QCPAxis::rangeChanged), this,
            &PlotChart::userChangedView);

    subFooter_ = new QCPTextElement(this, QString(), subFooterFont());
    subFooter_->setTextColor(Qt::black);
    plotLayout()->addElement(1, 0, subFooter_);

    auto *first = new PointSeries(xAxis, yAxis);
    first->setName(QStringLiteral("RowSeries"));
    first->setShape(PointShape::Triangle);
    first->setPointSize(pointSize_);
    marks_ = new SeriesMarks(this, kMarksLayer);
    annotation_ = new AnnotationBox(this, kMarksLayer);
    annotation_->setMinimumSize({171, 15});
    removeCustomAxes();
}

void PlotChart::setupAxis(QCPAxis *axis)
{
    axis->setTicker(QSharedPointer<QCPAxisTicker>(new DecimalAxisTicker));
    axis->grid()->setVisible(false);
    axis->setTickLength(4, 4);
    axis->setSubTickLength(2, 2);
    axis->setVisible(false);
}

PointSeries *PlotChart::series(int index) const
{
    // QCustomPlot's accessor is not const, though it changes nothing.
    return qobject_cast<PointSeries *>(const_cast<PlotChart *>(this)->plottable(index));
}

PointSeries *PlotChart::addSeries()
{
    auto *series = new PointSeries(xAxis, yAxis);
    series->setShape(PointShape::Square);
    series->setPointSize(pointSize_);
    series->setClipsToPlotArea(clipPoints_);
    return series;
}

void PlotChart::removeAddedSeries()
{
    dragging_ = Dragging::Nothing;
    while (seriesCount() > 1)
        removePlottable(seriesCount() - 1);
}

void PlotChart::setPointSize(double size)
{
    pointSize_ = size;
    for (int i = 0; i < seriesCount(); ++i)
        series(i)->setPointSize(size);
}

void PlotChart::addHorizontalAxis(const AxisRange &range, double positionPercent)
{
    horizontal_ = CustomAxis{range, positionPercent};
    xAxis->setVisible(true);
    resetView();
}

void PlotChart::addVerticalAxis(const AxisRange &range, double positionPercent)
{
    vertical_ = CustomAxis{range, positionPercent};
    yAxis->setVisible(true);
    resetView();
}

void PlotChart::removeCustomAxes()
{
    horizontal_.reset();
    vertical_.reset();
    xAxis->setVisible(false);
    yAxis->setVisible(false);
    resetView();
}

void PlotChart::resetView()
{
    showView(horizontal_ ? horizontal_->range : emptyAxisRange(),
             vertical_ ? vertical_->range : emptyAxisRange());
    followsOrigin_ = false;
}

void PlotChart::showView(const AxisRange &horizontal, const AxisRange &vertical)
{
    showingView_ = true;
    xAxis->setRange(toQcp(horizontal));
    yAxis->setRange(toQcp(vertical));
    showingView_ = false;
}

void PlotChart::userChangedView()
{
    if (!showingView_)
        followsOrigin_ = true;
}

AxisRange PlotChart::horizontalRange() const
{
    return fromQcp(xAxis->range());
}
AxisRange PlotChart::verticalRange() const
{
    return fromQcp(yAxis->range());
}

double PlotChart::horizontalAxisPercent() const
{
    if (followsOrigin_)
        return originPositionPercent(verticalRange());
    return horizontal_ ? horizontal_->positionPercent : 50;
}

double PlotChart::verticalAxisPercent() const
{
    if (followsOrigin_)
        return originPositionPercent(horizontalRange());
    return vertical_ ? vertical_->positionPercent : 50;
}

int PlotChart::horizontalAxisPixel() const
{
    return axisRect()->rect().bottom() + xAxis->offset();
}
int PlotChart::verticalAxisPixel() const
{
    return axisRect()->rect().left() - yAxis->offset();
}

void PlotChart::updateLayout()
{
    updateTickCounts();
    QCustomPlot::updateLayout();
    placeAxes();
}

void PlotChart::updateTickCounts()
{
    const QRect area = viewport().marginsRemoved(kPlotMargins);
    xAxis->ticker()->setTickCount(std::max(2, area.width() / kPixelsPerTick));
    yAxis->ticker()->setTickCount(std::max(2, area.height() / kPixelsPerTick));
}

// The axes sit inside the plot area, so they are moved in from its edges by a negative offset,
// recomputed whenever the area changes size.
void PlotChart::placeAxes()
{
    const QRect area = axisRect()->rect();
    xAxis->setOffset(-qRound(horizontalAxisPercent() / 100 * area.height()));
    yAxis->setOffset(-qRound(verticalAxisPercent() / 100 * area.width()));
}

QString PlotChart::subFooterText() const
{
    return subFooter_->text();
}

void PlotChart::setSubFooterText(const QString &text)
{
    subFooter_->setText(text);
    subFooter_->setFont(subFooterFont());
    subFooter_->setTextColor(Qt::black);
    subFooter_->setVisible(true);
}

void PlotChart::setClipPoints(bool clip)
{
    clipPoints_ = clip;
    for (int i = 0; i < seriesCount(); ++i)
        series(i)->setClipsToPlotArea(clip);
    marks_->setClipsToPlotArea(clip);
}

void PlotChart::setMode(Mode mode)
{
    mode_ = mode;
    setInteractions(mode == Mode::Move   ? QCP::Interactions(QCP::iRangeDrag)
                    : mode == Mode::Zoom ? QCP::Interactions(QCP::iRangeZoom)
                                         : QCP::Interactions());
    setSelectionRectMode(mode == Mode::Zoom ? QCP::srmZoom : QCP::srmNone);
    setCursor(mode == Mode::Move     ? Qt::OpenHandCursor
              : mode == Mode::Normal ? Qt::ArrowCursor
                                     : Qt::CrossCursor);
}

ChartSettings PlotChart::settings() const
{
    ChartSettings settings{subFooterText(), xAxis->label(), yAxis->label(), pointSize_, {}};
    for (int i = 0; i < seriesCount(); ++i)
        settings.seriesColours.push_back({series(i)->name(), series(i)->colour()});
    return settings;
}

void PlotChart::applySettings(const ChartSettings &settings)
{
    setSubFooterText(settings.title);
    xAxis->setLabel(settings.horizontalTitle);
    yAxis->setLabel(settings.verticalTitle);
    setPointSize(settings.pointSize);
    const int colours = std::min(seriesCount(), static_cast<int>(settings.seriesColours.size()));
    for (int i = 0; i < colours; ++i)
        series(i)->setColour(settings.seriesColours[static_cast<std::size_t>(i)].colour);
}

void PlotChart::mousePressEvent(QMouseEvent *event)
{
    if (mode_ == Mode::Move || mode_ == Mode::Zoom) {
        QCustomPlot::mousePressEvent(event);
        return;
    }
    if (event->button() != Qt::LeftButton)
        return;
    if (mode_ == Mode::Normal) {
        pressInNormalMode(event->position());
        return;
    }
    userLines_.begin(event->position(),
                     mode_ == Mode::DrawSquareLine ? LineEnds::Square : LineEnds::Round);
    replot(rpQueuedReplot);
}

void PlotChart::pressInNormalMode(QPointF pixel)
{
    dragFrom_ = pixel;
    if (const std::optional<MarkRef> mark = marks_->markAt(pixel)) {
        dragging_ = Dragging::Mark;
        dragSeries_ = mark->series;
        dragIndex_ = mark->index;
        return;
    }
    if (annotation_->shown() && annotation_->rect().contains(pixel)) {
        dragging_ = Dragging::Annotation;
        return;
    }
    userLines_.selectAt(pixel);
    replot(rpQueuedReplot);
}

void PlotChart::mouseMoveEvent(QMouseEvent *event)
{
    const QPointF pixel = event->position();
    emit mousePositionChanged({xAxis->pixelToCoord(pixel.x()), yAxis->pixelToCoord(pixel.y())});
    if (mode_ == Mode::Move || mode_ == Mode::Zoom) {
        QCustomPlot::mouseMoveEvent(event);
        return;
    }
    if (userLines_.drawing()) {
        userLines_.extend(pixel);
        replot(rpQueuedReplot);
        return;
    }
    if (dragging_ != Dragging::Nothing) {
        dragTo(pixel);
        return;
    }
    if (mode_ == Mode::Normal)
        updateCursor(pixel);
}

void PlotChart::dragTo(QPointF pixel)
{
    const QPointF delta = pixel - dragFrom_;
    dragFrom_ = pixel;
    if (dragging_ == Dragging::Mark && dragIndex_ < dragSeries_->count())
        dragSeries_->shiftLabel(dragIndex_, delta);
    else if (dragging_ == Dragging::Annotation)
        annotation_->setTopLeft(annotation_->topLeft() + delta);
    replot(rpQueuedReplot);
}

void PlotChart::updateCursor(QPointF pixel)
{
    const bool overAnnotation = annotation_->shown() && annotation_->rect().contains(pixel);
    setCursor(overAnnotation ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void PlotChart::mouseReleaseEvent(QMouseEvent *event)
{
    if (mode_ == Mode::Move || mode_ == Mode::Zoom) {
        QCustomPlot::mouseReleaseEvent(event);
        return;
    }
    if (userLines_.drawing()) {
        userLines_.finish();
        replot(rpQueuedReplot);
    }
    dragging_ = Dragging::Nothing;
}

void PlotChart::keyPressEvent(QKeyEvent *event)
{
    if (event->key() != Qt::Key_Delete) {
        QCustomPlot::keyPressEvent(event);
        return;
    }
    userLines_.removeSelected();
    replot(rpQueuedReplot);
}

void PlotChart::leaveEvent(QEvent *event)
{
    emit mouseLeftChart();
    QCustomPlot::leaveEvent(event);
}

} // namespace plots
