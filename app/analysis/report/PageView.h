// One page of the prepared report, drawn at the preview's zoom; a click on a text reports which
// text it was.
#pragma once

#include "PreparedReport.h"

#include <QWidget>

#include <optional>

class PageView : public QWidget
{
    Q_OBJECT
  public:
    explicit PageView(QWidget *parent = nullptr);

    void setReport(const PreparedReport *report);
    void showPage(int page);
    void setZoom(double zoom);
    void setHighlight(std::optional<ItemKey> key);
    void refresh(); // the page's texts changed

    int page() const { return page_; }
    double zoom() const { return zoom_; }
    QSize sizeHint() const override;
    // The text under a point of the widget, if any.
    std::optional<PageItem> itemAt(const QPoint &position) const;

  signals:
    void itemClicked(int page, const PageItem &item);

  protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

  private:
    QRectF pageRect() const;

    const PreparedReport *report_ = nullptr;
    int page_ = 0;
    double zoom_ = 1;
    std::optional<ItemKey> highlight_;
    std::vector<PageItem> items_;
};
