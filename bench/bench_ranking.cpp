// The rankings of one game against the bare cost of ordering their keys: the
// individual ranking of 5,000 players x 3 courses, and the team ranking of
// 500 teams of 4 (which ranks the 2,000 players and the member list first),
// each compared with std::sort of the same keys, built beforehand (counter
// "vs_std_sort": the ratio of the two times; the goal is below 3). The
// quicksort alone on the individual ranking's keys shows its own share.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <numeric>
#include <string>
#include <vector>

#include "benchSupport.h"
#include "core/courseRules.h"
#include "core/gameRecords.h"
#include "core/helpers.h"
#include "core/rankOneGame.h"
#include "core/resultRecords.h"
#include "core/teamRanking.h"
#include "platform/text/Format.h"

namespace {

// A game of 9 holes x 3 courses; one course in 20 is left unfinished.
void makeGame(int32_t players, int32_t teamSize) {
    gtypGame = typGameInfo{};
    gtypGame.Hole = 9;
    gtypGame.Round = 3;
    gtypGame.HandiCapKind = 2;
    gtypGame.TeamHowtoRank = 1;
    gtypScores.clear();
    uint32_t seed = 12345;
    auto next = [&seed](uint32_t n) {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 16) % n;
    };
    for (int32_t p = 0; p < players; ++p) {
        for (int16_t c = 1; c <= 3; ++c) {
            typScoreData& row = gtypScores.append();
            row.IDNo = p + 1;
            row.RoundNo = c;
            row.Handicap = static_cast<int32_t>(next(61)) - 30;
            if (teamSize > 0) row.TeamID = text::Format(static_cast<long long>(p / teamSize), "000");
            const bool unfinished = next(20) == 0;
            for (int h = 0; h < 9; ++h) row.Holes[static_cast<std::size_t>(h)] =
                unfinished && h == 8 ? "" : std::to_string(2 + next(5));
        }
    }
}

// std::sort of an index array by each key list, once per list.
void sortKeys(const std::vector<std::vector<std::string>>& keyLists) {
    for (const auto& keys : keyLists) {
        std::vector<int32_t> idx(keys.size());
        std::iota(idx.begin(), idx.end(), 0);
        std::sort(idx.begin(), idx.end(), [&keys](int32_t a, int32_t b) {
            return keys[static_cast<std::size_t>(a)] < keys[static_cast<std::size_t>(b)];
        });
        benchmark::DoNotOptimize(idx.data());
    }
}

template <class Work>
void compareWithSort(benchmark::State& state, const std::vector<std::vector<std::string>>& keyLists, Work work) {
    benchsupport::timeAgainst(state, "vs_std_sort", [] {}, [&keyLists] { sortKeys(keyLists); }, work);
}

// The individual ranking's keys of the rows now in gtypRankRows, in entry
// order (player p has ID p + 1), the order the ranking sorts them from.
std::vector<std::string> personalKeys() {
    std::vector<std::string> keys(gtypRankRows.size());
    for (const typRankRow& r : gtypRankRows)
        keys[static_cast<std::size_t>(r.IDNo - 1)] =
            keyNumber(100 - r.RoundsDone, "000") + keyNumber(r.Total + 1000000LL, "0000000");
    return keys;
}

void BM_PersonalRanking(benchmark::State& state) {
    makeGame(5000, 0);
    gsCalPersonalRanking();
    const std::vector<std::vector<std::string>> keys{personalKeys()};
    compareWithSort(state, keys, [&state] {
        gsCalPersonalRanking();
        if (glngRankRowsMax() != 4999) state.SkipWithError("not every player was ranked");
    });
}

// The sort alone: csQuickSort_Asc of the individual ranking's keys.
void BM_QuickSort(benchmark::State& state) {
    makeGame(5000, 0);
    gsCalPersonalRanking();
    const std::vector<std::vector<std::string>> keys{personalKeys()};
    compareWithSort(state, keys, [&keys] {
        std::vector<int32_t> idx(keys[0].size());
        std::iota(idx.begin(), idx.end(), 0);
        csQuickSort_Asc(0, static_cast<int32_t>(idx.size()) - 1, idx, keys[0]);
        benchmark::DoNotOptimize(idx.data());
    });
}

void BM_TeamRanking(benchmark::State& state) {
    makeGame(2000, 4);
    // Each key list in the order its sort receives it: players in entry
    // order, members in individual rank order, teams in member-list order.
    gsCalPersonalRanking();
    std::vector<std::vector<std::string>> keys{personalKeys()};
    std::vector<std::string> memberKeys, teamKeys;
    for (const typRankRow& r : gtypRankRows)
        memberKeys.push_back(text::FormatText(r.TeamID, "@@") + averageKeyPiece(r.Total, r.RoundsDone, "0000000.00"));
    gsCalTeamRanking();
    std::vector<typTeamRankRow> teams(gtypTeamRankRows.begin(), gtypTeamRankRows.end());
    std::sort(teams.begin(), teams.end(),
              [](const typTeamRankRow& a, const typTeamRankRow& b) { return a.FirstMember < b.FirstMember; });
    for (const typTeamRankRow& t : teams) {
        std::string key = averageKeyPiece(t.Total, t.RoundsDone, "00000.000");
        for (int32_t j = 0; j < 10; ++j)
            key += j < t.Members ? averageKeyPiece(gtypRankRows.item(t.FirstMember + j).Total,
                                                gtypRankRows.item(t.FirstMember + j).RoundsDone, "00000.00")
                                 : "99999.99";
        teamKeys.push_back(key);
    }
    keys.push_back(memberKeys);
    keys.push_back(teamKeys);
    compareWithSort(state, keys, [&state] {
        gsCalTeamRanking();
        if (glngTeamRankRowsMax() != 499) state.SkipWithError("not every team was ranked");
    });
}

BENCHMARK(BM_QuickSort)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PersonalRanking)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TeamRanking)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
