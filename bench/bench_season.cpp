// The season tally against its floors: gathering 500 stored games of 100
// players (9 holes x 2 courses) and reading and unpacking the same games one
// by one, each against reading and decoding the same game files once on one
// thread (counter "vs_raw", wall-clock time; "cpu_vs_raw", the CPU time of
// every thread of the process over the floor's); and the total ranking over
// the 50,000 rows gathered against std::sort of the keys it sorts
// ("vs_std_sort").
//
// The gathering is measured on 1, 2 and 8 of the CPUs the process may use
// (fewer when it may use fewer), with every one of them kept busy by other
// processes, and on its first call in a fresh process (the floor measured in
// this process, warm). The goal for each: vs_raw and cpu_vs_raw at most 3.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <sched.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "benchMain.h"
#include "benchSupport.h"
#include "seasonBench.h"
#include "core/courseRules.h"
#include "core/gameFile.h"
#include "core/globals.h"
#include "core/resultRecords.h"
#include "core/season.h"

namespace {

using benchsupport::Cost;
using benchsupport::costOf;
using benchsupport::readAndDecode;
constexpr const char* kFirstCallFlag = "--season-first-call";
constexpr const char* kBusyFlag = "--busy";

using benchsupport::kGames;
using benchsupport::kPlayers;
using benchsupport::season;
using benchsupport::selectEveryGame;

// One gathering of the whole season, as a season report starts; false when
// it did not gather every row.
bool gatherWhole() {
    gsClearResults();
    std::vector<SeasonSkippedGame> skipped;
    return !gfSetSeasonVarnel(1, skipped) && skipped.empty() && glngSeasonScoresMax() == kGames * kPlayers - 1;
}

// The CPUs this process may use, in order.
std::vector<int> allowedCpus() {
    cpu_set_t set;
    CPU_ZERO(&set);
    sched_getaffinity(0, sizeof set, &set);
    std::vector<int> cpus;
    for (int cpu = 0; cpu < CPU_SETSIZE; ++cpu)
        if (CPU_ISSET(cpu, &set)) cpus.push_back(cpu);
    return cpus;
}

// While it lives, this thread (and every thread it starts) runs on the first
// `count` allowed CPUs only, as under taskset.
class OnCpus {
public:
    explicit OnCpus(std::size_t count) {
        sched_getaffinity(0, sizeof saved_, &saved_);
        const std::vector<int> cpus = allowedCpus();
        cpu_set_t set;
        CPU_ZERO(&set);
        for (std::size_t k = 0; k < count && k < cpus.size(); ++k) CPU_SET(cpus[k], &set);
        sched_setaffinity(0, sizeof set, &set);
    }
    ~OnCpus() { sched_setaffinity(0, sizeof saved_, &saved_); }
    OnCpus(const OnCpus&) = delete;
    OnCpus& operator=(const OnCpus&) = delete;

private:
    cpu_set_t saved_;
};

// The path of this program, "" when it cannot be found.
std::string thisProgram() {
    char self[4096] = {};
    return readlink("/proc/self/exe", self, sizeof self - 1) > 0 ? self : "";
}

// While it lives, one busy process per allowed CPU, as on a loaded machine.
// Each is this program started again with kBusyFlag: a child that only
// forked would share this process's memory copy-on-write, and every page the
// measured work then writes would take a fault and a flush of the other
// CPUs' address caches, a cost no real neighbour inflicts.
class BusyMachine {
public:
    BusyMachine() {
        const std::string self = thisProgram();
        if (self.empty()) return;
        for (std::size_t k = allowedCpus().size(); k > 0; --k) {
            // The pipe closes unread when the program starts; a child that
            // could not start it says so through the pipe.
            int report[2];
            if (pipe2(report, O_CLOEXEC) != 0) return;
            const pid_t pid = fork();
            if (pid == 0) {
                execl(self.c_str(), self.c_str(), kBusyFlag, static_cast<char*>(nullptr));
                const char failed = 1;
                (void)!write(report[1], &failed, 1);
                _exit(127);
            }
            close(report[1]);
            char failed = 0;
            const bool started = pid > 0 && read(report[0], &failed, 1) == 0;
            close(report[0]);
            if (pid > 0) pids_.push_back(pid);
            if (!started) return;
            ++busy_;
        }
    }
    ~BusyMachine() {
        for (pid_t pid : pids_) kill(pid, SIGKILL);
        for (pid_t pid : pids_) waitpid(pid, nullptr, 0);
    }
    BusyMachine(const BusyMachine&) = delete;
    BusyMachine& operator=(const BusyMachine&) = delete;

    // Whether a busy neighbour runs on every allowed CPU.
    bool loaded() const { return busy_ == allowedCpus().size(); }

private:
    std::vector<pid_t> pids_;
    std::size_t busy_ = 0;
};

// The gathering against the raw read, with the CPU time counter.
void gatherAgainstRaw(benchmark::State& state) {
    const benchsupport::Costs costs = benchsupport::compareWithRaw(state, season().paths, [&state] {
        if (!gatherWhole()) state.SkipWithError("the season was not gathered whole");
    });
    state.counters["cpu_vs_raw"] = costs.work.cpu / costs.floor.cpu;
}

void BM_GatherSeason(benchmark::State& state) {
    season();
    const OnCpus cpus(static_cast<std::size_t>(state.range(0)));
    gatherAgainstRaw(state);
}

void BM_GatherSeasonLoaded(benchmark::State& state) {
    season();
    const BusyMachine busy;
    if (!busy.loaded()) return state.SkipWithError("the busy neighbours could not be started");
    gatherAgainstRaw(state);
}

// In a fresh process (this program started again with kFirstCallFlag): the
// season selected and gathered once, its cost written to stdout.
int firstCallChild(const char* userFolder, const char* docFolder) {
    setPathGlobals(userFolder, docFolder);
    selectEveryGame();
    bool whole = false;
    const Cost cost = costOf([&whole] { whole = gatherWhole(); });
    std::printf("%d %.9f %.9f\n", whole ? 1 : 0, cost.wall, cost.cpu);
    return 0;
}

// The first gathering in a fresh process: this program run again, which
// reports what the gathering took there.
void BM_GatherSeasonFirstCall(benchmark::State& state) {
    const benchsupport::Season& stored = season();
    const std::string self = thisProgram();
    if (self.empty()) return state.SkipWithError("no path of this program");
    const std::string command = "'" + self + "' " + kFirstCallFlag + " '" + stored.data.userFolder() +
                                "' '" + stored.data.docFolder() + "'";
    benchsupport::Costs total;
    for (auto _ : state) {
        total.floor += costOf([&stored] { readAndDecode(stored.paths); });
        FILE* child = popen(command.c_str(), "r");
        int whole = 0;
        Cost cost;
        const bool reported = child && std::fscanf(child, "%d %lf %lf", &whole, &cost.wall, &cost.cpu) == 3;
        if (child) pclose(child);
        if (!reported || !whole) return state.SkipWithError("the fresh process did not gather the season whole");
        total.work += cost;
        state.SetIterationTime(cost.wall);
    }
    state.counters["vs_raw"] = total.work.wall / total.floor.wall;
    state.counters["cpu_vs_raw"] = total.work.cpu / total.floor.cpu;
}

// Every game's scores read and unpacked in turn, as opening each game would.
void BM_ReadSeasonGames(benchmark::State& state) {
    benchsupport::compareWithRaw(state, season().paths, [&state] {
        for (int32_t g = 0; g <= glngGamesMax(); ++g) {
            gtypGame = gtypGames.item(g);
            if (gsReadScoreData()) state.SkipWithError("a game could not be read");
            gsUnpackScoreData();
        }
    });
}

// The total ranking on the average per course against std::sort of the two
// key lists it sorts: the gathered rows by player, then the players.
void BM_SeasonTotalRanking(benchmark::State& state) {
    season();
    gsClearResults();
    std::vector<SeasonSkippedGame> skipped;
    if (gfSetSeasonVarnel(10, skipped)) return state.SkipWithError("the season was not gathered");
    gintTotalRankingMode = 0;
    glngKiteiRound = 0;
    if (gsCalSeasonTotalRanking()) return state.SkipWithError("the ranking was not built");
    std::vector<std::string> rowKeys, playerKeys;
    for (const typSeasonScore& row : gtypSeasonScores) rowKeys.push_back(keyNumber(row.IDNo, "00000000"));
    for (const typSeasonScore& player : gtypSeasonTotalRows)
        playerKeys.push_back("0" + averageKeyPiece(player.Total, player.RoundsDone, "000000.00000000"));
    benchsupport::compareWithSort(state, {rowKeys, playerKeys}, [&state] {
        if (gsCalSeasonTotalRanking() || glngSeasonTotalRowsMax() != kPlayers - 1)
            state.SkipWithError("the ranking was not built");
    });
}

} // namespace

BENCHMARK(BM_GatherSeason)->ArgName("cpus")->Arg(1)->Arg(2)->Arg(8)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_GatherSeasonLoaded)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_GatherSeasonFirstCall)->Unit(benchmark::kMillisecond)->Iterations(5)->UseManualTime();
BENCHMARK(BM_ReadSeasonGames)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_SeasonTotalRanking)->Unit(benchmark::kMillisecond)->Iterations(5);

int main(int argc, char** argv) {
    if (argc == 4 && std::strcmp(argv[1], kFirstCallFlag) == 0) return firstCallChild(argv[2], argv[3]);
    if (argc == 2 && std::strcmp(argv[1], kBusyFlag) == 0)
        for (;;) asm volatile("");
    return benchsupport::runBenchmarks(argc, argv);
}
