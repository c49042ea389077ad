// The rectangle annotation of a chart: a mostly transparent box of text at a fixed place in the
// chart, at least its minimum size and grown to fit its text. Drawn only while it has text.
#pragma once

#include <qcustomplot.h>

#include <QFont>
#include <QPointF>
#include <QSizeF>
#include <QString>

namespace plots
{

class AnnotationBox : public QCPLayerable
{
    Q_OBJECT
  public:
    static constexpr int kTransparencyPercent = 75;

    AnnotationBox(QCustomPlot *plot, const QString &layer);

    QString text() const { return text_; }
    void setText(const QString &text) { text_ = text; }
    QPointF topLeft() const { return topLeft_; }
    void setTopLeft(QPointF topLeft) { topLeft_ = topLeft; }
    QSizeF minimumSize() const { return minimumSize_; }
    void setMinimumSize(QSizeF size) { minimumSize_ = size; }
    QFont font() const { return font_; }

    bool shown() const { return visible() && !text_.isEmpty(); }
    // The box in chart pixels: its minimum size grown to fit the text.
    QRectF rect() const;
    QColor fillColour() const;

    QRect clipRect() const override;

  protected:
    void applyDefaultAntialiasingHint(QCPPainter *painter) const override;
    void draw(QCPPainter *painter) override;

  private:
    QRectF rect(const QFontMetricsF &metrics) const;

    QString text_;
    QPointF topLeft_{19, 22};
    QSizeF minimumSize_{85, 15};
    QFont font_;
};

} // namespace plots
