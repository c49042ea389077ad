// remainder: the numbers from 1 to novars that do not occur in a set.
#pragma once

#include "rt/Frame.h"

namespace tivolib
{

extern const rt::Signature remainderSignature;

// Leaves its output unassigned when nothing remains, so a caller that asks for it gets the
// runtime's unassigned-output error.
rt::Outputs Mremainder(int nargout, const rt::Args &args);

// The numbers 1, 2, ..., floor(novars) missing from r, ascending, as a row (1 x 0 when none
// remain). Elements of r that are not such numbers play no part.
rt::RowVector remainder(const rt::Matrix &r, double novars);

} // namespace tivolib
