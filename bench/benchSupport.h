#pragma once
// What the headless benchmarks share: timing a piece of work against a
// baseline in the same iterations (the files ones against reading and
// decoding the same files once), and aging stored files.
#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/files/FileOps.h"
#include "platform/text/Cp932.h"

namespace benchsupport {

using Clock = std::chrono::steady_clock;

// Seconds taken by f().
template <class F>
double secondsOf(F&& f) {
    const auto start = Clock::now();
    f();
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// Time per iteration of the work and of its baseline.
struct Times {
    double work = 0, baseline = 0;
};

// Runs `prepare` (untimed), `baseline` and `work` in every iteration and sets
// the counter `ratio` to the work's time over the baseline's; only the work
// counts as the benchmark's own time.
template <class Prepare, class Baseline, class Work>
Times timeAgainst(benchmark::State& state, const char* ratio, Prepare prepare, Baseline baseline, Work work) {
    Times total;
    for (auto _ : state) {
        state.PauseTiming();
        prepare();
        total.baseline += secondsOf(baseline);
        state.ResumeTiming();
        total.work += secondsOf(work);
    }
    state.counters[ratio] = total.work / total.baseline;
    const auto n = static_cast<double>(state.iterations());
    return {total.work / n, total.baseline / n};
}

// Reads and decodes every file once: the raw cost of a set of files.
inline void readAndDecode(const std::vector<std::string>& paths) {
    for (const std::string& path : paths) benchmark::DoNotOptimize(text::decode932(*files::readFile(path)));
}

// The work against the raw read of `paths` (counter "vs_raw").
template <class Prepare, class Work>
void compareWithRaw(benchmark::State& state, const std::vector<std::string>& paths, Prepare prepare, Work work) {
    timeAgainst(state, "vs_raw", prepare, [&paths] { readAndDecode(paths); }, work);
}
template <class Work>
void compareWithRaw(benchmark::State& state, const std::vector<std::string>& paths, Work work) {
    compareWithRaw(state, paths, [] {}, work);
}

// Files written moments ago are checked byte by byte by the profile layer
// until their time is safely past; stored files are older than that.
inline void ageFiles(const std::string& folder) {
    const auto past = std::filesystem::file_time_type::clock::now() - std::chrono::hours(1);
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        std::filesystem::last_write_time(entry.path(), past);
}

} // namespace benchsupport
