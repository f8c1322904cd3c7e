#include "platform/text/Numbers.h"

#include "platform/text/RuntimeError.h"

#include <charconv>
#include <cmath>

namespace text {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t skipDigits(std::string_view s, std::size_t i) {
    while (i < s.size() && isDigit(s[i])) ++i;
    return i;
}

// Decimal position of the first significant digit of a number that does not
// fit a double: above zero it was too large, otherwise too small.
long magnitude(std::string_view intDigits, std::string_view fracDigits, std::string_view expText) {
    long exponent = 0;
    std::size_t i = 0;
    const bool negative = !expText.empty() && expText[0] == '-';
    if (!expText.empty() && (expText[0] == '-' || expText[0] == '+')) ++i;
    for (; i < expText.size() && exponent < 1'000'000; ++i) exponent = exponent * 10 + (expText[i] - '0');
    if (negative) exponent = -exponent;
    const auto firstInt = intDigits.find_first_not_of('0');
    if (firstInt != std::string_view::npos) return static_cast<long>(intDigits.size() - firstInt) + exponent;
    const auto firstFrac = fracDigits.find_first_not_of('0');
    return -static_cast<long>(firstFrac == std::string_view::npos ? 0 : firstFrac) + exponent;
}

double checkedRound(double v, double lowest, double highest) {
    // A whole number in range is its own rounding (NaN fails the test).
    if (v >= lowest && v <= highest && v == static_cast<double>(static_cast<long long>(v))) return v;
    if (!std::isfinite(v)) raise(err::Overflow);
    const double floor = std::floor(v);
    const double rest = v - floor;
    double r = floor;
    if (rest > 0.5 || (rest == 0.5 && std::fmod(floor, 2.0) != 0.0)) r = floor + 1;
    if (r < lowest || r > highest) raise(err::Overflow);
    return r;
}

} // namespace

double Val(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
    if (i == s.size()) return 0;
    const std::size_t start = i;
    if (s[i] == '+' || s[i] == '-') ++i;
    const std::size_t intBegin = i;
    // Stored numbers are mostly a few plain digits: read them as a whole
    // number, which a double holds exactly up to 15 digits.
    unsigned long long whole = 0;
    while (i < s.size() && isDigit(s[i]) && i - intBegin < 15) whole = whole * 10 + static_cast<unsigned>(s[i++] - '0');
    if (i > intBegin && (i == s.size() || (!isDigit(s[i]) && s[i] != '.' && s[i] != 'e' && s[i] != 'E'))) {
        const auto v = static_cast<double>(whole);
        return s[start] == '-' ? -v : v;
    }
    i = skipDigits(s, i);
    const std::size_t intEnd = i;
    std::size_t fracBegin = i, fracEnd = i;
    if (i < s.size() && s[i] == '.') {
        fracBegin = i + 1;
        fracEnd = i = skipDigits(s, fracBegin);
    }
    if (intEnd == intBegin && fracEnd == fracBegin) return 0;
    std::size_t expBegin = i, expEnd = i;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
        const std::size_t digitsEnd = skipDigits(s, j);
        if (digitsEnd > j) {
            expBegin = i + 1;
            expEnd = i = digitsEnd;
        }
    }
    // from_chars takes no "+" sign; the sign is applied afterwards.
    const std::string_view number = s.substr(intBegin, i - intBegin);
    double v = 0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), v);
    if (result.ec == std::errc::result_out_of_range) {
        if (magnitude(s.substr(intBegin, intEnd - intBegin), s.substr(fracBegin, fracEnd - fracBegin),
                      s.substr(expBegin, expEnd - expBegin)) > 0)
            raise(err::Overflow);
        v = 0;
    }
    return s[start] == '-' ? -v : v;
}

int16_t CInt(double v) { return static_cast<int16_t>(checkedRound(v, -32768.0, 32767.0)); }

int32_t CLng(double v) { return static_cast<int32_t>(checkedRound(v, -2147483648.0, 2147483647.0)); }

int32_t Fix(double v) {
    if (!std::isfinite(v)) raise(err::Overflow);
    const double t = std::trunc(v);
    if (t < -2147483648.0 || t > 2147483647.0) raise(err::Overflow);
    return static_cast<int32_t>(t);
}

int16_t readInt16(std::string_view s) { return CInt(Val(s)); }

int32_t readInt32General(std::string_view s) { return CLng(Val(s)); }

std::string Str(long long v) { return std::to_string(v); }

} // namespace text
