#include "cah.h"

#include "ClusterCut.h"
#include "IndicatorTable.h"
#include "MemberTable.h"
#include "NodeAids.h"
#include "WardAgglomeration.h"
#include "dendrog.h"

#include "rt/Error.h"
#include "rt/Numeric.h"

#include <cmath>

namespace arbolib
{

const rt::Signature cahSignature{
    "cah",
    12,
    3,
    12,
    {"X", "zeroone", "cutoff"},
    {"Z", "L", "rowp", "mass", "cor", "ctr", "dx", "cod", "ctd", "Q", "T", "Out"}};
const rt::Signature clusternumSignature{"cah/clusternum", 231, 4, 1, {"Z", "T", "k", "c"}, {"T"}};

namespace
{

using rt::Index;
using rt::Matrix;

// The answer to a table with a zero total or a zero code: every output the scalar 0.
rt::Outputs zeroAnswer()
{
    return rt::Outputs(12, Matrix::Zero(1, 1));
}

bool hasZeroTotal(const Matrix &X)
{
    const bool zeroColumn = (X.colwise().sum().array() == 0).any();
    const bool zeroRow = (X.rowwise().sum().array() == 0).any();
    return zeroColumn || zeroRow;
}

// zeroone = 1, read as a test of it reads: every element of a non-empty zeroone is 1.
bool asksForCoding(const Matrix &zeroone)
{
    return zeroone.size() > 0 && (zeroone.array() == 1).all();
}

void checkAnalysedTable(const Matrix &X)
{
    if (X.rows() < 2)
        rt::raise("cah: the table to classify needs at least two rows.");
    if (X.cols() < 2)
        rt::raise("cah: the table to classify needs at least two columns.");
    if (!X.allFinite())
        rt::raise("cah: the table to classify holds a value that is not finite.");
    if ((X.array() < 0).any())
        rt::raise("cah: the table to classify holds a negative value.");
    if (!std::isfinite(X.sum()))
        rt::raise("cah: the total of the table to classify is too large to compute.");
}

// The number of clusters that cutoff asks for, 0 for no cut: a whole number from 1, or any
// number from the number of rows n on, which gives every row its own cluster.
double clustersWanted(const Matrix &cutoff, Index n)
{
    if (cutoff.size() == 1) {
        const double maxclust = cutoff(0, 0);
        if (maxclust == 0 || maxclust >= static_cast<double>(n))
            return maxclust;
        if (maxclust >= 1 && maxclust == std::floor(maxclust))
            return maxclust;
    }
    rt::raise("cah: cutoff must be a single number: 0 for no cut, or the whole number of "
              "clusters wanted.");
}

// Z: the merges with the inertia decomposition, intra, inter, intraper and the node sizes.
Matrix stepTable(const Matrix &merges)
{
    const Index steps = merges.rows();
    const Index n = steps + 1;
    Matrix Z(steps, 7);
    Z.leftCols(3) = merges;
    Z.col(3) = rt::cumsum(merges.col(2));
    const double intot = steps > 0 ? Z(steps - 1, 3) : 0; // the total inertia of the table
    Z.col(4) = intot - Z.col(3).array();
    Z.col(5) = intot != 0 ? rt::Vector(merges.col(2) / intot) : rt::Vector::Zero(steps);
    rt::Vector N = rt::Vector::Ones(2 * n - 1); // table rows in each node
    for (Index s = 0; s < steps; ++s) {
        N[n + s] = N[static_cast<Index>(Z(s, 0)) - 1] + N[static_cast<Index>(Z(s, 1)) - 1];
        Z(s, 6) = N[n + s];
    }
    return Z;
}

// The outputs in order, moved rather than copied as a braced list would: Q alone holds n^2
// numbers.
template <class... Values> rt::Outputs outputsOf(Values &&...values)
{
    rt::Outputs outputs;
    outputs.reserve(sizeof...(values));
    (outputs.emplace_back(std::forward<Values>(values)), ...);
    return outputs;
}

} // namespace

rt::Outputs Mcah(int, const rt::Args &args)
{
    Matrix X = args[0];
    if (hasZeroTotal(X))
        return zeroAnswer();
    if (asksForCoding(args[1])) {
        if ((X.array() == 0).any())
            return zeroAnswer();
        X = indicatorTable(X);
        if (hasZeroTotal(X))
            return zeroAnswer();
    }
    checkAnalysedTable(X);
    const double maxclust = clustersWanted(args[2], X.rows());

    const Matrix Z = stepTable(WardAgglomeration(X).merges());
    NodeAids aids = nodeAids(X, Z);
    return outputsOf(Z, Matrix(dendrog(Z, 0)), std::move(aids.rowp), std::move(aids.mass),
                     std::move(aids.cor), std::move(aids.ctr), std::move(aids.dx),
                     std::move(aids.cod), std::move(aids.ctd), memberTable(Z),
                     maxclust != 0 ? clusterCut(Z, maxclust) : Matrix::Zero(1, 1), std::move(X));
}

rt::Outputs Mcah_clusternum(int, const rt::Args &args)
{
    const Matrix &c = args[3];
    if (c.size() == 0)
        rt::raiseDimensionMismatch();
    return {clusternum(args[0], args[1], args[2], c(0, 0))};
}

} // namespace arbolib
