// Small helpers for calling tivolib through its C interface in tests and benchmarks.
#pragma once

#include "mx.h"
#include "rt/Array.h"
#include "rt/Error.h"
#include "rt/Testing.h"

#include <algorithm>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

namespace tivotest
{

using rttest::errorOf;
using rttest::Owned;

inline mxArray *matrix(const rt::Matrix &m)
{
    return rt::newArray(m);
}

inline mxArray *scalar(double v)
{
    return mxCreateDoubleScalar(v);
}

inline mxArray *row(std::initializer_list<double> values)
{
    rt::Matrix m(1, static_cast<rt::Index>(values.size()));
    std::copy(values.begin(), values.end(), m.data());
    return matrix(m);
}

// The row 1, 2, ..., n.
inline rt::Matrix oneTo(int n)
{
    rt::Matrix m(1, n);
    for (int j = 0; j < n; ++j)
        m(0, j) = j + 1;
    return m;
}

using Rows = std::vector<std::vector<double>>;

// The rows of a matrix, each as a vector of its elements.
inline Rows rowsOf(const rt::Matrix &m)
{
    Rows rows;
    for (rt::Index i = 0; i < m.rows(); ++i)
        rows.emplace_back(m.row(i).begin(), m.row(i).end());
    return rows;
}

} // namespace tivotest
