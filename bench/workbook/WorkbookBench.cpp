// Exporting a sheet of 100000 objects by 12 columns as an .xlsx workbook and importing it back;
// the peak memory shows that neither holds the sheet more than about twice.
#include "GeneratedSheet.h"
#include "Sheet.h"
#include "WorkbookFiles.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <sys/resource.h>

namespace {

constexpr int Objects = 100000;
constexpr int Columns = 12;

double peakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void BM_ExportWorkbook(benchmark::State &state)
{
    const Sheet sheet = generatedSheet(Objects, Columns);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("large.xlsx"));
    for (auto _ : state)
        workbookfiles::exportWorkbook(path, sheet, u',');
    state.counters["peak_MB"] = peakMegabytes();
}

void BM_ImportWorkbook(benchmark::State &state)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("large.xlsx"));
    workbookfiles::exportWorkbook(path, generatedSheet(Objects, Columns), u',');
    for (auto _ : state) {
        const std::optional<Sheet> sheet =
            workbookfiles::importWorkbook(path, [](const QStringList &) { return 0; }, u',');
        benchmark::DoNotOptimize(sheet->objectCount());
    }
    state.counters["peak_MB"] = peakMegabytes();
}

BENCHMARK(BM_ExportWorkbook)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ImportWorkbook)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

BENCHMARK_MAIN();
