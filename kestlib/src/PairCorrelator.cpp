#include "PairCorrelator.h"

#include "correlation.h"
#include "corrf.h"
#include "corrprci.h"

#include <cmath>

namespace kestlib
{

void PairCorrelator::reserve(rt::Index length)
{
    const auto n = static_cast<std::size_t>(length);
    if (sorted_.size() >= n)
        return;
    for (std::vector<double> *buffer : {&centred1_, &centred2_, &rank1_, &rank2_})
        buffer->resize(n);
    sorted_.resize(n);
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
    reserve(x1.size);
    rankInto(x1, rank1_, sorted_);
    return spearmanRanked(headOf(rank1_, x1.size), x2);
}

PairCorrelator::Result PairCorrelator::spearmanRanked(VectorView ranks1, VectorView x2)
{
    reserve(x2.size);
    rankInto(x2, rank2_, sorted_);
    return pearson(ranks1, headOf(rank2_, x2.size));
}

} // namespace kestlib
