// The stored games against the raw cost of their bytes: listing 2,000 games
// of 100 players from their headers, and reading and unpacking a game of 500 players x 10
// courses x 18 holes, each compared with reading and decoding the same files
// once (counter "vs_raw": the ratio of the two times; the goal is below 3).
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "benchMain.h"
#include "benchSupport.h"
#include "core/gameFile.h"
#include "core/gameRecords.h"
#include "support/DataFolder.h"
#include "support/TempHome.h"

namespace {

using benchsupport::ageFiles;
using benchsupport::compareWithRaw;

void BM_ReadGameList(benchmark::State& state) {
    testsupport::TempHome home;
    testsupport::DataFolder data(home);
    constexpr int games = 2000;
    std::vector<std::string> paths{data.gamesFolder() + "/manager.dat"};
    // Stored games as a season leaves them: 100 players of 9 holes x 2
    // courses each, most of them in a team.
    testsupport::GameEntry game;
    game.title = "秋季パークゴルフ大会";
    game.hole = 9;
    game.round = 2;
    game.roundNames = {"Ａコース", "Ｂコース"};
    for (int p = 0; p < 100; ++p) {
        std::string holes;
        for (int cell = 0; cell < 18; ++cell) holes += std::to_string(2 + (p + cell) % 4) + ",";
        game.scores.push_back({1000 + p, holes, p % 10 == 0 ? "" : std::string(1, char('A' + p % 10)), (p % 7 - 3) * 5});
    }
    for (int n = 1; n <= games; ++n) {
        data.writeGame(n, game);
        paths.push_back(data.gamePath(n));
    }
    data.writeManager(std::to_string(games));
    ageFiles(data.gamesFolder());

    compareWithRaw(state, paths, [&state] {
        gsReadGameList();
        if (glngGamesMax() != games - 1) state.SkipWithError("not every game was listed");
    });
}

void BM_ReadAndUnpackScores(benchmark::State& state) {
    testsupport::TempHome home;
    testsupport::DataFolder data(home);
    testsupport::GameEntry game;
    game.hole = 18;
    game.round = 10;
    std::string holes;
    for (int cell = 0; cell < 180; ++cell) holes += std::to_string(2 + cell % 5) + ",";
    for (int id = 1; id <= 500; ++id) game.scores.push_back({id, holes, id % 3 ? "チーム" : "", -15});
    data.writeGame(1, game);
    ageFiles(data.gamesFolder());

    gtypGame = typGameInfo{};
    gtypGame.FileName = "game00001.lmg";
    gtypGame.Hole = 18;
    gtypGame.Round = 10;
    compareWithRaw(state, {data.gamePath(1)}, [] {
        gsReadScoreData();
        gsUnpackScoreData();
        benchmark::DoNotOptimize(gtypScores.data());
    });
}

} // namespace

BENCHMARK(BM_ReadGameList)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadAndUnpackScores)->Unit(benchmark::kMillisecond);
LUMORA_BENCHMARK_MAIN()
