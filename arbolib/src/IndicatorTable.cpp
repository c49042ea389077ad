#include "IndicatorTable.h"

#include "rt/Error.h"
#include "rt/Numeric.h"

#include <cmath>

namespace arbolib
{

rt::Matrix indicatorTable(const rt::Matrix &X)
{
    // n cases set at most n x novars cells, so a table wider than that has an empty column
    // whatever else the codes hold: the columns past it need not be built.
    const double widest = static_cast<double>(X.size() + 1);
    rt::Matrix column(X.rows(), X.cols()); // the 1-based indicator column of every code
    double width = 0;
    double offset = 0;
    for (rt::Index j = 0; j < X.cols(); ++j) {
        for (rt::Index i = 0; i < X.rows(); ++i) {
            column(i, j) = offset + X(i, j);
            if (!std::isfinite(X(i, j)) || X(i, j) != std::floor(X(i, j)) || column(i, j) < 1)
                rt::raise("cah: with zeroone = 1 every code must be a whole number from 1 to the "
                          "number of distinct codes of its variable.");
            width = std::max(width, std::min(column(i, j), widest));
        }
        offset += static_cast<double>(rt::distinct(X.col(j)).size());
    }
    width = std::max(width, offset);
    rt::Matrix IND = rt::Matrix::Zero(X.rows(), static_cast<rt::Index>(width));
    for (rt::Index j = 0; j < X.cols(); ++j)
        for (rt::Index i = 0; i < X.rows(); ++i)
            if (column(i, j) <= width)
                IND(i, static_cast<rt::Index>(column(i, j)) - 1) = 1;
    return IND;
}

} // namespace arbolib
