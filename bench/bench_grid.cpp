// The grid's refresh on the headless forms model: the first gsUpdate after
// filling a table, and one scroll step of one row. Both must cost the same
// for 100 rows as for 100,000: only the rows on screen hold a row view.
// And the first refresh of a new grid, which makes its screenful of row
// views: what a window opening with a wide table pays for its rows (counter
// "us_per_view").
#include "GridBench.h"

#include "platform/forms/testing/TestDesktop.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>
#include <string>

#include "benchMain.h"
#include "benchSupport.h"

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

void BM_GridFirstShown(benchmark::State& state) {
    forms::doubles::TestDesktop desk;
    const auto cols = static_cast<int32_t>(state.range(0));
    std::unique_ptr<BenchForm> form;
    double seconds = 0;
    int32_t views = 0;
    for (auto _ : state) {
        state.PauseTiming();
        form = std::make_unique<BenchForm>();
        uctMyGrid& grid = form->uctGrid;
        grid.gsSetFixedTopRow(true, false);
        grid.gsCreateColsRows(cols, 101);
        for (int32_t c = 0; c < cols; ++c) grid.gsSetColInfo(c, "Width", 11000 / cols);
        for (int32_t r = 0; r <= 100; ++r) {
            grid.gsSetRowInfo(r, "Height", 350);
            for (int32_t c = 0; c < cols; ++c) grid.gsSetText(c, r, std::to_string(r % 7));
        }
        state.ResumeTiming();
        const auto start = benchsupport::Clock::now();
        grid.gsUpdate();
        seconds += std::chrono::duration<double>(benchsupport::Clock::now() - start).count();
        views = grid.PoolSize();
        state.PauseTiming();
        form.reset();
        state.ResumeTiming();
    }
    state.counters["row_views"] = views;
    state.counters["us_per_view"] = seconds * 1e6 / static_cast<double>(state.iterations()) / views;
}
BENCHMARK(BM_GridFirstShown)->Arg(4)->Arg(27)->Unit(benchmark::kMillisecond);

} // namespace

LUMORA_BENCHMARK_MAIN()
