#pragma once
// The main of every benchmark program: each benchmark runs 5 times and only
// the mean, median, standard deviation and coefficient of variation of those
// runs are reported, so a figure is always a median with its spread. Flags
// given on the command line come after these defaults and win over them.
#include <benchmark/benchmark.h>

#include <vector>

namespace benchsupport {

inline int runBenchmarks(int argc, char** argv) {
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
