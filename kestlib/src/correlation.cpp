#include "correlation.h"

#include "Elementwise.h"
#include "Moments.h"
#include "corrf.h"
#include "corrprci.h"
#include "ranks.h"
#include "trisqmat.h"

#include "rt/Error.h"

namespace kestlib
{

namespace
{

// A single row counts as a column.
void makeColumns(rt::Matrix &X)
{
    if (X.rows() == 1 && X.cols() > 1)
        X.transposeInPlace();
}

rt::Matrix centred(const rt::Matrix &X, rt::Index N)
{
    rt::Matrix centredX(X.rows(), X.cols());
    for (rt::Index j = 0; j < X.cols(); ++j)
        centreInto(columnOf(X, j), static_cast<double>(N),
                   {centredX.col(j).data(), static_cast<std::size_t>(X.rows())});
    return centredX;
}

double scalarOrZero(const rt::Matrix &m)
{
    return m.size() == 0 ? 0 : scalarArgument(m);
}

} // namespace

void centreInto(VectorView x, double N, std::span<double> out)
{
    const Mean mean = meanOf(x);
    for (rt::Index k = 0; k < x.size; ++k)
        out[static_cast<std::size_t>(k)] = mean.deviation(x[k]) / (N - 1);
}

Correlation correlation(rt::Matrix X1, rt::Matrix X2, rt::Matrix kindArgument, bool getProb)
{
    rt::Matrix iterArgument;
    if (X2.size() == 1) {
        iterArgument = std::move(kindArgument);
        kindArgument = std::move(X2);
        X2 = rt::Matrix();
    }
    const bool givenX2 = X2.size() > 0;
    const double kind = scalarOrZero(kindArgument);
    const double iter = scalarOrZero(iterArgument);

    makeColumns(X1);
    if (givenX2)
        makeColumns(X2);
    const rt::Index N = X1.rows();
    const rt::Index P1 = X1.cols();
    const rt::Index P2 = givenX2 ? X2.cols() : 0;
    if (givenX2 && X2.rows() != N)
        rt::raiseDimensionMismatch();

    if (kind == 1) {
        X1 = ranks(X1);
        if (givenX2)
            X2 = ranks(X2);
    }
    if (kind != 2) {
        X1 = centred(X1, N);
        if (givenX2)
            X2 = centred(X2, N);
    }
    rt::Matrix X(N, P1 + P2);
    X.leftCols(P1) = X1;
    if (givenX2)
        X.rightCols(P2) = X2;
    Correlation result{corrf(X, P1, P2), rt::Matrix::Zero(1, 1)};
    if (iter == 0) {
        const rt::Matrix n = rt::Matrix::Constant(1, 1, static_cast<double>(N));
        result.prob = elementwise(corrprci, result.r, n);
    } else if (getProb) {
        // prob is still the scalar 0 here.
        if (givenX2 && P1 * P2 != 1)
            rt::raiseDimensionMismatch();
        if (!givenX2)
            result.prob = trisqmat(result.prob, std::nullopt);
    }
    if (!givenX2 && P1 == 2) {
        result.r = rt::Matrix::Constant(1, 1, result.r(0, 1));
        if (getProb)
            result.prob = rt::Matrix::Constant(1, 1, result.prob(0, 1));
    }
    return result;
}

} // namespace kestlib
