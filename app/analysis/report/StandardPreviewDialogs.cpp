#include "StandardPreviewDialogs.h"

#include "PageSetupDialog.h"

#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>

PreviewDialogs::~PreviewDialogs() = default;

QString StandardPreviewDialogs::saveFileName(QWidget *parent, const QString &caption,
                                             const QString &filter, const QString &suffix)
{
    QFileDialog dialog(parent, caption, QString(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(suffix);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

QString StandardPreviewDialogs::openFileName(QWidget *parent, const QString &caption,
                                             const QString &filter)
{
    return QFileDialog::getOpenFileName(parent, caption, QString(), filter);
}

std::optional<PageSetup> StandardPreviewDialogs::pageSetup(QWidget *parent,
                                                           const PageSetup &current)
{
    PageSetupDialog dialog(current, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.setup();
}

bool StandardPreviewDialogs::choosePrinter(QWidget *parent, QPrinter &printer, int pageCount)
{
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Εκτύπωση"));
    dialog.setMinMax(1, pageCount);
    return dialog.exec() == QDialog::Accepted;
}
