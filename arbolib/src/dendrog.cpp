#include "dendrog.h"

#include "LeafLayout.h"
#include "Position.h"
#include "Traceback.h"

#include "rt/Error.h"

#include <cmath>

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
    return leafLayout(converted, leavesToKeep(rt::Matrix::Constant(1, 1, p), converted.rows() + 1));
}

rt::Outputs Mdendrog(int, const rt::Args &args)
{
    const rt::Matrix converted = transz(args[0]);
    // p is read only now, as the layout needs it; a call without exactly one further input
    // leaves it undefined.
    if (args.count() != 2)
        rt::raiseUndefinedVariable("p");
    const Index p = leavesToKeep(args[1], converted.rows() + 1);
    return {rt::Matrix(leafLayout(converted, p))};
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
