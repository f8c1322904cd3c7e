// The tally window on a game of 500 players x 3 courses x 18 holes: opening
// the stored game to a shown window, against reading and unpacking the same
// file alone (counter "vs_read", goal at most 3; the game of one player shows
// what the window costs without its rows); and rewriting one player's
// rows of the score table after a score entry, against building the whole
// table (counter "vs_full"; the goal is under 1 ms).
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "benchMain.h"
#include "benchSupport.h"
#include "core/gameFile.h"
#include "core/gameRecords.h"
#include "core/registries.h"
#include "platform/forms/testing/TestDesktop.h"
#include "support/DataFolder.h"
#include "support/TempHome.h"
#include "tally/frmBrenmoor.h"

namespace {

constexpr int kPlayers = 500;

// The game of `count` players stored as game 1, its players registered;
// gtypGame is its header.
void storeBigGame(testsupport::DataFolder& data, int count = kPlayers) {
    std::vector<testsupport::PlayerEntry> players;
    for (int id = 1; id <= count; ++id)
        players.push_back({id, "選手" + std::to_string(id), "1950/06/15", 1 + id % 2, 0, "", "札幌市", 0});
    data.writePlayers(players);
    loadPlayers();
    testsupport::GameEntry game;
    game.title = "秋季パークゴルフ大会";
    game.hole = 18;
    game.round = 3;
    game.roundNames = {"A", "B", "C"};
    game.handiCapKind = 2;
    std::string holes;
    for (int cell = 0; cell < 54; ++cell) holes += std::to_string(2 + cell % 5) + ",";
    for (int id = 1; id <= count; ++id)
        game.scores.push_back({id, holes, id % 3 ? std::string(1, char('A' + id % 7)) : "", 15});
    data.writeGame(1, game);
    data.writeManager("1");
    benchsupport::ageFiles(data.gamesFolder());
    gsReadGameList();
    gtypGame = gtypGames[0];
}

void BM_OpenStoredGame(benchmark::State& state) {
    testsupport::TempHome home;
    testsupport::DataFolder data(home);
    forms::doubles::TestDesktop desk;
    const auto players = static_cast<int>(state.range(0));
    storeBigGame(data, players);
    std::unique_ptr<frmBrenmoor> window;
    benchsupport::timeAgainst(
        state, "vs_read", [&window] { window.reset(); },
        [] {
            gsReadScoreData();
            gsUnpackScoreData();
        },
        [&window, &state, players] {
            window = std::make_unique<frmBrenmoor>();
            window->Show();
            if (window->uctGridList.gfRowCount() != players * 3 + 1) state.SkipWithError("the game did not open");
        });
    // The row views made for the rows on screen, of both lists.
    state.counters["row_views"] = window->uctGridList.PoolSize() + window->uctGridList0.PoolSize();
    window.reset();
}

void BM_ScoreEntryRewrite(benchmark::State& state) {
    testsupport::TempHome home;
    testsupport::DataFolder data(home);
    forms::doubles::TestDesktop desk;
    storeBigGame(data);
    frmBrenmoor window;
    window.Show();
    int32_t index = 0;
    benchsupport::timeAgainst(
        state, "vs_full", [&index] { index = (index + 301) % (kPlayers * 3); }, [&window] { window.psSetList1(); },
        [&window, &index] { window.psSetList1_After_ScoreEntry(index); });
    window.Unload();
}

} // namespace

BENCHMARK(BM_OpenStoredGame)->Arg(kPlayers)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ScoreEntryRewrite)->Unit(benchmark::kMicrosecond)->UseRealTime();

LUMORA_BENCHMARK_MAIN()
