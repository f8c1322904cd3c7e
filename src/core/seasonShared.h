#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "core/courseRules.h"
#include "core/resultRecords.h"

// What the season computations share: writing ranked rows, folding gathered
// rows and the error trap.
namespace season {

// Runs body; a run-time error it raises is shown as "<proc>()::" and its
// description in a box titled "System error", and the result is then true.
bool trapped(const char* proc, const std::function<bool()>& body);

// Appends rows to out in key order; each gets Rank = its position from 1,
// or the Rank of the row before it when their keys are equal (1, 1, 3).
template <class Row>
void appendRanked(VbArray<Row>& out, std::vector<Row> rows, const std::vector<std::string>& keys) {
    const std::vector<int32_t> order = sortByKeys(keys);
    const std::vector<int32_t> ranks = sharedRanks(order, keys);
    for (std::size_t k = 0; k < order.size(); ++k)
        out.append(std::move(rows[static_cast<std::size_t>(order[k])])).Rank = ranks[k];
}

// Adds one gathered row to a folded row: one more game, and its courses,
// holes, the season's hole and course positions, stroke counts, strokes,
// total and handicap.
void addSeasonSums(typSeasonScore& into, const typSeasonScore& row);

// The gathered rows folded into one row per player, in player-number order:
// IDNo and GameIndex of the player's first row, Date and TeamID empty, the
// sums of addSeasonSums.
std::vector<typSeasonScore> foldByPlayer();

} // namespace season
