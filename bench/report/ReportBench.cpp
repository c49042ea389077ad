// The report of 100 tables x 50 objects x 10 variables must be prepared in under two seconds; the
// report of 1000 x 500 x 10 (sections of half a million rows) must show its first page within
// seconds and export completely.
#include "PagePainter.h"
#include "ReportContentBuilder.h"
#include "ReportEntry.h"
#include "tests/ReportFixtures.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <map>
#include <memory>

namespace
{

// States are costly to make at the larger size: one of each, made on first use.
const AnalysisState &stateOf(int tables, int objects, int variables)
{
    static std::map<std::tuple<int, int, int>, std::unique_ptr<AnalysisState>> states;
    auto &state = states[{tables, objects, variables}];
    if (!state) {
        reporttest::ensureApplication();
        state =
            std::make_unique<AnalysisState>(reporttest::makeState(objects, tables - 1, variables));
    }
    return *state;
}

const PreparedReport &reportOf(int tables, int objects, int variables)
{
    static std::map<std::tuple<int, int, int>, std::unique_ptr<PreparedReport>> reports;
    auto &report = reports[{tables, objects, variables}];
    if (!report)
        report =
            std::make_unique<PreparedReport>(prepareReport(stateOf(tables, objects, variables)));
    return *report;
}

void BM_PrepareReport(benchmark::State &bench)
{
    const AnalysisState &state =
        stateOf(int(bench.range(0)), int(bench.range(1)), int(bench.range(2)));
    int pages = 0;
    for (auto _ : bench) {
        const PreparedReport report = prepareReport(state);
        pages = report.pageCount();
        benchmark::DoNotOptimize(pages);
    }
    bench.counters["pages"] = pages;
}
BENCHMARK(BM_PrepareReport)->Args({100, 50, 10})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PrepareReport)->Args({1000, 500, 10})->Unit(benchmark::kMillisecond)->Iterations(1);

// What the preview does to show a page: its texts, drawn at 100 %.
void BM_DrawPage(benchmark::State &bench)
{
    const PreparedReport &report =
        reportOf(int(bench.range(0)), int(bench.range(1)), int(bench.range(2)));
    const QSize size = report.setup().pageSize().toSize();
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    int page = 0;
    for (auto _ : bench) {
        QPainter painter(&image);
        PagePainter(painter).paint(painter, report.pageItems(page));
        page = (page + 997) % report.pageCount();
    }
}
BENCHMARK(BM_DrawPage)->Args({1000, 500, 10})->Unit(benchmark::kMillisecond);

void BM_Export(benchmark::State &bench)
{
    const auto format = static_cast<ExportFormat>(bench.range(0));
    const PreparedReport &report =
        reportOf(int(bench.range(1)), int(bench.range(2)), int(bench.range(3)));
    QTemporaryDir dir;
    const QString path = dir.filePath("report." + formatInfo(format).suffix);
    for (auto _ : bench)
        exportReport(report, format, path);
    bench.counters["bytes"] = double(QFileInfo(path).size());
}
void exportSizes(benchmark::internal::Benchmark *b)
{
    for (const ExportFormatInfo &info : exportFormats())
        b->Args({int(info.format), 100, 50, 10});
}
BENCHMARK(BM_Export)->Apply(exportSizes)->Unit(benchmark::kMillisecond);
void largeExports(benchmark::internal::Benchmark *b)
{
    for (const ExportFormatInfo &info : exportFormats())
        b->Args({int(info.format), 1000, 500, 10});
}
BENCHMARK(BM_Export)->Apply(largeExports)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

BENCHMARK_MAIN();
