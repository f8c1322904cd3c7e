#include "core/bestCourse.h"

#include <optional>
#include <utility>
#include <vector>

#include "core/courseRules.h"
#include "core/gameRecords.h"
#include "core/resultRecords.h"

namespace {

// One course of a player as a candidate row, its key in SortKey.
typBestCourseRow courseRow(const typScoreData& row) {
    typBestCourseRow c;
    c.IDNo = row.IDNo;
    c.RoundNo = row.RoundNo;
    c.Handicap = courseHandicap(gtypGame.HandiCapKind, row.Handicap, gtypGame.Round);
    if (const std::optional<int32_t> strokes = completeCourseStrokes(row, gtypGame.Hole)) {
        c.Strokes = *strokes;
        c.Total = checkedSum(c.Handicap, c.Strokes * 10LL);
        copyHoleTexts(row, c.Holes);
    }
    c.SortKey = keyNumber(c.Strokes > 0 ? 99 : 100, "000") + keyNumber(c.Total + 1000000LL, "0000000");
    if (gtypGame.JudgeBirthday == 1) c.SortKey += birthdayKey(c.IDNo, c.Strokes != 0);
    return c;
}

} // namespace

void gsCalBestCourse() {
    const int32_t players = playerCount(gtypGame, glngScoresMax());
    std::vector<typBestCourseRow> rows;
    std::vector<std::string> keys;
    rows.reserve(static_cast<std::size_t>(players));
    keys.reserve(static_cast<std::size_t>(players));
    int32_t next = 0;
    for (int32_t p = 0; p < players; ++p) {
        // The first course always wins over the start; later ones only with a
        // strictly smaller key, so the earliest of equal courses stays.
        typBestCourseRow best = courseRow(gtypScores.item(next++));
        for (int m = 1; m < gtypGame.Round; ++m) {
            typBestCourseRow c = courseRow(gtypScores.item(next++));
            if (c.SortKey < best.SortKey) best = std::move(c);
        }
        keys.push_back(best.SortKey);
        rows.push_back(std::move(best));
    }
    const std::vector<int32_t> order = sortByKeys(keys);
    const std::vector<int32_t> ranks = sharedRanks(order, keys);
    gtypBestCourseRows.clear();
    for (std::size_t k = 0; k < order.size(); ++k) {
        typBestCourseRow& r = gtypBestCourseRows.append(std::move(rows[static_cast<std::size_t>(order[k])]));
        r.Rank = ranks[k];
    }
}
