// The season tally against the raw cost of its files: gathering 500 stored
// games of 100 players (9 holes x 2 courses), reading and unpacking the same
// games one by one, and the total ranking over the 50,000 rows gathered,
// each compared with reading and decoding the same game files once (counter
// "vs_raw": the ratio of the two times, in wall-clock time; the goal for the
// gathering is below 3). The gathering reads ahead on worker threads (counter
// "workers"); the raw read uses one thread.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "benchSupport.h"
#include "core/gameFile.h"
#include "core/resultRecords.h"
#include "core/season.h"
#include "core/seasonReadAhead.h"
#include "support/DataFolder.h"
#include "support/TempHome.h"

namespace {

using benchsupport::compareWithRaw;
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
        benchsupport::ageFiles(data.gamesFolder());
        gsReadGameList();
        glngSeasonGames.clear();
        for (int32_t g = 0; g <= glngGamesMax(); ++g) glngSeasonGames.append(g);
        gtypSeasonGame.Hole = 9;
        gtypSeasonGame.Round = 2;
    }
};

Season& season() {
    static Season s;
    return s;
}

void BM_GatherSeason(benchmark::State& state) {
    compareWithRaw(state, season().paths, [] { gsClearResults(); },
                   [&state] {
                       if (gfSetSeasonVarnel(1) || glngSeasonScoresMax() != kGames * kPlayers - 1)
                           state.SkipWithError("the season was not gathered whole");
                   });
    state.counters["workers"] = SeasonReadAhead::workersFor(kGames);
}

// Every game's scores read and unpacked in turn, on one thread, as opening
// each game would.
void BM_ReadSeasonGames(benchmark::State& state) {
    compareWithRaw(state, season().paths, [&state] {
        for (int32_t g = 0; g <= glngGamesMax(); ++g) {
            gtypGame = gtypGames.item(g);
            if (gsReadScoreData()) state.SkipWithError("a game could not be read");
            gsUnpackScoreData();
        }
    });
}

void BM_SeasonTotalRanking(benchmark::State& state) {
    const Season& stored = season();
    gsClearResults();
    if (gfSetSeasonVarnel(10)) state.SkipWithError("the season was not gathered");
    gintTotalRankingMode = 0;
    compareWithRaw(state, stored.paths,
                   [&state] {
                       if (gsCalSeasonTotalRanking() || glngSeasonTotalRowsMax() != kPlayers - 1)
                           state.SkipWithError("the ranking was not built");
                   });
}

} // namespace

BENCHMARK(BM_GatherSeason)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_ReadSeasonGames)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_SeasonTotalRanking)->Unit(benchmark::kMillisecond)->Iterations(5);

BENCHMARK_MAIN();
