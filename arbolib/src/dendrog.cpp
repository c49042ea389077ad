#include "dendrog.h"

#include "Position.h"

#include "rt/Error.h"
#include "rt/Numeric.h"

#include <cmath>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace arbolib
{

const rt::Signature dendrogSignature{"dendrog", 1, rt::kVariable, 1, {"Z", "p"}, {"v"}};
const rt::Signature transzSignature{"dendrog/transz", 106, 1, 1, {"Z"}, {"Z"}};
const rt::Signature tracebackSignature{"dendrog/traceback", 121, 2, 1, {"Z", "b"}, {"a"}};

namespace
{

using rt::Index;

// The number of leaves to keep, 0 for all: p must be 0, at least m, or a whole number below m.
Index leavesToKeep(const rt::Matrix &p, Index m)
{
    const char *message = "dendrog: p must be a single number: 0 to keep every leaf, or the whole "
                          "number of leaves to keep.";
    if (p.size() != 1)
        rt::raise(message);
    const double value = p(0, 0);
    if (value == 0 || value >= static_cast<double>(m))
        return 0;
    if (!(value >= 1) || value != std::floor(value))
        rt::raise(message);
    return static_cast<Index>(value);
}

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

// The layout of a hierarchy already in leaf numbering.
rt::RowVector layout(const rt::Matrix &Z, Index p)
{
    Index m = Z.rows() + 1;
    Links links = Z.leftCols(std::min<Index>(Z.cols(), 2));
    if (p != 0) {
        links = collapse(links, p);
        m = p;
    }
    return leafOrder(linksInLayoutOrder(links, m), m);
}

// Follows the links below one node of Z; the smallest row found below each node is kept, so
// every node is looked at once, and a node found inside itself stops the search.
class Traceback
{
  public:
    explicit Traceback(const rt::Matrix &Z) : Z_(Z), m_(Z.rows() + 1) {}

    double smallestRow(double b)
    {
        std::vector<Index> path{link(b)};
        while (!path.empty()) {
            const Index row = path.back();
            const Index below = unfinishedChild(row);
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

  private:
    static constexpr Index none = -1;

    // The row of Z that forms node b.
    Index link(double b) const { return position(b - static_cast<double>(m_), m_ - 1); }

    Index unfinishedChild(Index row)
    {
        for (Index col = 0; col < 2; ++col) {
            const double child = Z_(row, col);
            if (child > static_cast<double>(m_) && smallest_.count(link(child)) == 0)
                return link(child);
        }
        return none;
    }

    double childValue(double child) const
    {
        return child > static_cast<double>(m_) ? smallest_.at(link(child)) : child;
    }

    const rt::Matrix &Z_;
    Index m_;
    std::unordered_map<Index, double> smallest_;
    std::unordered_set<Index> open_; // nodes on the current path down
};

} // namespace

rt::Matrix transz(rt::Matrix Z)
{
    requireLinkColumns(Z);
    const double m = static_cast<double>(Z.rows() + 1);
    for (Index i = 0; i < Z.rows(); ++i) {
        for (Index col = 0; col < 2; ++col)
            if (Z(i, col) > m)
                Z(i, col) = traceback(Z, Z(i, col));
        if (Z(i, 0) > Z(i, 1))
            std::swap(Z(i, 0), Z(i, 1));
    }
    return Z;
}

double traceback(const rt::Matrix &Z, double b)
{
    requireLinkColumns(Z);
    return Traceback(Z).smallestRow(b);
}

rt::RowVector dendrog(const rt::Matrix &Z, double p)
{
    const rt::Matrix converted = transz(Z);
    return layout(converted, leavesToKeep(rt::Matrix::Constant(1, 1, p), converted.rows() + 1));
}

rt::Outputs Mdendrog(int, const rt::Args &args)
{
    const rt::Matrix converted = transz(args[0]);
    // p is read only now, as the layout needs it; a call without exactly one further input
    // leaves it undefined.
    if (args.count() != 2)
        rt::raiseUndefinedVariable("p");
    const Index p = leavesToKeep(args[1], converted.rows() + 1);
    return {rt::Matrix(layout(converted, p))};
}

rt::Outputs Mdendrog_transz(int, const rt::Args &args)
{
    return {transz(args[0])};
}

rt::Outputs Mdendrog_traceback(int, const rt::Args &args)
{
    const rt::Matrix &b = args[1];
    if (b.size() == 0)
        rt::raiseIndexOutOfRange();
    return {rt::Matrix::Constant(1, 1, traceback(args[0], b(0, 0)))};
}

} // namespace arbolib
