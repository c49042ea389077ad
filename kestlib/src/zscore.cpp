#include "zscore.h"

#include "Moments.h"

namespace kestlib
{

const rt::Signature zscoreSignature{"zscore", 1, 1, 1, {"d"}, {"z"}};

rt::Outputs Mzscore(int, const rt::Args &args)
{
    return {zscore(args[0])};
}

rt::Matrix zscore(const rt::Matrix &d)
{
    const rt::Matrix columns = d.rows() == 1 ? rt::Matrix(d.transpose()) : d;
    rt::Matrix z(columns.rows(), columns.cols());
    for (rt::Index j = 0; j < columns.cols(); ++j) {
        const Moments moments = momentsOf(columnOf(columns, j));
        if (moments.allEqual) {
            z.col(j).setZero();
            continue;
        }
        const double sd = moments.stdev == 0 ? 1 : moments.stdev;
        for (rt::Index i = 0; i < columns.rows(); ++i)
            z(i, j) = moments.mean.deviation(columns(i, j)) / sd;
    }
    return z;
}

} // namespace kestlib
