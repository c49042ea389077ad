// kest/trisqmat: a vector of pairwise values laid out as a symmetric matrix.
#pragma once

#include "rt/Matrix.h"

#include <optional>

namespace kestlib
{

// The P x P matrix whose strict lower triangle, walked row pair (i, j > i) by row pair, holds
// the first column of tri, and whose upper triangle holds the second column if there is one
// (else the first). The diagonal is dg (a scalar repeated, a vector of P values, or zeros when
// not given). P is the smallest order up to 1000 with as many pairs as tri has rows.
rt::Matrix trisqmat(rt::Matrix tri, const std::optional<rt::Matrix> &dg);

} // namespace kestlib
