// The distchck module: the arguments of a distribution function brought to one size.
#pragma once

#include "rt/Frame.h"

#include <vector>

namespace kestlib
{

extern const rt::Signature distchckSignature;

rt::Outputs Mdistchck(int nargout, const rt::Args &args);

struct Distchck {
    double errorcode; // 0, or 1 when two non-scalars differ in size
    std::vector<rt::Matrix> arrays;
};

// Scalars among the first nparms arrays expand to the size of the first non-scalar among them;
// a non-scalar of another size sets errorcode and stops (later arrays stay as they were). Fewer
// than nparms arrays is the runtime's index error.
Distchck distchck(double nparms, std::vector<rt::Matrix> arrays);

} // namespace kestlib
