#include "ReportLayout.h"

#include "TextMeasure.h"

#include <algorithm>

using namespace reportstyle;

namespace
{

constexpr int rowsBetweenChecks = 4096;
constexpr double gaps = 2 * cellGap;
constexpr double slack = 1; // beside a text's width, against rounding on the output device

void checkKeepGoing(const std::function<bool()> &keepGoing)
{
    if (keepGoing && !keepGoing())
        throw LayoutCancelled();
}

} // namespace

// Places blocks down the pages, opening a new page when a block does not fit.
class ReportLayout::Paginator
{
  public:
    Paginator(ReportLayout &layout, double bottom)
        : layout_(layout), top_(layout.content_.top()), bottom_(bottom)
    {
        newPage();
    }

    double remaining() const { return bottom_ - y_; }
    double pageHeight() const { return bottom_ - top_; }
    int page() const { return layout_.pageCount() - 1; }

    void newPage()
    {
        layout_.pages_.emplace_back();
        y_ = top_;
    }

    // A block at the top of a page stays there even when it is taller than the page.
    void ensure(double height)
    {
        if (height > remaining() && y_ > top_)
            newPage();
    }

    void place(PageBlock block, double height)
    {
        block.top = y_;
        layout_.pages_.back().push_back(block);
        y_ += height;
    }

    void skip(double height) { y_ += height; }

  private:
    ReportLayout &layout_;
    double top_;
    double bottom_;
    double y_ = 0;
};

ReportLayout ReportLayout::compute(const ReportContent &content, const PageSetup &setup,
                                   const std::function<bool()> &keepGoing)
{
    ReportLayout layout;
    layout.setup_ = setup;
    layout.content_ = setup.contentRect();
    const QRectF &area = layout.content_;
    TextMeasure measure;
    layout.footerHeight_ = measure.lineHeight(ItemRole::Footer);

    const double titleWidth =
        std::min(measure.width(ItemRole::Title, content.title) + 2 * titlePadding,
                 area.width() - shadowOffset);
    const double titleHeight =
        measure.wrappedHeight(ItemRole::Title, content.title, titleWidth - 2 * titlePadding) +
        2 * titlePadding;
    layout.titleRect_ =
        QRectF(area.left() + (area.width() - titleWidth) / 2, 0, titleWidth, titleHeight);

    for (const ReportSection &section : content.sections)
        layout.sections_.push_back(layout.measureSection(section, measure, keepGoing));

    Paginator paginator(layout, area.bottom() - layout.footerHeight_ - footerSpacing);
    paginator.place({BlockKind::Title}, titleHeight + shadowOffset);
    paginator.skip(bandSpacing);
    layout.placements_.resize(content.sections.size());
    for (std::size_t s = 0; s < content.sections.size(); ++s) {
        const SectionGeometry &g = layout.sections_[s];
        const CrossTable &table = content.sections[s].table;
        const int rows = table.rowCount();
        const bool hasTable = table.columnCount() > 0;
        double tableHeight = hasTable ? g.headerHeight : 0;
        for (const float h : g.rowHeights)
            tableHeight += h;
        const double firstHeight = hasTable ? g.headerHeight + (rows ? g.rowHeights[0] : 0) : 0;
        const double captionBand = g.captionHeight + captionSpacing;

        if (!content.sections[s].keepTogether)
            paginator.ensure(g.captionHeight);
        else if (captionBand + tableHeight <= paginator.pageHeight())
            paginator.ensure(captionBand + tableHeight);
        else
            paginator.ensure(captionBand + firstHeight);
        layout.captionPages_.push_back(paginator.page());
        paginator.place({BlockKind::Caption, static_cast<int>(s)}, g.captionHeight);
        paginator.skip(captionSpacing);

        // Rows that fit go on this page, once per slice of columns, then down to the next.
        for (int row = 0; hasTable && (row < rows || row == 0);) {
            checkKeepGoing(keepGoing);
            paginator.ensure(g.headerHeight + (row < rows ? g.rowHeights[row] : 0));
            double height = g.headerHeight;
            int end = row;
            while (end < rows &&
                   (end == row || height + g.rowHeights[end] <= paginator.remaining()))
                height += g.rowHeights[end++];
            for (int slice = 0; slice < static_cast<int>(g.slices.size()); ++slice) {
                if (slice > 0)
                    paginator.newPage();
                layout.placements_[s].push_back({paginator.page(), row, end, slice});
                paginator.place({BlockKind::Table, static_cast<int>(s), row, end, slice}, height);
            }
            if (end >= rows)
                break;
            row = end;
            paginator.newPage();
        }
        paginator.skip(bandSpacing);
    }
    return layout;
}

ReportLayout::SectionGeometry
ReportLayout::measureSection(const ReportSection &section, TextMeasure &measure,
                             const std::function<bool()> &keepGoing) const
{
    const CrossTable &table = section.table;
    const double width = content_.width();
    SectionGeometry g;
    g.captionHeight = measure.wrappedHeight(ItemRole::Caption, section.caption, width);
    if (table.columnCount() == 0)
        return g;
    const int rows = table.rowCount();
    const int columns = table.columnCount();

    // Natural widths; a text wider than its column's limit is wrapped, which makes its row taller.
    std::vector<float> labelWidths(static_cast<std::size_t>(rows));
    double labelWidth = minColumnWidth;
    for (int r = 0; r < rows; ++r) {
        labelWidths[r] =
            static_cast<float>(measure.width(ItemRole::RowLabel, table.rowLabel(r)) + gaps + slack);
        labelWidth = std::max(labelWidth, double(labelWidths[r]));
    }
    const double labelLimit = std::max(minColumnWidth, width / 2);
    g.rowLabelWidth = std::min(labelWidth, labelLimit);
    const double columnLimit = std::max(minColumnWidth, width - g.rowLabelWidth);

    g.columnWidths.assign(static_cast<std::size_t>(columns), minColumnWidth);
    std::vector<double> headerWidths(static_cast<std::size_t>(columns));
    for (int c = 0; c < columns; ++c) {
        headerWidths[c] = measure.width(ItemRole::ColumnLabel, table.columnLabel(c)) + gaps + slack;
        g.columnWidths[c] = std::max(g.columnWidths[c], headerWidths[c]);
    }
    std::vector<char> wraps(static_cast<std::size_t>(rows), 0);
    for (int r = 0; r < rows; ++r) {
        if (r % rowsBetweenChecks == 0)
            checkKeepGoing(keepGoing);
        wraps[r] = labelWidths[r] > labelLimit;
        for (int c = 0; c < columns; ++c) {
            const double w = measure.width(ItemRole::Cell, table.cell(r, c)) + gaps + slack;
            wraps[r] |= w > columnLimit;
            g.columnWidths[c] = std::max(g.columnWidths[c], w);
        }
    }
    for (double &w : g.columnWidths)
        w = std::min(w, columnLimit);

    const double lineHeight =
        std::max(measure.lineHeight(ItemRole::Cell), measure.lineHeight(ItemRole::RowLabel)) + gaps;
    g.headerHeight = measure.lineHeight(ItemRole::ColumnLabel) + gaps;
    for (int c = 0; c < columns; ++c)
        if (headerWidths[c] > columnLimit)
            g.headerHeight = std::max(
                g.headerHeight, measure.wrappedHeight(ItemRole::ColumnLabel, table.columnLabel(c),
                                                      g.columnWidths[c] - gaps) +
                                    gaps);
    g.rowHeights.assign(static_cast<std::size_t>(rows), static_cast<float>(lineHeight));
    for (int r = 0; r < rows; ++r) {
        if (!wraps[r])
            continue;
        double h =
            measure.wrappedHeight(ItemRole::RowLabel, table.rowLabel(r), g.rowLabelWidth - gaps);
        for (int c = 0; c < columns; ++c)
            h = std::max(h, measure.wrappedHeight(ItemRole::Cell, table.cell(r, c),
                                                  g.columnWidths[c] - gaps));
        g.rowHeights[r] = static_cast<float>(std::max(lineHeight, h + gaps));
    }

    // Slices of columns that fit beside the row labels, filled from the left.
    const double across = width - g.rowLabelWidth;
    TableSlice slice;
    double used = 0;
    for (int c = 0; c < columns; ++c) {
        if (c > slice.firstColumn && used + g.columnWidths[c] > across) {
            slice.endColumn = c;
            g.slices.push_back(slice);
            slice.firstColumn = c;
            used = 0;
        }
        used += g.columnWidths[c];
    }
    slice.endColumn = columns;
    g.slices.push_back(slice);
    return g;
}

std::vector<PageItem> ReportLayout::items(const ReportContent &content, int page) const
{
    std::vector<PageItem> items;
    if (page < 0 || page >= pageCount())
        return items;
    for (const PageBlock &block : pages_[static_cast<std::size_t>(page)]) {
        switch (block.kind) {
        case BlockKind::Title:
            items.push_back(
                {{ItemRole::Title}, titleRect_.translated(0, block.top), content.title});
            break;
        case BlockKind::Caption: {
            const auto &section = content.sections[static_cast<std::size_t>(block.section)];
            const QRectF rect(content_.left(), block.top, content_.width(),
                              sections_[static_cast<std::size_t>(block.section)].captionHeight);
            items.push_back({{ItemRole::Caption, block.section}, rect, section.caption});
            break;
        }
        case BlockKind::Table:
            appendTableItems(content.sections[static_cast<std::size_t>(block.section)],
                             block.section, block, items);
            break;
        }
    }
    const QRectF footer(content_.left(), content_.bottom() - footerHeight_, content_.width(),
                        footerHeight_);
    items.push_back({{ItemRole::Footer}, footer, QStringLiteral("-%1-").arg(page + 1)});
    return items;
}

void ReportLayout::appendTableItems(const ReportSection &section, int s, const PageBlock &block,
                                    std::vector<PageItem> &items) const
{
    const SectionGeometry &g = sections_[static_cast<std::size_t>(s)];
    const TableSlice &slice = g.slices[static_cast<std::size_t>(block.slice)];
    const CrossTable &table = section.table;
    const double left = content_.left();
    double y = block.top;
    double x = left + g.rowLabelWidth;
    for (int c = slice.firstColumn; c < slice.endColumn; ++c) {
        items.push_back({{ItemRole::ColumnLabel, s, -1, c},
                         QRectF(x, y, g.columnWidths[c], g.headerHeight),
                         table.columnLabel(c)});
        x += g.columnWidths[c];
    }
    y += g.headerHeight;
    for (int r = block.firstRow; r < block.endRow; ++r) {
        const double h = g.rowHeights[r];
        items.push_back({{ItemRole::RowLabel, s, r, -1},
                         QRectF(left, y, g.rowLabelWidth, h),
                         table.rowLabel(r)});
        x = left + g.rowLabelWidth;
        for (int c = slice.firstColumn; c < slice.endColumn; ++c) {
            items.push_back(
                {{ItemRole::Cell, s, r, c}, QRectF(x, y, g.columnWidths[c], h), table.cell(r, c)});
            x += g.columnWidths[c];
        }
        y += h;
    }
}

const ReportLayout::TablePlacement *ReportLayout::placementOf(int section, int row,
                                                              int column) const
{
    if (section < 0 || section >= static_cast<int>(placements_.size()))
        return nullptr;
    const auto &placements = placements_[static_cast<std::size_t>(section)];
    const auto &slices = sections_[static_cast<std::size_t>(section)].slices;
    if (placements.empty())
        return nullptr;
    const auto sliceAt =
        std::partition_point(slices.begin(), slices.end(), [&](const TableSlice &s) {
            return s.endColumn <= std::max(column, 0);
        });
    if (sliceAt == slices.end())
        return nullptr;
    const std::size_t sliceCount = slices.size();
    const std::size_t blocks = placements.size() / sliceCount;
    // The first block whose rows end after the row; placements come in groups, one per slice.
    std::size_t low = 0, high = blocks;
    while (low < high) {
        const std::size_t mid = (low + high) / 2;
        if (placements[mid * sliceCount].endRow <= std::max(row, 0))
            low = mid + 1;
        else
            high = mid;
    }
    const std::size_t block = std::min(low, blocks - 1);
    return &placements[block * sliceCount + static_cast<std::size_t>(sliceAt - slices.begin())];
}

int ReportLayout::homePage(const ItemKey &key) const
{
    switch (key.role) {
    case ItemRole::Title:
        return 0;
    case ItemRole::Footer:
        return -1;
    case ItemRole::Caption:
        return key.section >= 0 && key.section < static_cast<int>(captionPages_.size())
                   ? captionPages_[static_cast<std::size_t>(key.section)]
                   : -1;
    default: {
        const TablePlacement *placement = placementOf(key.section, key.row, key.column);
        return placement ? placement->page : -1;
    }
    }
}
