// Sheets for the analysis tests.
#pragma once

#include "Sheet.h"

#include <QStringList>

#include <vector>

namespace analysis::testing
{

// A sheet from its rows: first the header row (the corner, the variable names, the name of the
// table-number column), then one row per object (its name, its values, its table number).
Sheet sheetOf(const std::vector<QStringList> &rows);

// `tables` tables of m objects ("o1" ..) by a variables ("v1" ..), numbered 1, 2, ... in blocks;
// every value differs, and every table is a distorted copy of the target. The values are
// written with the given decimal separator.
Sheet stackedTables(int tables, int m, int a, QChar decimal = u'.');

// The same sheet with the given table numbers in place of its own, one per object row.
Sheet withTableNumbers(Sheet sheet, const QStringList &numbers);

} // namespace analysis::testing
