#pragma once
#include "core/gameRecords.h"
#include "tally/listTable.h"

// The participant list of the tally window: one row per player, read from
// each player's first score row (rows 0, Round, 2 x Round, ...), with the
// ordinal, team, name, age at the game's date, gender, region (5
// characters) and affiliation; every second row light blue. Item data: the
// index of the player's first score row + 1.

inline constexpr forms::Color kMemberShade = forms::RGB(240, 240, 255);
// The "チーム" column: a click there sets the player's team.
inline constexpr int32_t kMemberTeamCol = 1;

// A row reads `rows` as they are when it is asked for.
ListRows memberRows(const typGameInfo& game, const VbArray<typScoreData>& rows);
