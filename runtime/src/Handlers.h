// The process-wide handlers installed through the C interface.
#pragma once

#include "mx.h"

#include <atomic>

namespace rt
{

inline std::atomic<mxErrorHandler> errorHandler{nullptr};
inline std::atomic<mxErrorHandler> warningHandler{nullptr};

} // namespace rt
