// Mean and standard deviation of one vector, as zscore and the descriptive statistics need them.
#pragma once

#include "VectorView.h"

namespace kestlib
{

struct Moments {
    double mean;
    double stdev;  // divisor n - 1; 0 for a single value
    bool allEqual; // every value the same (and none NaN)
};

// All-equal values get exactly their value as mean and 0 as deviation: computed naively, rounding
// would leave a spread of order 1e-17 that standardising would blow up to nonsense.
Moments momentsOf(VectorView x);

// The mean, with one correction pass for the rounding of the plain sum; exact for equal values.
double meanOf(VectorView x);

} // namespace kestlib
