// The order of the leaves of a hierarchy along the axis of its dendrogram.
#pragma once

#include "rt/Frame.h"

namespace arbolib
{

extern const rt::Signature dendrogSignature;
extern const rt::Signature transzSignature;    // the local function dendrog/transz
extern const rt::Signature tracebackSignature; // the local function dendrog/traceback

// The leaf order of the hierarchy Z ((m-1) x k, k >= 2; table rows are nodes 1 to m, the node
// formed at step s is m + s), collapsed to its top p nodes when 0 < p < m: a row of the leaves
// from left to right. Raises the index error when Z is not a sequence of merges.
rt::RowVector dendrog(const rt::Matrix &Z, double p);

// Z with every node named by the smallest table row inside it, the smaller name first in each row.
rt::Matrix transz(rt::Matrix Z);

// The smallest table row inside node b of Z.
double traceback(const rt::Matrix &Z, double b);

rt::Outputs Mdendrog(int nargout, const rt::Args &args);
rt::Outputs Mdendrog_transz(int nargout, const rt::Args &args);
rt::Outputs Mdendrog_traceback(int nargout, const rt::Args &args);

} // namespace arbolib
