#include "SheetInput.h"

#include "SheetCommands.h"
#include "SheetModel.h"
#include "SheetView.h"

#include <QHeaderView>
#include <QKeyEvent>

namespace
{

bool isEnter(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

SheetInput::SheetInput(SheetView &view, SheetCommands &commands, QObject *parent)
    : QObject(parent), view_(view), commands_(commands)
{
    for (QObject *watched : {static_cast<QObject *>(&view), static_cast<QObject *>(view.viewport()),
                             static_cast<QObject *>(view.horizontalHeader()->viewport()),
                             static_cast<QObject *>(view.verticalHeader()->viewport())})
        watched->installEventFilter(this);
    if (view.cornerButton())
        view.cornerButton()->installEventFilter(this);
    connect(&view, &SheetView::cursorMoved, &view, &SheetView::enterSelectionMode);
    connect(&view, &SheetView::editorOpened, this, [this](QWidget *editor) {
        editor_ = editor;
        editor->installEventFilter(this);
    });
}

bool SheetInput::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
        if (watched == &view_)
            return gridKeyDown(static_cast<QKeyEvent &>(*event));
        if (watched == editor_)
            return editorKeyDown(static_cast<QKeyEvent &>(*event));
        return false;
    case QEvent::MouseButtonPress:
        return watched == view_.viewport() && gridMouseDown(static_cast<QMouseEvent &>(*event));
    case QEvent::MouseButtonDblClick:
        return gridDoubleClick(watched, static_cast<QMouseEvent &>(*event));
    default:
        return false;
    }
}

// Every key first switches to editing mode; the grid's own handling follows unless a rule took
// the key.
bool SheetInput::gridKeyDown(const QKeyEvent &key)
{
    view_.enterEditingMode();
    // A key the in-place editor passed on was already dealt with there.
    if (view_.isEditorOpen())
        return false;
    const Sheet &sheet = view_.sheetModel()->sheet();
    if (isEnter(key.key())) {
        if (view_.cursorColumn() == sheet.columnCount())
            commands_.appendColumn();
        view_.openEditor();
        return true;
    }
    if (key.key() == Qt::Key_Down && view_.cursorRow() == sheet.objectCount())
        commands_.appendObject();
    return false;
}

// Keys typed into the in-place editor: the arrows leave it for the neighbouring cell, taking
// what was typed with them.
bool SheetInput::editorKeyDown(const QKeyEvent &key)
{
    view_.enterEditingMode();
    const Sheet &sheet = view_.sheetModel()->sheet();
    const int column = view_.cursorColumn(), row = view_.cursorRow();
    switch (key.key()) {
    case Qt::Key_Left:
        if (column < 2)
            return false;
        view_.moveCursorTo(column - 1, row);
        return true;
    case Qt::Key_Right:
        if (column >= sheet.columnCount())
            return false;
        view_.moveCursorTo(column + 1, row);
        return true;
    case Qt::Key_Down:
        if (row < sheet.objectCount() || commands_.appendObject())
            view_.moveCursorTo(column, row + 1);
        return true;
    default:
        return false;
    }
}

bool SheetInput::gridMouseDown(const QMouseEvent &mouse)
{
    if (mouse.button() == Qt::LeftButton) {
        view_.enterSelectionMode();
        return false;
    }
    if (mouse.button() != Qt::RightButton)
        return false;
    const QModelIndex cell = view_.indexAt(mouse.position().toPoint());
    if (!cell.isValid())
        return true;
    // A selected range survives the right button, so the menu's commands act on all of it.
    if (view_.selectionRange().isSingleCell())
        view_.moveCursorTo(cell.column() + 1, cell.row() + 1);
    emit contextMenuRequested(mouse.globalPosition().toPoint());
    return true;
}

// Any double-click counts as a change; on a header it renames, elsewhere it edits the cursor
// cell in place.
bool SheetInput::gridDoubleClick(QObject *watched, const QMouseEvent &mouse)
{
    const QPoint at = mouse.position().toPoint();
    const bool onColumnNames = watched == view_.horizontalHeader()->viewport();
    const bool onObjectNames = watched == view_.verticalHeader()->viewport();
    if (mouse.button() != Qt::LeftButton ||
        (!onColumnNames && !onObjectNames && watched != view_.viewport() &&
         watched != view_.cornerButton()))
        return false;
    commands_.markModified();
    const int column = view_.horizontalHeader()->logicalIndexAt(at);
    const int row = view_.verticalHeader()->logicalIndexAt(at);
    if (onColumnNames && column >= 0) {
        commands_.renameColumn(column + 1);
        return true;
    }
    if (onObjectNames && row >= 0) {
        commands_.renameObject(row + 1);
        return true;
    }
    view_.enterEditingMode();
    view_.openEditor();
    return true;
}
