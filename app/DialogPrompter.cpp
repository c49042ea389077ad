#include "DialogPrompter.h"

#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

const QString DialogPrompter::YesText = QStringLiteral("Ναι");
const QString DialogPrompter::NoText = QStringLiteral("Όχι");
const QString DialogPrompter::CancelText = QStringLiteral("Άκυρο");
const QString DialogPrompter::OkText = QStringLiteral("OK");

namespace
{

// Qt has no Greek translation of its standard buttons here, so every box names its own.
void showWithOk(QWidget *parent, QMessageBox::Icon icon, const QString &title, const QString &text)
{
    QMessageBox box(icon, title, text, QMessageBox::NoButton, parent);
    box.addButton(DialogPrompter::OkText, QMessageBox::AcceptRole);
    box.exec();
}

} // namespace

void DialogPrompter::information(QWidget *parent, const QString &text)
{
    showWithOk(parent, QMessageBox::Information, QStringLiteral("Πληροφορία"), text);
}

void DialogPrompter::error(QWidget *parent, const QString &text)
{
    showWithOk(parent, QMessageBox::Critical, QStringLiteral("Σφάλμα"), text);
}

Prompter::Answer DialogPrompter::question(QWidget *parent, const QString &text)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("Επιβεβαίωση"), text,
                    QMessageBox::NoButton, parent);
    QPushButton *yes = box.addButton(YesText, QMessageBox::YesRole);
    QPushButton *no = box.addButton(NoText, QMessageBox::NoRole);
    QPushButton *cancel = box.addButton(CancelText, QMessageBox::RejectRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == yes)
        return Answer::Yes;
    return box.clickedButton() == no ? Answer::No : Answer::Cancel;
}

QString DialogPrompter::input(QWidget *parent, const QString &caption, const QString &prompt,
                              const QString &text)
{
    QInputDialog dialog(parent);
    dialog.setWindowTitle(caption);
    dialog.setLabelText(prompt);
    dialog.setTextValue(text);
    dialog.setOkButtonText(OkText);
    dialog.setCancelButtonText(CancelText);
    return dialog.exec() == QDialog::Accepted ? dialog.textValue() : text;
}
