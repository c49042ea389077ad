// A large sheet of Greek names, decimal-comma values and four table numbers, as the file
// benchmarks read and write it.
#pragma once

#include "Sheet.h"

inline Sheet generatedSheet(int objects, int columns)
{
    Sheet sheet(objects, columns);
    sheet.setCell(0, 0, Sheet::CornerLabel);
    for (int column = 1; column <= columns; ++column)
        sheet.setCell(column, 0, QStringLiteral("μεταβλητή %1").arg(column));
    for (int row = 1; row <= objects; ++row) {
        sheet.setCell(0, row, QStringLiteral("αντικείμενο %1").arg(row));
        for (int column = 1; column < columns; ++column)
            sheet.setCell(column, row,
                          QString::number(row * 0.731 + column, 'f', 3).replace(u'.', u','));
        sheet.setCell(columns, row, QString::number(row % 4 + 1));
    }
    return sheet;
}
