// The text export hands the whole grid to the clipboard too, so that it can be pasted elsewhere;
// the workbook export does the same with the tab.
#pragma once

#include "Sheet.h"

#include <QChar>
#include <QString>

// Puts the delimited text of the whole grid on the clipboard and returns it.
QString copyGridToClipboard(const Sheet &sheet, QChar delimiter);
