// The season tally against the raw cost of its files: gathering 500 stored
// games of 100 players (9 holes x 2 courses), and the total ranking over the
// 50,000 rows gathered, each compared with reading and decoding the same game
// files once (counter "vs_raw": the ratio of the two times; the goal for the
// gathering is below 3).
#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "core/gameFile.h"
#include "core/resultRecords.h"
#include "core/season.h"
#include "platform/files/FileOps.h"
#include "platform/text/Cp932.h"
#include "support/DataFolder.h"
#include "support/TempHome.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kGames = 500;
constexpr int kPlayers = 100;

// The stored season, written once for every benchmark of this program.
struct Season {
    testsupport::TempHome home;
    testsupport::DataFolder data{home};
    std::vector<std::string> paths;

    Season() {
        for (int n = 1; n <= kGames; ++n) {
            testsupport::GameEntry game;
            game.date = "2010/" + std::to_string(n % 12 + 1) + "/" + std::to_string(n % 28 + 1);
            game.title = "秋季パークゴルフ大会";
            game.hole = 9;
            game.round = 2;
            game.handiCapKind = n % 3;
            for (int p = 0; p < kPlayers; ++p) {
                std::string holes;
                for (int cell = 0; cell < 18; ++cell) holes += std::to_string(2 + (n + p + cell) % 4) + ",";
                game.scores.push_back({1000 + p, holes, p % 10 == 0 ? "" : std::string(1, char('A' + p % 10)),
                                       (p % 7 - 3) * 5});
            }
            data.writeGame(n, game);
            paths.push_back(data.gamePath(n));
        }
        data.writeManager(std::to_string(kGames));
        // Stored games are older than the moment they were written.
        const auto past = std::filesystem::file_time_type::clock::now() - std::chrono::hours(1);
        for (const auto& entry : std::filesystem::directory_iterator(data.gamesFolder()))
            std::filesystem::last_write_time(entry.path(), past);
        gsReadGameList();
        glngSeasonGames.clear();
        for (int32_t g = 0; g <= glngGamesMax(); ++g) glngSeasonGames.append(g);
        gtypSeasonGame.Hole = 9;
        gtypSeasonGame.Round = 2;
    }

    // Reads and decodes every game file once: the baseline.
    double rawSeconds() const {
        const auto start = Clock::now();
        for (const std::string& path : paths) benchmark::DoNotOptimize(text::decode932(*files::readFile(path)));
        return std::chrono::duration<double>(Clock::now() - start).count();
    }
};

Season& season() {
    static Season s;
    return s;
}

// Runs `work` per iteration (after `prepare`, untimed) and sets "vs_raw" to
// its time over the raw read, both timed in the same iterations.
template <class Prepare, class Work>
void compareWithRaw(benchmark::State& state, Prepare prepare, Work work) {
    double workTime = 0, rawTime = 0;
    for (auto _ : state) {
        state.PauseTiming();
        prepare();
        rawTime += season().rawSeconds();
        state.ResumeTiming();
        const auto start = Clock::now();
        work();
        workTime += std::chrono::duration<double>(Clock::now() - start).count();
    }
    state.counters["vs_raw"] = workTime / rawTime;
}

void BM_GatherSeason(benchmark::State& state) {
    season();
    compareWithRaw(state, [] { gsClearResults(); },
                   [&state] {
                       if (gfSetSeasonVarnel(1) || glngSeasonScoresMax() != kGames * kPlayers - 1)
                           state.SkipWithError("the season was not gathered whole");
                   });
}

void BM_SeasonTotalRanking(benchmark::State& state) {
    season();
    gsClearResults();
    if (gfSetSeasonVarnel(10)) state.SkipWithError("the season was not gathered");
    gintTotalRankingMode = 0;
    compareWithRaw(state, [] {},
                   [&state] {
                       if (gsCalSeasonTotalRanking() || glngSeasonTotalRowsMax() != kPlayers - 1)
                           state.SkipWithError("the ranking was not built");
                   });
}

} // namespace

BENCHMARK(BM_GatherSeason)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_SeasonTotalRanking)->Unit(benchmark::kMillisecond)->Iterations(5);

BENCHMARK_MAIN();
