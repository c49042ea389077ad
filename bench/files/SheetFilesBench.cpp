// Opening and saving a sheet of 500000 objects by 12 columns, as a .vtl file and as delimited
// text; each should take about a second.
#include "GeneratedSheet.h"
#include "Sheet.h"
#include "files/SheetFiles.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <sys/resource.h>

namespace
{

constexpr int Objects = 500000;
constexpr int Columns = 12;

const Sheet &sharedSheet()
{
    static const Sheet sheet = generatedSheet(Objects, Columns);
    return sheet;
}

double peakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

struct Format {
    void (*save)(const QString &, const Sheet &);
    Sheet (*open)(const QString &);
};

void saveText(const QString &path, const Sheet &sheet)
{
    sheetfiles::exportDelimitedText(path, sheet, u'\t');
}

Sheet openText(const QString &path)
{
    return sheetfiles::importDelimitedText(path, u'\t');
}

const Format Native{&sheetfiles::saveNativeSheet, &sheetfiles::openNativeSheet};
const Format Text{&saveText, &openText};

void BM_Save(benchmark::State &state, const Format &format)
{
    const Sheet &sheet = sharedSheet();
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("large"));
    for (auto _ : state)
        format.save(path, sheet);
    state.counters["peak_MB"] = peakMegabytes();
}

void BM_Open(benchmark::State &state, const Format &format)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("large"));
    format.save(path, sharedSheet());
    for (auto _ : state) {
        Sheet sheet = format.open(path);
        benchmark::DoNotOptimize(sheet.objectCount());
    }
    state.counters["peak_MB"] = peakMegabytes();
}

BENCHMARK_CAPTURE(BM_Save, native, Native)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(BM_Open, native, Native)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(BM_Save, text, Text)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(BM_Open, text, Text)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

BENCHMARK_MAIN();
