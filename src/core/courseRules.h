#pragma once
#include <array>
#include <climits>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/gameRecords.h"
#include "platform/text/RuntimeError.h"

// The rules of one course of a game and the pieces every ranking builds its
// keys from, shared by the rankings of one game and the season tally.

// a + b as a 32-bit sum (strokes, totals, handicaps); the overflow error
// outside 32 bits. Inline: the tallies add every hole through it.
inline int32_t gfCheckedSum(int32_t a, long long b) {
    long long sum = 0;
    if (__builtin_add_overflow(static_cast<long long>(a), b, &sum) || sum < INT32_MIN || sum > INT32_MAX)
        text::raise(text::err::Overflow);
    return static_cast<int32_t>(sum);
}

// ---- Game shape ----------------------------------------------------------

// Number of players in `scoresMax` + 1 score rows of a game of `game.Round`
// courses: the row count / Round rounded half to even. A shape no game can
// have raises the run-time error instead of overrunning the fixed arrays:
// Round 0 the division error, Round outside 1..10 or Hole outside 0..18 the
// subscript error.
int32_t gfPlayerCount(const typGameInfo& game, int32_t scoresMax);

// ---- One course (one score row) -------------------------------------------

// Strokes of one hole: the number at the start of its text, rounded half to
// even (overflow error beyond 32 bits).
int32_t gfHoleStrokes(const std::string& hole);

// A hole counts when its value rounds to 1 or more ("", "0", "0.5", "abc"
// do not).
bool gfHoleCounts(const std::string& hole);

// A course is complete when each of its holes 1..hole counts. hole outside
// 0..18 raises the subscript error.
bool gfIsCourseComplete(const typScoreData& row, int16_t hole);

// The strokes of each of holes 1..hole of one course in strokes[0..hole-1]
// when it is complete; false, and no hole read as a number, when it is not
// (the same as gfIsCourseComplete followed by gfHoleStrokes of each hole).
// hole outside 0..18 raises the subscript error.
bool gfCourseHoleStrokes(const typScoreData& row, int16_t hole, std::array<int32_t, 18>& strokes);

// The strokes of holes 1..hole of one course when it is complete (each hole
// rounded before it is added; checked 32-bit sum), nothing when it is not.
// hole outside 0..18 raises the subscript error.
std::optional<int32_t> gfCompleteCourseStrokes(const typScoreData& row, int16_t hole);

// ---- Handicaps (tenths of a stroke) ---------------------------------------

// The share of a per-game handicap earned by `coursesDone` of `round`
// courses: coursesDone x handicap / round, rounded half to even (2 of 3
// courses with -30 give -20; one of two with 15 gives 8, with 5 gives 2).
// Totals in tenths of whole strokes are even, so adding the rounded share to
// such a total equals rounding the sum. round 0 raises the division error.
int32_t gfGameHandicapShare(int32_t handicap, int32_t coursesDone, int16_t round);

// The handicap one course carries under a kind: 1 the row's own handicap,
// 2 the game handicap's share of one course, any other kind none.
int32_t gfCourseHandicap(int16_t kind, int32_t rowHandicap, int16_t round);

// ---- Ranking keys ---------------------------------------------------------

// The key piece of the date of birth under the birthday rule: the player's
// "yyyy/mm/dd" when `played` and the registry knows a date, else
// "9999/99/99" so the player sorts last among equals.
std::string gfBirthdayKey(int32_t IDNo, bool played);

// A number under a fixed-width zero mask, as a key piece. Values of 0 or
// more give exactly Format(value, mask). A negative value would print as
// "-005", which orders wrongly as text; it gets one "-" per mask range below
// zero and the value offset into that range instead, so that text order
// stays numeric order and every negative key sorts before the others.
std::string gfKeyNumber(long long value, std::string_view mask);
// The same for the exact ratio numerator / denominator (denominator > 0;
// 0 raises the division error).
std::string gfKeyRatio(long long numerator, long long denominator, std::string_view mask);

// An average per complete course as a key piece: total / rounds under the
// mask, or the mask all in nines ("00000.000" gives "99999.999") when there
// is no complete course, so such rows sort last.
std::string gfAverageKey(long long total, long long rounds, std::string_view mask);

// Row numbers 0..keys.size()-1 in ascending key order, sorted by
// csQuickSort_Asc (its tie order is the ranking's).
std::vector<int32_t> gfSortByKeys(const std::vector<std::string>& keys);

// Ranks along a sorted order: the position from 1, except that a row whose
// key equals the previous row's takes its rank (1, 1, 3).
std::vector<int32_t> gfSharedRanks(const std::vector<int32_t>& order,
                                   const std::vector<std::string>& keys);
