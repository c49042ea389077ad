// Element-by-element evaluation with scalar expansion, and reading scalar arguments.
#pragma once

#include "rt/Error.h"
#include "rt/Matrix.h"

#include <cmath>
#include <initializer_list>
#include <utility>

namespace kestlib
{

// The shape the operands share under scalar expansion: that of the first non-scalar, which
// every other non-scalar must have (else the runtime's dimension error); 1x1 when all are scalars.
inline std::pair<rt::Index, rt::Index>
commonShape(std::initializer_list<const rt::Matrix *> operands)
{
    const rt::Matrix *shape = nullptr;
    for (const rt::Matrix *m : operands) {
        if (m->size() == 1)
            continue;
        if (shape == nullptr)
            shape = m;
        else if (m->rows() != shape->rows() || m->cols() != shape->cols())
            rt::raiseDimensionMismatch();
    }
    if (shape == nullptr)
        return {1, 1};
    return {shape->rows(), shape->cols()};
}

inline double elementAt(const rt::Matrix &m, rt::Index k)
{
    return m.size() == 1 ? m(0) : m(k);
}

// f applied to corresponding elements of the operands, scalars standing for every element.
template <class F, class... Operands> rt::Matrix elementwise(F f, const Operands &...operands)
{
    const auto [rows, cols] = commonShape({&operands...});
    rt::Matrix result(rows, cols);
    for (rt::Index k = 0; k < result.size(); ++k)
        result(k) = f(elementAt(operands, k)...);
    return result;
}

// The value of a 1x1 argument; any other shape is the runtime's dimension error.
inline double scalarArgument(const rt::Matrix &m)
{
    if (m.size() != 1)
        rt::raiseDimensionMismatch();
    return m(0);
}

// A 1x1 argument holding a count (a whole number >= 0); anything else is the runtime's index error.
inline rt::Index countArgument(const rt::Matrix &m)
{
    const double value = scalarArgument(m);
    if (!(value >= 0) || value != std::floor(value) || value > 1e15)
        rt::raiseIndexOutOfRange();
    return static_cast<rt::Index>(value);
}

} // namespace kestlib
