// The chart editor: the title line, the axis titles, the point size and the series' colours.
// It only returns the settings; the caller applies them.
#pragma once

#include "ChartSettings.h"

#include <QDialog>

class QComboBox;
class QDoubleSpinBox;
class QLineEdit;
class QListWidget;

namespace plots
{

class ChartEditDialog : public QDialog
{
    Q_OBJECT
  public:
    explicit ChartEditDialog(const ChartSettings &settings, QWidget *parent = nullptr);

    ChartSettings settings() const;
    void setSeriesColour(int index, const QColor &colour);

  private:
    void showColourOfSeries(int index);

    QLineEdit *title_;
    QLineEdit *horizontalTitle_;
    QLineEdit *verticalTitle_;
    QDoubleSpinBox *pointSize_;
    QListWidget *series_;
    QComboBox *colour_;
    std::vector<SeriesColour> colours_;
};

} // namespace plots
