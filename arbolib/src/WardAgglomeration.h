// Ward's agglomeration of the rows of a table under the chi-square metric.
#pragma once

#include "ChiSquareRows.h"

#include <vector>

namespace arbolib
{

// Merges the groups of rows two at a time until one is left. Every step merges the pair of
// current groups with the smallest aggregation index, the earliest pair in the working table's
// pair order winning ties; the groups keep the order of their smallest rows, so a group is named
// by its smallest row. The indices live in one vector of n(n-1)/2 entries that each merge updates
// where it changes: the merged group's index with every other group is recomputed from the summed
// rows, and each group remembers its nearest later group, so a step costs O(n c) instead of the
// O(n^2 c) of recomputing every index.
class WardAgglomeration
{
  public:
    explicit WardAgglomeration(const rt::Matrix &X);

    // Runs the n - 1 steps (once): per row of the result the node at the smaller position, the
    // other node (table rows are nodes 1 to n, the node formed at step s is n + s) and the
    // merging index.
    rt::Matrix merges();

  private:
    double &indexOf(rt::Index a, rt::Index b) { return Y_[rowStart_[a] + b]; }
    void findNearest(rt::Index a);
    rt::Index groupOfClosestPair() const;
    void merge(rt::Index a, rt::Index b);
    void updateNearest(rt::Index a, rt::Index b);

    static constexpr rt::Index none = -1;

    ChiSquareRows rows_;
    rt::Index n_;
    rt::RowVector Y_;                 // the index of every two groups a < b, by smallest row
    std::vector<rt::Index> rowStart_; // Y_ index of (a, b) is rowStart_[a] + b
    // The current groups in order, as a linked list; the group of row 1 always comes first.
    std::vector<rt::Index> next_;
    std::vector<rt::Index> previous_;
    std::vector<rt::Index> nearest_; // per group, the first later group at the smallest index
    std::vector<double> nearestIndex_;
    std::vector<double> node_; // per group, its node number
};

} // namespace arbolib
