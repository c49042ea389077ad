// How quickly a configuration plot of many points is filled and redrawn: with 500,000 points a
// redraw (each step of panning or zooming) should stay well under a tenth of a second.
// Run with QT_QPA_PLATFORM=offscreen where there is no display.
#include "PlotChart.h"
#include "PlotFilling.h"
#include "files/NumberText.h"

#include <benchmark/benchmark.h>

#include <QApplication>

#include <cmath>

namespace
{

// m objects of the target and of one rotated table, spread over the plane.
AnalysisState manyPoints(int m)
{
    AnalysisState state;
    state.RowsPerTable = m;
    state.OtherTableCount = 1;
    state.VariableCount = 2;
    state.Xtz = TextTable(m, 2);
    state.KwR = TextTable(m, 2);
    for (int i = 0; i < m; ++i) {
        const double angle = i * 0.618;
        const double radius = std::sqrt(static_cast<double>(i) / m) * 3;
        for (int j = 0; j < 2; ++j) {
            const double value = radius * (j == 0 ? std::cos(angle) : std::sin(angle));
            state.Xtz.set(i, j, numbertext::formatFixed3(value, u'.'));
            state.KwR.set(i, j, numbertext::formatFixed3(value * 0.9 + 0.05, u'.'));
        }
    }
    return state;
}

void BM_FillConfigurationPlot(benchmark::State &bench)
{
    const AnalysisState state = manyPoints(static_cast<int>(bench.range(0)));
    plots::PlotChart chart;
    chart.setViewport(QRect(0, 0, 560, 440));
    for (auto _ : bench)
        plots::fillConfigurationPlot(chart, state);
    bench.counters["points"] = static_cast<double>(2 * bench.range(0));
}
BENCHMARK(BM_FillConfigurationPlot)->Arg(2500)->Arg(250000)->Unit(benchmark::kMillisecond);

// One redraw as the user pans: the view moves a little each time.
void BM_RedrawWhilePanning(benchmark::State &bench)
{
    const AnalysisState state = manyPoints(static_cast<int>(bench.range(0)));
    plots::PlotChart chart;
    chart.setViewport(QRect(0, 0, 560, 440));
    plots::fillConfigurationPlot(chart, state);
    chart.setMode(plots::PlotChart::Mode::Move);
    double shift = 0;
    for (auto _ : bench) {
        shift = shift > 500 ? 0 : shift + 10;
        chart.xAxis->setRange(-3000 + shift, 3000 + shift);
        chart.replot(QCustomPlot::rpImmediateRefresh);
    }
    bench.counters["points"] = static_cast<double>(2 * bench.range(0));
}
BENCHMARK(BM_RedrawWhilePanning)->Arg(2500)->Arg(250000)->Unit(benchmark::kMillisecond);

// Zoomed in far enough that labels are drawn again for the points in view.
void BM_RedrawZoomedIn(benchmark::State &bench)
{
    const AnalysisState state = manyPoints(static_cast<int>(bench.range(0)));
    plots::PlotChart chart;
    chart.setViewport(QRect(0, 0, 560, 440));
    plots::fillConfigurationPlot(chart, state);
    chart.xAxis->setRange(-100, 100);
    chart.yAxis->setRange(-100, 100);
    for (auto _ : bench)
        chart.replot(QCustomPlot::rpImmediateRefresh);
}
BENCHMARK(BM_RedrawZoomedIn)->Arg(250000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
