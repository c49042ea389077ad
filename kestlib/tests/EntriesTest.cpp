// The calling frame as kestlib presents it: arity messages of every function, the C forms'
// out-pointers and error handler, and the library's lifecycle.
#include "Arrays.h"
#include "KestLocal.h"
#include "kestlib.h"

#include <string>

namespace
{

using namespace kesttest;

struct Function {
    std::string name;
    int line, inputs, outputs;
    Entry entry;
};

// Every function with an argument-vector entry: its name in messages, line, declared inputs
// and outputs; the local functions of kest in their table order.
const Function functions[] = {
    {"kest", 3, 3, 16, mlxKest},
    {"normcdf", 1, 3, 1, mlxNormcdf},
    {"zscore", 1, 1, 1, mlxZscore},
    {"kest/correlation", 141, 3, 2, kestlib::mlxKest_correlation},
    {"kest/corrf", 249, 3, 1, kestlib::mlxKest_corrf},
    {"kest/corrprci", 277, 2, 1, kestlib::mlxKest_corrprci},
    {"kest/ranks", 289, 1, 1, kestlib::mlxKest_ranks},
    {"kest/trisqmat", 335, 2, 1, kestlib::mlxKest_trisqmat},
    {"kest/tcdf", 393, 2, 1, kestlib::mlxKest_tcdf},
    {"kest/betainc", 435, 3, 1, kestlib::mlxKest_betainc},
};
constexpr std::size_t firstLocal = 3;

std::string arityMessage(const Function &f, const char *what, int declared)
{
    return "Run-time Error: File: " + f.name + " Line: " + std::to_string(f.line) +
           " Column: 1 The function \"" + f.name +
           "\" was called with more than the declared number of " + what + " (" +
           std::to_string(declared) + ").";
}

TEST(KestlibLocalFunctions, TableInOrder)
{
    ASSERT_EQ(kestlib::kestLocalFunctions.size(), std::size(functions) - firstLocal);
    for (std::size_t i = 0; i < kestlib::kestLocalFunctions.size(); ++i) {
        const kestlib::LocalFunction &local = kestlib::kestLocalFunctions[i];
        const Function &f = functions[firstLocal + i];
        EXPECT_EQ(local.signature.name, f.name);
        EXPECT_EQ(local.signature.line, f.line);
        EXPECT_EQ(local.signature.inputs, f.inputs) << f.name;
        EXPECT_EQ(local.signature.outputs, f.outputs) << f.name;
        EXPECT_EQ(local.entry, f.entry) << f.name;
    }
}

class KestlibEntries : public testing::Test
{
  protected:
    void SetUp() override { kestlibInitialize(); }
    void TearDown() override
    {
        mlfSetErrorHandler(nullptr);
        kestlibTerminate();
    }
};

TEST_F(KestlibEntries, ArityMessagesOutputsBeforeInputs)
{
    for (const Function &f : functions) {
        std::vector<mxArray *> plhs(static_cast<std::size_t>(f.outputs + 1), nullptr);
        std::vector<mxArray *> prhs(static_cast<std::size_t>(f.inputs + 1), nullptr);
        EXPECT_EQ(errorOf([&] { f.entry(f.outputs + 1, plhs.data(), f.inputs + 1, prhs.data()); }),
                  arityMessage(f, "outputs", f.outputs));
        EXPECT_EQ(errorOf([&] { f.entry(f.outputs, plhs.data(), f.inputs + 1, prhs.data()); }),
                  arityMessage(f, "inputs", f.inputs));
        for (mxArray *p : plhs)
            EXPECT_EQ(p, nullptr) << f.name;
    }
}

TEST_F(KestlibEntries, KestArgumentVectorForm)
{
    const rt::Matrix Xt = rows({{1, 2}, {2, 1}, {4, 4}}), Xw = rows({{2, 1}, {1, 3}, {5, 5}});
    // nlhs = 0 still stores the first output.
    const auto first = call(mlxKest, 0, {Xt, Xw, scalar(3)});
    EXPECT_EQ(first[0].rows(), 3);
    const auto some = call(mlxKest, 6, {Xt, Xw, scalar(3)});
    EXPECT_EQ(some[5].size(), 1) << "Kdsq";
    EXPECT_EQ(errorOf([&] {
                  call(mlxKest, 1, {Xt, Xw});
              }),
              "Run-time Error: Reference to an undefined variable \"nrows\".");
}

TEST_F(KestlibEntries, KestCFormWithoutOutPointersAndWithAHandler)
{
    Owned Xt(rows({{1, 2}, {2, 1}, {4, 4}})), Xw(rows({{2, 1}, {1, 3}, {5, 5}})), n(scalar(3));
    Owned Xtz(mlfKest(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                      nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, Xt.a, Xw.a,
                      n.a));
    EXPECT_EQ(Xtz.value().rows(), 3);

    static std::string reported;
    mlfSetErrorHandler([](const char *message) { reported = message; });
    Owned bad(scalar(1)), KRR, Kd;
    mxArray *result =
        mlfKest(nullptr, &KRR.a, nullptr, nullptr, nullptr, &Kd.a, nullptr, nullptr, nullptr,
                nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, Xt.a, Xw.a, bad.a);
    EXPECT_EQ(result, nullptr);
    EXPECT_EQ(KRR.a, nullptr);
    EXPECT_EQ(Kd.a, nullptr);
    EXPECT_EQ(reported, "nrows must be a whole number of at least 2.");
}

TEST(KestlibLifecycle, InitialiseAgainAfterTerminate)
{
    kestlibInitialize();
    kestlibInitialize();
    kestlibTerminate();
    kestlibTerminate();
    kestlibInitialize();
    Owned x(scalar(0));
    Owned p(mlfNormcdf(x.a, nullptr, nullptr));
    EXPECT_EQ(p.value()(0), 0.5);
    kestlibTerminate();
}

} // namespace
