// The season total ranking: each player's sums over the gathered games,
// ranked on one of six bases.
#include <string>
#include <vector>

#include "core/courseRules.h"
#include "core/season.h"
#include "core/seasonShared.h"

namespace {

// "1" when the count is below the minimum (ranked after everyone who reached
// it), then the average per counted unit; a player with no unit at all gets
// the largest average.
std::string averageKey(int32_t total, int32_t count, int32_t minimum) {
    return std::string(count < minimum ? "1" : "0") + averageKeyPiece(total, count, "000000.00000000");
}

std::string basisKey(const typSeasonScore& p) {
    switch (gintTotalRankingMode) {
    case 0: return averageKey(p.Total, p.RoundsDone, glngKiteiRound);
    case 1: return averageKey(p.Total, p.Games, glngKiteiGame);
    case 2: return averageKey(p.Total, p.HolesDone, glngKiteiHole);
    case 3:
        // More games, then more courses, then more holes, then the lower total.
        return keyNumber(999999LL - p.Games, "000000") + keyNumber(999999LL - p.RoundsDone, "000000") +
               keyNumber(9999999LL - p.HolesDone, "0000000") + keyNumber(p.Total + 100000LL, "0000000000");
    case 4: return keyNumber(9999999LL - p.StrokeCount[0], "0000000");
    case 5:
        // Units of 9 holes, not rounded: 36 holes meet a minimum of 4, 35 do not.
        return std::string(p.HolesDone >= 9LL * glngKitei9H ? "0" : "1") +
               keyRatio(p.Total * 9LL, p.HolesDone, "000000.00000000");
    default: return {};
    }
}

} // namespace

bool gsCalSeasonTotalRanking() {
    gtypSeasonTotalRows.clear();
    if (glngSeasonScoresMax() < 0) return true;
    return season::trapped("gsCalSeasonTotalRanking", [] {
        std::vector<typSeasonScore> players = season::foldByPlayer();
        std::vector<std::string> keys;
        keys.reserve(players.size());
        for (const typSeasonScore& p : players)
            keys.push_back(basisKey(p) + (gtypSeasonGame.JudgeBirthday == 1 ? birthdayKey(p.IDNo, true) : ""));
        season::appendRanked(gtypSeasonTotalRows, std::move(players), keys);
        return false;
    });
}
