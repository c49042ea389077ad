// The dialogs the report preview opens: file choosers, the page set-up and the printer. Tests
// put answers in their place; the program uses StandardPreviewDialogs.
#pragma once

#include "PageSetup.h"

#include <QString>

#include <optional>

class QPrinter;
class QWidget;

class PreviewDialogs
{
  public:
    virtual ~PreviewDialogs();

    // A file to write; empty when cancelled. Asks before replacing an existing file.
    virtual QString saveFileName(QWidget *parent, const QString &caption, const QString &filter,
                                 const QString &suffix) = 0;
    // A file to read; empty when cancelled.
    virtual QString openFileName(QWidget *parent, const QString &caption,
                                 const QString &filter) = 0;
    virtual std::optional<PageSetup> pageSetup(QWidget *parent, const PageSetup &current) = 0;
    // Lets the user choose the printer and the pages; false when cancelled.
    virtual bool choosePrinter(QWidget *parent, QPrinter &printer, int pageCount) = 0;
};
