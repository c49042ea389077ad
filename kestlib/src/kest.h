// The kest module: every table of a stack rotated onto a target table by the orthogonal
// Procrustes solution, with residuals, correlations, significance and descriptive statistics.
#pragma once

#include "rt/Frame.h"

namespace kestlib
{

extern const rt::Signature kestSignature;

// Inputs Xt, Xw, nrows; the sixteen outputs Xtz, KXw, ..., Kcv, all computed whatever nargout.
rt::Outputs Mkest(int nargout, const rt::Args &args);

} // namespace kestlib
