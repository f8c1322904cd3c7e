// The season's best games and best courses, and one player's games ordered
// by result.
#include <string>
#include <vector>

#include "core/courseRules.h"
#include "core/players.h"
#include "core/season.h"
#include "core/seasonShared.h"
#include "platform/text/Dates.h"
#include "platform/text/Format.h"
#include "platform/text/RuntimeError.h"

namespace {

// More complete courses first, then the lower total.
std::string resultKey(const typSeasonScore& row) {
    return keyNumber(100LL - row.RoundsDone, "000") + keyNumber(row.Total + 100000LL, "000000");
}

// Under the birthday rule: the player's age in days on the game's date,
// counted down from 100000 so that the older player sorts first; "100000"
// (last among equals) for a player without a date of birth.
std::string ageKey(const typSeasonScore& row) {
    const auto birth = text::parseDate(gfGetPlayerBirthday(row.IDNo));
    if (!birth) return "100000";
    const auto played = text::parseDate(row.Date);
    if (!played) text::raise(text::err::TypeMismatch);
    return keyNumber(100000LL - text::daysBetween(*birth, *played), "000000");
}

std::string rankingKey(const typSeasonScore& row) {
    return resultKey(row) + (gtypSeasonGame.JudgeBirthday == 1 ? ageKey(row) : "");
}

} // namespace

bool gsCalSeasonGameRanking() {
    gtypSeasonGameRows.clear();
    if (glngSeasonScoresMax() < 0) return true;
    return season::trapped("gsCalSeasonGameRanking", [] {
        // Each player's rows best first; the first of each player is kept.
        std::vector<std::string> rowKeys;
        rowKeys.reserve(gtypSeasonScores.size());
        for (const typSeasonScore& row : gtypSeasonScores)
            rowKeys.push_back(text::Format(row.IDNo, "00000000") + rankingKey(row));
        std::vector<typSeasonScore> best;
        std::vector<std::string> keys;
        for (int32_t i : sortByKeys(rowKeys)) {
            const typSeasonScore& row = gtypSeasonScores[static_cast<std::size_t>(i)];
            if (!best.empty() && best.back().IDNo == row.IDNo) continue;
            best.push_back(row);
            keys.push_back(rankingKey(row));
        }
        season::appendRanked(gtypSeasonGameRows, std::move(best), keys);
        return false;
    });
}

bool gsCalSeasonPersonalGameScore() {
    return season::trapped("gsCalSeasonPersonalGameScore", [] {
        std::vector<typSeasonScore> rows(gtypSeasonGameRows.begin(), gtypSeasonGameRows.end());
        gtypSeasonGameRows.clear();
        std::vector<std::string> keys;
        keys.reserve(rows.size());
        for (const typSeasonScore& row : rows) keys.push_back(resultKey(row));
        season::appendRanked(gtypSeasonGameRows, std::move(rows), keys);
        return false;
    });
}
