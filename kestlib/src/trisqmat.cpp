#include "trisqmat.h"

#include "rt/Error.h"

#include <algorithm>

namespace kestlib
{

namespace
{

constexpr rt::Index largestOrder = 1000;

rt::Index orderFor(rt::Index pairs)
{
    rt::Index P = 1;
    bool found = false;
    while (P < largestOrder && !found) {
        ++P;
        found = P * (P - 1) / 2 == pairs;
    }
    return P;
}

rt::Vector diagonalOf(const std::optional<rt::Matrix> &dg, rt::Index P)
{
    if (!dg)
        return rt::Vector::Zero(P);
    if (std::max(dg->rows(), dg->cols()) == 1 && dg->size() == 1)
        return rt::Vector::Constant(P, (*dg)(0));
    if (std::min(dg->rows(), dg->cols()) > 1)
        rt::raise("  Error: value for diagonal must be vector or scalar");
    if (dg->size() != P)
        rt::raiseDimensionMismatch();
    return dg->reshaped();
}

} // namespace

rt::Matrix trisqmat(rt::Matrix tri, const std::optional<rt::Matrix> &dg)
{
    if ((tri.rows() == 1 || tri.rows() == 2) && tri.cols() > 2)
        tri.transposeInPlace();
    else if (tri.cols() > 2)
        rt::raise("  Invalid input-matrix dimensions");
    const rt::Index P = orderFor(tri.rows());
    rt::Matrix sqmat = diagonalOf(dg, P).asDiagonal();
    if (tri.cols() == 0 || tri.rows() < P * (P - 1) / 2)
        rt::raiseIndexOutOfRange();
    const rt::Index upper = tri.cols() > 1 ? 1 : 0;
    rt::Index k = 0;
    for (rt::Index i = 0; i < P - 1; ++i)
        for (rt::Index j = i + 1; j < P; ++j, ++k) {
            sqmat(j, i) = tri(k, 0);
            sqmat(i, j) = tri(k, upper);
        }
    return sqmat;
}

} // namespace kestlib
