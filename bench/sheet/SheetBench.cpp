// A data sheet of 500,000 objects by 12 columns in the real grid: scrolling, select all, clear,
// auto-format, inserting a row near the top, and the memory its cells take.
#include "Prompter.h"
#include "Sheet.h"
#include "SheetCommands.h"
#include "SheetModel.h"
#include "SheetView.h"

#include <QApplication>
#include <QScrollBar>

#include <benchmark/benchmark.h>

#include <malloc.h>

#include <memory>
#include <random>

namespace
{

constexpr int Objects = 500000;
constexpr int Columns = 12;

class SilentPrompter : public Prompter
{
  public:
    void information(QWidget *, const QString &) override {}
    void error(QWidget *, const QString &) override {}
    Answer question(QWidget *, const QString &) override { return Answer::Cancel; }
    QString input(QWidget *, const QString &, const QString &, const QString &text) override
    {
        return text;
    }
};

size_t heapInUse()
{
    return mallinfo2().uordblks;
}

// Short numbers with a decimal comma, names, and table numbers in the last column.
Sheet makeSheet()
{
    std::mt19937 random(1);
    std::uniform_int_distribution<int> value(0, 999999);
    Sheet sheet(Objects, Columns);
    sheet.setCell(0, 0, Sheet::CornerLabel);
    for (int c = 1; c < Columns; ++c)
        sheet.setCell(c, 0, QStringLiteral("Μεταβλητή %1").arg(c));
    sheet.setCell(Columns, 0, Sheet::TableColumnName);
    for (int r = 1; r <= Objects; ++r) {
        sheet.setCell(0, r, QString::number(r));
        for (int c = 1; c < Columns; ++c) {
            const int v = value(random);
            sheet.setCell(c, r,
                          QStringLiteral("%1,%2").arg(v / 1000).arg(v % 1000, 3, 10, QChar(u'0')));
        }
        sheet.setCell(Columns, r, QString::number((r - 1) / 1000 + 1));
    }
    return sheet;
}

struct Grid {
    SilentPrompter prompter;
    SheetModel model;
    SheetView view;
    SheetCommands commands{view, model, prompter};
    Sheet original = makeSheet();

    Grid()
    {
        view.setSheetModel(&model);
        view.resize(804, 480);
        view.show();
        restore();
    }
    void restore()
    {
        commands.replaceSheet(original);
        QCoreApplication::processEvents();
    }
};

// Made on first use, destroyed before the application.
std::unique_ptr<Grid> shared;

Grid &grid()
{
    if (!shared)
        shared = std::make_unique<Grid>();
    return *shared;
}

void CellStorage(benchmark::State &state)
{
    size_t bytes = 0;
    for (auto _ : state) {
        const size_t before = heapInUse();
        auto sheet = std::make_unique<Sheet>(makeSheet());
        bytes = heapInUse() - before;
        benchmark::DoNotOptimize(sheet);
    }
    const double cells = double(Objects + 1) * (Columns + 1);
    state.counters["bytes_per_cell"] = double(bytes) / cells;
    state.counters["MiB"] = double(bytes) / (1 << 20);
}
BENCHMARK(CellStorage)->Unit(benchmark::kMillisecond)->Iterations(1);

// One page of scrolling to a far place and painting it.
void Scroll(benchmark::State &state)
{
    Grid &g = grid();
    QScrollBar *bar = g.view.verticalScrollBar();
    std::mt19937 random(2);
    for (auto _ : state) {
        bar->setValue(std::uniform_int_distribution<int>(0, bar->maximum())(random));
        g.view.viewport()->repaint();
    }
}
BENCHMARK(Scroll)->Unit(benchmark::kMillisecond);

void SelectAll(benchmark::State &state)
{
    Grid &g = grid();
    for (auto _ : state) {
        g.commands.selectAll();
        g.view.viewport()->repaint();
        state.PauseTiming();
        g.view.moveCursorTo(1, 1);
        state.ResumeTiming();
    }
}
BENCHMARK(SelectAll)->Unit(benchmark::kMillisecond);

void ClearAll(benchmark::State &state)
{
    Grid &g = grid();
    for (auto _ : state) {
        state.PauseTiming();
        g.restore();
        g.commands.selectAll();
        state.ResumeTiming();
        g.commands.clear();
        g.view.viewport()->repaint();
    }
    g.restore();
}
BENCHMARK(ClearAll)->Unit(benchmark::kMillisecond)->Iterations(3);

void AutoFormat(benchmark::State &state)
{
    Grid &g = grid();
    for (auto _ : state) {
        g.commands.autoFormat();
        g.view.viewport()->repaint();
    }
}
BENCHMARK(AutoFormat)->Unit(benchmark::kMillisecond);

// The sheet is full at 500,000 objects, so each round first deletes a row, untimed.
void InsertRowNearTheTop(benchmark::State &state)
{
    Grid &g = grid();
    for (auto _ : state) {
        state.PauseTiming();
        g.view.moveCursorTo(1, 3);
        g.commands.deleteObject();
        g.view.moveCursorTo(1, 2);
        QCoreApplication::processEvents();
        state.ResumeTiming();
        g.commands.insertObject();
        g.view.viewport()->repaint();
    }
}
BENCHMARK(InsertRowNearTheTop)->Unit(benchmark::kMillisecond);

void CopyAll(benchmark::State &state)
{
    Grid &g = grid();
    for (auto _ : state) {
        g.commands.selectAll();
        g.commands.copy();
    }
}
BENCHMARK(CopyAll)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    shared.reset();
    return 0;
}
