#include "PairCorrelator.h"

#include "correlation.h"
#include "corrf.h"
#include "corrprci.h"
#include "ranks.h"

#include <cmath>

namespace kestlib
{

void PairCorrelator::reserve(rt::Index length)
{
    const auto n = static_cast<std::size_t>(length);
    if (order_.size() >= n)
        return;
    for (std::vector<double> *buffer : {&centred1_, &centred2_, &rank1_, &rank2_})
        buffer->resize(n);
    order_.resize(n);
}

PairCorrelator::Result PairCorrelator::pearson(VectorView x1, VectorView x2)
{
    const rt::Index N = x1.size;
    reserve(N);
    const auto n = static_cast<double>(N);
    centreInto(x1, n, centred1_);
    centreInto(x2, n, centred2_);
    const VectorView u1 = headOf(centred1_, N);
    const VectorView u2 = headOf(centred2_, N);
    double ss2 = std::sqrt(dot(u2, u2));
    const double r = crossCoefficient(dot(u1, u2), std::sqrt(dot(u1, u1)), ss2);
    return {r, corrprci(r, n)};
}

PairCorrelator::Result PairCorrelator::spearman(VectorView x1, VectorView x2)
{
    const rt::Index N = x1.size;
    reserve(N);
    rankInto(x1, rank1_, order_);
    rankInto(x2, rank2_, order_);
    return pearson(headOf(rank1_, N), headOf(rank2_, N));
}

} // namespace kestlib
