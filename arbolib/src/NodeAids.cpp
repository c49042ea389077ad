#include "NodeAids.h"

#include <cmath>

namespace arbolib
{

namespace
{

using rt::Index;

// The sums of the rows of A, each taken in column order.
rt::Vector rowTotals(const rt::Matrix &A)
{
    rt::Vector totals = rt::Vector::Zero(A.rows());
    for (Index j = 0; j < A.cols(); ++j)
        totals += A.col(j);
    return totals;
}

// The parts e as shares of their sum; 0 when they sum to 0.
rt::RowVector shares(const rt::RowVector &e)
{
    const double total = e.sum();
    return total != 0 ? rt::RowVector(e / total) : rt::RowVector::Zero(e.size());
}

// The parts e of each column's inertia as shares of it; 0 for a column whose inertia is 0.
rt::RowVector ofColumnInertia(const rt::RowVector &e, const rt::RowVector &inr)
{
    rt::RowVector result(e.size());
    for (Index j = 0; j < e.size(); ++j)
        result[j] = inr[j] != 0 ? e[j] / inr[j] : 0;
    return result;
}

// The inertia of each column of X: the column sums of the squared standardised residuals.
rt::RowVector columnInertia(const rt::Matrix &X, const rt::Vector &rtot, const rt::RowVector &ctot,
                            double tot)
{
    rt::RowVector inr = rt::RowVector::Zero(X.cols());
    for (Index j = 0; j < X.cols(); ++j)
        for (Index i = 0; i < X.rows(); ++i) {
            const double expected = std::sqrt(rtot[i] * ctot[j]);
            const double P = X(i, j) / expected - expected / tot;
            inr[j] += P * P;
        }
    return inr;
}

Index node(double number)
{
    return static_cast<Index>(number) - 1;
}

} // namespace

NodeAids nodeAids(const rt::Matrix &X, const rt::Matrix &Z)
{
    const Index n = X.rows();
    const Index c = X.cols();
    const Index root = 2 * n - 2;

    // Xv: the table extended by one row per node, the sum of the node's rows.
    rt::Matrix Xv(2 * n - 1, c);
    Xv.topRows(n) = X;
    for (Index l = 0; l + 1 < n; ++l)
        Xv.row(n + l) = Xv.row(node(Z(l, 0))) + Xv.row(node(Z(l, 1)));
    const rt::Vector rowtotv = rowTotals(Xv);
    const rt::Vector massv = rowtotv / rowtotv[root];
    const rt::Matrix profile = Xv.array().colwise() / rowtotv.array();

    const rt::RowVector ctot = Xv.topRows(n).colwise().sum();
    const double tot = rowtotv[root];
    const rt::RowVector fj = ctot / tot; // column masses: the mean profile
    const rt::RowVector inr = columnInertia(X, rowtotv.head(n), ctot, tot);

    NodeAids aids;
    aids.rowp = profile.bottomRows(n - 1);
    aids.mass = massv.tail(n - 1).transpose();
    aids.cor = rt::Matrix::Zero(n - 1, c);
    aids.ctr = rt::Matrix::Zero(n - 1, c);
    for (Index w = 0; w + 2 < n; ++w) {
        const rt::RowVector e =
            (profile.row(root) - profile.row(n + w)).array().square() / fj.array();
        aids.cor.row(w) = shares(e);
        aids.ctr.row(w) = ofColumnInertia(e * massv[n + w], inr);
    }
    aids.dx.resize(n - 1, c);
    aids.cod.resize(n - 1, c);
    aids.ctd.resize(n - 1, c);
    for (Index s = 0; s + 1 < n; ++s) {
        const Index a = node(Z(s, 0));
        const Index b = node(Z(s, 1));
        aids.dx.row(s) = profile.row(a) - profile.row(b);
        const rt::RowVector e = aids.dx.row(s).array().square() / fj.array();
        aids.cod.row(s) = shares(e);
        aids.ctd.row(s) = ofColumnInertia(e * massv[a] * massv[b], inr);
    }
    return aids;
}

} // namespace arbolib
