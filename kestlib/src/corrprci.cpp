#include "corrprci.h"

#include "tcdf.h"

#include <cmath>
#include <limits>

namespace kestlib
{

double corrprci(double R, double n)
{
    constexpr double eps = std::numeric_limits<double>::epsilon();
    const double df = n - 2;
    const double shifted = R - 10 * eps;
    const double t = std::abs(R) * std::sqrt(std::abs(df / (1 - shifted * shifted)));
    return 2 * (1 - tcdf(t, df));
}

} // namespace kestlib
