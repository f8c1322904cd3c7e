#pragma once
// What the headless benchmarks share: timing a piece of work against its
// floor in the same iterations (the files ones against reading and decoding
// the same files once, the rankings against std::sort of the same keys), and
// aging stored files.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <filesystem>
#include <numeric>
#include <string>
#include <vector>

#include "platform/files/FileOps.h"
#include "platform/text/Cp932.h"

namespace benchsupport {

using Clock = std::chrono::steady_clock;

// What a piece of work took: wall-clock seconds, and the CPU seconds of
// every thread of the process meanwhile.
struct Cost {
    double wall = 0, cpu = 0;
    Cost& operator+=(const Cost& other) {
        wall += other.wall;
        cpu += other.cpu;
        return *this;
    }
};

inline double processCpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

template <class F>
Cost costOf(F&& f) {
    const double cpu = processCpuSeconds();
    const auto start = Clock::now();
    f();
    return {std::chrono::duration<double>(Clock::now() - start).count(), processCpuSeconds() - cpu};
}

// The work's and the floor's cost, summed over the iterations.
struct Costs {
    Cost work, floor;
};

// Runs `prepare` (untimed), the floor and the work in every iteration and
// sets the counter `ratio` to the work's wall-clock time over the floor's;
// only the work counts as the benchmark's own time.
template <class Prepare, class Floor, class Work>
Costs timeAgainst(benchmark::State& state, const char* ratio, Prepare prepare, Floor floor, Work work) {
    Costs total;
    for (auto _ : state) {
        state.PauseTiming();
        prepare();
        total.floor += costOf(floor);
        state.ResumeTiming();
        total.work += costOf(work);
    }
    state.counters[ratio] = total.work.wall / total.floor.wall;
    return total;
}

// Reads and decodes every file once, on one thread: the raw cost of a set of
// files.
inline void readAndDecode(const std::vector<std::string>& paths) {
    for (const std::string& path : paths) benchmark::DoNotOptimize(text::decode932(*files::readFile(path)));
}

// The work against the raw read of `paths` (counter "vs_raw").
template <class Prepare, class Work>
Costs compareWithRaw(benchmark::State& state, const std::vector<std::string>& paths, Prepare prepare, Work work) {
    return timeAgainst(state, "vs_raw", prepare, [&paths] { readAndDecode(paths); }, work);
}
template <class Work>
Costs compareWithRaw(benchmark::State& state, const std::vector<std::string>& paths, Work work) {
    return compareWithRaw(state, paths, [] {}, work);
}

// std::sort of an index array by each key list, once per list: the floor of
// a ranking that sorts those keys.
inline void sortKeys(const std::vector<std::vector<std::string>>& keyLists) {
    for (const auto& keys : keyLists) {
        std::vector<int32_t> idx(keys.size());
        std::iota(idx.begin(), idx.end(), 0);
        std::sort(idx.begin(), idx.end(), [&keys](int32_t a, int32_t b) {
            return keys[static_cast<std::size_t>(a)] < keys[static_cast<std::size_t>(b)];
        });
        benchmark::DoNotOptimize(idx.data());
    }
}

// The work against sorting the same keys (counter "vs_std_sort").
template <class Work>
Costs compareWithSort(benchmark::State& state, const std::vector<std::vector<std::string>>& keyLists, Work work) {
    return timeAgainst(state, "vs_std_sort", [] {}, [&keyLists] { sortKeys(keyLists); }, work);
}

// Files written moments ago are checked byte by byte by the profile layer
// until their time is safely past; stored files are older than that.
inline void ageFiles(const std::string& folder) {
    const auto past = std::filesystem::file_time_type::clock::now() - std::chrono::hours(1);
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        std::filesystem::last_write_time(entry.path(), past);
}

} // namespace benchsupport
