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

std::vector<Function> functions()
{
    std::vector<Function> all{{"kest", 3, 3, 16, mlxKest},
                              {"normcdf", 1, 3, 1, mlxNormcdf},
                              {"zscore", 1, 1, 1, mlxZscore}};
    const std::pair<const char *, int> local[] = {
        {"correlation", 141}, {"corrf", 249}, {"corrprci", 277}, {"ranks", 289},
        {"trisqmat", 335},    {"tcdf", 393},  {"betainc", 435}};
    for (std::size_t i = 0; i < kestlib::kestLocalFunctions.size(); ++i) {
        const kestlib::LocalFunction &f = kestlib::kestLocalFunctions[i];
        EXPECT_EQ(f.signature.name, std::string("kest/") + local[i].first) << "table order";
        EXPECT_EQ(f.signature.line, local[i].second);
        all.push_back(
            {f.signature.name, f.signature.line, f.signature.inputs, f.signature.outputs, f.entry});
    }
    return all;
}

std::string arityMessage(const Function &f, const char *what, int declared)
{
    return "Run-time Error: File: " + f.name + " Line: " + std::to_string(f.line) +
           " Column: 1 The function \"" + f.name +
           "\" was called with more than the declared number of " + what + " (" +
           std::to_string(declared) + ").";
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
    const std::vector<std::pair<int, int>> declared{{3, 2}, {3, 1}, {2, 1}, {1, 1},
                                                    {2, 1}, {2, 1}, {3, 1}};
    const auto all = functions();
    ASSERT_EQ(all.size(), 10u);
    for (std::size_t i = 3; i < all.size(); ++i)
        EXPECT_EQ(std::make_pair(all[i].inputs, all[i].outputs), declared[i - 3]) << all[i].name;
    for (const Function &f : all) {
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
