// The report as the preview shows it: its content laid out on pages, with the texts the user
// retyped by clicking. An edit belongs to one page only; laying the report out again (another
// page set-up) drops every edit. Printing and every export read the report through here, so
// they carry the edits.
#pragma once

#include "ReportContent.h"
#include "ReportLayout.h"

#include <QHash>

#include <map>

class PreparedReport
{
  public:
    using PageEdits = QHash<ItemKey, QString>;

    PreparedReport() = default; // no pages
    PreparedReport(ReportContent content, const PageSetup &setup,
                   const std::function<bool()> &keepGoing = {});

    const ReportContent &content() const { return content_; }
    const ReportLayout &layout() const { return layout_; }
    const PageSetup &setup() const { return layout_.setup(); }
    int pageCount() const { return layout_.pageCount(); }

    // The texts of one page, edits included.
    std::vector<PageItem> pageItems(int page) const;

    // A text of the report as its home page shows it (the first page where it appears), edits
    // included: what the exports that hold each text once (tables, text files) write.
    QString text(const ItemKey &key) const;

    void setItemText(int page, const ItemKey &key, const QString &text);
    bool hasEdits() const { return !edits_.empty(); }
    const std::map<int, PageEdits> &edits() const { return edits_; }

    void relayout(const PageSetup &setup);

  private:
    ReportContent content_;
    ReportLayout layout_;
    std::map<int, PageEdits> edits_; // by page
};
