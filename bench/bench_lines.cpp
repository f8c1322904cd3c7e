// Splitting one stored game file (100 players, 9 holes x 2 courses: about
// 500 short lines, CP932, CR LF) into lines with their first "=" and ASCII
// flag, as every INI read does first. Reports bytes and lines per second.
#include <benchmark/benchmark.h>

#include "benchMain.h"

#include <string>

#include "platform/files/ProfileText.h"
#include "support/DataFolder.h"

namespace {

std::string gameFileBytes() {
    testsupport::GameEntry game;
    game.date = "2010/6/15";
    game.title = "秋季パークゴルフ大会";
    game.hole = 9;
    game.round = 2;
    for (int p = 0; p < 100; ++p) {
        std::string holes;
        for (int cell = 0; cell < 18; ++cell) holes += std::to_string(2 + (p + cell) % 4) + ",";
        game.scores.push_back({1000 + p, holes, p % 10 == 0 ? "" : std::string(1, char('A' + p % 10)), (p % 7 - 3) * 5});
    }
    return testsupport::DataFolder::cp932Lines(testsupport::DataFolder::gameLines(game));
}

void BM_SplitGameFile(benchmark::State& state) {
    const std::string text = gameFileBytes();
    std::size_t lines = 0;
    for (auto _ : state) {
        files::LineSplitter splitter(text);
        for (files::LineSplitter::Line at; splitter.next(at);) {
            benchmark::DoNotOptimize(at);
            ++lines;
        }
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
    state.counters["lines_per_s"] = benchmark::Counter(static_cast<double>(lines), benchmark::Counter::kIsRate);
    state.counters["file_bytes"] = static_cast<double>(text.size());
}
BENCHMARK(BM_SplitGameFile);

} // namespace

LUMORA_BENCHMARK_MAIN()
