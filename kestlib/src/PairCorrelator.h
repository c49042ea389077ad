// Correlations of two vectors of equal length, for the many calls of one kest run.
#pragma once

#include "VectorView.h"
#include "ranks.h"

#include <vector>

namespace kestlib
{

// Pearson and Spearman coefficients of two vectors with their two-sided p-values, computed
// exactly as correlation() computes them for two columns, but on scratch space kept from call
// to call, so a run of calls allocates nothing once the longest vector has been seen.
class PairCorrelator
{
  public:
    struct Result {
        double r;
        double p;
    };

    Result pearson(VectorView x1, VectorView x2);
    Result spearman(VectorView x1, VectorView x2);
    // Spearman's coefficient when the ranks of the first vector are already known.
    Result spearmanRanked(VectorView ranks1, VectorView x2);

  private:
    void reserve(rt::Index length);

    std::vector<double> centred1_, centred2_, rank1_, rank2_;
    std::vector<PositionedValue> sorted_;
};

} // namespace kestlib
