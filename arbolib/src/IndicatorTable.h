// The zero-one coding of cases described by categorical variables.
#pragma once

#include "rt/Matrix.h"

namespace arbolib
{

// The indicator table of the codes X (cases in rows, variables in columns). Variable j takes a
// block of nlev(j) columns, nlev(j) being its number of distinct codes, and code k of variable j
// sets column offset(j) + k of the case's row. A code outside 1 to nlev(j) sets a column of
// another block, or one past the end, which the table grows to hold; that leaves some column
// empty, for the caller to find. Raises an error for a code that is not a whole number or that
// names a column before the first.
rt::Matrix indicatorTable(const rt::Matrix &X);

} // namespace arbolib
