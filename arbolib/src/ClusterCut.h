// The cut of a hierarchy into a given number of clusters.
#pragma once

#include "rt/Matrix.h"

namespace arbolib
{

// The cluster (1 to maxclust) of every table row of the hierarchy Z ((m-1) x 2 or more; table
// rows are nodes 1 to m, the node formed at step s is m + s), as an m x 1 column: the subtrees
// left by undoing the top maxclust - 1 steps, numbered in the order those steps name them from
// the lowest. Every row is its own cluster when maxclust >= m; maxclust is a whole number >= 1.
rt::Matrix clusterCut(const rt::Matrix &Z, double maxclust);

// T with every table row below the steps k (1-based) of Z set to cluster c.
rt::Matrix clusternum(const rt::Matrix &Z, rt::Matrix T, const rt::Matrix &k, double c);

} // namespace arbolib
