#include "corrf.h"

#include "rt/Error.h"

#include <cmath>
#include <limits>
#include <vector>

namespace kestlib
{

namespace
{

constexpr double eps = std::numeric_limits<double>::epsilon();

rt::Matrix allPairs(const rt::Matrix &X, rt::Index P1)
{
    if (X.cols() != P1)
        rt::raiseDimensionMismatch();
    rt::Matrix cp(P1, P1);
    for (rt::Index i = 0; i < P1; ++i)
        for (rt::Index j = 0; j < P1; ++j)
            cp(i, j) = dot(columnOf(X, i), columnOf(X, j));
    const rt::Vector ss = cp.diagonal().cwiseSqrt();
    rt::Matrix r(P1, P1);
    for (rt::Index i = 0; i < P1; ++i)
        for (rt::Index j = 0; j < P1; ++j)
            r(i, j) = cp(i, j) / std::fmax(ss[i] * ss[j], eps);
    return r;
}

rt::Matrix twoGroups(const rt::Matrix &X, rt::Index P1, rt::Index P2)
{
    if (X.cols() < P1 + P2)
        rt::raiseIndexOutOfRange();
    std::vector<double> ss2(static_cast<std::size_t>(P2));
    for (rt::Index j = 0; j < P2; ++j)
        ss2[static_cast<std::size_t>(j)] = std::sqrt(dot(columnOf(X, P1 + j), columnOf(X, P1 + j)));
    rt::Matrix r = rt::Matrix::Zero(P1, P2);
    for (rt::Index i = 0; i < P1; ++i) {
        const VectorView x1 = columnOf(X, i);
        const double ss1 = std::sqrt(dot(x1, x1));
        for (rt::Index j = 0; j < P2; ++j)
            r(i, j) = crossCoefficient(dot(x1, columnOf(X, P1 + j)), ss1,
                                       ss2[static_cast<std::size_t>(j)]);
    }
    return r;
}

} // namespace

double dot(VectorView a, VectorView b)
{
    double s = 0;
    for (rt::Index k = 0; k < a.size; ++k)
        s += a[k] * b[k];
    return s;
}

double crossCoefficient(double cp, double ss1, double &ss2)
{
    if (ss1 * ss2 < eps)
        ss2 = std::numeric_limits<double>::quiet_NaN();
    return cp / (ss1 * ss2);
}

rt::Matrix corrf(const rt::Matrix &X, rt::Index P1, rt::Index P2)
{
    return P2 == 0 ? allPairs(X, P1) : twoGroups(X, P1, P2);
}

} // namespace kestlib
