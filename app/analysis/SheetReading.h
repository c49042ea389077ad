// What a run reads from the sheet: objects in rows 1 .. n with their names in column 0,
// variables in columns 1 .. a with their names in row 0, table numbers in the last column.
#pragma once

#include <QChar>
#include <QStringList>

#include <vector>

class Sheet;

namespace analysis
{

// The table number of every object row, each the trimmed cell converted to an integer. Throws
// AnalysisFailure naming the first cell that is not an integer.
std::vector<double> readTableNumbers(const Sheet &sheet);

// The label of every object row: the name as it stands, or the row number when the name is
// empty after trimming blanks.
QStringList objectLabels(const Sheet &sheet);

// The label of every variable column: the header as it stands, or the column number when the
// header is empty after trimming blanks.
QStringList variableLabels(const Sheet &sheet);

// The n x a values, row by row, each the trimmed cell converted with the given separator.
// Throws AnalysisFailure naming the first cell, row by row, that is not a number.
std::vector<double> readSheetValues(const Sheet &sheet, QChar decimal);

} // namespace analysis
