// The editing commands of the data sheet, acting at the grid's cursor and selection.
#pragma once

#include "ColumnFitter.h"
#include "Sheet.h"

class Prompter;
class SheetModel;
class SheetView;

class SheetCommands
{
  public:
    static const QString TooManyObjects;
    static const QString TooManyColumns;

    SheetCommands(SheetView &view, SheetModel &model, Prompter &prompter);

    void insertObject();
    void insertColumn();
    void deleteObject();
    void deleteColumn();
    // A row after the last; the cursor stays where it is.
    bool appendObject();
    // A column after the last; the cursor moves into it.
    bool appendColumn();

    void copy();
    void cut();
    void paste();
    void selectAll();
    void clear();
    void autoFormat();

    // Ask for a new name of a column or an object row.
    void renameColumn(int column);
    void renameObject(int row);
    void markModified();

    // The sheet of the new-sheet dialog.
    void newSheet(int objects, int variables);
    // A whole sheet from a file, fitted and with the cursor at (1, 1).
    void replaceSheet(Sheet sheet);

  private:
    bool refuseGrowth(const QString &message);

    SheetView &view_;
    SheetModel &model_;
    Prompter &prompter_;
    ColumnFitter fitter_;
};
