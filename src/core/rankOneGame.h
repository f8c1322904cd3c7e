#pragma once
#include <cstdint>
#include <string>
#include <utility>

#include "core/gameRecords.h"
#include "core/vbArray.h"

// The individual ranking of the current game (gtypGame, gtypScores) into
// gtypRankRows, and the game's category. None of them traps errors: a
// run-time error reaches the caller.

// One row per player in rank order: more complete courses first, then the
// lower total with handicap, then (birthday rule) the older player.
void gsCalPersonalRanking();

// The heading of the game's category: "総合", or "部門別（…）" with the gender
// and the age band ("部門別（男子：60歳～69歳）").
std::string gfGetCategoryTitle();

// Keeps the rows of gtypRankRows whose player fits the game's category at
// the reference date and renumbers them; players who shared a rank still do.
void gsFilterCategory(const std::string& refDate);

// Whether the header sets a category (a gender or an age bound).
bool hasCategory(const typGameInfo& game);
// Whether the player fits the header's category at refDate: the gender mark
// matches, and with an age bound set the age is known and within the bounds
// (both inclusive).
bool fitsCategory(const typGameInfo& game, int32_t IDNo, const std::string& refDate);

// Keeps, in their order, the ranked rows whose player fits the category of
// `game` and renumbers them: a row tied with the kept row before it keeps
// sharing its rank, any other takes its position among the kept rows
// (1, 2, 2, 4, 5 without the first gives 1, 1, 3, 4). Nothing happens
// without a category.
template <class Row>
void filterRankedByCategory(VbArray<Row>& rows, const typGameInfo& game, const std::string& refDate) {
    if (!hasCategory(game)) return;
    VbArray<Row> ranking = std::move(rows);
    rows.clear();
    int32_t previousOldRank = 0;
    for (Row& r : ranking) {
        if (!fitsCategory(game, r.IDNo, refDate)) continue;
        const int32_t oldRank = r.Rank;
        const bool tied = !rows.empty() && oldRank == previousOldRank;
        r.Rank = tied ? rows.back().Rank : rows.ubound() + 2; // its position among the kept rows
        previousOldRank = oldRank;
        rows.append(std::move(r));
    }
}
