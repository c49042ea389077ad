#include "rt/Numeric.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace rt
{

namespace
{

// Applies reduce to each vector along the first non-singleton dimension of a.
template <class Reduce> Matrix reduceColumns(const Matrix &a, Reduce reduce)
{
    if (a.rows() == 1)
        return Matrix::Constant(1, 1, reduce(Vector(a.row(0).transpose())));
    Matrix result(1, a.cols());
    for (Index j = 0; j < a.cols(); ++j)
        result(0, j) = reduce(Vector(a.col(j)));
    return result;
}

double sumOf(const Vector &v)
{
    double s = 0;
    for (double x : v)
        s += x;
    return s;
}

double meanOf(const Vector &v)
{
    return sumOf(v) / static_cast<double>(v.size());
}

double stdevOf(const Vector &v)
{
    const Index n = v.size();
    if (n == 1)
        return 0;
    const double m = meanOf(v);
    double s = 0;
    for (double x : v)
        s += (x - m) * (x - m);
    return std::sqrt(s / static_cast<double>(n - 1));
}

} // namespace

Matrix sum(const Matrix &a)
{
    return reduceColumns(a, sumOf);
}

Matrix mean(const Matrix &a)
{
    return reduceColumns(a, meanOf);
}

Matrix stdev(const Matrix &a)
{
    return reduceColumns(a, stdevOf);
}

Matrix cumsum(const Matrix &a)
{
    Matrix result = a;
    if (a.rows() == 1) {
        for (Index j = 1; j < a.cols(); ++j)
            result(0, j) += result(0, j - 1);
        return result;
    }
    for (Index j = 0; j < a.cols(); ++j)
        for (Index i = 1; i < a.rows(); ++i)
            result(i, j) += result(i - 1, j);
    return result;
}

Sorted sortAscending(const Vector &v)
{
    Sorted sorted{Vector(v.size()), std::vector<Index>(static_cast<std::size_t>(v.size()))};
    std::iota(sorted.order.begin(), sorted.order.end(), Index{0});
    std::stable_sort(sorted.order.begin(), sorted.order.end(), [&v](Index i, Index j) {
        return !std::isnan(v[i]) && (std::isnan(v[j]) || v[i] < v[j]);
    });
    for (Index i = 0; i < v.size(); ++i)
        sorted.values[i] = v[sorted.order[static_cast<std::size_t>(i)]];
    return sorted;
}

Vector distinct(const Vector &v)
{
    std::vector<double> values;
    values.reserve(static_cast<std::size_t>(v.size()));
    for (double x : v)
        if (!std::isnan(x))
            values.push_back(x);
    std::sort(values.begin(), values.end());
    values.erase(std::unique(values.begin(), values.end()), values.end());
    return Eigen::Map<Vector>(values.data(), static_cast<Index>(values.size()));
}

std::vector<Index> find(const Matrix &a)
{
    std::vector<Index> indices;
    for (Index k = 0; k < a.size(); ++k)
        if (a.data()[k] != 0)
            indices.push_back(k);
    return indices;
}

Svd economySvd(const Matrix &a)
{
    const Index k = std::min(a.rows(), a.cols());
    if (!a.allFinite()) {
        const double nan = std::nan("");
        return {Matrix::Constant(a.rows(), k, nan), Vector::Constant(k, nan),
                Matrix::Constant(a.cols(), k, nan)};
    }
    Eigen::JacobiSVD<Matrix> svd(a, Eigen::ComputeThinU | Eigen::ComputeThinV);
    return {svd.matrixU(), svd.singularValues(), svd.matrixV()};
}

} // namespace rt
