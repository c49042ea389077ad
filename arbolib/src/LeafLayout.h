// The order of the leaves along the axis of a dendrogram.
#pragma once

#include "rt/Matrix.h"

namespace arbolib
{

// The leaves of the hierarchy Z ((m-1) x 2 or more, in leaf numbering: every node named by the
// smallest table row inside it, the smaller name first) from left to right. With p not 0 the
// hierarchy is first collapsed to its top p nodes, renumbered 1 to p. The links are drawn so that
// each touches a node already drawn, the lowest such link first, and the leaves are numbered in
// the order the links name them. Raises the index error for links that are not a hierarchy.
rt::RowVector leafLayout(const rt::Matrix &Z, rt::Index p);

} // namespace arbolib
