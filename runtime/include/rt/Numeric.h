// Numeric helpers shared by the libraries. Reductions run along the first dimension whose length
// is not 1: down the columns of a matrix, along a vector.
#pragma once

#include "rt/Matrix.h"

#include <vector>

namespace rt
{

// Sum, mean and standard deviation (divisor n - 1; 0 for a single element) along the first
// non-singleton dimension; the result is a row with one entry per column (1x1 for a vector).
// Means and deviations are computed in index order, deviations around the computed mean.
Matrix sum(const Matrix &a);
Matrix mean(const Matrix &a);
Matrix stdev(const Matrix &a);

// Cumulative sums along the first non-singleton dimension; same shape as a.
Matrix cumsum(const Matrix &a);

// A stable ascending sort of a vector with NaN last; order[i] is the 0-based position in the
// input of the i-th sorted value.
struct Sorted {
    Vector values;
    std::vector<Index> order;
};
Sorted sortAscending(const Vector &v);

// The distinct values of v (NaN left out), ascending.
Vector distinct(const Vector &v);

// The 0-based linear (column-major) indices of the non-zero elements of a, ascending.
std::vector<Index> find(const Matrix &a);

// The economy singular value decomposition a = U * diag(s) * V', s descending.
struct Svd {
    Matrix U;
    Vector s;
    Matrix V;
};
Svd economySvd(const Matrix &a);

} // namespace rt
