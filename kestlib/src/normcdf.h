// The normcdf module: the normal distribution function.
#pragma once

#include "rt/Frame.h"

namespace kestlib
{

extern const rt::Signature normcdfSignature;

rt::Outputs Mnormcdf(int nargout, const rt::Args &args);

// P(X <= x) for X normal with mean mu and deviation sigma; sigma is not checked (0 gives 0 or 1,
// a negative sigma mirrors the result).
double normcdf(double x, double mu, double sigma);

} // namespace kestlib
