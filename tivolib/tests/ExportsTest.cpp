// The argument-vector forms, the error handler boundary and the library's lifecycle.
#include "Arrays.h"

#include "tivolib.h"

#include <gtest/gtest.h>

#include <string>

namespace
{

using namespace tivotest;

using VectorForm = void (*)(int, mxArray *[], int, mxArray *[]);

struct Function {
    const char *name;
    VectorForm call;
    int line, inputs, outputs;
};

const Function kFunctions[] = {
    {"fts", mlxFts, 1, 2, 5},
    {"combnk", mlxCombnk, 1, 2, 1},
    {"combntns", mlxCombntns, 1, 2, 1},
    {"remainder", mlxRemainder, 3, 2, 1},
};

std::string arityMessage(const Function &f, const char *what, int declared)
{
    return "Run-time Error: File: " + std::string(f.name) + " Line: " + std::to_string(f.line) +
           " Column: 1 The function \"" + f.name +
           "\" was called with more than the declared number of " + what + " (" +
           std::to_string(declared) + ").";
}

class Exports : public testing::Test
{
  protected:
    void SetUp() override { tivolibInitialize(); }
    void TearDown() override { tivolibTerminate(); }
};

TEST_F(Exports, SurplusArgumentsFailBeforeAnyWork)
{
    Owned x{scalar(1)};
    mxArray *prhs[] = {x.a, x.a, x.a};
    for (const Function &f : kFunctions) {
        mxArray *plhs[7] = {};
        const std::string outputs = arityMessage(f, "outputs", f.outputs);
        // Outputs are checked first, even with too many inputs as well.
        EXPECT_EQ(errorOf([&] { f.call(f.outputs + 1, plhs, 3, prhs); }), outputs);
        EXPECT_EQ(errorOf([&] { f.call(f.outputs + 1, plhs, 0, prhs); }), outputs);
        EXPECT_EQ(errorOf([&] { f.call(f.outputs, plhs, 3, prhs); }),
                  arityMessage(f, "inputs", f.inputs));
        for (mxArray *p : plhs)
            EXPECT_EQ(p, nullptr) << f.name;
    }
}

TEST_F(Exports, MissingInputsAreNamedWhenRead)
{
    Owned v{row({1, 2, 3})};
    mxArray *prhs[] = {v.a};
    mxArray *plhs[1] = {};
    EXPECT_EQ(errorOf([&] { mlxCombnk(1, plhs, 1, prhs); }),
              "Run-time Error: Reference to an undefined variable \"k\".");
    EXPECT_EQ(errorOf([&] { mlxRemainder(1, plhs, 1, prhs); }),
              "Run-time Error: Reference to an undefined variable \"novars\".");
    EXPECT_EQ(errorOf([&] { mlxRemainder(1, plhs, 0, prhs); }),
              "Run-time Error: Reference to an undefined variable \"r\".");
    EXPECT_EQ(errorOf([&] { mlxFts(1, plhs, 1, prhs); }),
              "Run-time Error: Reference to an undefined variable \"h\".");
    EXPECT_EQ(plhs[0], nullptr);
}

TEST_F(Exports, VectorFormStoresTheRequestedOutputs)
{
    Owned v{row({1, 2, 3, 4})}, k{scalar(3)};
    mxArray *prhs[] = {v.a, k.a};
    mxArray *plhs[1] = {};
    mlxCombnk(0, plhs, 2, prhs); // nlhs = 0 still stores the first output
    Owned c{plhs[0]};
    ASSERT_NE(c.a, nullptr);
    EXPECT_EQ(c.value().rows(), 4);

    // Two perfectly associated variables: inertia 1.
    const rt::Matrix B = rt::Matrix::Identity(2, 2).replicate(2, 2);
    Owned b{matrix(B)}, h{row({2, 2})};
    mxArray *ftsIn[] = {b.a, h.a};
    mxArray *ftsOut[5] = {};
    mlxFts(5, ftsOut, 2, ftsIn);
    Owned no{ftsOut[0]}, CIN{ftsOut[1]}, L{ftsOut[2]}, cinB{ftsOut[3]}, C{ftsOut[4]};
    EXPECT_EQ(no.value()(0, 0), 1);
    EXPECT_EQ(cinB.value()(0, 0), 1);
    EXPECT_EQ(L.value()(0, 0), 100);
    EXPECT_EQ(C.value(), (rt::Matrix(1, 3) << 2, 0, 1).finished());
}

std::string reported;
void remember(const char *message)
{
    reported = message;
}

TEST_F(Exports, WithAnErrorHandlerFailuresReturnNullAndFillNothing)
{
    mlfSetErrorHandler(remember);
    Owned B{matrix(rt::Matrix::Identity(4, 4))}, column{matrix(rt::Matrix::Constant(2, 1, 2))};
    mxArray *CIN = nullptr, *C = nullptr;
    EXPECT_EQ(mlfFts(&CIN, nullptr, nullptr, &C, B.a, column.a), nullptr);
    EXPECT_EQ(reported, "Run-time Error: Matrix dimensions must agree.");
    EXPECT_EQ(CIN, nullptr);
    EXPECT_EQ(C, nullptr);

    Owned square{matrix(rt::Matrix::Ones(2, 2))}, k{scalar(1)};
    EXPECT_EQ(mlfCombnk(square.a, k.a), nullptr);
    EXPECT_EQ(reported, "First argument has to be a vector.");
    mlfSetErrorHandler(nullptr);
}

TEST(TivolibLifecycle, InitialiseAgainAfterTerminate)
{
    tivolibInitialize();
    tivolibTerminate();
    tivolibInitialize();
    Owned r{row({2})}, novars{scalar(3)};
    Owned c{mlfRemainder(r.a, novars.a)};
    EXPECT_EQ(c.value(), (rt::Matrix(1, 2) << 1, 3).finished());
    tivolibTerminate();
}

} // namespace
