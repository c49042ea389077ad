#include "ClusterCut.h"

#include "Position.h"

#include <vector>

namespace arbolib
{

rt::Matrix clusternum(const rt::Matrix &Z, rt::Matrix T, const rt::Matrix &k, double c)
{
    requireLinkColumns(Z);
    const double m = static_cast<double>(Z.rows() + 1);
    std::vector<rt::Index> steps;
    for (const double step : k.reshaped())
        steps.push_back(position(step, Z.rows()));
    // Each step is visited once, so links that do not form a tree still end.
    std::vector<bool> visited(static_cast<std::size_t>(Z.rows()), false);
    while (!steps.empty()) {
        const rt::Index step = steps.back();
        steps.pop_back();
        if (visited[step])
            continue;
        visited[step] = true;
        for (rt::Index col = 0; col < 2; ++col) {
            const double child = Z(step, col);
            if (child <= m)
                T.reshaped()[position(child, T.size())] = c;
            else
                steps.push_back(position(child - m, Z.rows()));
        }
    }
    return T;
}

rt::Matrix clusterCut(const rt::Matrix &Z, double maxclust)
{
    const rt::Index m = Z.rows() + 1;
    if (static_cast<double>(m) <= maxclust)
        return rt::Vector::LinSpaced(m, 1, static_cast<double>(m));
    if (maxclust == 1)
        return rt::Vector::Ones(m);
    const auto clusters = static_cast<rt::Index>(maxclust);
    rt::Matrix T = rt::Vector::Zero(m);
    double clsnum = 1;
    // The children of the top maxclust - 1 steps, lowest step first; a child formed within those
    // steps is split further by them.
    for (rt::Index k = m - clusters; k < m - 1; ++k)
        for (rt::Index col = 0; col < 2; ++col) {
            const double i = Z(k, col);
            if (i <= static_cast<double>(m))
                T(static_cast<rt::Index>(i) - 1) = clsnum++;
            else if (i < static_cast<double>(2 * m - clusters + 1))
                T = clusternum(Z, T, rt::Matrix::Constant(1, 1, i - static_cast<double>(m)),
                               clsnum++);
        }
    return T;
}

} // namespace arbolib
