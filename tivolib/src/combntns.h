// combntns: all combinations of a vector's elements taken `choose` at a time, checked, always in
// lexicographic order of positions.
#pragma once

#include "rt/Frame.h"

namespace tivolib
{

extern const rt::Signature combntnsSignature;

rt::Outputs Mcombntns(int nargout, const rt::Args &args);

// C(choices, choose) rows of `choose` elements. Raises "Input choices must be a vector",
// "Input choose must be a scalar" or "Not enough choices to choose that many".
rt::Matrix combntns(const rt::Matrix &choicevec, const rt::Matrix &choose);

} // namespace tivolib
