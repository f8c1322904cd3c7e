#pragma once
#include <cstdint>

#include "core/gameRecords.h"
#include "tally/listTable.h"

// The score table of the tally window: one row per score row of the game, in
// the order of the rows, each player's rows shaded alike (every second
// player pink) and the player's total on the first course row. A total
// counts complete courses only.
//
// Columns: "No.", "名前", "年令", "性別", the course name, one per hole,
// "実打", then by handicap kind: "Hc" and "小計" (1), "Hc" (2), and "合計".

inline constexpr forms::Color kScoreShade = forms::RGB(255, 240, 240);

// The handicap kind the table is laid out for: any kind other than 1 and 2
// counts as none.
int16_t scoreTableKind(const typGameInfo& game);
// The "Hc" column, Hole + 6; a click there opens handicap entry when the
// game has a handicap kind.
inline int32_t scoreHandicapCol(const typGameInfo& game) { return game.Hole + 6; }

// The table of `rows`, row by row (item data = row index + 1). Looks the
// players up by ID in the registry for name, age at the game's date and
// gender. Fails as the whole table would (checkScoreTotals) before any row
// is asked for; a row asked for later reads `rows` as they are then.
ListRows scoreRows(const typGameInfo& game, const VbArray<typScoreData>& rows);

// The index of the first score row (course 1) of the player of row `index`.
int32_t scoreFirstRow(const VbArray<typScoreData>& rows, int32_t index);
// The index of the last score row of the player whose first row is `first`:
// the row before the next course 1, as the table groups a player's rows.
int32_t scoreLastRow(const VbArray<typScoreData>& rows, int32_t first);

// Fails as the totals closed on rows from..to would: with a game handicap
// (kind 2), a damaged file's player with more complete courses than the
// game can have a share that does not fit. Only such players are worked out.
void checkScoreTotals(const typGameInfo& game, const VbArray<typScoreData>& rows, int32_t from, int32_t to);
