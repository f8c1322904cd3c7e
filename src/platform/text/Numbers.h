#pragma once
#include <cstdint>
#include <string>
#include <string_view>

// Numbers read from and written to texts.
namespace text {

// The number at the start of a text: blanks skipped, optional sign, digits,
// optional "." and digits, optional exponent; stops at the first other
// character ("1 2" reads 1); no number reads 0. A number too large for a
// double raises the overflow error; one too small reads 0.
double Val(std::string_view s);

// Rounding to whole numbers with halves to even; outside the target range
// raises the overflow error, as do NaN and infinities.
int16_t CInt(double v);
int32_t CLng(double v);
// Truncation toward zero with the 32-bit range check.
int32_t Fix(double v);

// Val followed by the checked rounding: the stored-number convention.
int16_t readInt16(std::string_view s);
int32_t readInt32General(std::string_view s);
// The usual stored number, a few plain digits after an optional "-", needs
// neither a double nor rounding (nine digits always fit): read inline, the
// rest through readInt32General.
inline int32_t readInt32(std::string_view s) {
    const bool negative = !s.empty() && s[0] == '-';
    const std::string_view digits = s.substr(negative ? 1 : 0);
    if (!digits.empty() && digits.size() <= 9) {
        int32_t v = 0;
        std::size_t i = 0;
        for (; i < digits.size() && digits[i] >= '0' && digits[i] <= '9'; ++i) v = v * 10 + (digits[i] - '0');
        if (i == digits.size()) return negative ? -v : v;
    }
    return readInt32General(s);
}

// Plain decimal digits, "-" for negatives, no leading blank.
std::string Str(long long v);

} // namespace text
