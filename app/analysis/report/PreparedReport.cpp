#include "PreparedReport.h"

PreparedReport::PreparedReport(ReportContent content, const PageSetup &setup,
                               const std::function<bool()> &keepGoing)
    : content_(std::move(content)), layout_(ReportLayout::compute(content_, setup, keepGoing))
{
}

std::vector<PageItem> PreparedReport::pageItems(int page) const
{
    std::vector<PageItem> items = layout_.items(content_, page);
    const auto edits = edits_.find(page);
    if (edits == edits_.end())
        return items;
    for (PageItem &item : items) {
        const auto edited = edits->second.constFind(item.key);
        if (edited != edits->second.constEnd()) {
            item.text = edited.value();
            item.edited = true;
        }
    }
    return items;
}

QString PreparedReport::text(const ItemKey &key) const
{
    if (!edits_.empty()) {
        const auto edits = edits_.find(layout_.homePage(key));
        if (edits != edits_.end()) {
            const auto edited = edits->second.constFind(key);
            if (edited != edits->second.constEnd())
                return edited.value();
        }
    }
    if (key.role == ItemRole::Title)
        return content_.title;
    if (key.section < 0 || key.section >= static_cast<int>(content_.sections.size()))
        return {};
    const ReportSection &section = content_.sections[static_cast<std::size_t>(key.section)];
    switch (key.role) {
    case ItemRole::Caption:
        return section.caption;
    case ItemRole::ColumnLabel:
        return section.table.columnLabel(key.column);
    case ItemRole::RowLabel:
        return section.table.rowLabel(key.row);
    case ItemRole::Cell:
        return section.table.cell(key.row, key.column);
    default:
        return {};
    }
}

void PreparedReport::setItemText(int page, const ItemKey &key, const QString &text)
{
    edits_[page].insert(key, text);
}

void PreparedReport::relayout(const PageSetup &setup)
{
    layout_ = ReportLayout::compute(content_, setup);
    edits_.clear();
}
