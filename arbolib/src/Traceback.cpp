#include "Traceback.h"

#include "Position.h"

#include "rt/Error.h"

#include <cmath>
#include <vector>

namespace arbolib
{

double Traceback::smallestRow(double b)
{
    std::vector<rt::Index> path{link(b)};
    while (!path.empty()) {
        const rt::Index row = path.back();
        const rt::Index below = unfinishedChild(row);
        if (below == none) {
            smallest_[row] = std::fmin(childValue(Z_(row, 0)), childValue(Z_(row, 1)));
            open_.erase(row);
            path.pop_back();
            continue;
        }
        if (open_.count(below) != 0)
            rt::raise("dendrog: Z is not a sequence of merges: a node lies inside itself.");
        open_.insert(row);
        path.push_back(below);
    }
    return smallest_.at(link(b));
}

// The row of Z that forms node.
rt::Index Traceback::link(double node) const
{
    return position(node - static_cast<double>(m_), m_ - 1);
}

rt::Index Traceback::unfinishedChild(rt::Index row) const
{
    for (rt::Index col = 0; col < 2; ++col) {
        const double child = Z_(row, col);
        if (child > static_cast<double>(m_) && smallest_.count(link(child)) == 0)
            return link(child);
    }
    return none;
}

double Traceback::childValue(double child) const
{
    return child > static_cast<double>(m_) ? smallest_.at(link(child)) : child;
}

} // namespace arbolib
