// The array handle behind the C interface, and the conversions to and from matrix values.
#pragma once

#include "mx.h"
#include "rt/Matrix.h"

struct mxArray_tag {
    rt::Matrix value;
};

namespace rt
{

// The matrix held by a handle; the handle keeps ownership.
inline const Matrix &valueOf(const mxArray *a)
{
    return a->value;
}

// A new handle holding value; the caller owns it.
mxArray *newArray(Matrix value);

} // namespace rt
