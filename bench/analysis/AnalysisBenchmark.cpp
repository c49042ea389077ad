// One analysis run from the sheet to the analysis state, as OK in the analysis dialog makes it
// (without the windows): K + 1 tables of m objects by a variables, typed in as text.
#include "Sheet.h"
#include "analysis/AnalysisLibraries.h"
#include "analysis/AnalysisRun.h"
#include "analysis/AnalysisState.h"
#include "analysis/LibraryCalls.h"
#include "analysis/ResultTexts.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <random>
#include <unistd.h>

namespace
{

Sheet stackedTables(int tables, int m, int a)
{
    std::mt19937_64 random(5);
    std::normal_distribution<double> normal(50, 10);
    Sheet sheet(tables * m, a + 1);
    for (int j = 1; j <= a; ++j)
        sheet.setCell(j, 0, QStringLiteral("v%1").arg(j));
    sheet.setCell(a + 1, 0, Sheet::TableColumnName);
    for (int t = 0; t < tables; ++t) {
        for (int i = 1; i <= m; ++i) {
            const int row = t * m + i;
            sheet.setCell(0, row, QStringLiteral("o%1").arg(i));
            for (int j = 1; j <= a; ++j)
                sheet.setCell(j, row, QString::number(normal(random), 'f', 4));
            sheet.setCell(a + 1, row, QString::number(t + 1));
        }
    }
    return sheet;
}

// Resident memory in MiB.
double residentMiB()
{
    long pages = 0;
    long resident = 0;
    if (FILE *statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(statm);
    }
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / (1 << 20);
}

void BM_SheetToAnalysisState(benchmark::State &state)
{
    const int tables = static_cast<int>(state.range(0));
    const int m = static_cast<int>(state.range(1));
    const int a = static_cast<int>(state.range(2));
    const analysis::AnalysisLibraries libraries;
    const Sheet sheet = stackedTables(tables, m, a);
    const double before = residentMiB();
    for (auto _ : state) {
        AnalysisState result;
        analysis::RunAnalysis(sheet, {1, 2, u'.'}, result);
        state.counters["state_MiB"] = residentMiB() - before;
        benchmark::DoNotOptimize(result);
    }
    state.counters["rows"] = static_cast<double>(tables) * m;
    state.SetItemsProcessed(state.iterations() * tables * m);
}

// The parts of a run on their own: the library call, and the writing of one of its largest
// outputs ((n - m) x a) as text.
void BM_KestCallAlone(benchmark::State &state)
{
    const int tables = static_cast<int>(state.range(0));
    const int m = static_cast<int>(state.range(1));
    const int a = static_cast<int>(state.range(2));
    const analysis::AnalysisLibraries libraries;
    AnalysisState read;
    analysis::RunAnalysis(stackedTables(tables, m, a), {1, 2, u'.'}, read);
    for (auto _ : state)
        benchmark::DoNotOptimize(analysis::CallKest(read.SheetValues, tables * m, a, m));
}

void BM_OutputAsText(benchmark::State &state)
{
    const auto rows = static_cast<std::size_t>(state.range(0));
    const auto columns = static_cast<std::size_t>(state.range(1));
    const analysis::Array output(mxCreateDoubleMatrix(rows, columns, 0));
    std::mt19937_64 random(9);
    std::normal_distribution<double> normal(0, 1);
    for (std::size_t i = 0; i < rows * columns; ++i)
        mxGetPr(output.get())[i] = normal(random);
    for (auto _ : state)
        benchmark::DoNotOptimize(analysis::outputTexts(output.get(), u','));
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(rows * columns));
}

BENCHMARK(BM_SheetToAnalysisState)
    ->ArgNames({"tables", "m", "a"})
    ->Args({100, 500, 10})
    ->Args({1000, 500, 10})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2);
BENCHMARK(BM_KestCallAlone)
    ->ArgNames({"tables", "m", "a"})
    ->Args({1000, 500, 10})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2);
BENCHMARK(BM_OutputAsText)
    ->ArgNames({"rows", "a"})
    ->Args({499500, 10})
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
