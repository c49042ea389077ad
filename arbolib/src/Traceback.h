// The smallest table row inside a node of a hierarchy.
#pragma once

#include "rt/Matrix.h"

#include <unordered_map>
#include <unordered_set>

namespace arbolib
{

// Follows the links of Z ((m-1) x 2 or more; table rows are nodes 1 to m, the node formed at
// step s is m + s) down from a node. The smallest row found below each node is kept, so every node
// is looked at once however the links share nodes, and a node found inside itself stops the
// search with an error instead of going round for ever.
class Traceback
{
  public:
    explicit Traceback(const rt::Matrix &Z) : Z_(Z), m_(Z.rows() + 1) {}

    // The smallest table row inside node b (> m); a link that leaves Z is the index error.
    double smallestRow(double b);

  private:
    rt::Index link(double node) const;
    rt::Index unfinishedChild(rt::Index row) const;
    double childValue(double child) const;

    static constexpr rt::Index none = -1;

    const rt::Matrix &Z_;
    rt::Index m_;
    std::unordered_map<rt::Index, double> smallest_; // per finished row of Z
    std::unordered_set<rt::Index> open_;             // rows on the current path down
};

} // namespace arbolib
