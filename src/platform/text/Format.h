#pragma once
#include <concepts>
#include <cstdint>
#include <string>
#include <string_view>

// Number masks ("0", "000", "0000000", "0.0", "0.00", "0.000", "00000.000",
// "000000.00000000", "##0" ...): at least as many integer digits as the mask
// has zeros before the point (a longer number keeps all its digits), exactly
// as many decimals as after it, the last one rounded with halves away from
// zero on the decimal value. A negative number gets "-" before the digits;
// one that rounds to zero shows no "-". "#" before the point is a digit shown
// only when needed ("##0"). A double is taken as the shortest decimal text that
// reads back as it (0.145 → "0.15" with "0.00").
namespace text {

std::string Format(double value, std::string_view mask);
std::string Format(long long value, std::string_view mask);
// Any other whole number (int, int16_t, long ...) goes to the long long form
// instead of being ambiguous between the two above.
template <std::integral T>
std::string Format(T value, std::string_view mask) {
    return Format(static_cast<long long>(value), mask);
}
// The exact ratio numerator / denominator under a mask: 145/1000 with "0.00"
// gives "0.15". A zero denominator raises the division error.
std::string FormatRatio(long long numerator, long long denominator, std::string_view mask);
// Text masks of "@": right-aligned in as many characters, blank-padded on the
// left; a longer text is kept whole.
std::string FormatText(std::string_view s, std::string_view mask);

} // namespace text
