#include "distchck.h"

#include "rt/Error.h"

#include <algorithm>
#include <cmath>

namespace kestlib
{

const rt::Signature distchckSignature{"distchck",    1,          rt::kVariable,
                                      rt::kVariable, {"nparms"}, {"errorcode"}};

rt::Outputs Mdistchck(int, const rt::Args &args)
{
    const rt::Matrix &nparms = args[0];
    if (nparms.size() != 1)
        rt::raiseDimensionMismatch();
    std::vector<rt::Matrix> arrays;
    for (std::size_t i = 1; i < args.count(); ++i)
        arrays.push_back(args[i]);
    Distchck checked = distchck(nparms(0), std::move(arrays));
    rt::Outputs outputs{rt::Matrix::Constant(1, 1, checked.errorcode)};
    for (rt::Matrix &array : checked.arrays)
        outputs.emplace_back(std::move(array));
    return outputs;
}

Distchck distchck(double nparms, std::vector<rt::Matrix> arrays)
{
    Distchck result{0, std::move(arrays)};
    const std::size_t count =
        nparms >= 1 ? static_cast<std::size_t>(std::min(std::floor(nparms), 1e15)) : 0;
    if (count > result.arrays.size())
        rt::raiseIndexOutOfRange();
    if (nparms == 1)
        return result;
    const auto checked = result.arrays.begin() + static_cast<std::ptrdiff_t>(count);
    const auto firstNonScalar = std::find_if(result.arrays.begin(), checked,
                                             [](const rt::Matrix &a) { return a.size() != 1; });
    if (firstNonScalar == checked)
        return result;
    const rt::Index rows = firstNonScalar->rows();
    const rt::Index cols = firstNonScalar->cols();
    for (auto array = result.arrays.begin(); array != checked; ++array) {
        if (array->size() == 1) {
            *array = rt::Matrix::Constant(rows, cols, (*array)(0));
        } else if (array->rows() != rows || array->cols() != cols) {
            result.errorcode = 1;
            return result;
        }
    }
    return result;
}

} // namespace kestlib
