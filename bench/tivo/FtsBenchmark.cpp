// Scoring every split of q categorical variables (2^(q-1) - 1 splits; 524,287 for q = 20), and
// the combinations it enumerates them with.
#include "Arrays.h"
#include "BurtTable.h"

#include "tivolib.h"

#include <benchmark/benchmark.h>

namespace
{

using tivotest::Owned;

void BM_Fts(benchmark::State &state)
{
    const auto q = static_cast<int>(state.range(0));
    const tivotest::Burt burt = tivotest::randomBurt(q, 500, 42);
    tivolibInitialize();
    Owned B{tivotest::matrix(burt.B)}, h{tivotest::matrix(burt.h)};
    for (auto _ : state) {
        Owned CIN, L, cinB, C;
        Owned no{mlfFts(&CIN.a, &L.a, &cinB.a, &C.a, B.a, h.a)};
        benchmark::DoNotOptimize(C.a);
    }
    state.counters["splits"] = static_cast<double>((1 << (q - 1)) - 1);
    tivolibTerminate();
}
BENCHMARK(BM_Fts)->Arg(12)->Arg(16)->Arg(18)->Arg(20)->Unit(benchmark::kMillisecond);

void BM_Combnk(benchmark::State &state)
{
    const auto n = static_cast<int>(state.range(0));
    tivolibInitialize();
    Owned v{tivotest::matrix(tivotest::oneTo(n))}, k{tivotest::scalar(n / 2)};
    for (auto _ : state) {
        Owned c{mlfCombnk(v.a, k.a)};
        benchmark::DoNotOptimize(c.a);
    }
    tivolibTerminate();
}
BENCHMARK(BM_Combnk)->Arg(16)->Arg(20)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
