#pragma once
#include <algorithm>
#include <array>
#include <climits>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/gameRecords.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#include "platform/text/RuntimeError.h"

// The rules of one course of a game and the pieces every ranking builds its
// keys from, shared by the rankings of one game and the season tally.

// a + b as a 32-bit sum (strokes, totals, handicaps); the overflow error
// outside 32 bits. Inline: the tallies add every hole through it.
inline int32_t checkedSum(int32_t a, long long b) {
    long long sum = 0;
    if (__builtin_add_overflow(static_cast<long long>(a), b, &sum) || sum < INT32_MIN || sum > INT32_MAX)
        text::raise(text::err::Overflow);
    return static_cast<int32_t>(sum);
}
// The same for two 32-bit numbers, in one checked addition.
inline int32_t checkedSum(int32_t a, int32_t b) {
    int32_t sum = 0;
    if (__builtin_add_overflow(a, b, &sum)) text::raise(text::err::Overflow);
    return sum;
}

// ---- Game shape ----------------------------------------------------------

// Number of players in `scoresMax` + 1 score rows of a game of `game.Round`
// courses: the row count / Round rounded half to even. A shape no game can
// have raises the run-time error instead of overrunning the fixed arrays:
// Round 0 the division error, Round outside 1..10 or Hole outside 0..18 the
// subscript error.
int32_t playerCount(const typGameInfo& game, int32_t scoresMax);

// ---- One course (one score row) -------------------------------------------

// Score entry stores whole strokes as plain digits ("4", "12"); such a text
// is its own value, read without the general number reader. False for any
// other text. A plain text has at most 4 digits, so its value is at most
// kPlainStrokesMax.
inline constexpr int32_t kPlainStrokesMax = 9999;
inline bool plainStrokes(std::string_view hole, int32_t& strokes) {
    if (hole.size() == 1) { // the usual single digit
        strokes = hole[0] - '0';
        return strokes >= 0 && strokes <= 9;
    }
    if (hole.empty() || hole.size() > 4) return false;
    strokes = 0;
    for (char c : hole) {
        if (c < '0' || c > '9') return false;
        strokes = strokes * 10 + (c - '0');
    }
    return true;
}

// Strokes of one hole: the number at the start of its text, rounded half to
// even (overflow error beyond 32 bits).
int32_t holeStrokes(std::string_view hole);

// A hole counts when its value rounds to 1 or more ("", "0", "0.5", "abc"
// do not).
bool holeCounts(std::string_view hole);

// One course as courseStrokes reads it, filled when it is complete.
struct CourseStrokes {
    std::array<int32_t, 18> strokes; // holes 1..hole
    long long sum;                   // their strokes added up
    // The holes of s strokes, s 1 to 5 (the counts a season row keeps), in
    // the kCountBits bits from bit kCountBits x (s - 1). Packed in one
    // number, so that counting a hole is an addition in a register, not in
    // memory; and the counts of up to kCountedHolesMax holes, several courses
    // of one player, add up in one number too.
    uint64_t counts;
    // Every hole was a plain stroke text (plainStrokes): each is at most
    // kPlainStrokesMax, the sum at most 18 x kPlainStrokesMax.
    bool plain;

    static constexpr unsigned kCountBits = 12;
    static constexpr int32_t kCountedHolesMax = (1 << kCountBits) - 1;
    static constexpr std::size_t kCountedStrokes = 5;

    // What one hole of v strokes, v 0 to 9, adds to counts.
    static constexpr std::array<uint64_t, 10> kCountOf = [] {
        std::array<uint64_t, 10> of{};
        for (unsigned s = 1; s <= kCountedStrokes; ++s) of[s] = uint64_t{1} << (kCountBits * (s - 1));
        return of;
    }();
    // Counts one hole of v strokes, v 1 to 9.
    void countDigit(unsigned v) { counts += kCountOf[v]; }
    // Counts one hole of v strokes.
    void count(int32_t v) { countDigit(v >= 1 && v <= 9 ? static_cast<unsigned>(v) : 0); }
    // The holes of s strokes, s 1 to kCountedStrokes, in packed counts.
    static int32_t holesOf(uint64_t counts, unsigned s) {
        return static_cast<int32_t>(counts >> (kCountBits * (s - 1)) & kCountedHolesMax);
    }
};

// The general part of courseStrokes, from hole `from` (0-based) on: any
// text, and the rounding pass. The holes before it were single digits,
// already in course. Kept out of line, so that the usual single digits stay
// a short loop.
template <class Cells, class Position>
[[gnu::noinline]] bool courseStrokesRest(int16_t hole, int from, Position first, Cells& cells,
                                           CourseStrokes& course) {
    for (int h = from; h < hole; ++h) {
        const std::string_view text = cells.next();
        int32_t v = 0;
        const bool plain = plainStrokes(text, v);
        if (plain ? v < 1 : !holeCounts(text)) {
            for (++h; h < hole; ++h) cells.next();
            return false;
        }
        course.strokes[static_cast<std::size_t>(h)] = v;
        if (plain) {
            course.sum += v;
            course.count(v);
        } else {
            course.plain = false;
        }
    }
    // Texts other than plain ones are rounded only once every hole is known
    // to count, as rounding may raise.
    if (!course.plain) {
        Cells again = cells.from(first);
        course.counts = 0;
        course.sum = 0;
        for (int h = 0; h < hole; ++h) {
            const int32_t v = holeStrokes(again.next());
            course.strokes[static_cast<std::size_t>(h)] = v;
            course.sum += v;
            course.count(v);
        }
    }
    return true;
}

// One course read into `course` (the strokes of each of holes 1..hole, their
// sum and counts) when it is complete; false, and no hole rounded, when it
// is not: the same as a completeness check followed by holeStrokes of each
// hole, so only a complete course raises the overflow error of rounding (a
// text beyond any number raises it when it is read, and holes after one that
// does not count are not read). The texts come from `cells`, a cursor over
// the course's hole texts in order: next() gives the next text;
// takeDigits(n, take) takes the next texts while they are single digits 1 to
// 9 (the usual strokes), at most n, passing each one's value to take, and
// returns how many it took; position() and from(position) give where it
// stands and a cursor from there, which reads the texts again to round them
// (the cursor itself is not copied where nothing is rounded: a copy read back
// at once from what was just written stalls). Exactly `hole` texts are
// taken. hole outside 0..18 raises the subscript error.
template <class Cells>
[[gnu::always_inline]] inline bool courseStrokes(int16_t hole, Cells& cells, CourseStrokes& course) {
    if (hole < 0 || hole > 18) text::raise(text::err::Subscript);
    const auto first = cells.position();
    course.plain = true;
    int32_t* out = course.strokes.data();
    int32_t sum = 0;
    uint64_t counts = 0;
    int taken = 0;
#if defined(__SSE2__)
    // Eight single digits at a time where the cells can give them so.
    if constexpr (requires(__m128i& chars) { cells.takeEightDigits(chars); }) {
        __m128i chars;
        while (hole - taken >= 8 && cells.takeEightDigits(chars)) {
            const __m128i zero = _mm_setzero_si128();
            const __m128i values = _mm_and_si128(chars, _mm_set1_epi16(0x000F)); // a digit's value in each 16-bit lane
            _mm_storeu_si128(reinterpret_cast<__m128i*>(out), _mm_unpacklo_epi16(values, zero));
            _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 4), _mm_unpackhi_epi16(values, zero));
            const __m128i sums = _mm_sad_epu8(values, zero); // the values of each half added up
            sum += _mm_cvtsi128_si32(sums) + _mm_extract_epi16(sums, 4);
            for (int k = 0; k < 8; ++k) counts += CourseStrokes::kCountOf[static_cast<std::size_t>(out[k])];
            out += 8;
            taken += 8;
        }
    }
#endif
    taken += cells.takeDigits(hole - taken, [&](unsigned v) {
        *out++ = static_cast<int32_t>(v);
        counts += CourseStrokes::kCountOf[v];
        sum += static_cast<int32_t>(v);
    });
    course.sum = sum;
    course.counts = counts;
    return taken == hole || courseStrokesRest(hole, taken, first, cells, course);
}
// The same giving the strokes only, in strokes[0..hole-1] (the others are
// left as they are).
template <class Cells>
inline bool courseStrokes(int16_t hole, Cells& cells, std::array<int32_t, 18>& strokes) {
    CourseStrokes course;
    if (!courseStrokes(hole, cells, course)) return false;
    std::copy_n(course.strokes.begin(), hole, strokes.begin());
    return true;
}

// courseStrokes of one score row's holes.
bool courseHoleStrokes(const typScoreData& row, int16_t hole, std::array<int32_t, 18>& strokes);

// The strokes of holes 1..hole of one course when it is complete (each hole
// rounded before it is added, as courseStrokes; checked 32-bit sum),
// nothing when it is not. hole outside 0..18 raises the subscript error.
std::optional<int32_t> completeCourseStrokes(const typScoreData& row, int16_t hole);

// ---- Handicaps (tenths of a stroke) ---------------------------------------

// The share of a per-game handicap earned by `coursesDone` of `round`
// courses: coursesDone x handicap / round, rounded half to even (2 of 3
// courses with -30 give -20; one of two with 15 gives 8, with 5 gives 2).
// Totals in tenths of whole strokes are even, so adding the rounded share to
// such a total equals rounding the sum. round 0 raises the division error.
int32_t gameHandicapShare(int32_t handicap, int32_t coursesDone, int16_t round);

// The handicap one course carries under a kind: 1 the row's own handicap,
// 2 the game handicap's share of one course, any other kind none.
int32_t courseHandicap(int16_t kind, int32_t rowHandicap, int16_t round);

// ---- Ranking keys ---------------------------------------------------------

// The key piece of the date of birth under the birthday rule: the player's
// "yyyy/mm/dd" when `played` and the registry knows a date, else
// "9999/99/99" so the player sorts last among equals.
std::string birthdayKey(int32_t IDNo, bool played);

// A number under a fixed-width zero mask, as a key piece. Values of 0 or
// more give exactly Format(value, mask). A negative value would print as
// "-005", which orders wrongly as text; it gets one "-" per mask range below
// zero and the value offset into that range instead, so that text order
// stays numeric order and every negative key sorts before the others.
std::string keyNumber(long long value, std::string_view mask);
// The same for the exact ratio numerator / denominator (denominator > 0;
// 0 raises the division error).
std::string keyRatio(long long numerator, long long denominator, std::string_view mask);

// An average per complete course as a key piece: total / rounds under the
// mask, or the mask all in nines ("00000.000" gives "99999.999") when there
// is no complete course, so such rows sort last.
std::string averageKeyPiece(long long total, long long rounds, std::string_view mask);

// Row numbers 0..keys.size()-1 in ascending key order, sorted by
// csQuickSort_Asc (its tie order is the ranking's).
std::vector<int32_t> sortByKeys(const std::vector<std::string>& keys);

// Ranks along a sorted order: the position from 1, except that a row whose
// key equals the previous row's takes its rank (1, 1, 3).
std::vector<int32_t> sharedRanks(const std::vector<int32_t>& order,
                                   const std::vector<std::string>& keys);
