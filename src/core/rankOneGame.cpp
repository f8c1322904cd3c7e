#include "core/rankOneGame.h"

#include <optional>
#include <utility>
#include <vector>

#include "core/courseRules.h"
#include "core/gameRecords.h"
#include "core/players.h"
#include "core/resultRecords.h"
#include "platform/text/Format.h"
#include "platform/text/Numbers.h"
#include "platform/text/Strings.h"

namespace {

// One player's row from the player's Round consecutive score rows starting
// at `next`, which moves past them.
typRankRow playerRow(int32_t& next) {
    const int16_t kind = gtypGame.HandiCapKind;
    typRankRow r;
    r.IDNo = gtypScores.item(next).IDNo;
    r.TeamID = gtypScores.item(next).TeamID;
    for (int m = 0; m < gtypGame.Round; ++m) {
        const typScoreData& row = gtypScores.item(next++);
        r.RoundScore(m) = 0;
        const std::optional<int32_t> strokes = completeCourseStrokes(row, gtypGame.Hole);
        if (!strokes) continue;
        const int32_t sum = *strokes;
        r.Strokes = checkedSum(r.Strokes, sum);
        if (sum > 0) ++r.RoundsDone; // at most Round, 10
        r.RoundScore(m) = text::CInt(sum);
        r.Total = checkedSum(r.Total, sum * 10LL);
        if (kind == 1) r.Handicap = checkedSum(r.Handicap, row.Handicap);
        if (kind == 2) r.Handicap = row.Handicap; // the last complete course's
    }
    if (kind == 1)
        r.Total = checkedSum(r.Total, r.Handicap);
    else if (kind == 2)
        r.Total = checkedSum(r.Total, gameHandicapShare(r.Handicap, r.RoundsDone, gtypGame.Round));
    else
        r.Handicap = 0;
    return r;
}

std::string rankKey(const typRankRow& r) {
    std::string key = keyNumber(100 - r.RoundsDone, "000") + keyNumber(r.Total + 1000000LL, "0000000");
    if (gtypGame.JudgeBirthday == 1) key += birthdayKey(r.IDNo, r.Strokes != 0);
    return key;
}

} // namespace

void gsCalPersonalRanking() {
    const int32_t players = playerCount(gtypGame, glngScoresMax());
    std::vector<typRankRow> rows;
    std::vector<std::string> keys;
    rows.reserve(static_cast<std::size_t>(players));
    keys.reserve(static_cast<std::size_t>(players));
    int32_t next = 0;
    for (int32_t p = 0; p < players; ++p) {
        rows.push_back(playerRow(next));
        keys.push_back(rankKey(rows.back()));
    }
    const std::vector<int32_t> order = sortByKeys(keys);
    const std::vector<int32_t> ranks = sharedRanks(order, keys);
    gtypRankRows.clear();
    for (std::size_t k = 0; k < order.size(); ++k) {
        typRankRow& r = gtypRankRows.append(std::move(rows[static_cast<std::size_t>(order[k])]));
        r.Rank = ranks[k];
    }
}

std::string gfGetCategoryTitle() {
    const int16_t low = gtypGame.CategoryAgeLow, high = gtypGame.CategoryAgeHigh;
    std::string t = gtypGame.CategoryGender == 1 ? "男子" : gtypGame.CategoryGender == 2 ? "女子" : "";
    if ((low != -1 || high != -1) && !text::Trim(t).empty()) t += "：";
    if (low != -1 && high == -1) {
        t += text::Format(static_cast<long long>(low), "0") + "歳～";
    } else if (low == -1 && high != -1) {
        t += "～" + text::Format(static_cast<long long>(high), "0") + "歳";
    } else if (low != -1) {
        t += text::Format(static_cast<long long>(low), "0") + "歳";
        if (low < high) t += "～" + text::Format(static_cast<long long>(high), "0") + "歳";
    }
    return text::Trim(t).empty() ? "総合" : "部門別（" + t + "）";
}

bool hasCategory(const typGameInfo& game) {
    return game.CategoryGender != 0 || game.CategoryAgeLow != -1 || game.CategoryAgeHigh != -1;
}

bool fitsCategory(const typGameInfo& game, int32_t IDNo, const std::string& refDate) {
    const int16_t low = game.CategoryAgeLow, high = game.CategoryAgeHigh;
    if (game.CategoryGender == 1 && gfGetPlayerGender(IDNo, 0) != "男") return false;
    if (game.CategoryGender == 2 && gfGetPlayerGender(IDNo, 0) != "女") return false;
    if (low == -1 && high == -1) return true;
    const std::string age = text::Trim(gfGetPlayerAge(IDNo, refDate));
    if (age.empty() || age == "-") return false;
    const int32_t years = text::readInt32(age);
    return (low == -1 || years >= low) && (high == -1 || years <= high);
}

void gsFilterCategory(const std::string& refDate) { filterRankedByCategory(gtypRankRows, gtypGame, refDate); }
