// combnk: all combinations of a vector's elements taken k at a time, in the row order that its
// enumeration rules produce (lexicographic, reverse lexicographic, or stretches of both).
#pragma once

#include "rt/Frame.h"

#include <span>

namespace tivolib
{

extern const rt::Signature combnkSignature;

rt::Outputs Mcombnk(int nargout, const rt::Args &args);

// The elements of v in storage order; raises "First argument has to be a vector." unless v is a
// non-empty row or column.
std::span<const double> vectorElements(const rt::Matrix &v);

// One combination per row, elements in their order of position in v.
rt::Matrix combnk(std::span<const double> v, double k);

} // namespace tivolib
