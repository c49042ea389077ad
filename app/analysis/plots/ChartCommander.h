// The chart toolbar: the mouse modes (normal, move, zoom, the two line tools), resetting the view,
// the chart editor, printing, copying, saving, and the mouse position in data coordinates.
#pragma once

#include "ChartIcons.h"

#include <QToolBar>

#include <functional>
#include <map>

class QActionGroup;
class QLabel;

namespace plots
{

class PlotChart;

class ChartCommander : public QToolBar
{
    Q_OBJECT
  public:
    // A button is named by the icon it shows.
    using Button = ChartIcon;
    // Asks for the file to save the chart in; empty when the user cancels.
    using FileNameChooser = std::function<QString(QWidget *parent)>;
    // Tells the user that something failed.
    using ErrorReporter = std::function<void(QWidget *parent, const QString &message)>;

    explicit ChartCommander(PlotChart *chart, QWidget *parent = nullptr);

    QAction *action(Button button) const { return actions_.at(button); }
    QLabel *positionLabel() const { return position_; }
    void setPrintVisible(bool visible);

    void setFileNameChooser(FileNameChooser chooser) { chooseFileName_ = std::move(chooser); }
    void setErrorReporter(ErrorReporter reporter) { reportError_ = std::move(reporter); }

    // Writes the chart to the file in the format its extension names, at the chart's size;
    // reports a failure.
    bool saveTo(const QString &path);

  private:
    QAction *addButton(Button button, const QString &toolTip);
    void addModeButton(Button button, const QString &toolTip, int mode);
    void save();
    void print();
    void edit();
    void resetView();
    void showPosition(QPointF dataPosition);

    PlotChart *chart_;
    QActionGroup *modes_;
    QLabel *position_;
    std::map<Button, QAction *> actions_;
    FileNameChooser chooseFileName_;
    ErrorReporter reportError_;
};

} // namespace plots
