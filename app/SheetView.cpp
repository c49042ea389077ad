#include "SheetView.h"

#include "SheetModel.h"

#include <QAbstractButton>
#include <QFocusEvent>
#include <QHeaderView>
#include <QPainter>
#include <QStyleOptionHeader>

namespace
{

QFont gridFont()
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(12);
    return font;
}

void setUpHeader(QHeaderView *header, int sectionSize)
{
    header->setMinimumSectionSize(1);
    header->setDefaultSectionSize(sectionSize);
    header->setDefaultAlignment(Qt::AlignCenter);
    // Headers are names, not selection handles: a click on them selects nothing.
    header->setSectionsClickable(false);
    header->setHighlightSections(false);
    header->setContextMenuPolicy(Qt::PreventContextMenu);
}

} // namespace

SheetView::SheetView(QWidget *parent) : QTableView(parent)
{
    setObjectName(QStringLiteral("Grid"));
    setFont(gridFont());
    setFrameShape(QFrame::NoFrame);
    setShowGrid(true);
    setWordWrap(false);
    setTabKeyNavigation(true);
    setContextMenuPolicy(Qt::PreventContextMenu);
    viewport()->setContextMenuPolicy(Qt::PreventContextMenu);
    viewport()->setCursor(Qt::CrossCursor);
    QPalette colours = palette();
    colours.setColor(QPalette::Base, Qt::white);
    setPalette(colours);

    setUpHeader(horizontalHeader(), DefaultColumnWidth);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setFixedHeight(DefaultRowHeight);
    setUpHeader(verticalHeader(), DefaultRowHeight);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setFixedWidth(DefaultColumnWidth);

    setCornerButtonEnabled(false);
    corner_ = findChild<QAbstractButton *>();
    if (corner_)
        corner_->installEventFilter(this);

    // Until the first click or key both ranges and in-place editing are allowed.
    setSelectionMode(ContiguousSelection);
    setEditTriggers(AnyKeyPressed | EditKeyPressed);
}

void SheetView::setSheetModel(SheetModel *model)
{
    sheetModel_ = model;
    setModel(model);
    connect(model, &QAbstractItemModel::modelReset, this, [this] {
        moveCursorTo(1, 1);
        if (corner_)
            corner_->update();
    });
}

int SheetView::cursorColumn() const
{
    return std::max(currentIndex().column(), 0) + 1;
}

int SheetView::cursorRow() const
{
    return std::max(currentIndex().row(), 0) + 1;
}

void SheetView::moveCursorTo(int column, int row)
{
    const QModelIndex target = sheetModel_->indexOf(column, row);
    if (!target.isValid())
        return;
    selectionModel()->setCurrentIndex(target, QItemSelectionModel::ClearAndSelect);
    scrollTo(target);
}

CellRange SheetView::selectionRange() const
{
    const QItemSelection selection = selectionModel()->selection();
    if (selection.isEmpty())
        return {cursorColumn(), cursorRow(), cursorColumn(), cursorRow()};
    CellRange bounds{INT_MAX, INT_MAX, 0, 0};
    for (const QItemSelectionRange &range : selection) {
        bounds.left = std::min(bounds.left, range.left() + 1);
        bounds.top = std::min(bounds.top, range.top() + 1);
        bounds.right = std::max(bounds.right, range.right() + 1);
        bounds.bottom = std::max(bounds.bottom, range.bottom() + 1);
    }
    return bounds;
}

void SheetView::selectRange(const CellRange &range)
{
    const QItemSelection selection(sheetModel_->indexOf(range.left, range.top),
                                   sheetModel_->indexOf(range.right, range.bottom));
    selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
}

void SheetView::enterSelectionMode()
{
    setSelectionMode(ContiguousSelection);
    setEditTriggers(NoEditTriggers);
}

void SheetView::enterEditingMode()
{
    if (selectionMode() == SingleSelection)
        return;
    setSelectionMode(SingleSelection);
    setEditTriggers(AnyKeyPressed | EditKeyPressed);
}

void SheetView::openEditor()
{
    edit(currentIndex());
}

std::vector<int> SheetView::columnWidths() const
{
    std::vector<int> widths{verticalHeader()->width()};
    for (int section = 0; section < horizontalHeader()->count(); ++section)
        widths.push_back(horizontalHeader()->sectionSize(section));
    return widths;
}

void SheetView::setColumnWidths(const std::vector<int> &widths)
{
    if (widths.empty())
        return;
    verticalHeader()->setFixedWidth(widths[0]);
    QHeaderView *header = horizontalHeader();
    // With updates on, every resize would locate its section on screen, which takes time in
    // proportion to the number of columns.
    header->setUpdatesEnabled(false);
    const int sections = std::min<int>(header->count(), static_cast<int>(widths.size()) - 1);
    for (int section = 0; section < sections; ++section) {
        if (header->sectionSize(section) != widths[section + 1])
            header->resizeSection(section, widths[section + 1]);
    }
    header->setUpdatesEnabled(true);
    viewport()->update();
}

void SheetView::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    QTableView::currentChanged(current, previous);
    emit cursorMoved();
}

bool SheetView::edit(const QModelIndex &index, EditTrigger trigger, QEvent *event)
{
    const bool opened = QTableView::edit(index, trigger, event);
    if (opened) {
        if (QWidget *editor = indexWidget(index))
            emit editorOpened(editor);
    }
    return opened;
}

void SheetView::focusInEvent(QFocusEvent *event)
{
    QTableView::focusInEvent(event);
    emit focusEntered();
}

bool SheetView::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == corner_ && event->type() == QEvent::Paint) {
        paintCorner();
        return true;
    }
    return QTableView::eventFilter(watched, event);
}

// The corner cell is drawn as a header holding the sheet's corner label.
void SheetView::paintCorner()
{
    QStyleOptionHeader option;
    option.initFrom(corner_);
    // The button is disabled so that a click selects nothing; its label still reads as text.
    option.state |= QStyle::State_Enabled;
    option.palette.setCurrentColorGroup(QPalette::Active);
    option.rect = corner_->rect();
    option.position = QStyleOptionHeader::OnlyOneSection;
    option.textAlignment = Qt::AlignCenter;
    option.text = sheetModel_ ? sheetModel_->sheet().cell(0, 0) : QString();
    QPainter painter(corner_);
    style()->drawControl(QStyle::CE_Header, &option, &painter, corner_);
}
