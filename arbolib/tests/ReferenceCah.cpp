#include "ReferenceCah.h"

#include "../src/dendrog.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace arbolib::reference
{

namespace
{

using rt::Index;
using rt::Matrix;
using rt::RowVector;
using rt::Vector;

// Sums taken one element after another, in index order.
RowVector columnSums(const Matrix &X)
{
    RowVector sums = RowVector::Zero(X.cols());
    for (Index j = 0; j < X.cols(); ++j)
        for (Index i = 0; i < X.rows(); ++i)
            sums[j] += X(i, j);
    return sums;
}

Vector rowSums(const Matrix &X)
{
    return columnSums(X.transpose()).transpose();
}

double sumOf(const RowVector &v)
{
    double total = 0;
    for (double x : v)
        total += x;
    return total;
}

Index asIndex(double v)
{
    return static_cast<Index>(v) - 1;
}

// Step 23: the rows below the steps k get cluster c, level by level.
void clusternum(const Matrix &Z, Vector &T, std::vector<Index> k, double c)
{
    const Index m = Z.rows() + 1;
    while (!k.empty()) {
        std::vector<double> children;
        for (Index step : k)
            children.push_back(Z(step, 0));
        for (Index step : k)
            children.push_back(Z(step, 1));
        k.clear();
        for (double child : children) {
            if (child <= static_cast<double>(m))
                T[asIndex(child)] = c;
            else
                k.push_back(asIndex(child - static_cast<double>(m)));
        }
    }
}

Matrix cut(const Matrix &Z, double maxclust)
{
    if (maxclust == 0)
        return Matrix::Zero(1, 1);
    const Index m = Z.rows() + 1;
    Vector T = Vector::Zero(m);
    if (static_cast<double>(m) <= maxclust) {
        for (Index i = 0; i < m; ++i)
            T[i] = static_cast<double>(i + 1);
        return T;
    }
    if (maxclust == 1)
        return Vector::Ones(m);
    double clsnum = 1;
    const auto clusters = static_cast<Index>(maxclust);
    for (Index k = m - clusters + 1; k <= m - 1; ++k)
        for (Index col = 0; col < 2; ++col) {
            const double i = Z(k - 1, col);
            if (i <= static_cast<double>(m)) {
                T[asIndex(i)] = clsnum++;
            } else if (i < static_cast<double>(2 * m - clusters + 1)) {
                clusternum(Z, T, {asIndex(i - static_cast<double>(m))}, clsnum);
                ++clsnum;
            }
        }
    return T;
}

} // namespace

RowVector calcindist(const Matrix &X)
{
    const Index r = X.rows();
    const Index c = X.cols();
    const RowVector coltot = columnSums(X);
    const double total = sumOf(coltot);
    const Vector rowtot = rowSums(X);
    Matrix rowp(r, c);
    for (Index i = 0; i < r; ++i)
        for (Index j = 0; j < c; ++j)
            rowp(i, j) = X(i, j) / rowtot[i];
    Vector ri(r);
    for (Index i = 0; i < r; ++i)
        ri[i] = rowtot[i] / total;
    RowVector cj(c);
    for (Index j = 0; j < c; ++j)
        cj[j] = coltot[j] / total;

    RowVector Y = RowVector::Zero(r * (r - 1) / 2);
    Index k = 0;
    for (Index i = 0; i + 1 < r; ++i) {
        const Index later = r - i - 1;
        Vector dsq = Vector::Zero(later);
        for (Index j = 0; j < c; ++j)
            for (Index t = 0; t < later; ++t) {
                const double d = rowp(i, j) - rowp(i + 1 + t, j);
                dsq[t] = dsq[t] + d * d / cj[j];
            }
        for (Index t = 0; t < later; ++t) {
            const double diat = ri[i] * ri[i + 1 + t] / (ri[i] + ri[i + 1 + t]);
            Y[k + t] = dsq[t] * diat;
        }
        k += later;
    }
    return Y;
}

CahResult cah(const Matrix &X0, double cutoff)
{
    CahResult out;
    out.Out = X0;
    const Index n = X0.rows();
    const Index c = X0.cols();

    // B. The hierarchy, recomputing the index vector of the working table at every step.
    Matrix X = X0;
    std::vector<double> R(static_cast<std::size_t>(n));
    for (Index i = 0; i < n; ++i)
        R[i] = static_cast<double>(i + 1);
    Vector N = Vector::Zero(2 * n - 1);
    N.head(n).setOnes();
    Matrix Z = Matrix::Zero(n - 1, 3);
    Matrix Q = Matrix::Zero(n - 1, n);
    for (Index s = 0; s + 1 < n; ++s) {
        const RowVector Y = calcindist(X);
        const double m = (1 + std::sqrt(1 + 8 * static_cast<double>(Y.size()))) / 2;
        Index at = 0;
        for (Index t = 1; t < Y.size(); ++t)
            if (Y[t] < Y[at])
                at = t;
        const double k = static_cast<double>(at + 1);
        const double i = std::floor(m + 0.5 - std::sqrt(m * m - m + 0.25 - 2 * (k - 1)));
        const double j = k - (i - 1) * (m - i / 2) + i;
        const auto ii = static_cast<Index>(i) - 1;
        const auto jj = static_cast<Index>(j) - 1;
        Z(s, 0) = R[ii];
        Z(s, 1) = R[jj];
        Z(s, 2) = std::fabs(Y[at]);

        Index free = 0;
        for (Index col = 0; col < 2; ++col) {
            const double node = Z(s, col);
            if (node <= static_cast<double>(n)) {
                Q(s, free++) = node;
                continue;
            }
            for (Index t = 0; t < n; ++t)
                if (Q(asIndex(node - static_cast<double>(n)), t) != 0)
                    Q(s, free++) = Q(asIndex(node - static_cast<double>(n)), t);
        }
        N[n + s] = N[asIndex(R[ii])] + N[asIndex(R[jj])];

        Matrix merged(X.rows() - 1, c);
        for (Index row = 0, to = 0; row < X.rows(); ++row) {
            if (row == jj)
                continue;
            merged.row(to++) = row == ii ? RowVector(X.row(ii) + X.row(jj)) : RowVector(X.row(row));
        }
        X = merged;
        R[ii] = static_cast<double>(n + s + 1);
        R.erase(R.begin() + jj);
    }
    std::sort(Q.row(n - 2).begin(), Q.row(n - 2).end());

    // C. The inertia decomposition.
    Vector intra(n - 1);
    double running = 0;
    for (Index s = 0; s + 1 < n; ++s)
        intra[s] = running += Z(s, 2);
    const double intot = intra[n - 2];
    out.Z.resize(n - 1, 7);
    out.Z.leftCols(3) = Z;
    out.Z.col(3) = intra;
    out.Z.col(4) = intot - intra.array();
    for (Index s = 0; s + 1 < n; ++s)
        out.Z(s, 5) = intot != 0 ? Z(s, 2) / intot : 0;
    out.Z.col(6) = N.tail(n - 1);
    out.L = arbolib::dendrog(out.Z, 0);
    out.Q = Q;

    // D. Node table and aids to interpretation.
    Matrix Xv(2 * n - 1, c);
    Xv.topRows(n) = X0;
    for (Index l = 0; l + 1 < n; ++l)
        Xv.row(n + l) = Xv.row(asIndex(out.Z(l, 0))) + Xv.row(asIndex(out.Z(l, 1)));
    const Vector rowtotv = rowSums(Xv);
    const double total = rowtotv.sum();
    const Vector fjv = rowtotv / total;
    const Vector massv = fjv / fjv[2 * n - 2];
    const Matrix Xp = Xv.bottomRows(n - 1);
    const Vector rowtotp = rowSums(Xp);
    const Vector fjp = rowtotp / rowtotp.sum();
    out.mass = (fjp / fjp[n - 2]).transpose();
    Matrix profile(2 * n - 1, c);
    for (Index l = 0; l < 2 * n - 1; ++l)
        profile.row(l) = Xv.row(l) / rowtotv[l];
    const RowVector ctot = columnSums(X0);
    const Vector rtot = rowSums(X0);
    const double tot = ctot.sum();
    const RowVector fj = ctot / tot;
    RowVector inr = RowVector::Zero(c);
    for (Index i = 0; i < n; ++i)
        for (Index j = 0; j < c; ++j) {
            const double P =
                X0(i, j) / std::sqrt(rtot[i] * ctot[j]) - std::sqrt(rtot[i] * ctot[j]) / tot;
            inr[j] += P * P;
        }
    out.cor = Matrix::Zero(n - 1, c);
    out.ctr = Matrix::Zero(n - 1, c);
    for (Index w = 0; w + 2 < n; ++w) {
        RowVector e(c);
        for (Index j = 0; j < c; ++j)
            e[j] = std::pow(profile(2 * n - 2, j) - profile(n + w, j), 2) / fj[j];
        if (e.sum() != 0)
            out.cor.row(w) = e / e.sum();
        for (Index j = 0; j < c; ++j)
            out.ctr(w, j) = inr[j] != 0 ? e[j] * out.mass(0, w) / inr[j] : 0;
    }
    out.dx.resize(n - 1, c);
    out.cod = Matrix::Zero(n - 1, c);
    out.ctd = Matrix::Zero(n - 1, c);
    for (Index s = 0; s + 1 < n; ++s) {
        const Index a = asIndex(out.Z(s, 0));
        const Index b = asIndex(out.Z(s, 1));
        out.dx.row(s) = profile.row(a) - profile.row(b);
        const RowVector e = out.dx.row(s).array().square() / fj.array();
        if (e.sum() != 0)
            out.cod.row(s) = e / e.sum();
        for (Index j = 0; j < c; ++j)
            out.ctd(s, j) = inr[j] != 0 ? e[j] * massv[a] * massv[b] / inr[j] : 0;
    }
    out.rowp = profile.bottomRows(n - 1);

    // E. The cut.
    out.T = cut(out.Z, cutoff);
    return out;
}

} // namespace arbolib::reference
