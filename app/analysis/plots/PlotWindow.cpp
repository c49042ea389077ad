#include "PlotWindow.h"

#include "ChartCommander.h"
#include "PlotChart.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace plots
{

PlotWindow::PlotWindow(const QString &objectName, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      pages_(new QTabWidget(this)), chart_(new PlotChart), commander_(new ChartCommander(chart_)),
      okButton_(new QPushButton(QStringLiteral("ΟΚ"), this))
{
    setObjectName(objectName);
    setWindowTitle(QString());
    setFixedSize(kClientWidth, kClientHeight);
    setModal(true);

    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet1"));
    auto *pageLayout = new QVBoxLayout(page);
    pageLayout->setContentsMargins(0, 0, 0, 0);
    pageLayout->setSpacing(0);
    pageLayout->addWidget(commander_);
    pageLayout->addWidget(chart_, 1);
    pages_->setObjectName(QStringLiteral("PageControl1"));
    pages_->addTab(page, QStringLiteral("Γραφικά"));

    okButton_->setObjectName(QStringLiteral("OkBtn"));
    okButton_->setDefault(true);
    connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton_);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(pages_, 1);
    layout->addLayout(buttons);
}

} // namespace plots
