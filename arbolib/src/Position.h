// Reading stored numbers as positions, as the runtime indexes arrays.
#pragma once

#include "rt/Error.h"
#include "rt/Matrix.h"

#include <cmath>

namespace arbolib
{

// The 0-based position that the 1-based index value names among count entries; anything else
// (not a whole number, below 1, past the end) is the runtime's index error.
inline rt::Index position(double value, rt::Index count)
{
    if (!(value >= 1 && value <= static_cast<double>(count)) || value != std::floor(value))
        rt::raiseIndexOutOfRange();
    return static_cast<rt::Index>(value) - 1;
}

// A hierarchy's links are the first two columns of its step matrix; without them, reading a link
// is the runtime's index error.
inline void requireLinkColumns(const rt::Matrix &Z)
{
    if (Z.rows() > 0 && Z.cols() < 2)
        rt::raiseIndexOutOfRange();
}

} // namespace arbolib
