#pragma once
#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "platform/text/Strings.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

// The cells of a score pack's Holes text, in order: the text (blanks at both
// ends removed) split at every ",". Once the text is used up every further
// cell is "", so "2,3," gives "2", "3", "", "", ... and "" gives only "".
// The unpacking into score rows and the season gathering both read packs
// through it, so they see the same cells. The view refers to the pack's text.
class ScoreCells {
public:
    explicit ScoreCells(std::string_view holes) {
        const std::string_view text = text::TrimmedView(holes);
        at_ = text.data();
        end_ = text.data() + text.size();
        last_ = text.empty() ? end_ : end_ - 1;
    }

    // The next cell.
    std::string_view next() {
        const char* const at = at_;
        // Mostly one character and its ","; otherwise a plain scan, as cells
        // are short. The cursor stays at the end once the text is used up.
        if (at < last_ && at[1] == ',' && at[0] != ',') [[likely]] {
            at_ = at + 2;
            return {at, 1};
        }
        const char* stop = at;
        while (stop != end_ && *stop != ',') ++stop;
        at_ = stop == end_ ? stop : stop + 1;
        return {at, static_cast<std::size_t>(stop - at)};
    }

    // Takes the next cells while they are single digits 1 to 9 followed by
    // ",", at most n (0 or more) of them, passing each one's value (unsigned)
    // to take; returns how many it took. Any other cell is left for next().
    template <class Take>
    int takeDigits(int n, Take take) {
        const char* at = at_;
        std::ptrdiff_t left = n;
        if constexpr (std::endian::native == std::endian::little) {
            // Four cells at a time, "d,d,d,d," read as one number (its first
            // character lowest): less "1,1,1,1," each byte is then 0 to 8
            // where a digit stands and 0 where a "," does. Any other byte
            // (the lowest such at least, as nothing below it borrows or
            // carries) gets its top bit set in d, or in d + kHigh, which adds
            // 0x77 to a digit's byte and 0x7F to a ","'s.
            constexpr uint64_t kOnes = 0x2C312C312C312C31, kHigh = 0x7F777F777F777F77, kTop = 0x8080808080808080;
            const auto room = static_cast<std::size_t>(end_ - at) / 2; // cells of 2 characters at most
            for (std::size_t blocks = std::min(static_cast<std::size_t>(n), room) / 4; blocks != 0; --blocks) {
                uint64_t chars = 0;
                std::memcpy(&chars, at, 8);
                const uint64_t d = chars - kOnes;
                if (((d + kHigh) | d) & kTop) break;
                for (int k = 0; k < 8; k += 2) take(static_cast<unsigned char>(at[k]) - unsigned{'0'});
                at += 8;
                left -= 4;
            }
        }
        for (; left > 0 && at < last_; --left) {
            const unsigned digit = static_cast<unsigned char>(at[0]) - unsigned{'1'};
            if (digit > 8 || at[1] != ',') break;
            at += 2;
            take(digit + 1);
        }
        at_ = at;
        return n - static_cast<int>(left);
    }

#if defined(__SSE2__)
    // Takes the next eight cells when each is a single digit 1 to 9 followed
    // by "," (as takeDigits would take them) and gives their sixteen
    // characters; false, with nothing taken, when they are not or fewer
    // characters are left.
    bool takeEightDigits(__m128i& chars) {
        if (end_ - at_ < 16) return false;
        const __m128i text = sixteen(at_);
        if (!eightDigits(text)) return false;
        chars = text;
        at_ += 16;
        return true;
    }
#endif

    // Whether the next n cells (0 or more) are each a single digit 1 to 9
    // followed by ",", as the program writes strokes: the 2 x n characters
    // from position() on are then "d,d,...,". Nothing is taken.
    bool digitsAhead(int n) const {
        if (n <= 0) return true;
        if (end_ - at_ < 2 * static_cast<std::ptrdiff_t>(n)) return false;
#if defined(__SSE2__)
        if (n >= 8) {
            int k = 0;
            for (; k + 8 <= n; k += 8)
                if (!eightDigits(sixteen(at_ + 2 * k))) return false;
            // The last few again with the cells before them.
            return k == n || eightDigits(sixteen(at_ + 2 * (n - 8)));
        }
#endif
        for (const char* at = at_; at != at_ + 2 * n; at += 2)
            if (at[0] < '1' || at[0] > '9' || at[1] != ',') return false;
        return true;
    }

    // Where the cursor stands, and a cursor over the same text from there.
    const char* position() const { return at_; }
    ScoreCells from(const char* position) const {
        ScoreCells cells = *this;
        cells.at_ = position;
        return cells;
    }

private:
#if defined(__SSE2__)
    static __m128i sixteen(const char* from) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(from)); }
    // Whether sixteen characters are eight single digits 1 to 9, each
    // followed by ",".
    static bool eightDigits(__m128i text) {
        // Less "1," in each pair of characters: a digit 1 to 9 leaves 0 to 8,
        // a "," leaves 0; anything else more.
        const __m128i less = _mm_sub_epi8(text, _mm_set1_epi16(0x2C31));
        const __m128i most = _mm_set1_epi16(0x0008);
        return _mm_movemask_epi8(_mm_cmpeq_epi8(_mm_max_epu8(less, most), most)) == 0xFFFF;
    }
#endif

    const char* at_;   // the next cell's start
    const char* end_;  // the text's end
    const char* last_; // its last character (the end when it is empty)
};
