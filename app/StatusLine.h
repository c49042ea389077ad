// The text of the main window's status bar.
#pragma once

#include <QString>

// The cursor's row and column, then the counts of objects and columns.
QString statusLine(int cursorRow, int cursorColumn, int objectCount, int columnCount);
