#include "tab.h"

#include "rt/Numeric.h"

#include <algorithm>
#include <cmath>

namespace lumalib
{

const rt::Signature tabSignature{"tab", 1, 1, 4, {"x"}, {"G", "values", "counts", "percent"}};

rt::Outputs Mtab(int, const rt::Args &args)
{
    const rt::Matrix &x = args[0];
    const rt::Vector values = rt::distinct(x.reshaped());
    rt::Vector counts = rt::Vector::Zero(values.size());
    for (double v : x.reshaped()) {
        if (std::isnan(v))
            continue;
        const auto at = std::lower_bound(values.begin(), values.end(), v) - values.begin();
        counts[at] += 1;
    }
    const double total = counts.sum();
    const rt::Vector percent = total > 0 ? rt::Vector(100 * counts / total) : counts;
    return {rt::Matrix::Constant(1, 1, static_cast<double>(values.size())), rt::Matrix(values),
            rt::Matrix(counts), rt::Matrix(percent)};
}

} // namespace lumalib
