#pragma once
#include <string>

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
