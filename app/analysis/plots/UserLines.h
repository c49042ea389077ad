// Lines the user draws on a chart, held in data coordinates so that they follow zooming and
// panning. They belong to the chart, not to a run: refilling the chart keeps them.
#pragma once

#include <qcustomplot.h>

#include <QList>
#include <QPointer>

namespace plots
{

enum class LineEnds { Square, Round };

class UserLines
{
  public:
    UserLines(QCustomPlot *plot, const QString &layer);

    // Starts a line at the pixel; extend() moves its end until finish().
    void begin(QPointF pixel, LineEnds ends);
    void extend(QPointF pixel);
    // Ends the line being drawn; a line of no length is dropped.
    void finish();
    bool drawing() const { return !current_.isNull(); }

    int count() const { return static_cast<int>(lines_.size()); }
    QCPItemLine *line(int index) const { return lines_[index]; }
    // Selects the line under the pixel, if any, and deselects the others.
    bool selectAt(QPointF pixel);
    void removeSelected();

  private:
    void remove(QCPItemLine *line);

    QCustomPlot *plot_;
    QString layer_;
    QList<QPointer<QCPItemLine>> lines_;
    QPointer<QCPItemLine> current_;
};

} // namespace plots
