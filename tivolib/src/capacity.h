// Sizes of results, checked before anything is allocated so that a result too large to hold
// is an error rather than a crash.
#pragma once

#include "rt/Matrix.h"

#include <optional>

namespace tivolib
{

// C(n, k) for 0 <= k <= n, or nothing when it exceeds what a matrix dimension can count.
std::optional<rt::Index> binomial(rt::Index n, rt::Index k);

// Whether `elements` doubles fit in the machine's memory.
bool fitsInMemory(double elements);

} // namespace tivolib
