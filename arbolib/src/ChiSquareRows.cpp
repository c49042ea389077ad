#include "ChiSquareRows.h"

namespace arbolib
{

namespace
{

// The sum of a row's cells in column order.
double rowTotal(const double *row, rt::Index c)
{
    double total = 0;
    for (rt::Index j = 0; j < c; ++j)
        total += row[j];
    return total;
}

} // namespace

ChiSquareRows::ChiSquareRows(const rt::Matrix &X)
    : counts_(X.transpose()), rowp_(X.cols(), X.rows()), ri_(X.rows()), cj_(X.cols())
{
    for (rt::Index j = 0; j < X.cols(); ++j) {
        cj_[j] = 0;
        for (rt::Index i = 0; i < X.rows(); ++i)
            cj_[j] += X(i, j);
        total_ += cj_[j];
    }
    for (double &coltot : cj_)
        coltot /= total_;
    for (rt::Index t = 0; t < rows(); ++t)
        setProfile(t);
}

void ChiSquareRows::setProfile(rt::Index t)
{
    const rt::Index c = counts_.rows();
    const double rowtot = rowTotal(&counts_(0, t), c);
    for (rt::Index j = 0; j < c; ++j)
        rowp_(j, t) = counts_(j, t) / rowtot;
    ri_[t] = rowtot / total_;
}

double ChiSquareRows::index(rt::Index a, rt::Index b) const
{
    const rt::Index c = rowp_.rows();
    const double *pa = &rowp_(0, a);
    const double *pb = &rowp_(0, b);
    double dsq = 0;
    for (rt::Index j = 0; j < c; ++j) {
        const double d = pa[j] - pb[j];
        dsq += d * d / cj_[j];
    }
    const double diat = ri_[a] * ri_[b] / (ri_[a] + ri_[b]);
    return dsq * diat;
}

rt::RowVector ChiSquareRows::indexVector() const
{
    const rt::Index r = rows();
    rt::RowVector Y(r * (r - 1) / 2);
    rt::Index k = 0;
    for (rt::Index i = 0; i + 1 < r; ++i)
        for (rt::Index t = i + 1; t < r; ++t)
            Y[k++] = index(i, t);
    return Y;
}

void ChiSquareRows::merge(rt::Index into, rt::Index from)
{
    counts_.col(into) += counts_.col(from);
    setProfile(into);
}

} // namespace arbolib
