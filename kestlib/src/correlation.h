// kest/correlation: correlation coefficients of columns with their two-sided p-values.
#pragma once

#include "VectorView.h"

#include <span>

namespace kestlib
{

struct Correlation {
    rt::Matrix r;
    rt::Matrix prob;
};

// correlation(X1, X2, kind) with the arguments as given (empty when not given). A scalar X2 is
// read as kind, and kind as the iteration flag. kind 0 is Pearson, 1 Spearman (Pearson on
// ranks), 2 the uncentred coefficient. Without X2 every pair of the columns of X1 (or, for two
// columns, their one coefficient); with X2 every column of X1 against every column of X2. A row
// vector counts as a column. prob is computed when getProb is set or the iteration flag is 0.
Correlation correlation(rt::Matrix X1, rt::Matrix X2, rt::Matrix kind, bool getProb);

// (x - mean(x)) / (N - 1) into out: a column centred on its mean and divided by N - 1.
void centreInto(VectorView x, double N, std::span<double> out);

} // namespace kestlib
