#include "platform/text/Format.h"

#include "platform/text/RuntimeError.h"
#include "platform/text/Strings.h"

#include <charconv>
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
std::string layout(bool negative, std::string intDigits, std::string frac, bool roundUp, const Mask& m) {
    std::string digits = intDigits + frac;
    if (roundUp) {
        std::size_t i = digits.size();
        while (i > 0 && digits[i - 1] == '9') digits[--i] = '0';
        if (i == 0)
            digits.insert(digits.begin(), '1');
        else
            ++digits[i - 1];
    }
    std::string whole = digits.substr(0, digits.size() - m.decimals);
    frac = digits.substr(digits.size() - m.decimals);
    whole.erase(0, whole.find_first_not_of('0'));
    if (whole.size() < m.intDigits) whole.insert(0, m.intDigits - whole.size(), '0');
    const bool zero = digits.find_first_not_of('0') == std::string::npos;
    std::string out = negative && !zero ? "-" : "";
    out += whole;
    if (m.decimals > 0) out += "." + frac;
    return out;
}

std::string unsignedDigits(unsigned long long v) { return std::to_string(v); }

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
    const Mask m = parseMask(mask);
    const unsigned long long magnitude =
        value < 0 ? 0ULL - static_cast<unsigned long long>(value) : static_cast<unsigned long long>(value);
    return layout(value < 0, unsignedDigits(magnitude), std::string(m.decimals, '0'), false, m);
}

std::string FormatRatio(long long numerator, long long denominator, std::string_view mask) {
    if (denominator == 0) raise(err::DivisionByZero);
    const Mask m = parseMask(mask);
    auto magnitude = [](long long v) {
        return static_cast<unsigned __int128>(v < 0 ? 0ULL - static_cast<unsigned long long>(v)
                                                    : static_cast<unsigned long long>(v));
    };
    const unsigned __int128 n = magnitude(numerator), d = magnitude(denominator);
    const auto quotient = static_cast<unsigned long long>(n / d);
    unsigned __int128 rest = n % d;
    std::string frac;
    for (std::size_t k = 0; k < m.decimals; ++k) {
        rest *= 10;
        frac += static_cast<char>('0' + static_cast<int>(rest / d));
        rest %= d;
    }
    const bool roundUp = rest * 2 >= d;
    return layout((numerator < 0) != (denominator < 0), unsignedDigits(quotient), frac, roundUp, m);
}

std::string FormatText(std::string_view s, std::string_view mask) {
    long width = 0;
    for (char c : mask)
        if (c == '@') ++width;
    const long len = Len(s);
    return len >= width ? std::string(s) : Space(width - len) + std::string(s);
}

} // namespace text
