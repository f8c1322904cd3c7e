// The grid's refresh on the headless forms model: the first gsUpdate after
// filling a table, and one scroll step of one row. Both must cost the same
// for 100 rows as for 100,000: only the rows on screen hold a row view.
#include "GridBench.h"

#include "platform/forms/testing/TestDesktop.h"

#include <benchmark/benchmark.h>

#include "benchMain.h"

namespace {

using gridbench::BenchForm;
using gridbench::fill;

void BM_GridUpdateAfterFill(benchmark::State& state) {
    forms::doubles::TestDesktop desk;
    BenchForm form;
    uctMyGrid& grid = form.uctGrid;
    const auto rows = static_cast<int32_t>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        fill(grid, rows);
        state.ResumeTiming();
        grid.gsUpdate();
    }
    state.counters["row_views"] = grid.PoolSize();
}
BENCHMARK(BM_GridUpdateAfterFill)->Arg(100)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_GridScrollStep(benchmark::State& state) {
    forms::doubles::TestDesktop desk;
    BenchForm form;
    uctMyGrid& grid = form.uctGrid;
    const auto rows = static_cast<int32_t>(state.range(0));
    fill(grid, rows);
    grid.gsUpdate();
    for (auto _ : state) gridbench::scrollOneRow(grid);
    state.counters["row_views"] = grid.PoolSize();
}
BENCHMARK(BM_GridScrollStep)->Arg(100)->Arg(100000)->Unit(benchmark::kMicrosecond);

} // namespace

LUMORA_BENCHMARK_MAIN()
