#include "SheetCommands.h"

#include "Prompter.h"
#include "SheetModel.h"
#include "SheetView.h"

#include <QClipboard>
#include <QGuiApplication>

const QString SheetCommands::TooManyObjects =
    QStringLiteral("Το φύλλο δεδομένων δεν μπορεί να έχει περισσότερες από 500000 γραμμές.");
const QString SheetCommands::TooManyColumns =
    QStringLiteral("Το φύλλο δεδομένων δεν μπορεί να έχει περισσότερες από 500000 στήλες.");

namespace
{

const QString RenameColumnCaption = QStringLiteral("Ονομασία Στήλης");
const QString RenameObjectCaption = QStringLiteral("Ονομασία Γραμμής");
const QString RenamePrompt = QStringLiteral("Δώστε όνομα:");

} // namespace

SheetCommands::SheetCommands(SheetView &view, SheetModel &model, Prompter &prompter)
    : view_(view), model_(model), prompter_(prompter), fitter_(view.font())
{
}

bool SheetCommands::refuseGrowth(const QString &message)
{
    prompter_.error(&view_, message);
    return false;
}

void SheetCommands::insertObject()
{
    const int row = view_.cursorRow();
    if (!model_.insertObject(row)) {
        refuseGrowth(TooManyObjects);
        return;
    }
    view_.moveCursorTo(view_.cursorColumn(), row);
}

void SheetCommands::insertColumn()
{
    const int column = view_.cursorColumn();
    if (!model_.insertColumn(column)) {
        refuseGrowth(TooManyColumns);
        return;
    }
    view_.moveCursorTo(column, view_.cursorRow());
}

// Deleting the last object or column resets the sheet but leaves the column widths as they were.
void SheetCommands::deleteObject()
{
    const int column = view_.cursorColumn(), row = view_.cursorRow();
    const std::vector<int> widths = view_.columnWidths();
    const bool last = model_.sheet().objectCount() == 1;
    model_.deleteObject(row);
    if (last) {
        view_.setColumnWidths(widths);
        return;
    }
    view_.moveCursorTo(column, std::min(row, model_.sheet().objectCount()));
}

void SheetCommands::deleteColumn()
{
    const int column = view_.cursorColumn(), row = view_.cursorRow();
    const std::vector<int> widths = view_.columnWidths();
    const bool last = model_.sheet().columnCount() == 1;
    model_.deleteColumn(column);
    if (last) {
        view_.setColumnWidths(widths);
        return;
    }
    view_.moveCursorTo(std::min(column, model_.sheet().columnCount()), row);
}

bool SheetCommands::appendObject()
{
    return model_.appendObject() || refuseGrowth(TooManyObjects);
}

bool SheetCommands::appendColumn()
{
    if (!model_.appendColumn())
        return refuseGrowth(TooManyColumns);
    view_.moveCursorTo(model_.sheet().columnCount(), view_.cursorRow());
    return true;
}

void SheetCommands::copy()
{
    QGuiApplication::clipboard()->setText(model_.sheet().copyText(view_.selectionRange()));
}

void SheetCommands::cut()
{
    copy();
    clear();
}

void SheetCommands::paste()
{
    const CellRange at = view_.selectionRange();
    model_.paste(at.left, at.top, QGuiApplication::clipboard()->text());
    autoFormat();
}

void SheetCommands::selectAll()
{
    view_.selectRange(model_.sheet().dataRange());
}

void SheetCommands::clear()
{
    model_.clear(view_.selectionRange());
    autoFormat();
}

void SheetCommands::autoFormat()
{
    view_.setColumnWidths(fitter_.widths(model_.sheet()));
}

void SheetCommands::renameColumn(int column)
{
    view_.moveCursorTo(column, 1);
    const QString name = model_.sheet().columnName(column);
    model_.renameColumn(column, prompter_.input(&view_, RenameColumnCaption, RenamePrompt, name));
    autoFormat();
}

void SheetCommands::renameObject(int row)
{
    view_.moveCursorTo(1, row);
    const QString name = model_.sheet().objectName(row);
    model_.renameObject(row, prompter_.input(&view_, RenameObjectCaption, RenamePrompt, name));
    autoFormat();
}

void SheetCommands::markModified()
{
    model_.setModified(true);
}

void SheetCommands::newSheet(int objects, int variables)
{
    model_.makeNew(objects, variables);
    autoFormat();
    if (variables != 1)
        view_.moveCursorTo(variables + 1, 1);
}

void SheetCommands::replaceSheet(Sheet sheet)
{
    model_.replaceSheet(std::move(sheet));
    autoFormat();
}
