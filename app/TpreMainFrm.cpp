#include "TpreMainFrm.h"

#include "Prompter.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

const QString TpreMainFrm::ObjectsOutOfRange = QStringLiteral(
    "Το πλήθος των αντικειμένων / γραμμών λαμβάνει ακέραιες τιμές μεταξύ 1 και 500000.");
const QString TpreMainFrm::VariablesOutOfRange =
    QStringLiteral("Το πλήθος των μεταβλητών / στηλών λαμβάνει ακέραιες τιμές μεταξύ 1 και 2000.");

TpreMainFrm::TpreMainFrm(Prompter &prompter, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      prompter_(prompter), rowedt(new QLineEdit(QStringLiteral("1"))),
      coledt(new QLineEdit(QStringLiteral("1"))), OKBtn(new QPushButton(QStringLiteral("OK")))
{
    setWindowTitle(QStringLiteral("Δεδομένα Εισόδου"));
    rowedt->setObjectName(QStringLiteral("rowedt"));
    coledt->setObjectName(QStringLiteral("coledt"));
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    // Enter in the rows box does nothing; in the columns box it confirms (below).
    OKBtn->setAutoDefault(false);

    auto *layout = new QFormLayout(this);
    layout->addRow(QStringLiteral("Γραμμές:"), rowedt);
    layout->addRow(QStringLiteral("Στήλες:"), coledt);
    layout->addRow(OKBtn);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(rowedt, &QLineEdit::textChanged, this,
            [this] { checkBox(rowedt, coledt, MaxObjects, ObjectsOutOfRange); });
    connect(coledt, &QLineEdit::textChanged, this,
            [this] { checkBox(coledt, rowedt, MaxVariables, VariablesOutOfRange); });
    connect(coledt, &QLineEdit::returnPressed, this, [this] {
        if (OKBtn->isEnabled())
            accept();
    });
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
}

void TpreMainFrm::resetBoxes()
{
    rowedt->setText(QStringLiteral("1"));
    coledt->setText(QStringLiteral("1"));
}

int TpreMainFrm::objectCount() const
{
    return rowedt->text().toInt();
}

int TpreMainFrm::variableCount() const
{
    return coledt->text().toInt();
}

// Not a number: the box is emptied and OK waits. Out of range: an error, and "1" again.
void TpreMainFrm::checkBox(QLineEdit *box, QLineEdit *other, int maximum, const QString &outOfRange)
{
    bool isNumber = false;
    const int value = box->text().toInt(&isNumber);
    if (!isNumber) {
        box->clear();
        OKBtn->setEnabled(false);
        return;
    }
    if (value < 1 || value > maximum) {
        prompter_.error(this, outOfRange);
        box->setText(QStringLiteral("1"));
        box->selectAll();
        return;
    }
    OKBtn->setEnabled(!other->text().isEmpty());
}
