// The grid that shows the data sheet. The column names and object names are its headers, so
// they stay in view while the cells scroll. Positions are in sheet coordinates: the data cells
// start at (1, 1). The grid works in one of two modes: selecting ranges, or editing in place.
#pragma once

#include "CellRange.h"

#include <QTableView>

#include <vector>

class SheetModel;

class SheetView : public QTableView
{
    Q_OBJECT

  public:
    static constexpr int DefaultColumnWidth = 63;
    static constexpr int DefaultRowHeight = 24;

    explicit SheetView(QWidget *parent = nullptr);

    void setSheetModel(SheetModel *model);
    SheetModel *sheetModel() const { return sheetModel_; }

    int cursorColumn() const;
    int cursorRow() const;
    // Moves the cursor, selecting the cell it lands on.
    void moveCursorTo(int column, int row);
    // The selected rectangle; the cursor cell when nothing is selected.
    CellRange selectionRange() const;
    void selectRange(const CellRange &range);

    // Ranges can be selected; cells are not edited in place.
    void enterSelectionMode();
    // Cells are edited in place; no new range can be selected. A selected range stays until the
    // cursor moves, so that Ctrl+C still copies all of it.
    void enterEditingMode();
    bool isSelectionMode() const { return selectionMode() == ContiguousSelection; }
    bool isEditorOpen() const { return state() == EditingState; }
    void openEditor();
    using QTableView::edit;

    // Widths of grid columns 0..M; column 0 is the name column.
    std::vector<int> columnWidths() const;
    void setColumnWidths(const std::vector<int> &widths);

    QWidget *cornerButton() const { return corner_; }

  signals:
    void cursorMoved();
    void focusEntered();
    void editorOpened(QWidget *editor);

  protected:
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
    bool edit(const QModelIndex &index, EditTrigger trigger, QEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    void paintCorner();

    SheetModel *sheetModel_ = nullptr;
    QWidget *corner_ = nullptr;
};
