#include "TKestAFCfrm.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

namespace
{

QSpinBox *axisBox(const char *name)
{
    auto *box = new QSpinBox;
    box->setObjectName(QString::fromLatin1(name));
    // A typed number outside the range is refused as it is typed; leaving the box restores the
    // last valid value.
    box->setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
    return box;
}

QLabel *label(const char *name, const QString &text, QSpinBox *buddy)
{
    auto *result = new QLabel(text);
    result->setObjectName(QString::fromLatin1(name));
    result->setBuddy(buddy);
    return result;
}

} // namespace

TKestAFCfrm::TKestAFCfrm(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      GroupBox1(new QGroupBox(QStringLiteral("Γράφημα"))), edtdim(axisBox("edtdim")),
      edtdim2(axisBox("edtdim2")), Button1(new QPushButton(QStringLiteral("OK"))),
      CancelBtn(new QPushButton(QStringLiteral("Έξοδος")))
{
    setObjectName(QStringLiteral("KestAFCfrm"));
    setWindowTitle(QStringLiteral("Επιλογές..."));
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    Label2 = label("Label2", QStringLiteral("Οριζόντιος άξονας:"), edtdim);
    Label1 = label("Label1", QStringLiteral("Κάθετος άξονας:"), edtdim2);
    Button1->setObjectName(QStringLiteral("Button1"));
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    Button1->setDefault(true);

    auto *axes = new QGridLayout(GroupBox1);
    axes->addWidget(Label2, 0, 0);
    axes->addWidget(edtdim, 0, 1);
    axes->addWidget(Label1, 1, 0);
    axes->addWidget(edtdim2, 1, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button1);
    buttons->addWidget(CancelBtn);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(GroupBox1);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(Button1, &QPushButton::clicked, this, &TKestAFCfrm::runRequested);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

void TKestAFCfrm::setVariableCountSource(std::function<int()> variableCount)
{
    variableCount_ = std::move(variableCount);
}

int TKestAFCfrm::horizontalAxis() const
{
    return edtdim->value();
}

int TKestAFCfrm::verticalAxis() const
{
    return edtdim2->value();
}

void TKestAFCfrm::showEvent(QShowEvent *event)
{
    FormShow();
    QDialog::showEvent(event);
}

// Both boxes range over the sheet's variables as they are now; with fewer than two variables
// both stay at 1, so OK can only answer that the axes must differ.
void TKestAFCfrm::FormShow()
{
    const int last = std::max(1, variableCount_());
    for (QSpinBox *box : {edtdim, edtdim2})
        box->setRange(1, last);
    edtdim->setValue(1);
    edtdim2->setValue(2);
}
