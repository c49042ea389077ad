#include "LeafLayout.h"

#include "Position.h"

#include "rt/Error.h"
#include "rt/Numeric.h"

#include <cmath>
#include <unordered_map>
#include <vector>

namespace arbolib
{

namespace
{

using rt::Index;

// The first two columns of Z, the links of the hierarchy.
using Links = rt::Matrix;

// The top p nodes of the hierarchy: the last p - 1 links, their nodes renumbered 1 to p, the
// numbers up to p kept and the larger ones given the free numbers in ascending order.
Links collapse(const Links &links, Index p)
{
    Links Y = links.bottomRows(p - 1);
    if (Y.rows() == 0)
        return Y; // a single leaf
    const rt::Vector R = rt::distinct(Y.reshaped());
    std::vector<double> Rgp;
    std::vector<bool> taken(static_cast<std::size_t>(p), false);
    for (double value : R) {
        if (value > static_cast<double>(p))
            Rgp.push_back(value);
        else if (value >= 1 && value == std::floor(value))
            taken[static_cast<std::size_t>(value) - 1] = true;
    }
    std::vector<double> free;
    for (Index number = 1; number <= p; ++number)
        if (!taken[static_cast<std::size_t>(number) - 1])
            free.push_back(static_cast<double>(number));
    if (free.size() != Rgp.size())
        rt::raiseDimensionMismatch();
    std::unordered_map<double, double> renumbered;
    for (std::size_t t = 0; t < Rgp.size(); ++t)
        renumbered[Rgp[t]] = free[t];
    for (double &value : Y.reshaped())
        if (const auto found = renumbered.find(value); found != renumbered.end())
            value = found->second;
    return Y;
}

// The links in layout order: each one after the first touches a node already drawn, the lowest
// such link first.
Links linksInLayoutOrder(const Links &Z, Index n)
{
    Links W(Z.rows(), 2);
    if (Z.rows() == 0)
        return W;
    std::vector<bool> nsw(static_cast<std::size_t>(n), false);        // node drawn
    std::vector<bool> rsw(static_cast<std::size_t>(Z.rows()), false); // link used
    auto take = [&](Index k, Index i) {
        W.row(k) = Z.row(i);
        nsw[position(Z(i, 0), n)] = true;
        nsw[position(Z(i, 1), n)] = true;
        rsw[i] = true;
    };
    take(0, 0);
    Index s = 1; // every link before s is used
    for (Index k = 1; k < Z.rows(); ++k) {
        Index i = s;
        for (;; ++i) {
            if (i >= Z.rows())
                rt::raiseIndexOutOfRange();
            if (!rsw[i] && (nsw[position(Z(i, 0), n)] || nsw[position(Z(i, 1), n)]))
                break;
            if (rsw[i] && i == s)
                ++s;
        }
        take(k, i);
        if (s == i)
            ++s;
    }
    return W;
}

// The leaves in the order in which the links first name them.
rt::RowVector leafOrder(const Links &W, Index n)
{
    rt::Vector X = rt::Vector::LinSpaced(n, 1, static_cast<double>(n)); // position of each leaf
    std::vector<bool> r(static_cast<std::size_t>(n), false);            // leaf has a position
    double g = 1;
    for (const double node : W.reshaped<Eigen::RowMajor>()) {
        const Index leaf = position(node, n);
        if (!r[leaf]) {
            X[leaf] = g++;
            r[leaf] = true;
        }
    }
    const rt::Sorted sorted = rt::sortAscending(X);
    rt::RowVector v(n);
    for (Index t = 0; t < n; ++t)
        v[t] = static_cast<double>(sorted.order[static_cast<std::size_t>(t)] + 1);
    return v;
}

} // namespace

rt::RowVector leafLayout(const rt::Matrix &Z, Index p)
{
    Index m = Z.rows() + 1;
    Links links = Z.leftCols(std::min<Index>(Z.cols(), 2));
    if (p != 0) {
        links = collapse(links, p);
        m = p;
    }
    return leafOrder(linksInLayoutOrder(links, m), m);
}

} // namespace arbolib
