#include "TableRotation.h"

#include "Moments.h"
#include "zscore.h"

#include "rt/Numeric.h"

#include <cmath>

namespace kestlib
{

namespace
{

// X * R with every row summed in one fixed order, so identical rows of X give bitwise-identical
// rows of the product (a blocked matrix product may round rows differently, breaking the ties
// Spearman's ranks rely on).
rt::Matrix rowByRowProduct(const rt::Matrix &X, const rt::Matrix &R)
{
    rt::Matrix product(X.rows(), R.cols());
    for (rt::Index i = 0; i < X.rows(); ++i)
        for (rt::Index j = 0; j < R.cols(); ++j) {
            double s = 0;
            for (rt::Index k = 0; k < X.cols(); ++k)
                s += X(i, k) * R(k, j);
            product(i, j) = s;
        }
    return product;
}

void store(rt::Matrix &combo, rt::Index row, PairCorrelator::Result c)
{
    combo(row, 0) = c.r;
    combo(row, 1) = c.p;
}

} // namespace

void describeTable(const rt::Matrix &T, rt::Index row, KestResults &K)
{
    for (rt::Index j = 0; j < T.cols(); ++j) {
        const Moments moments = momentsOf(columnOf(T, j));
        K.Kmo(row, j) = moments.mean.value();
        K.Kstdev(row, j) = moments.stdev;
        K.Kvar(row, j) = moments.stdev * moments.stdev;
        K.Kcv(row, j) = moments.stdev / moments.mean.value() * 100;
    }
}

namespace
{

// Pearson and Spearman coefficients of table t: target against rotated table per variable and
// per object, and the table before against after rotation per variable.
void storeCorrelations(const rt::Matrix &Xwz, const rt::Matrix &wR, rt::Index t,
                       const rt::Matrix &XtzRowRanks, KestResults &K, PairCorrelator &pair)
{
    const rt::Matrix &Xtz = K.Xtz;
    const rt::Index rows = wR.rows();
    const rt::Index cols = wR.cols();
    for (rt::Index j = 0; j < cols; ++j)
        store(K.KCfcombo, t * cols + j, pair.pearson(columnOf(Xtz, j), columnOf(wR, j)));
    for (rt::Index i = 0; i < rows; ++i) {
        store(K.KCicombo, t * rows + i, pair.pearson(rowOf(Xtz, i), rowOf(wR, i)));
        store(K.KSCicombo, t * rows + i,
              pair.spearmanRanked(columnOf(XtzRowRanks, i), rowOf(wR, i)));
    }
    for (rt::Index j = 0; j < cols; ++j) {
        store(K.KChcombo, t * cols + j, pair.pearson(columnOf(Xwz, j), columnOf(wR, j)));
        store(K.KSChcombo, t * cols + j, pair.spearman(columnOf(Xwz, j), columnOf(wR, j)));
    }
}

} // namespace

void rotateTable(const rt::Matrix &T, rt::Index t, const rt::Matrix &XtzRowRanks, KestResults &K,
                 PairCorrelator &pair)
{
    const rt::Index rows = T.rows();
    const rt::Index cols = T.cols();
    describeTable(T, t + 1, K);

    const rt::Matrix Xwz = zscore(T);
    const rt::Matrix XX = Xwz.transpose() * K.Xtz;
    const rt::Svd svd = rt::economySvd(XX);
    // The orthogonal Procrustes solution: reflections allowed, no scaling.
    const rt::Matrix RR = svd.U * svd.V.transpose();
    const rt::Matrix wR = rowByRowProduct(Xwz, RR);
    const rt::Matrix A = K.Xtz - wR;
    const double dsq = A.squaredNorm();

    K.KXw.middleRows(t * rows, rows) = Xwz;
    K.KRR.middleRows(t * cols, cols) = RR;
    K.KwR.middleRows(t * rows, rows) = wR;
    K.KA.middleRows(t * rows, rows) = A;
    K.Kdsq(t, 0) = dsq;
    K.Kd(t, 0) = std::sqrt(dsq);
    storeCorrelations(Xwz, wR, t, XtzRowRanks, K, pair);
}

} // namespace kestlib
