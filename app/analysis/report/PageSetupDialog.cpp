#include "PageSetupDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QPushButton>

namespace
{

// Every offered paper keeps room for the report inside the widest margins allowed.
constexpr double maxMarginMm = 50;
const QPageSize::PageSizeId papers[] = {QPageSize::A4, QPageSize::A3,     QPageSize::A5,
                                        QPageSize::B5, QPageSize::Letter, QPageSize::Legal};

QDoubleSpinBox *marginBox(double value)
{
    auto *box = new QDoubleSpinBox;
    box->setRange(0, maxMarginMm);
    box->setDecimals(1);
    box->setSuffix(QStringLiteral(" mm"));
    box->setValue(value);
    return box;
}

} // namespace

PageSetupDialog::PageSetupDialog(const PageSetup &setup, QWidget *parent)
    : QDialog(parent), paper_(new QComboBox), orientation_(new QComboBox),
      left_(marginBox(setup.marginsMm.left())), top_(marginBox(setup.marginsMm.top())),
      right_(marginBox(setup.marginsMm.right())), bottom_(marginBox(setup.marginsMm.bottom()))
{
    setWindowTitle(QStringLiteral("Διαμόρφωση σελίδας"));
    for (const QPageSize::PageSizeId id : papers) {
        paper_->addItem(QPageSize::name(id), static_cast<int>(id));
        if (id == setup.paper)
            paper_->setCurrentIndex(paper_->count() - 1);
    }
    orientation_->addItem(QStringLiteral("Κατακόρυφος"), static_cast<int>(QPageLayout::Portrait));
    orientation_->addItem(QStringLiteral("Οριζόντιος"), static_cast<int>(QPageLayout::Landscape));
    orientation_->setCurrentIndex(setup.orientation == QPageLayout::Landscape ? 1 : 0);

    auto *form = new QFormLayout(this);
    form->addRow(QStringLiteral("Μέγεθος χαρτιού:"), paper_);
    form->addRow(QStringLiteral("Προσανατολισμός:"), orientation_);
    form->addRow(QStringLiteral("Αριστερό περιθώριο:"), left_);
    form->addRow(QStringLiteral("Επάνω περιθώριο:"), top_);
    form->addRow(QStringLiteral("Δεξί περιθώριο:"), right_);
    form->addRow(QStringLiteral("Κάτω περιθώριο:"), bottom_);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Άκυρο"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
}

PageSetup PageSetupDialog::setup() const
{
    PageSetup setup;
    setup.paper = static_cast<QPageSize::PageSizeId>(paper_->currentData().toInt());
    setup.orientation = static_cast<QPageLayout::Orientation>(orientation_->currentData().toInt());
    setup.marginsMm = QMarginsF(left_->value(), top_->value(), right_->value(), bottom_->value());
    return setup;
}
