#include "TOutputFrm.h"

#include "ChartCommander.h"

#include <QScreen>

TOutputFrm::TOutputFrm(QWidget *parent) : plots::PlotWindow(QStringLiteral("OutputFrm"), parent)
{
    commander()->setPrintVisible(false);
}

void TOutputFrm::showEvent(QShowEvent *event)
{
    if (const QScreen *screen = this->screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    plots::PlotWindow::showEvent(event);
}
