// The preview's dialogs as the running program shows them.
#pragma once

#include "PreviewDialogs.h"

class StandardPreviewDialogs : public PreviewDialogs
{
  public:
    QString saveFileName(QWidget *parent, const QString &caption, const QString &filter,
                         const QString &suffix) override;
    QString openFileName(QWidget *parent, const QString &caption, const QString &filter) override;
    std::optional<PageSetup> pageSetup(QWidget *parent, const PageSetup &current) override;
    bool choosePrinter(QWidget *parent, QPrinter &printer, int pageCount) override;
};
