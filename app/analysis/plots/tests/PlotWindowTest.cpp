#include "ChartCommander.h"
#include "ChartEditDialog.h"
#include "PlotChart.h"
#include "PlotFilling.h"
#include "PlotTestState.h"
#include "PointSeries.h"
#include "TOutPutFrm2.h"
#include "TOutputFrm.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>

namespace
{

using plots::ChartCommander;
using Button = ChartCommander::Button;

template <typename Window> void expectWindowLayout(Window &window, const char *name)
{
    EXPECT_EQ(window.objectName(), QString::fromLatin1(name));
    EXPECT_EQ(window.size(), QSize(578, 543));
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
    EXPECT_TRUE(window.windowTitle().isEmpty());
    ASSERT_EQ(window.pages()->count(), 1);
    EXPECT_EQ(window.pages()->tabText(0), QStringLiteral("Γραφικά"));
    EXPECT_TRUE(window.pages()->widget(0)->isAncestorOf(window.chart()));
    EXPECT_TRUE(window.pages()->widget(0)->isAncestorOf(window.commander()));
    EXPECT_EQ(window.chart()->objectName(), QStringLiteral("Chart1"));
    EXPECT_EQ(window.commander()->objectName(), QStringLiteral("ChartCommander1"));
    EXPECT_EQ(window.okButton()->objectName(), QStringLiteral("OkBtn"));
    EXPECT_EQ(window.okButton()->text(), QString(QChar(0x039F)) + QChar(0x039A)); // Greek ΟΚ
}

TEST(PlotWindowTest, BothWindowsHaveTheFixedLayout)
{
    TOutputFrm distance;
    TOutPutFrm2 configuration;
    expectWindowLayout(distance, "OutputFrm");
    expectWindowLayout(configuration, "OutPutFrm2");
}

TEST(PlotWindowTest, DistanceWindowHasNoPrintButton)
{
    TOutputFrm distance;
    TOutPutFrm2 configuration;
    EXPECT_FALSE(distance.commander()->action(Button::Print)->isVisible());
    EXPECT_TRUE(configuration.commander()->action(Button::Print)->isVisible());
}

TEST(PlotWindowTest, ToolbarButtonsHaveGreekToolTipsAndIcons)
{
    TOutPutFrm2 window;
    for (Button button :
         {Button::Normal, Button::Move, Button::Zoom, Button::ResetView, Button::SquareLine,
          Button::RoundLine, Button::Edit, Button::Print, Button::Copy, Button::Save}) {
        const QAction *action = window.commander()->action(button);
        EXPECT_FALSE(action->icon().isNull());
        const QString tip = action->toolTip();
        EXPECT_TRUE(std::any_of(tip.begin(), tip.end(), [](QChar c) {
            return c.unicode() >= 0x0370 && c.unicode() <= 0x03FF;
        })) << tip.toStdString();
    }
    EXPECT_TRUE(window.commander()->action(Button::Normal)->isChecked());
}

TEST(PlotWindowTest, OkClosesTheWindowWithTheOkResult)
{
    TOutputFrm window;
    QTimer::singleShot(0, window.okButton(), &QPushButton::click);
    EXPECT_EQ(window.exec(), QDialog::Accepted);
}

TEST(PlotWindowTest, DistanceWindowOpensCentred)
{
    TOutputFrm window;
    window.show();
    const QRect screen = window.screen()->availableGeometry();
    EXPECT_NEAR(window.frameGeometry().center().x(), screen.center().x(), 1);
    EXPECT_NEAR(window.frameGeometry().center().y(), screen.center().y(), 1);
}

TEST(ChartEditDialogTest, ShowsAndReturnsTheChartSettings)
{
    TOutPutFrm2 window;
    plots::PlotChart &chart = *window.chart();
    plots::fillConfigurationPlot(chart, plots::testing::configurationState(
                                            2, 2, 2, [](int t, int i, int) { return t + i; }));
    plots::ChartEditDialog dialog(chart.settings());
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Επεξεργασία γραφήματος"));
    auto *list = dialog.findChild<QListWidget *>(QStringLiteral("seriesList"));
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->item(0)->text(), QStringLiteral("Xt"));
    EXPECT_EQ(list->item(2)->text(), QStringLiteral("X2"));
    EXPECT_EQ(dialog.settings(), chart.settings());

    dialog.findChild<QLineEdit *>(QStringLiteral("titleEdit"))->setText(QStringLiteral("Τίτλος"));
    dialog.findChild<QLineEdit *>(QStringLiteral("horizontalTitleEdit"))
        ->setText(QStringLiteral("x"));
    dialog.findChild<QLineEdit *>(QStringLiteral("verticalTitleEdit"))
        ->setText(QStringLiteral("y"));
    dialog.findChild<QDoubleSpinBox *>(QStringLiteral("pointSizeEdit"))->setValue(12);
    dialog.setSeriesColour(2, Qt::darkCyan);
    dialog.setSeriesColour(7, Qt::darkCyan); // no such series: ignored

    auto *colour = dialog.findChild<QComboBox *>(QStringLiteral("colourChoice"));
    EXPECT_EQ(colour->currentText(), QStringLiteral("Κόκκινο")); // the target's
    list->setCurrentRow(1);
    EXPECT_EQ(colour->currentText(), QStringLiteral("Μπλε"));
    list->setCurrentRow(2);
    EXPECT_EQ(colour->currentText(), QStringLiteral("Τρέχον")); // a colour of no name
    list->setCurrentRow(1);
    const int green = colour->findText(QStringLiteral("Πράσινο"));
    ASSERT_GE(green, 0);
    emit colour->activated(green);
    chart.applySettings(dialog.settings());

    EXPECT_EQ(chart.subFooterText(), QStringLiteral("Τίτλος"));
    EXPECT_EQ(chart.xAxis->label(), QStringLiteral("x"));
    EXPECT_EQ(chart.yAxis->label(), QStringLiteral("y"));
    EXPECT_EQ(chart.series(1)->pointSize(), 12);
    EXPECT_EQ(chart.series(1)->colour(), QColor(0, 128, 0));
    EXPECT_EQ(chart.series(2)->colour(), QColor(Qt::darkCyan));
    EXPECT_EQ(chart.series(0)->colour(), QColor(255, 0, 0));
}

} // namespace
