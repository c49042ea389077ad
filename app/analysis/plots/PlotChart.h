// The chart of a plot window: labelled point series over two custom axes that cross inside the
// plot area, a title line below, an annotation box, lines drawn by the user, and the mouse modes
// of the chart toolbar.
#pragma once

#include "AxisPlacement.h"
#include "ChartSettings.h"
#include "UserLines.h"

#include <qcustomplot.h>

#include <optional>

namespace plots
{

class AnnotationBox;
class PointSeries;
class SeriesMarks;

class PlotChart : public QCustomPlot
{
    Q_OBJECT
  public:
    enum class Mode { Normal, Move, Zoom, DrawSquareLine, DrawRoundLine };

    explicit PlotChart(QWidget *parent = nullptr);

    // The series made with the chart (it stays) and those a run adds after it.
    PointSeries *firstSeries() const { return series(0); }
    PointSeries *addSeries();
    int seriesCount() const { return plottableCount(); }
    PointSeries *series(int index) const;
    void removeAddedSeries();
    double pointSize() const { return pointSize_; }
    void setPointSize(double size);

    // The horizontal custom axis, on the chart's bottom axis, and the vertical one, on its left
    // axis. The position is in percent of the plot area's height (width) from its bottom (left)
    // edge. Without a custom axis the chart's own axis stays hidden over a range centred on 0.
    void addHorizontalAxis(const AxisRange &range, double positionPercent);
    void addVerticalAxis(const AxisRange &range, double positionPercent);
    void removeCustomAxes();
    bool hasHorizontalAxis() const { return horizontal_.has_value(); }
    bool hasVerticalAxis() const { return vertical_.has_value(); }
    AxisRange horizontalRange() const;
    AxisRange verticalRange() const;
    // Where the axes sit now: at their given positions until the user zooms or pans, then
    // through the origin when it is in view, else along the nearest edge.
    double horizontalAxisPercent() const;
    double verticalAxisPercent() const;
    // The pixel row of the horizontal axis line and the pixel column of the vertical one, as last
    // laid out.
    int horizontalAxisPixel() const;
    int verticalAxisPixel() const;
    bool followsOrigin() const { return followsOrigin_; }
    // Back to the axes' own ranges and positions after zooming or panning.
    void resetView();

    QString subFooterText() const;
    void setSubFooterText(const QString &text);
    QCPTextElement *subFooter() const { return subFooter_; }

    bool clipPoints() const { return clipPoints_; }
    void setClipPoints(bool clip);

    AnnotationBox *annotation() const { return annotation_; }
    SeriesMarks *marks() const { return marks_; }
    UserLines &userLines() { return userLines_; }

    Mode mode() const { return mode_; }
    void setMode(Mode mode);

    ChartSettings settings() const;
    void applySettings(const ChartSettings &settings);

  signals:
    void mousePositionChanged(QPointF dataPosition);
    void mouseLeftChart();

  protected:
    void updateLayout() override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void leaveEvent(QEvent *event) override;

  private:
    struct CustomAxis {
        AxisRange range;
        double positionPercent = 50;
    };
    enum class Dragging { Nothing, Mark, Annotation };

    void setupAxis(QCPAxis *axis);
    void showView(const AxisRange &horizontal, const AxisRange &vertical);
    void userChangedView();
    void updateTickCounts();
    void placeAxes();
    void pressInNormalMode(QPointF pixel);
    void dragTo(QPointF pixel);
    void updateCursor(QPointF pixel);

    std::optional<CustomAxis> horizontal_;
    std::optional<CustomAxis> vertical_;
    bool followsOrigin_ = false;
    bool showingView_ = false;
    bool clipPoints_ = false;
    double pointSize_ = 8;
    Mode mode_ = Mode::Normal;

    QCPTextElement *subFooter_ = nullptr;
    SeriesMarks *marks_ = nullptr;
    AnnotationBox *annotation_ = nullptr;
    UserLines userLines_;

    Dragging dragging_ = Dragging::Nothing;
    PointSeries *dragSeries_ = nullptr;
    int dragIndex_ = -1;
    QPointF dragFrom_;
};

} // namespace plots
