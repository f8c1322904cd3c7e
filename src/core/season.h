#pragma once
#include <cstdint>
#include <string>
#include <vector>

// The season computations. The season window clears the results, gathers the
// selected games (gfSetSeasonVarnel with the report's kind) and runs the
// report's computation. Every procedure traps its run-time errors: it shows
// "<name>()::" and the error's description in a box titled "System error" and
// returns true. True also means there is nothing to print.

// A selected game the gathering left out (its index in gtypGames), and why.
struct SeasonSkippedGame {
    enum class Reason { Shape, Unreadable };
    int32_t GameIndex;
    Reason reason;
};

// Gathering kinds: 2 keeps only whole games, 5 each game's best course, every
// other kind from 1 to 14 all complete courses; others gather nothing.
// Appends one row per player and game of every selected game to
// gtypSeasonScores. True when no game is selected or on a failure. A game
// that cannot be read, or whose shape no score row can hold, is left out and
// listed in `skipped`; the window that gathers names them all in one box
// (seasonSkippedPrompt, titled "エラー"), also after a failure.
[[nodiscard]] bool gfSetSeasonVarnel(int16_t intKind, std::vector<SeasonSkippedGame>& skipped);

// The text of that box: one line per game left out, with its file, date,
// title and why.
std::string seasonSkippedPrompt(const std::vector<SeasonSkippedGame>& skipped);

// Orders gtypSeasonScores by player, game date and game index.
[[nodiscard]] bool gfSortSeasonVarnel();

// One row per player into gtypSeasonTotalRows, ranked on the basis of
// gintTotalRankingMode with its minimum.
[[nodiscard]] bool gsCalSeasonTotalRanking();

// Each player's best game (kind 3 rows) or best course (kind 5 rows), ranked,
// into gtypSeasonGameRows.
[[nodiscard]] bool gsCalSeasonGameRanking();

// Re-orders one player's rows in gtypSeasonGameRows by result.
[[nodiscard]] bool gsCalSeasonPersonalGameScore();

// Every course of one player, game by game, into gtypSeasonRoundRows; reads
// the games again. True when the player has none.
[[nodiscard]] bool gsCalSeasonPersonalRoundScore(int32_t lngID);

// One row per player into gtypSeasonEntryRows, numbered 1, 2, 3; grouped by
// affiliation when intByBelong is 1, ordered by games played when intByCount
// is nonzero, else by the players' sort readings.
[[nodiscard]] bool gsCalSeasonEntryList(int16_t intByBelong, int16_t intByCount);

// One member row per player and team into gtypSeasonTeamRows, grouped by team.
[[nodiscard]] bool gsCalSeasonTeamList();

// The teams of gtypSeasonTeamRows, ranked, into gtypTeamRankRows.
[[nodiscard]] bool gsCalSeasonTeamRanking();
