// One kest call on generated data: K further tables of m objects by a variables, each a noisy
// mixture of the target's variables, with every output asked for and destroyed as the program does.
#include "kestlib.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <random>
#include <vector>

namespace
{

struct Inputs {
    mxArray *Xt, *Xw, *nrows;
};

Inputs generate(int K, int m, int a)
{
    std::mt19937_64 random(17);
    std::normal_distribution<double> normal(50, 10);
    std::vector<double> target(static_cast<std::size_t>(m) * a);
    for (double &v : target)
        v = normal(random);
    Inputs in{mxCreateDoubleMatrix(m, a, 0), mxCreateDoubleMatrix(std::size_t(K) * m, a, 0),
              mxCreateDoubleScalar(m)};
    std::copy(target.begin(), target.end(), mxGetPr(in.Xt));
    double *Xw = mxGetPr(in.Xw);
    const std::size_t rows = std::size_t(K) * m;
    for (int t = 0; t < K; ++t)
        for (int i = 0; i < m; ++i)
            for (int j = 0; j < a; ++j) {
                // Variable j of table t follows the target's variable (j + t) mod a, with noise.
                const double source = target[std::size_t((j + t) % a) * m + i];
                Xw[std::size_t(j) * rows + std::size_t(t) * m + i] = 0.7 * source + normal(random);
            }
    return in;
}

void BM_Kest(benchmark::State &state)
{
    const int K = static_cast<int>(state.range(0));
    const int m = static_cast<int>(state.range(1));
    const int a = static_cast<int>(state.range(2));
    kestlibInitialize();
    const Inputs in = generate(K, m, a);
    for (auto _ : state) {
        std::array<mxArray *, 16> out{};
        out[0] = mlfKest(&out[1], &out[2], &out[3], &out[4], &out[5], &out[6], &out[7], &out[8],
                         &out[9], &out[10], &out[11], &out[12], &out[13], &out[14], &out[15], in.Xt,
                         in.Xw, in.nrows);
        for (mxArray *o : out)
            mxDestroyArray(o);
    }
    state.SetItemsProcessed(state.iterations() * K);
    mxDestroyArray(in.Xt);
    mxDestroyArray(in.Xw);
    mxDestroyArray(in.nrows);
    kestlibTerminate();
}

BENCHMARK(BM_Kest)
    ->ArgNames({"K", "m", "a"})
    ->Args({200, 200, 20})
    ->Args({1000, 50, 10})
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
