#include "ChartIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace plots
{

namespace
{

constexpr int kSize = 22;

QString themeName(ChartIcon icon)
{
    switch (icon) {
    case ChartIcon::Normal:
        return QStringLiteral("edit-select");
    case ChartIcon::Move:
        return QStringLiteral("transform-move");
    case ChartIcon::Zoom:
        return QStringLiteral("zoom-in");
    case ChartIcon::ResetView:
        return QStringLiteral("zoom-original");
    case ChartIcon::Edit:
        return QStringLiteral("document-edit");
    case ChartIcon::Print:
        return QStringLiteral("document-print");
    case ChartIcon::Copy:
        return QStringLiteral("edit-copy");
    case ChartIcon::Save:
        return QStringLiteral("document-save");
    case ChartIcon::SquareLine:
    case ChartIcon::RoundLine:
        break;
    }
    return QString(); // no theme has the two line ends told apart
}

QPainterPath arrowPointer()
{
    QPainterPath path;
    path.moveTo(6, 3);
    path.lineTo(6, 18);
    path.lineTo(10, 14);
    path.lineTo(13, 20);
    path.lineTo(15, 19);
    path.lineTo(12, 13);
    path.lineTo(17, 13);
    path.closeSubpath();
    return path;
}

QPainterPath fourArrows()
{
    QPainterPath path;
    path.moveTo(11, 2);
    path.lineTo(11, 20);
    path.moveTo(2, 11);
    path.lineTo(20, 11);
    for (const QPointF &tip : {QPointF(11, 2), QPointF(11, 20), QPointF(2, 11), QPointF(20, 11)}) {
        const QPointF in = (QPointF(11, 11) - tip) / 9 * 3;
        const QPointF side(in.y(), in.x());
        path.moveTo(tip + in + side);
        path.lineTo(tip);
        path.lineTo(tip + in - side);
    }
    return path;
}

void drawShape(QPainter &painter, ChartIcon icon)
{
    switch (icon) {
    case ChartIcon::Normal:
        painter.setBrush(Qt::white);
        painter.drawPath(arrowPointer());
        return;
    case ChartIcon::Move:
        painter.drawPath(fourArrows());
        return;
    case ChartIcon::Zoom:
        painter.drawEllipse(QPointF(9, 9), 6, 6);
        painter.drawLine(QPointF(13.5, 13.5), QPointF(20, 20));
        painter.drawLine(QPointF(6, 9), QPointF(12, 9));
        painter.drawLine(QPointF(9, 6), QPointF(9, 12));
        return;
    case ChartIcon::ResetView:
        painter.drawRect(QRectF(3, 3, 16, 16));
        painter.drawText(QRectF(3, 3, 16, 16), Qt::AlignCenter, QStringLiteral("1:1"));
        return;
    case ChartIcon::SquareLine:
    case ChartIcon::RoundLine: {
        QPen pen = painter.pen();
        pen.setWidthF(4);
        pen.setCapStyle(icon == ChartIcon::SquareLine ? Qt::SquareCap : Qt::RoundCap);
        painter.setPen(pen);
        painter.drawLine(QPointF(5, 17), QPointF(17, 5));
        return;
    }
    case ChartIcon::Edit:
        painter.drawPolygon(QPolygonF({{4, 18}, {5, 14}, {15, 4}, {18, 7}, {8, 17}}));
        painter.drawLine(QPointF(5, 14), QPointF(8, 17));
        return;
    case ChartIcon::Print:
        painter.drawRect(QRectF(3, 8, 16, 8));
        painter.drawRect(QRectF(6, 3, 10, 5));
        painter.setBrush(Qt::white);
        painter.drawRect(QRectF(6, 13, 10, 6));
        return;
    case ChartIcon::Copy:
        painter.drawRect(QRectF(3, 3, 11, 12));
        painter.setBrush(Qt::white);
        painter.drawRect(QRectF(8, 7, 11, 12));
        return;
    case ChartIcon::Save:
        painter.drawRect(QRectF(3, 3, 16, 16));
        painter.drawRect(QRectF(6, 3, 10, 6));
        painter.drawRect(QRectF(6, 12, 10, 7));
        return;
    }
}

QIcon drawnIcon(ChartIcon icon)
{
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QFont font = painter.font();
    font.setPixelSize(7);
    painter.setFont(font);
    painter.setPen(QPen(QColor(40, 40, 40), 1.4));
    drawShape(painter, icon);
    painter.end();
    return QIcon(pixmap);
}

} // namespace

QIcon chartIcon(ChartIcon icon)
{
    const QString name = themeName(icon);
    return name.isEmpty() ? drawnIcon(icon) : QIcon::fromTheme(name, drawnIcon(icon));
}

} // namespace plots
