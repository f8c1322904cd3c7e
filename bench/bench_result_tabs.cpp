// Choosing the ranking tab of the tally window in a game of 500 players x 3
// courses: the individual ranking, the category filter and the rebuild of
// the list, against the ranking and the filter alone in the same
// iterations (counter "vs_ranking"; the goal is at most 2). The game has no
// category, so every player is listed; with a category of one gender and an
// age band (Arg 1) about a quarter are. The parts of the rebuild, each
// against the same floor: working out the list's cells alone, and with
// filling the grid and its one repaint. A variant changes every row between
// switches, so that every row on screen is painted again.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "benchMain.h"
#include "benchSupport.h"
#include "core/gameFile.h"
#include "core/globals.h"
#include "core/rankOneGame.h"
#include "core/registries.h"
#include "platform/forms/Simulation.h"
#include "platform/forms/testing/TestDesktop.h"
#include "support/DataFolder.h"
#include "support/TempHome.h"
#include "tally/frmBrenmoor.h"
#include "tally/resultLists.h"

namespace {

constexpr int32_t kPlayers = 500;

// Registered players of both genders born 1940-1979, and a stored game of
// 9 holes x 3 courses with every second player in one of 125 teams; one
// course in 20 is left unfinished.
void storeGame(const testsupport::DataFolder& data, bool category) {
    std::vector<testsupport::PlayerEntry> players;
    testsupport::GameEntry game;
    game.title = "ベンチマーク";
    game.hole = 9;
    game.round = 3;
    game.handiCapKind = 2;
    game.judgeBirthday = 1;
    game.roundNames = {"A", "B", "C"};
    if (category) {
        game.categoryGender = 1;
        game.categoryAgeLow = 50;
        game.categoryAgeHigh = 69;
    }
    uint32_t seed = 12345;
    auto next = [&seed](uint32_t n) {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 16) % n;
    };
    for (int32_t p = 1; p <= kPlayers; ++p) {
        players.push_back({p, "選手" + std::to_string(p), std::to_string(1940 + next(40)) + "/06/15",
                           static_cast<int>(1 + next(2)), 0, "", ""});
        std::string holes;
        for (int c = 0; c < 3; ++c) {
            const bool unfinished = next(20) == 0;
            for (int h = 0; h < 9; ++h) holes += (unfinished && h == 8 ? "" : std::to_string(2 + next(5))) + ",";
        }
        game.scores.push_back({p, holes, p % 2 ? std::to_string(p % 125) : "", static_cast<int32_t>(next(61)) - 30});
    }
    data.writePlayers(players);
    data.writeGame(1, game);
    data.writeManager("1");
}

// The game stored, the registry loaded and the tally window open on it.
struct OpenTally {
    explicit OpenTally(bool category) : data(home) {
        storeGame(data, category);
        loadPlayers();
        gsReadGameList();
        gtypGame = gtypGames[0];
        tally.Show();
    }
    ~OpenTally() { tally.Unload(); }
    testsupport::TempHome home;
    testsupport::DataFolder data;
    forms::doubles::TestDesktop desk;
    frmBrenmoor tally;
};

void rankPlayers() {
    gsCalPersonalRanking();
    gsFilterCategory(gtypGame.Date);
}

void BM_RankingTab(benchmark::State& state) {
    OpenTally open(state.range(0) != 0);
    forms::sim::selectTab(open.tally.tabBody, 3);
    const int32_t listed = open.tally.uctGridList2.gfRowCount() - 1;
    benchsupport::timeAgainst(state, "vs_ranking", [] {}, rankPlayers,
                              [&open] { forms::sim::selectTab(open.tally.tabBody, 3); });
    state.counters["rows"] = listed;
}
BENCHMARK(BM_RankingTab)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The same with every listed row changed since the last time (each player's
// name alternates between two spellings, untimed): every row on screen is
// painted again, where above the rows that look the same are kept.
void BM_RankingTabChangedRows(benchmark::State& state) {
    OpenTally open(false);
    forms::sim::selectTab(open.tally.tabBody, 3);
    bool second = false;
    auto rename = [&second] {
        second = !second;
        for (typPlayerInfo& p : gtypPlayers) p.Name = (second ? "選手" : "選手.") + std::to_string(p.ID);
    };
    benchsupport::timeAgainst(state, "vs_ranking", rename, rankPlayers,
                              [&open] { forms::sim::selectTab(open.tally.tabBody, 3); });
}
BENCHMARK(BM_RankingTabChangedRows)->Unit(benchmark::kMillisecond);

// Arg 0: the cells alone; Arg 1: the cells put into the grid and repainted.
void BM_RankingListParts(benchmark::State& state) {
    OpenTally open(false);
    uctMyGrid& grid = open.tally.uctGridList2;
    benchsupport::timeAgainst(state, "vs_ranking", rankPlayers, rankPlayers, [&state, &grid] {
        const ListTable table = rankingList(gtypGame, gtypRankRows, 1);
        if (state.range(0) == 0) return benchmark::DoNotOptimize(table.rows.data());
        showListTable(grid, table);
        grid.gsUpdate();
    });
}
BENCHMARK(BM_RankingListParts)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace

LUMORA_BENCHMARK_MAIN()
