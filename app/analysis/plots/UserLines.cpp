#include "UserLines.h"

namespace plots
{

namespace
{

constexpr double kPickDistance = 5;

QPen linePen(LineEnds ends)
{
    QPen pen(Qt::black, 2);
    pen.setCapStyle(ends == LineEnds::Square ? Qt::SquareCap : Qt::RoundCap);
    return pen;
}

void placeAt(QCPItemPosition *position, QPointF pixel)
{
    position->setPixelPosition(pixel);
}

} // namespace

UserLines::UserLines(QCustomPlot *plot, const QString &layer) : plot_(plot), layer_(layer) {}

void UserLines::begin(QPointF pixel, LineEnds ends)
{
    auto *line = new QCPItemLine(plot_);
    line->setLayer(layer_);
    line->setPen(linePen(ends));
    QPen selected = linePen(ends);
    selected.setColor(Qt::blue);
    line->setSelectedPen(selected);
    placeAt(line->start, pixel);
    placeAt(line->end, pixel);
    current_ = line;
    lines_.append(line);
}

void UserLines::extend(QPointF pixel)
{
    if (current_)
        placeAt(current_->end, pixel);
}

void UserLines::finish()
{
    if (!current_)
        return;
    QCPItemLine *line = current_;
    current_.clear();
    if (line->start->pixelPosition() == line->end->pixelPosition())
        remove(line);
}

bool UserLines::selectAt(QPointF pixel)
{
    bool found = false;
    for (QCPItemLine *line : std::as_const(lines_)) {
        if (!line)
            continue;
        const double distance = line->selectTest(pixel, false);
        const bool hit = !found && distance >= 0 && distance <= kPickDistance;
        line->setSelected(hit);
        found = found || hit;
    }
    return found;
}

void UserLines::removeSelected()
{
    const QList<QPointer<QCPItemLine>> all = lines_;
    for (QCPItemLine *line : all)
        if (line && line->selected())
            remove(line);
}

void UserLines::remove(QCPItemLine *line)
{
    lines_.removeAll(line);
    plot_->removeItem(line);
}

} // namespace plots
