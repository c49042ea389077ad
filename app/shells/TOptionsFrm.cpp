#include "TOptionsFrm.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace
{

const QChar Delimiters[] = {u'\t', u';', u',', u' '};

// The choices in two columns, so that both groups and their full captions fit the dialog.
QButtonGroup *addRadioGroup(QWidget *owner, QVBoxLayout *layout, const QString &caption,
                            const QStringList &choices, int initial)
{
    auto *box = new QGroupBox(caption, owner);
    auto *boxLayout = new QGridLayout(box);
    auto *group = new QButtonGroup(owner);
    for (int index = 0; index < choices.size(); ++index) {
        auto *button = new QRadioButton(choices[index], box);
        group->addButton(button, index);
        boxLayout->addWidget(button, index / 2, index % 2);
    }
    group->button(initial)->setChecked(true);
    layout->addWidget(box);
    return group;
}

} // namespace

TOptionsFrm::TOptionsFrm(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setWindowTitle(QStringLiteral("Επιλογές"));
    auto *layout = new QVBoxLayout(this);
    RadioGroup1 = addRadioGroup(this, layout, QStringLiteral("Οριοθέτης δεκαδικών:"),
                                {QStringLiteral("Τελεία (.)"), QStringLiteral("Κόμμα (,)")}, 1);
    RadioGroup2 =
        addRadioGroup(this, layout, QStringLiteral("Οριοθέτης δεδομένων προς εισαγωγή / εξαγωγή:"),
                      {QStringLiteral("Χαρακτήρας Τab "), QStringLiteral("Ερωτηματικό (;)"),
                       QStringLiteral("Κόμμα (,)"), QStringLiteral("Διάστημα (space)")},
                      0);
    layout->addStretch();
    auto *buttons = new QHBoxLayout;
    OKBtn = new QPushButton(QStringLiteral("ΟΚ"), this);
    HelpBtn = new QPushButton(QStringLiteral("Βοήθεια"), this);
    OKBtn->setDefault(true);
    buttons->addStretch();
    buttons->addWidget(OKBtn);
    buttons->addWidget(HelpBtn);
    layout->addLayout(buttons);
    setFixedSize(353, 233);

    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(HelpBtn, &QPushButton::clicked, this, &TOptionsFrm::helpRequested);
    // Every click applies at once, so a choice counts before the dialog closes.
    connect(RadioGroup1, &QButtonGroup::idClicked, this, &TOptionsFrm::InitOptions);
    connect(RadioGroup2, &QButtonGroup::idClicked, this, &TOptionsFrm::InitOptions);
}

QChar TOptionsFrm::decimalSeparator() const
{
    return RadioGroup1->checkedId() == 0 ? QChar(u'.') : QChar(u',');
}

int TOptionsFrm::delimiterIndex() const
{
    return RadioGroup2->checkedId();
}

QChar TOptionsFrm::delimiter() const
{
    return Delimiters[delimiterIndex()];
}

void TOptionsFrm::InitOptions()
{
    emit decimalSeparatorApplied(decimalSeparator());
}

void TOptionsFrm::showEvent(QShowEvent *event)
{
    InitOptions();
    QDialog::showEvent(event);
}
