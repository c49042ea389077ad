#include "AnnotationBox.h"

namespace plots
{

namespace
{

constexpr double kTextPadding = 3;

} // namespace

AnnotationBox::AnnotationBox(QCustomPlot *plot, const QString &layer)
    : QCPLayerable(plot, layer), font_(plot->font())
{
    setObjectName(QStringLiteral("ChartTool2"));
    font_.setPointSize(8);
}

QRectF AnnotationBox::rect(const QFontMetricsF &metrics) const
{
    const QSizeF text = metrics.size(0, text_) + QSizeF(2 * kTextPadding, 2 * kTextPadding);
    return QRectF(topLeft_, minimumSize_.expandedTo(text));
}

QRectF AnnotationBox::rect() const
{
    return rect(QFontMetricsF(font_));
}

QColor AnnotationBox::fillColour() const
{
    QColor fill(Qt::white);
    fill.setAlphaF(1.0 - kTransparencyPercent / 100.0);
    return fill;
}

QRect AnnotationBox::clipRect() const
{
    return mParentPlot->viewport();
}

void AnnotationBox::applyDefaultAntialiasingHint(QCPPainter *painter) const
{
    applyAntialiasingHint(painter, mAntialiased, QCP::aeOther);
}

void AnnotationBox::draw(QCPPainter *painter)
{
    if (text_.isEmpty())
        return;
    painter->setFont(font_);
    const QRectF box = rect(QFontMetricsF(font_, painter->device()));
    painter->setPen(QPen(Qt::gray, 1));
    painter->setBrush(fillColour());
    painter->drawRect(box);
    painter->setPen(Qt::black);
    painter->drawText(box.adjusted(kTextPadding, kTextPadding, -kTextPadding, -kTextPadding),
                      Qt::AlignLeft | Qt::AlignTop, text_);
}

} // namespace plots
