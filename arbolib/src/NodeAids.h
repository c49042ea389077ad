// Aids to interpreting the nodes and the steps of a Ward hierarchy of a contingency table.
#pragma once

#include "rt/Matrix.h"

namespace arbolib
{

// Per node n + w (rows w = 1 to n - 1) and per merging step s, for a table of c columns.
struct NodeAids {
    rt::Matrix rowp; // (n-1) x c: the node's profile
    rt::Matrix mass; // 1 x (n-1): node total over table total
    rt::Matrix cor;  // (n-1) x c: each column's share of the node's squared chi-square distance
                     // from the mean profile; the root's row is 0
    rt::Matrix ctr;  // (n-1) x c: the node's contribution to the inertia of each column; root 0
    rt::Matrix dx;   // (n-1) x c: step s, first node's profile minus the second's
    rt::Matrix cod;  // (n-1) x c: each column's share of the squared distance of the two nodes
    rt::Matrix ctd;  // (n-1) x c: the pair's contribution to the inertia of each column
};

// The aids for table X (n x c, no zero row or column total) and its hierarchy Z ((n-1) x 2 or
// more; table rows are nodes 1 to n, the node formed at step s is n + s). A share whose total is
// 0, and a contribution to a column whose inertia is 0, is 0.
NodeAids nodeAids(const rt::Matrix &X, const rt::Matrix &Z);

} // namespace arbolib
