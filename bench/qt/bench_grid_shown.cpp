// The grid in a shown window under the Qt backend (offscreen): the first
// gsUpdate after filling a table and one scroll step of one row, each with
// the repaint it causes. Both must cost the same for 100 rows as for 100,000.
#include "../GridBench.h"

#include "platform/forms/Services.h"
#include "platform/qt/QtBackend.h"

#include "qtApplication.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include "../benchMain.h"

namespace {

using gridbench::BenchForm;
using gridbench::fill;



void BM_ShownGridUpdateAfterFill(benchmark::State& state) {
    benchsupport::application();
    BenchForm form;
    form.Show();
    uctMyGrid& grid = form.uctGrid;
    const auto rows = static_cast<int32_t>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        fill(grid, rows);
        benchsupport::settle();
        state.ResumeTiming();
        grid.gsUpdate();
        benchsupport::settle();
    }
    state.counters["row_views"] = grid.PoolSize();
    form.Hide();
}
BENCHMARK(BM_ShownGridUpdateAfterFill)->Arg(100)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_ShownGridScrollStep(benchmark::State& state) {
    benchsupport::application();
    BenchForm form;
    form.Show();
    uctMyGrid& grid = form.uctGrid;
    fill(grid, static_cast<int32_t>(state.range(0)));
    grid.gsUpdate();
    benchsupport::settle();
    for (auto _ : state) {
        gridbench::scrollOneRow(grid);
        benchsupport::settle();
    }
    state.counters["row_views"] = grid.PoolSize();
    form.Hide();
}
BENCHMARK(BM_ShownGridScrollStep)->Arg(100)->Arg(100000)->Unit(benchmark::kMicrosecond);

} // namespace

LUMORA_BENCHMARK_MAIN()
