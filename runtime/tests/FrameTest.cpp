// The frame exercised through a small fixture function: "demo" takes a and b and returns their
// sum, difference and product.
#include "rt/Frame.h"
#include "rt/Testing.h"
#include "rt/Array.h"
#include "rt/Error.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace
{

const rt::Signature demo{"demo", 7, 2, 3, {"a", "b"}, {"s", "d", "p"}};

int lastNargout = -1;

rt::Outputs Mdemo(int nargout, const rt::Args &args)
{
    lastNargout = nargout;
    const rt::Matrix &a = args[0];
    const rt::Matrix &b = args.given(1) ? args[1] : a;
    return {rt::Matrix(a + b), rt::Matrix(a - b), rt::Matrix(a.cwiseProduct(b))};
}

// Leaves its second output unassigned.
rt::Outputs Mpartial(int, const rt::Args &args)
{
    return {args[0], std::nullopt};
}

using rttest::Owned;

std::string message;
void remember(const char *m)
{
    message = m;
}

double valueOf(const mxArray *a)
{
    return rt::valueOf(a)(0, 0);
}

TEST(FrameC, FillsRequestedOutputsAndDestroysTheRest)
{
    Owned a{mxCreateDoubleScalar(5)}, b{mxCreateDoubleScalar(3)}, d, s;
    s.a = rt::callC(demo, Mdemo, {&d.a, nullptr}, {a.a, b.a});
    EXPECT_EQ(lastNargout, 2);
    EXPECT_EQ(valueOf(s.a), 8);
    EXPECT_EQ(valueOf(d.a), 2);

    Owned only{rt::callC(demo, Mdemo, {nullptr, nullptr}, {a.a, b.a})};
    EXPECT_EQ(lastNargout, 1);
    EXPECT_EQ(valueOf(only.a), 8);
    EXPECT_EQ(valueOf(a.a), 5) << "inputs stay unchanged";
}

TEST(FrameC, ErrorsFillNothing)
{
    Owned a{mxCreateDoubleScalar(1)};
    mxArray *d = nullptr;
    const rt::Signature partial{"partial", 1, 1, 2, {"x"}, {"y", "z"}};
    try {
        rt::callC(partial, Mpartial, {&d}, {a.a});
        FAIL();
    } catch (const rt::Error &e) {
        EXPECT_STREQ(e.what(), "Run-time Error: The output \"z\" of the function \"partial\" was "
                               "not assigned during the call.");
    }
    EXPECT_EQ(d, nullptr);

    // Not asking for the unassigned output is fine.
    Owned y{rt::callC(partial, Mpartial, {nullptr}, {a.a})};
    EXPECT_EQ(valueOf(y.a), 1);

    try {
        rt::callC(demo, Mdemo, {&d, nullptr}, {nullptr, a.a});
        FAIL();
    } catch (const rt::Error &e) {
        EXPECT_STREQ(e.what(), "Run-time Error: Reference to an undefined variable \"a\".");
    }
    EXPECT_EQ(d, nullptr);
}

TEST(FrameC, HandlerReceivesErrorsAndNullIsReturned)
{
    mlfSetErrorHandler(remember);
    mxArray *d = nullptr;
    EXPECT_EQ(rt::callC(demo, Mdemo, {&d, nullptr}, {nullptr, nullptr}), nullptr);
    EXPECT_EQ(d, nullptr);
    EXPECT_EQ(message, "Run-time Error: Reference to an undefined variable \"a\".");

    mxArray *plhs[1] = {nullptr};
    rt::callVector(demo, Mdemo, 4, plhs, 0, nullptr);
    EXPECT_EQ(plhs[0], nullptr);
    EXPECT_EQ(message, rt::tooManyOutputsMessage(demo));
    mlfSetErrorHandler(nullptr);
}

struct ArityCase {
    int nlhs;
    int nrhs;
    const char *message; // null: the call succeeds
};

class FrameVector : public testing::TestWithParam<ArityCase>
{
};

TEST_P(FrameVector, ChecksOutputsBeforeInputs)
{
    const ArityCase c = GetParam();
    std::vector<Owned> inputs(4);
    std::vector<mxArray *> prhs;
    for (auto &in : inputs) {
        in.a = mxCreateDoubleScalar(2);
        prhs.push_back(in.a);
    }
    std::vector<mxArray *> plhs(5, nullptr);
    auto call = [&] { rt::callVector(demo, Mdemo, c.nlhs, plhs.data(), c.nrhs, prhs.data()); };
    if (c.message) {
        try {
            call();
            FAIL();
        } catch (const rt::Error &e) {
            EXPECT_STREQ(e.what(), c.message);
        }
        for (mxArray *p : plhs)
            EXPECT_EQ(p, nullptr);
        return;
    }
    call();
    const int stored = std::max(1, std::min(c.nlhs, 3));
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(plhs[i] != nullptr, i < stored) << i;
        mxDestroyArray(plhs[i]);
    }
}

constexpr const char *outputsMessage =
    "Run-time Error: File: demo Line: 7 Column: 1 The function \"demo\" was called with more "
    "than the declared number of outputs (3).";
constexpr const char *inputsMessage =
    "Run-time Error: File: demo Line: 7 Column: 1 The function \"demo\" was called with more "
    "than the declared number of inputs (2).";

INSTANTIATE_TEST_SUITE_P(Arity, FrameVector,
                         testing::Values(ArityCase{4, 2, outputsMessage},
                                         ArityCase{4, 3, outputsMessage},
                                         ArityCase{3, 3, inputsMessage},
                                         ArityCase{0, 3, inputsMessage}, ArityCase{0, 2, nullptr},
                                         ArityCase{1, 1, nullptr}, ArityCase{2, 2, nullptr},
                                         ArityCase{3, 2, nullptr}));

TEST(FrameVector, MissingTrailingInputsAreNotGiven)
{
    Owned a{mxCreateDoubleScalar(4)};
    mxArray *prhs[] = {a.a};
    mxArray *plhs[1] = {nullptr};
    rt::callVector(demo, Mdemo, 1, plhs, 1, prhs);
    EXPECT_EQ(valueOf(plhs[0]), 8);
    mxDestroyArray(plhs[0]);

    const rt::Signature needsB{"needsb", 1, 2, 1, {"a", "b"}, {"s"}};
    auto readsB = [](int, const rt::Args &args) -> rt::Outputs { return {args[1]}; };
    EXPECT_THROW(rt::callVector(needsB, readsB, 1, plhs, 1, prhs), rt::Error);
}

TEST(FrameVector, VariableListsSkipTheirChecks)
{
    const rt::Signature variadic{"vary", 1, rt::kVariable, rt::kVariable, {}, {}};
    auto count = [](int nargout, const rt::Args &args) {
        return rt::Outputs(static_cast<std::size_t>(std::max(nargout, 1)),
                           rt::Matrix::Constant(1, 1, static_cast<double>(args.count())));
    };
    std::vector<Owned> inputs(6);
    std::vector<mxArray *> prhs;
    for (auto &in : inputs)
        prhs.push_back(in.a = mxCreateDoubleScalar(0));
    std::vector<mxArray *> plhs(9, nullptr);
    rt::callVector(variadic, count, 9, plhs.data(), 6, prhs.data());
    for (mxArray *p : plhs) {
        ASSERT_NE(p, nullptr);
        EXPECT_EQ(valueOf(p), 6);
        mxDestroyArray(p);
    }
}

int order = 0;
int initializedA = 0, initializedB = 0, terminatedA = 0, terminatedB = 0;

TEST(FrameLibrary, RunsHooksInTableOrderOncePerReferenceCount)
{
    rt::Library library{"fixture",
                        0,
                        {&demo},
                        {{[] { initializedA = ++order; }, [] { terminatedA = ++order; }},
                         {[] { initializedB = ++order; }, [] { terminatedB = ++order; }}}};
    rt::initializeLibrary(library);
    rt::initializeLibrary(library);
    EXPECT_EQ(initializedA, 1);
    EXPECT_EQ(initializedB, 2);
    rt::terminateLibrary(library);
    EXPECT_EQ(terminatedA, 0);
    rt::terminateLibrary(library);
    EXPECT_EQ(terminatedA, 3);
    EXPECT_EQ(terminatedB, 4);
    rt::terminateLibrary(library);
    EXPECT_EQ(library.referenceCount, 0);
    rt::initializeLibrary(library);
    EXPECT_EQ(initializedA, 5);
    rt::terminateLibrary(library);
}

} // namespace
