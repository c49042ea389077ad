#include "normcdf.h"

#include "Elementwise.h"
#include "distchck.h"

#include "rt/Error.h"

#include <cmath>
#include <numbers>

namespace kestlib
{

const rt::Signature normcdfSignature{"normcdf", 1, 3, 1, {"x", "mu", "sigma"}, {"p"}};

rt::Outputs Mnormcdf(int, const rt::Args &args)
{
    const rt::Matrix mu = args.given(1) ? args[1] : rt::Matrix::Zero(1, 1);
    const rt::Matrix sigma = args.given(2) ? args[2] : rt::Matrix::Ones(1, 1);
    const Distchck checked = distchck(3, {args[0], mu, sigma});
    if (checked.errorcode > 0)
        rt::raise("Requires non-scalar arguments to match in size.");
    return {elementwise(normcdf, checked.arrays[0], checked.arrays[1], checked.arrays[2])};
}

double normcdf(double x, double mu, double sigma)
{
    return 0.5 * std::erfc(-(x - mu) / (std::numbers::sqrt2 * sigma));
}

} // namespace kestlib
