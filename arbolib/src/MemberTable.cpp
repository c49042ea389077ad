#include "MemberTable.h"

#include <algorithm>
#include <vector>

namespace arbolib
{

rt::Matrix memberTable(const rt::Matrix &Z)
{
    using rt::Index;
    const Index n = Z.rows() + 1;
    // Every node's rows form one run of a single list of all rows, since a node lists its
    // first node's rows and then its second's: chain the runs, then read the list once.
    std::vector<Index> next(static_cast<std::size_t>(n), -1);
    std::vector<Index> head(static_cast<std::size_t>(2 * n - 1));
    std::vector<Index> tail(head.size());
    std::vector<Index> size(head.size(), 1);
    for (Index v = 0; v < n; ++v)
        head[v] = tail[v] = v;
    for (Index s = 0; s + 1 < n; ++s) {
        const auto a = static_cast<Index>(Z(s, 0)) - 1;
        const auto b = static_cast<Index>(Z(s, 1)) - 1;
        next[tail[a]] = head[b];
        head[n + s] = head[a];
        tail[n + s] = tail[b];
        size[n + s] = size[a] + size[b];
    }
    std::vector<Index> order;                           // the rows along the list
    std::vector<Index> at(static_cast<std::size_t>(n)); // each row's place in order
    for (Index v = head[2 * n - 2]; v != -1; v = next[v]) {
        at[v] = static_cast<Index>(order.size());
        order.push_back(v);
    }

    rt::Matrix Q = rt::Matrix::Zero(n - 1, n);
    for (Index t = 0; t < n; ++t) // column by column, as Q is stored
        for (Index s = 0; s + 1 < n; ++s)
            if (size[n + s] > t)
                Q(s, t) = static_cast<double>(order[at[head[n + s]] + t] + 1);
    auto root = Q.row(n - 2);
    std::sort(root.begin(), root.end());
    return Q;
}

} // namespace arbolib
