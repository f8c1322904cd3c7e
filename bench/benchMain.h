#pragma once
// The main of every benchmark program: each benchmark runs 5 times and only
// the mean, median, standard deviation and coefficient of variation of those
// runs are reported, so a figure is always a median with its spread. Flags
// given on the command line come after these defaults and win over them.
//
// Large blocks come from the heap, not from fresh mappings of their own: a
// block mapped afresh is paid for page by page on first use, and whether the
// allocator maps one depends on what was freed before, so the same work
// would cost twice as much in one run as in another. The figures are those
// of a program that has been running a while (a fresh process is measured
// where that is the point).
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <vector>

namespace benchsupport {

inline int runBenchmarks(int argc, char** argv) {
    mallopt(M_MMAP_THRESHOLD, 1 << 30);
    mallopt(M_TRIM_THRESHOLD, 1 << 30);
    static char repetitions[] = "--benchmark_repetitions=5";
    static char aggregatesOnly[] = "--benchmark_report_aggregates_only=true";
    std::vector<char*> args{argv[0], repetitions, aggregatesOnly};
    args.insert(args.end(), argv + 1, argv + argc);
    int count = static_cast<int>(args.size());
    args.push_back(nullptr);
    benchmark::Initialize(&count, args.data());
    if (benchmark::ReportUnrecognizedArguments(count, args.data())) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace benchsupport

#define LUMORA_BENCHMARK_MAIN() \
    int main(int argc, char** argv) { return benchsupport::runBenchmarks(argc, argv); }
