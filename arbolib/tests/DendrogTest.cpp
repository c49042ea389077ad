#include "Arrays.h"

#include "../src/dendrog.h"

#include <gtest/gtest.h>

#include <cmath>

namespace arbotest
{
namespace
{

class Dendrog : public Library
{
};

rt::Matrix steps(std::initializer_list<std::pair<double, double>> links)
{
    rt::Matrix Z(static_cast<rt::Index>(links.size()), 2);
    rt::Index s = 0;
    for (const auto &[a, b] : links) {
        Z(s, 0) = a;
        Z(s, 1) = b;
        ++s;
    }
    return Z;
}

rt::Matrix row(std::initializer_list<double> values)
{
    rt::Matrix v(1, static_cast<rt::Index>(values.size()));
    std::copy(values.begin(), values.end(), v.data());
    return v;
}

rt::Matrix dendrog(const rt::Matrix &Z, const rt::Matrix &p)
{
    Owned z(toArray(Z)), leaves(toArray(p));
    Owned v(mlfDendrog(z.a, leaves.a, nullptr));
    return rt::valueOf(v.a);
}

rt::Matrix dendrog(const rt::Matrix &Z, double p)
{
    return dendrog(Z, rt::Matrix::Constant(1, 1, p));
}

TEST_F(Dendrog, LaysOutTheLeavesOfKnownHierarchies)
{
    const struct {
        rt::Matrix Z;
        double p;
        rt::Matrix v;
    } cases[] = {
        {steps({{1, 2}}), 0, row({1, 2})},
        {steps({{1, 2}, {3, 4}, {5, 6}}), 0, row({1, 2, 3, 4})},
        {steps({{3, 4}, {1, 2}, {5, 6}}), 0, row({3, 4, 1, 2})},
        {steps({{3, 4}, {1, 2}, {5, 6}}), 4, row({3, 4, 1, 2})},
        {steps({{3, 4}, {1, 2}, {5, 6}}), 7.5, row({3, 4, 1, 2})},
        {steps({{3, 4}, {1, 2}, {5, 6}}), 2, row({1, 2})},
        {steps({{3, 4}, {1, 2}, {5, 6}}), 1, row({1})},
        // Row 1 joins node 5 = {2, 3}, then row 4 joins: the leaves appear as 2, 3, 1, 4.
        {steps({{2, 3}, {1, 5}, {4, 6}}), 0, row({2, 3, 1, 4})},
        // ((1 (2 3)) ((4 5) 6)): the last two steps leave {1, 2, 3}, {4, 5} and {6}, named 1, 4
        // and 6 and renumbered 1, 2 and 3; the lower step, {4, 5} with {6}, is drawn first.
        {steps({{2, 3}, {4, 5}, {1, 7}, {8, 6}, {9, 10}}), 3, row({2, 3, 1})},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(::testing::Message() << "Z = " << c.Z << ", p = " << c.p);
        EXPECT_EQ(dendrog(c.Z, c.p), c.v);
    }
}

TEST_F(Dendrog, TwoLeavesAfterACollapseAreTheRootsSubtrees)
{
    // The root's subtrees, whichever order the steps come in: the one holding row 1 first.
    const rt::Matrix Z = steps({{5, 6}, {2, 4}, {7, 8}, {3, 1}, {10, 9}});
    EXPECT_EQ(dendrog(Z, 2), row({1, 2}));
    // Uncollapsed, each link after the first is the lowest one touching a drawn node:
    // [5 6], [2 5], [2 4], [1 2], [1 3].
    EXPECT_EQ(dendrog(Z, 0), row({5, 6, 2, 4, 1, 3}));
}

TEST_F(Dendrog, ConvertsToLeafNumberingAndCarriesFurtherColumns)
{
    rt::Matrix Z(3, 3);
    Z << 3, 4, 0.5, 1, 2, 0.7, 5, 6, 0.9;
    Owned z(toArray(Z)), b(scalar(7));
    mxArray *prhs[] = {z.a, b.a};
    mxArray *plhs[1] = {};
    rt::callVector(arbolib::transzSignature, arbolib::Mdendrog_transz, 1, plhs, 1, prhs);
    EXPECT_EQ(rt::valueOf(plhs[0]),
              (rt::Matrix(3, 3) << 3, 4, 0.5, 1, 2, 0.7, 1, 3, 0.9).finished());
    mxDestroyArray(plhs[0]);
    rt::callVector(arbolib::tracebackSignature, arbolib::Mdendrog_traceback, 1, plhs, 2, prhs);
    EXPECT_EQ(rt::valueOf(plhs[0]), rt::Matrix::Constant(1, 1, 1)) << "node 7 holds rows 1 to 4";
    mxDestroyArray(plhs[0]);
}

TEST_F(Dendrog, BadInputsFailWithAMessage)
{
    const std::string p = "dendrog: p must be a single number: 0 to keep every leaf, or the "
                          "whole number of leaves to keep.";
    const std::string index = "Run-time Error: Index exceeds matrix dimensions.";
    const rt::Matrix Z = steps({{1, 2}, {3, 4}, {5, 6}});
    const struct {
        rt::Matrix Z;
        rt::Matrix p;
        std::string message;
    } cases[] = {
        {Z, rt::Matrix::Constant(1, 1, -1), p},
        {Z, rt::Matrix::Constant(1, 1, 1.5), p},
        {Z, rt::Matrix::Constant(1, 1, NAN), p},
        {Z, row({0, 0}), p},
        {steps({{1, 2}, {3, 9}}), rt::Matrix::Zero(1, 1), index},
        {steps({{1, 2}, {0, 3}}), rt::Matrix::Zero(1, 1), index},
        {steps({{1, 2}, {2.5, 3}}), rt::Matrix::Zero(1, 1), index},
        {rt::Matrix::Ones(2, 1), rt::Matrix::Zero(1, 1), index},
        {steps({{1, 2}, {3, 4}, {3, 4}}), rt::Matrix::Zero(1, 1), index},
        {steps({{5, 2}, {1, 4}, {3, 6}}), rt::Matrix::Zero(1, 1),
         "dendrog: Z is not a sequence of merges: a node lies inside itself."},
        {steps({{6, 1}, {5, 2}, {3, 4}}), rt::Matrix::Zero(1, 1),
         "dendrog: Z is not a sequence of merges: a node lies inside itself."},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(::testing::Message() << "Z = " << c.Z << ", p = " << c.p);
        EXPECT_EQ(errorOf([&] { dendrog(c.Z, c.p); }), c.message);
    }
}

TEST_F(Dendrog, NeedsExactlyOneFurtherInput)
{
    const std::string undefined = "Run-time Error: Reference to an undefined variable \"p\".";
    Owned z(toArray(steps({{1, 2}}))), p(scalar(0));
    EXPECT_EQ(errorOf([&] { Owned v(mlfDendrog(z.a, nullptr)); }), undefined);
    EXPECT_EQ(errorOf([&] { Owned v(mlfDendrog(z.a, p.a, p.a, nullptr)); }), undefined);

    mxArray *prhs[] = {z.a, p.a, p.a};
    mxArray *plhs[2] = {};
    EXPECT_EQ(errorOf([&] { mlxDendrog(1, plhs, 1, prhs); }), undefined);
    EXPECT_EQ(errorOf([&] { mlxDendrog(1, plhs, 3, prhs); }), undefined);
    EXPECT_EQ(errorOf([&] { mlxDendrog(0, plhs, 0, prhs); }),
              "Run-time Error: Reference to an undefined variable \"Z\".");
    mlxDendrog(0, plhs, 2, prhs);
    EXPECT_EQ(rt::valueOf(plhs[0]), row({1, 2}));
    mxDestroyArray(plhs[0]);
}

TEST_F(Dendrog, ArgumentVectorFormsCheckArity)
{
    const auto head = [](const std::string &name, int line) {
        return "Run-time Error: File: " + name + " Line: " + std::to_string(line) +
               " Column: 1 The function \"" + name +
               "\" was called with more than the declared number of ";
    };
    Owned a(scalar(1));
    mxArray *prhs[] = {a.a, a.a, a.a};
    mxArray *plhs[3] = {};
    EXPECT_EQ(errorOf([&] { mlxDendrog(2, plhs, 3, prhs); }), head("dendrog", 1) + "outputs (1).");
    const struct {
        const rt::Signature &signature;
        rt::Routine routine;
        int line, inputs;
    } locals[] = {{arbolib::transzSignature, arbolib::Mdendrog_transz, 106, 1},
                  {arbolib::tracebackSignature, arbolib::Mdendrog_traceback, 121, 2}};
    for (const auto &l : locals) {
        const std::string name = l.signature.name;
        EXPECT_EQ(errorOf([&] { rt::callVector(l.signature, l.routine, 2, plhs, 3, prhs); }),
                  head(name, l.line) + "outputs (1).");
        EXPECT_EQ(
            errorOf([&] { rt::callVector(l.signature, l.routine, 1, plhs, l.inputs + 1, prhs); }),
            head(name, l.line) + "inputs (" + std::to_string(l.inputs) + ").");
    }
    for (mxArray *p : plhs)
        EXPECT_EQ(p, nullptr);
}

} // namespace
} // namespace arbotest
