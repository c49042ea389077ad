#include "NodeAids.h"

#include <cmath>

namespace arbolib
{

namespace
{

using rt::Index;
using rt::Matrix;
using rt::RowVector;
using rt::Vector;

// The sums of the rows of A, each taken in column order.
Vector rowTotals(const Matrix &A)
{
    Vector totals = Vector::Zero(A.rows());
    for (Index j = 0; j < A.cols(); ++j)
        totals += A.col(j);
    return totals;
}

// The parts e as shares of their sum; 0 when they sum to 0.
RowVector shares(const RowVector &e)
{
    const double total = e.sum();
    return total != 0 ? RowVector(e / total) : RowVector::Zero(e.size());
}

// The parts e of each column's inertia as shares of it; 0 for a column whose inertia is 0.
RowVector ofColumnInertia(const RowVector &e, const RowVector &inr)
{
    RowVector result(e.size());
    for (Index j = 0; j < e.size(); ++j)
        result[j] = inr[j] != 0 ? e[j] / inr[j] : 0;
    return result;
}

Index node(double number)
{
    return static_cast<Index>(number) - 1;
}

// Every node of the hierarchy (table rows first, then the node of each step) as a profile and a
// mass, with the table's column masses and the inertia of each of its columns.
struct Nodes {
    Matrix profile; // (2n-1) x c; the root's is the mean profile
    Vector massv;   // node total over table total
    RowVector fj;   // column masses
    RowVector inr;  // inertia of each column: column sums of the squared standardised residuals
};

Nodes nodesOf(const Matrix &X, const Matrix &Z)
{
    const Index n = X.rows();
    // Xv: the table extended by one row per node, the sum of the node's rows.
    Matrix Xv(2 * n - 1, X.cols());
    Xv.topRows(n) = X;
    for (Index l = 0; l + 1 < n; ++l)
        Xv.row(n + l) = Xv.row(node(Z(l, 0))) + Xv.row(node(Z(l, 1)));
    const Vector rowtotv = rowTotals(Xv);
    const double tot = rowtotv[2 * n - 2];
    const RowVector ctot = X.colwise().sum();

    Nodes nodes{Xv.array().colwise() / rowtotv.array(), rowtotv / tot, ctot / tot,
                RowVector::Zero(X.cols())};
    for (Index j = 0; j < X.cols(); ++j)
        for (Index i = 0; i < n; ++i) {
            const double expected = std::sqrt(rowtotv[i] * ctot[j]);
            const double P = X(i, j) / expected - expected / tot;
            nodes.inr[j] += P * P;
        }
    return nodes;
}

// The squared chi-square distance between two profiles, column by column.
RowVector squaredDistances(const RowVector &difference, const RowVector &fj)
{
    return difference.array().square() / fj.array();
}

} // namespace

NodeAids nodeAids(const Matrix &X, const Matrix &Z)
{
    const Index n = X.rows();
    const Index c = X.cols();
    const Nodes nodes = nodesOf(X, Z);
    const RowVector mean = nodes.profile.row(2 * n - 2);

    NodeAids aids{nodes.profile.bottomRows(n - 1),
                  nodes.massv.tail(n - 1).transpose(),
                  Matrix::Zero(n - 1, c),
                  Matrix::Zero(n - 1, c),
                  Matrix(n - 1, c),
                  Matrix(n - 1, c),
                  Matrix(n - 1, c)};
    // The root lies at the mean profile: its rows stay 0.
    for (Index w = 0; w + 2 < n; ++w) {
        const RowVector e = squaredDistances(mean - nodes.profile.row(n + w), nodes.fj);
        aids.cor.row(w) = shares(e);
        aids.ctr.row(w) = ofColumnInertia(e * nodes.massv[n + w], nodes.inr);
    }
    for (Index s = 0; s + 1 < n; ++s) {
        const Index a = node(Z(s, 0));
        const Index b = node(Z(s, 1));
        aids.dx.row(s) = nodes.profile.row(a) - nodes.profile.row(b);
        const RowVector e = squaredDistances(aids.dx.row(s), nodes.fj);
        aids.cod.row(s) = shares(e);
        aids.ctd.row(s) = ofColumnInertia(e * nodes.massv[a] * nodes.massv[b], nodes.inr);
    }
    return aids;
}

} // namespace arbolib
