// The table rows inside every node of a hierarchy.
#pragma once

#include "rt/Matrix.h"

namespace arbolib
{

// For the hierarchy Z ((n-1) x 2 or more; table rows are nodes 1 to n, the node formed at step s
// is n + s): row s holds the table rows of node n + s, those of its first node followed by those
// of its second, padded with 0; the root's row is sorted ascending.
rt::Matrix memberTable(const rt::Matrix &Z);

} // namespace arbolib
