// The frequency table of a vector's values.
#pragma once

#include "rt/Frame.h"

namespace lumalib
{

extern const rt::Signature tabSignature;

rt::Outputs Mtab(int nargout, const rt::Args &args);

} // namespace lumalib
