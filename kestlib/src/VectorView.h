// A read-only vector lying in memory with a fixed step: a column (step 1) or a row (step = the
// number of rows) of a column-major matrix, so rows can be correlated without copying them.
#pragma once

#include "rt/Matrix.h"

#include <vector>

namespace kestlib
{

struct VectorView {
    const double *data;
    rt::Index size;
    rt::Index step = 1;

    double operator[](rt::Index i) const { return data[i * step]; }
};

inline VectorView columnOf(const rt::Matrix &m, rt::Index j)
{
    return {m.data() + j * m.rows(), m.rows(), 1};
}

inline VectorView rowOf(const rt::Matrix &m, rt::Index i)
{
    return {m.data() + i, m.cols(), m.rows()};
}

// The first size elements of a scratch buffer.
inline VectorView headOf(const std::vector<double> &v, rt::Index size)
{
    return {v.data(), size, 1};
}

} // namespace kestlib
