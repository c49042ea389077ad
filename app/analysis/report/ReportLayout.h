// Lays the report's sections out on pages: the title band on the first page, each caption with
// its table, tables too long for a page continued on the next with their column labels repeated,
// tables too wide continued across (row labels repeated) before they continue down, and a page
// number at the foot of every page. Pages are kept as a few blocks each; their texts are made
// only when a page is drawn or exported, so even a report of thousands of pages is laid out
// quickly and held in little memory.
#pragma once

#include "PageItem.h"
#include "PageSetup.h"
#include "ReportContent.h"

#include <functional>
#include <stdexcept>
#include <vector>

class TextMeasure;

// Thrown when the caller asked for the layout to stop before it was done.
class LayoutCancelled : public std::runtime_error
{
  public:
    LayoutCancelled() : std::runtime_error("report layout cancelled") {}
};

class ReportLayout
{
  public:
    // keepGoing, when given, is asked now and then; false stops the layout with LayoutCancelled.
    static ReportLayout compute(const ReportContent &content, const PageSetup &setup,
                                const std::function<bool()> &keepGoing = {});

    const PageSetup &setup() const { return setup_; }
    int pageCount() const { return static_cast<int>(pages_.size()); }
    // The texts of one page, as laid out (edits are applied by the prepared report).
    std::vector<PageItem> items(const ReportContent &content, int page) const;
    // The page that shows a section's caption.
    int sectionPage(int section) const { return captionPages_[static_cast<std::size_t>(section)]; }
    // The page where a text first appears: for a label repeated on several pages the first of
    // them. -1 for the page number, which every page has.
    int homePage(const ItemKey &key) const;
    // Widths in report pixels, for the exports that draw tables of their own.
    double rowLabelWidth(int section) const
    {
        return sections_[static_cast<std::size_t>(section)].rowLabelWidth;
    }
    double columnWidth(int section, int column) const
    {
        return sections_[static_cast<std::size_t>(section)]
            .columnWidths[static_cast<std::size_t>(column)];
    }

  private:
    struct TableSlice {
        int firstColumn = 0;
        int endColumn = 0;
    };
    struct SectionGeometry {
        double captionHeight = 0;
        double rowLabelWidth = 0;
        double headerHeight = 0;
        std::vector<double> columnWidths;
        std::vector<float> rowHeights;
        std::vector<TableSlice> slices;
    };
    enum class BlockKind { Title, Caption, Table };
    struct PageBlock {
        BlockKind kind = BlockKind::Table;
        int section = -1;
        int firstRow = 0;
        int endRow = 0;
        int slice = 0;
        double top = 0;
    };
    struct TablePlacement {
        int page = 0;
        int firstRow = 0;
        int endRow = 0;
        int slice = 0;
    };
    class Paginator;

    SectionGeometry measureSection(const ReportSection &section, TextMeasure &measure,
                                   const std::function<bool()> &keepGoing) const;
    void appendTableItems(const ReportSection &section, int sectionIndex, const PageBlock &block,
                          std::vector<PageItem> &items) const;
    const TablePlacement *placementOf(int section, int row, int column) const;

    PageSetup setup_;
    QRectF content_;
    QRectF titleRect_; // relative to the top of the content area
    double footerHeight_ = 0;
    std::vector<SectionGeometry> sections_;
    std::vector<std::vector<PageBlock>> pages_;
    std::vector<int> captionPages_;
    std::vector<std::vector<TablePlacement>> placements_; // per section, in page order
};
