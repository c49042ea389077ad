// The aggregation indices between every two rows of a table.
#pragma once

#include "rt/Frame.h"

namespace arbolib
{

extern const rt::Signature calcindistSignature;

// Ward's aggregation index of every two rows of X under the chi-square metric, in pair order
// (1,2), (1,3), ..., (r-1,r). Checks nothing: zero totals give non-finite entries.
rt::RowVector calcindist(const rt::Matrix &X);

rt::Outputs Mcalcindist(int nargout, const rt::Args &args);

} // namespace arbolib
