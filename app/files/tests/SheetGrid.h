// Sheets written and compared as whole grids of texts, header row and name column included.
#pragma once

#include "Sheet.h"

#include <QStringList>

#include <vector>

using Grid = std::vector<QStringList>;

inline Sheet sheetOf(const Grid &grid)
{
    Sheet sheet(static_cast<int>(grid.size()) - 1, static_cast<int>(grid.front().size()) - 1);
    for (int row = 0; row < static_cast<int>(grid.size()); ++row) {
        for (int column = 0; column < grid[row].size(); ++column)
            sheet.setCell(column, row, grid[row][column]);
    }
    return sheet;
}

inline Grid gridOf(const Sheet &sheet)
{
    Grid grid;
    for (int row = 0; row <= sheet.objectCount(); ++row) {
        QStringList cells;
        for (int column = 0; column <= sheet.columnCount(); ++column)
            cells += sheet.cell(column, row);
        grid.push_back(cells);
    }
    return grid;
}

// Names and cells with blanks around them, empty cells, Greek and characters outside Greek.
inline Grid awkwardGrid()
{
    return {
        {"Γ / Σ", " x ", "", "ύψος", "C"},
        {" a", "1,5", "", " 2 ", "1"},
        {"", "", "", "", ""},
        {"жук", "\U0001F600", "Ω", "  ", "2"},
    };
}
