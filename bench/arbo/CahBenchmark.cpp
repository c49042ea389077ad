// Ward classification of large tables: time per call, and the memory a call takes beyond what
// the process held before it, against the n(n-1)/2 doubles of the index vector.
//   arbo_bench --benchmark_filter=Cah/2000   (target: under 2 s)
//   arbo_bench --benchmark_filter=Cah/5000   (target: under 15 s)
#include "arbolib.h"
#include "rt/Array.h"

#include <benchmark/benchmark.h>

#include <array>
#include <fstream>
#include <malloc.h>
#include <random>
#include <string>

namespace
{

constexpr double MiB = 1024.0 * 1024.0;

// The process's resident memory now and at its peak since the last reset, in bytes.
double statusBytes(const std::string &field)
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind(field + ":", 0) == 0)
            return std::stod(line.substr(field.size() + 1)) * 1024;
    return 0;
}

void resetPeakMemory()
{
    std::ofstream("/proc/self/clear_refs") << "5";
}

// Large blocks always mapped afresh and handed back when freed, so that a call's growth in
// resident memory is what it allocates, not what an earlier call left in the heap.
void mapLargeBlocksAfresh()
{
    mallopt(M_MMAP_THRESHOLD, 64 * 1024);
}

// Counts around 10 per cell, as in a survey table of n respondents' answers over c categories.
mxArray *randomTable(rt::Index n, rt::Index c)
{
    std::mt19937 rng(static_cast<unsigned>(n));
    std::poisson_distribution<int> count(10);
    return rt::newArray(
        rt::Matrix::NullaryExpr(n, c, [&] { return static_cast<double>(count(rng) + 1); }));
}

void Cah(benchmark::State &state)
{
    const auto n = static_cast<rt::Index>(state.range(0));
    const auto c = static_cast<rt::Index>(state.range(1));
    mapLargeBlocksAfresh();
    arbolibInitialize();
    mxArray *X = randomTable(n, c);
    mxArray *zeroone = mxCreateDoubleScalar(0);
    mxArray *cutoff = mxCreateDoubleScalar(10);
    double peak = 0;
    for (auto _ : state) {
        const double before = statusBytes("VmRSS");
        resetPeakMemory();
        std::array<mxArray *, 12> out{};
        out[0] = mlfCah(&out[1], &out[2], &out[3], &out[4], &out[5], &out[6], &out[7], &out[8],
                        &out[9], &out[10], &out[11], X, zeroone, cutoff);
        peak = std::max(peak, statusBytes("VmHWM") - before);
        for (mxArray *a : out)
            mxDestroyArray(a);
    }
    const double indexVector = static_cast<double>(n * (n - 1) / 2) * sizeof(double);
    state.counters["peak_MiB"] = peak / MiB;
    state.counters["index_vector_MiB"] = indexVector / MiB;
    state.counters["peak_per_index_vector"] = peak / indexVector;
    mxDestroyArray(X);
    mxDestroyArray(zeroone);
    mxDestroyArray(cutoff);
    arbolibTerminate();
}

BENCHMARK(Cah)->Args({500, 20})->Args({2000, 20})->Unit(benchmark::kMillisecond);
BENCHMARK(Cah)->Args({5000, 20})->Unit(benchmark::kSecond)->Iterations(1);

} // namespace

BENCHMARK_MAIN();
