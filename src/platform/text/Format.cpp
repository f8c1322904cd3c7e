#include "platform/text/Format.h"

#include "platform/text/RuntimeError.h"
#include "platform/text/Strings.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <cmath>
#include <cstdlib>

namespace text {

namespace {

// A number mask: zeros (and optional "#" digits) before the point, zeros after it.
struct Mask {
    std::size_t intDigits = 0; // digits always shown before the point
    std::size_t decimals = 0;
};

Mask parseMask(std::string_view mask) {
    Mask m;
    const auto point = mask.find('.');
    for (char c : mask.substr(0, point))
        if (c == '0') ++m.intDigits;
    if (point != std::string_view::npos) m.decimals = mask.size() - point - 1;
    return m;
}

// Lays out an exact decimal value: intDigits before the point and frac (the
// mask's decimals, already cut) after it; roundUp adds one unit in the last
// place, which carries into the whole part as far as needed.
std::string layout(bool negative, std::string_view intDigits, std::string_view frac, bool roundUp, const Mask& m) {
    std::string digits;
    digits.reserve(intDigits.size() + frac.size() + 1);
    digits.append(intDigits).append(frac);
    if (roundUp) {
        std::size_t i = digits.size();
        while (i > 0 && digits[i - 1] == '9') digits[--i] = '0';
        if (i == 0)
            digits.insert(digits.begin(), '1');
        else
            ++digits[i - 1];
    }
    const std::size_t wholeEnd = digits.size() - m.decimals;
    std::size_t first = 0;
    while (first < wholeEnd && digits[first] == '0') ++first;
    const std::size_t wholeSize = wholeEnd - first;
    const bool zero = first == wholeEnd && digits.find_first_not_of('0', wholeEnd) == std::string::npos;
    std::string out;
    out.reserve(2 + std::max(wholeSize, m.intDigits) + m.decimals);
    if (negative && !zero) out += '-';
    if (wholeSize < m.intDigits) out.append(m.intDigits - wholeSize, '0');
    out.append(digits, first, wholeSize);
    if (m.decimals > 0) {
        out += '.';
        out.append(digits, wholeEnd, std::string::npos);
    }
    return out;
}

// The decimal digits of v in buf, as a view of it.
std::string_view unsignedDigits(unsigned long long v, char (&buf)[24]) {
    return {buf, static_cast<std::size_t>(std::to_chars(buf, buf + sizeof buf, v).ptr - buf)};
}

// The quotient n / d under a mask (see FormatRatio), in the unsigned type U
// that holds ten times the denominator.
template <class U>
std::string formatQuotient(bool negative, U n, U d, const Mask& m) {
    char buf[24];
    const std::string_view whole = unsignedDigits(static_cast<unsigned long long>(n / d), buf);
    U rest = n % d;
    std::string frac(m.decimals, '0');
    for (char& c : frac) {
        rest *= 10;
        c = static_cast<char>('0' + static_cast<int>(rest / d));
        rest %= d;
    }
    return layout(negative, whole, frac, rest * 2 >= d, m);
}

} // namespace

std::string Format(double value, std::string_view mask) {
    if (!std::isfinite(value)) raise(err::Overflow);
    const Mask m = parseMask(mask);
    // The shortest decimal text that reads back as this double, "d.ddde±x":
    // the value the user sees, rounded as a decimal.
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific);
    const std::string_view sci(buf, static_cast<std::size_t>(res.ptr - buf));
    const auto e = sci.find('e');
    std::string digits;
    for (char c : sci.substr(0, e))
        if (c != '.') digits += c;
    const long exponent = std::strtol(std::string(sci.substr(e + 1)).c_str(), nullptr, 10);

    std::string intDigits, frac;
    const long pointAt = exponent + 1; // digits before the point
    if (pointAt <= 0) {
        intDigits = "0";
        frac = std::string(static_cast<std::size_t>(-pointAt), '0') + digits;
    } else if (static_cast<std::size_t>(pointAt) >= digits.size()) {
        intDigits = digits + std::string(static_cast<std::size_t>(pointAt) - digits.size(), '0');
    } else {
        intDigits = digits.substr(0, static_cast<std::size_t>(pointAt));
        frac = digits.substr(static_cast<std::size_t>(pointAt));
    }
    bool roundUp = false;
    if (frac.size() > m.decimals) {
        roundUp = frac[m.decimals] >= '5';
        frac.resize(m.decimals);
    } else {
        frac.append(m.decimals - frac.size(), '0');
    }
    return layout(std::signbit(value), intDigits, frac, roundUp, m);
}

std::string Format(long long value, std::string_view mask) {
    const unsigned long long magnitude =
        value < 0 ? 0ULL - static_cast<unsigned long long>(value) : static_cast<unsigned long long>(value);
    char buf[24];
    const std::string_view digits = unsignedDigits(magnitude, buf);
    if (!mask.empty() && mask.find_first_not_of('0') == std::string_view::npos) {
        // Zeros only ("000", "0000000"): the digits padded to the mask's width.
        const std::size_t width = std::max(digits.size(), mask.size());
        std::string out;
        out.reserve(width + 1);
        if (value < 0) out += '-';
        out.append(width - digits.size(), '0').append(digits);
        return out;
    }
    const Mask m = parseMask(mask);
    return layout(value < 0, digits, std::string(m.decimals, '0'), false, m);
}

std::string FormatRatio(long long numerator, long long denominator, std::string_view mask) {
    if (denominator == 0) raise(err::DivisionByZero);
    const Mask m = parseMask(mask);
    auto magnitude = [](long long v) {
        return v < 0 ? 0ULL - static_cast<unsigned long long>(v) : static_cast<unsigned long long>(v);
    };
    const bool negative = (numerator < 0) != (denominator < 0);
    const unsigned long long n = magnitude(numerator), d = magnitude(denominator);
    if (d <= std::numeric_limits<unsigned long long>::max() / 10) return formatQuotient(negative, n, d, m);
    return formatQuotient<unsigned __int128>(negative, n, d, m);
}

std::string FormatText(std::string_view s, std::string_view mask) {
    long width = 0;
    for (char c : mask)
        if (c == '@') ++width;
    const long len = Len(s);
    return len >= width ? std::string(s) : Space(width - len) + std::string(s);
}

} // namespace text
