// Mean and standard deviation of one vector, as zscore, the correlations and the descriptive
// statistics need them.
#pragma once

#include "VectorView.h"

namespace kestlib
{

// A mean kept as the rounded plain estimate plus the correction for its rounding, so deviations
// from it keep their digits even under a large common offset (1e15 + 0, 1, 3 would otherwise
// lose a few percent of each deviation).
struct Mean {
    double estimate;
    double correction;

    double value() const { return estimate + correction; }
    double deviation(double x) const { return (x - estimate) - correction; }
};

struct Moments {
    Mean mean;
    double stdev;  // divisor n - 1; 0 for a single value
    bool allEqual; // every value the same (and none NaN)
};

// All-equal values get exactly their value as mean and 0 as deviation: computed naively, rounding
// would leave a spread of order 1e-17 that standardising would blow up to nonsense.
Moments momentsOf(VectorView x);

Mean meanOf(VectorView x);

} // namespace kestlib
