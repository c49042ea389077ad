#include "ChartCommander.h"

#include "ChartEditDialog.h"
#include "ChartIcons.h"
#include "ChartOutput.h"
#include "DecimalAxisTicker.h"
#include "PlotChart.h"

#include <QActionGroup>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

#include <cmath>

namespace plots
{

namespace
{

const QString kPngFilter = QStringLiteral("Εικόνα PNG (*.png)");
const QString kPdfFilter = QStringLiteral("Έγγραφο PDF (*.pdf)");
const QString kSvgFilter = QStringLiteral("Εικόνα SVG (*.svg)");

QString askFileName(QWidget *parent)
{
    QString filter = kPngFilter;
    QString path = QFileDialog::getSaveFileName(
        parent, QStringLiteral("Αποθήκευση γραφήματος"), QString(),
        QStringList{kPngFilter, kPdfFilter, kSvgFilter}.join(QStringLiteral(";;")), &filter);
    if (path.isEmpty() || chartFileFormatFor(path))
        return path;
    if (filter == kPdfFilter)
        return path + QStringLiteral(".pdf");
    if (filter == kSvgFilter)
        return path + QStringLiteral(".svg");
    return path + QStringLiteral(".png");
}

void showError(QWidget *parent, const QString &message)
{
    QMessageBox box(QMessageBox::Critical, QString(), message, QMessageBox::Ok, parent);
    box.exec();
}

// The mouse position shown to about a thousandth of the visible range.
QString positionText(double value, double visibleSize)
{
    const double step =
        visibleSize > 0 ? std::pow(10.0, std::floor(std::log10(visibleSize / 1000))) : 1;
    return formatAxisNumber(value, step);
}

} // namespace

ChartCommander::ChartCommander(PlotChart *chart, QWidget *parent)
    : QToolBar(parent), chart_(chart), modes_(new QActionGroup(this)), position_(new QLabel(this)),
      chooseFileName_(askFileName), reportError_(showError)
{
    setObjectName(QStringLiteral("ChartCommander1"));
    setMovable(false);
    setFloatable(false);
    setIconSize(QSize(22, 22));

    addModeButton(Button::Normal, QStringLiteral("Κανονική λειτουργία: επιλογή και μετακίνηση"),
                  static_cast<int>(PlotChart::Mode::Normal));
    addModeButton(Button::Move, QStringLiteral("Μετακίνηση γραφήματος"),
                  static_cast<int>(PlotChart::Mode::Move));
    addModeButton(Button::Zoom, QStringLiteral("Μεγέθυνση περιοχής"),
                  static_cast<int>(PlotChart::Mode::Zoom));
    connect(addButton(Button::ResetView, QStringLiteral("Επαναφορά αρχικής προβολής")),
            &QAction::triggered, this, &ChartCommander::resetView);
    addModeButton(Button::SquareLine, QStringLiteral("Σχεδίαση γραμμής με τετράγωνα άκρα"),
                  static_cast<int>(PlotChart::Mode::DrawSquareLine));
    addModeButton(Button::RoundLine, QStringLiteral("Σχεδίαση γραμμής με στρογγυλά άκρα"),
                  static_cast<int>(PlotChart::Mode::DrawRoundLine));
    addSeparator();
    connect(addButton(Button::Edit, QStringLiteral("Επεξεργασία γραφήματος")), &QAction::triggered,
            this, &ChartCommander::edit);
    connect(addButton(Button::Print, QStringLiteral("Εκτύπωση γραφήματος")), &QAction::triggered,
            this, &ChartCommander::print);
    connect(addButton(Button::Copy, QStringLiteral("Αντιγραφή γραφήματος ως εικόνας")),
            &QAction::triggered, this, [this] { copyChartToClipboard(*chart_); });
    connect(addButton(Button::Save, QStringLiteral("Αποθήκευση γραφήματος (PNG, PDF, SVG)")),
            &QAction::triggered, this, &ChartCommander::save);
    addSeparator();

    position_->setObjectName(QStringLiteral("positionLabel"));
    position_->setToolTip(QStringLiteral("Θέση του δείκτη στο γράφημα"));
    addWidget(position_);

    action(Button::Normal)->setChecked(true);
    connect(modes_, &QActionGroup::triggered, this, [this](QAction *mode) {
        chart_->setMode(static_cast<PlotChart::Mode>(mode->data().toInt()));
    });
    connect(chart_, &PlotChart::mousePositionChanged, this, &ChartCommander::showPosition);
    connect(chart_, &PlotChart::mouseLeftChart, position_, &QLabel::clear);
}

QAction *ChartCommander::addButton(Button button, const QString &toolTip)
{
    QAction *added = addAction(chartIcon(button), toolTip);
    added->setToolTip(toolTip);
    actions_[button] = added;
    return added;
}

void ChartCommander::addModeButton(Button button, const QString &toolTip, int mode)
{
    QAction *added = addButton(button, toolTip);
    added->setCheckable(true);
    added->setData(mode);
    modes_->addAction(added);
}

void ChartCommander::setPrintVisible(bool visible)
{
    action(Button::Print)->setVisible(visible);
}

bool ChartCommander::saveTo(const QString &path)
{
    const std::optional<ChartFileFormat> format = chartFileFormatFor(path);
    QString error;
    if (!format)
        error =
            QStringLiteral("Το γράφημα αποθηκεύεται μόνο ως αρχείο PNG, PDF ή SVG:\n%1").arg(path);
    else if (saveChart(*chart_, path, *format, chart_->size(), error))
        return true;
    reportError_(this, error);
    return false;
}

void ChartCommander::save()
{
    const QString path = chooseFileName_(this);
    if (!path.isEmpty())
        saveTo(path);
}

void ChartCommander::print()
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(QStringLiteral("Εκτύπωση γραφήματος"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (!printChart(*chart_, printer))
        reportError_(this, QStringLiteral("Η εκτύπωση του γραφήματος απέτυχε."));
}

void ChartCommander::edit()
{
    ChartEditDialog dialog(chart_->settings(), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    chart_->applySettings(dialog.settings());
    chart_->replot();
}

void ChartCommander::resetView()
{
    chart_->resetView();
    chart_->replot();
}

void ChartCommander::showPosition(QPointF dataPosition)
{
    position_->setText(QStringLiteral("x: %1  y: %2")
                           .arg(positionText(dataPosition.x(), chart_->horizontalRange().upper -
                                                                   chart_->horizontalRange().lower),
                                positionText(dataPosition.y(), chart_->verticalRange().upper -
                                                                   chart_->verticalRange().lower)));
}

} // namespace plots
