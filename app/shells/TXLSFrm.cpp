#include "TXLSFrm.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

TXLSFrm::TXLSFrm(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      cbSheet(new QComboBox(this)), OKBtn(new QPushButton(QStringLiteral("ΟΚ"), this)),
      HelpBtn(new QPushButton(QStringLiteral("Βοήθεια"), this))
{
    setWindowTitle(QStringLiteral("Εισαγωγή από Αρχείο Excel"));
    setFixedSize(313, 66);

    auto *label = new QLabel(QStringLiteral("Φύλλο Εργασίας:"), this);
    label->setBuddy(cbSheet);
    cbSheet->setEditable(false);
    cbSheet->installEventFilter(this);
    cbSheet->view()->installEventFilter(this);
    OKBtn->setDefault(true);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKBtn);
    buttons->addWidget(HelpBtn);
    auto *layout = new QGridLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(4);
    layout->addWidget(label, 0, 0);
    layout->addWidget(cbSheet, 0, 1);
    layout->addLayout(buttons, 1, 0, 1, 2);
    layout->setColumnStretch(1, 1);

    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(HelpBtn, &QPushButton::clicked, this, &TXLSFrm::helpRequested);
}

std::optional<int> TXLSFrm::choose(const QStringList &names)
{
    cbSheet->addItems(names);
    cbSheet->setCurrentIndex(0);
    const bool accepted = exec() == QDialog::Accepted;
    const int chosen = cbSheet->currentIndex();
    cbSheet->clear();
    if (!accepted || chosen < 0)
        return std::nullopt;
    return chosen;
}

// A typed character would jump to the name starting with it; only the list itself selects.
bool TXLSFrm::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const QString text = static_cast<QKeyEvent *>(event)->text();
        if (!text.isEmpty() && text.front().isPrint())
            return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TXLSFrm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (parentWidget() == nullptr && screen() != nullptr)
        move(screen()->availableGeometry().center() - rect().center());
}
