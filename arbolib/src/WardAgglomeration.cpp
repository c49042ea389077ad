#include "WardAgglomeration.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace arbolib
{

WardAgglomeration::WardAgglomeration(const rt::Matrix &X)
    : rows_(X), n_(X.rows()), Y_(rows_.indexVector()), rowStart_(static_cast<std::size_t>(n_)),
      next_(static_cast<std::size_t>(n_)), previous_(static_cast<std::size_t>(n_)),
      nearest_(static_cast<std::size_t>(n_)), nearestIndex_(static_cast<std::size_t>(n_)),
      node_(static_cast<std::size_t>(n_))
{
    for (rt::Index a = 0; a < n_; ++a) {
        rowStart_[a] = a * (2 * n_ - a - 1) / 2 - a - 1;
        next_[a] = a + 1 < n_ ? a + 1 : none;
        previous_[a] = a - 1;
        node_[a] = static_cast<double>(a + 1);
    }
    for (rt::Index a = 0; a < n_; ++a)
        findNearest(a);
}

void WardAgglomeration::findNearest(rt::Index a)
{
    nearest_[a] = none;
    nearestIndex_[a] = std::numeric_limits<double>::infinity();
    for (rt::Index b = next_[a]; b != none; b = next_[b]) {
        const double d = indexOf(a, b);
        if (nearest_[a] == none || d < nearestIndex_[a]) {
            nearest_[a] = b;
            nearestIndex_[a] = d;
        }
    }
}

rt::Index WardAgglomeration::groupOfClosestPair() const
{
    rt::Index best = none;
    for (rt::Index a = 0; a != none; a = next_[a])
        if (nearest_[a] != none && (best == none || nearestIndex_[a] < nearestIndex_[best]))
            best = a;
    return best;
}

rt::Matrix WardAgglomeration::merges()
{
    rt::Matrix Z(std::max<rt::Index>(n_ - 1, 0), 3);
    for (rt::Index s = 0; s + 1 < n_; ++s) {
        const rt::Index a = groupOfClosestPair();
        const rt::Index b = nearest_[a];
        Z(s, 0) = node_[a];
        Z(s, 1) = node_[b];
        Z(s, 2) = std::fabs(nearestIndex_[a]);
        merge(a, b);
        node_[a] = static_cast<double>(n_ + s + 1);
    }
    return Z;
}

void WardAgglomeration::merge(rt::Index a, rt::Index b)
{
    rows_.merge(a, b);
    next_[previous_[b]] = next_[b];
    if (next_[b] != none)
        previous_[next_[b]] = previous_[b];
    for (rt::Index g = 0; g != none; g = next_[g])
        if (g != a)
            indexOf(std::min(a, g), std::max(a, g)) = rows_.index(a, g);
    updateNearest(a, b);
}

// After group b joined group a: only groups whose nearest later group was a or b, or that now
// find a closer, need attention; a itself looks again at every later group.
void WardAgglomeration::updateNearest(rt::Index a, rt::Index b)
{
    for (rt::Index g = 0; g != a; g = next_[g]) {
        if (nearest_[g] == a || nearest_[g] == b) {
            findNearest(g);
            continue;
        }
        const double d = indexOf(g, a);
        if (d < nearestIndex_[g] || (d == nearestIndex_[g] && a < nearest_[g])) {
            nearest_[g] = a;
            nearestIndex_[g] = d;
        }
    }
    findNearest(a);
    for (rt::Index g = next_[a]; g != none && g < b; g = next_[g])
        if (nearest_[g] == b)
            findNearest(g);
}

} // namespace arbolib
