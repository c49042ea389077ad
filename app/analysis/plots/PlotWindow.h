// What both plot windows are: a fixed-size dialog without a caption holding the page "Γραφικά"
// with the chart toolbar and the chart, and the button that closes it.
#pragma once

#include <QDialog>

class QPushButton;
class QTabWidget;

namespace plots
{

class ChartCommander;
class PlotChart;

class PlotWindow : public QDialog
{
    Q_OBJECT
  public:
    static constexpr int kClientWidth = 578;
    static constexpr int kClientHeight = 543;

    PlotChart *chart() const { return chart_; }
    ChartCommander *commander() const { return commander_; }
    QPushButton *okButton() const { return okButton_; }
    QTabWidget *pages() const { return pages_; }

  protected:
    PlotWindow(const QString &objectName, QWidget *parent);

  private:
    QTabWidget *pages_;
    PlotChart *chart_;
    ChartCommander *commander_;
    QPushButton *okButton_;
};

} // namespace plots
