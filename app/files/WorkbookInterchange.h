// The workbook entry (entry 1) of the import and export dialogs. The workbook interchange fills
// these at start; while a function is empty, that entry does nothing.
#pragma once

#include "Sheet.h"

#include <QString>

#include <functional>
#include <optional>

struct WorkbookInterchange {
    // Reads the workbook at the path, asking for the worksheet and showing its own messages.
    // Returns the new sheet, or nothing when the import failed or was cancelled.
    std::function<std::optional<Sheet>(const QString &path)> importWorkbook;

    // Writes the sheet as a workbook at the path, showing its own messages. Returns whether the
    // workbook was written.
    std::function<bool(const QString &path, const Sheet &sheet)> exportWorkbook;

    // The filter entries the two dialogs show for workbooks.
    QString importFilterEntry =
        QStringLiteral("Αρχείο Excel XP/2003/2007 (*.xls; *.xlsx)|*.xls; *.xlsx");
    QString exportFilterEntry = QStringLiteral("Αρχείο Excel XP/2003/2007 (*.xlsx)|*.xlsx");
};
