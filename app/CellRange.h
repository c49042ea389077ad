// A rectangle of sheet cells, bounds included, in sheet coordinates (column, row).
#pragma once

struct CellRange {
    int left = 1;
    int top = 1;
    int right = 1;
    int bottom = 1;

    bool isSingleCell() const { return left == right && top == bottom; }
    friend bool operator==(const CellRange &, const CellRange &) = default;
};
