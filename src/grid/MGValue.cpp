#include "grid/MGValue.h"

#include "platform/text/Numbers.h"
#include "platform/text/RuntimeError.h"
#include "platform/text/Strings.h"

#include <charconv>
#include <cmath>

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// True when the whole text (blanks around it aside) is one decimal number:
// optional sign, digits with an optional fraction, optional exponent.
bool isNumberText(std::string_view s) {
    const std::string t = text::Trim(s);
    std::size_t i = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < t.size() && isDigit(t[i])) ++i, ++digits;
    if (i < t.size() && t[i] == '.') {
        ++i;
        while (i < t.size() && isDigit(t[i])) ++i, ++digits;
    }
    if (digits == 0) return false;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        ++i;
        if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
        std::size_t expDigits = 0;
        while (i < t.size() && isDigit(t[i])) ++i, ++expDigits;
        if (expDigits == 0) return false;
    }
    return i == t.size();
}

// True, False or a number: what a text may hold to convert to a Boolean.
bool boolOfText(const std::string& s) {
    const std::string t = text::Trim(s);
    if (text::equalsIgnoreAsciiCase(t, "True")) return true;
    if (text::equalsIgnoreAsciiCase(t, "False")) return false;
    if (!isNumberText(t)) text::raise(text::err::TypeMismatch);
    return text::Val(t) != 0;
}

} // namespace

std::string MGValue::toText() const {
    struct Visitor {
        std::string operator()(std::monostate) const { return {}; }
        std::string operator()(bool b) const { return b ? "True" : "False"; }
        std::string operator()(long long n) const { return text::Str(n); }
        std::string operator()(double d) const {
            char buf[32];
            const auto r = std::to_chars(buf, buf + sizeof buf, d);
            return std::string(buf, r.ptr);
        }
        std::string operator()(const std::string& s) const { return s; }
    };
    return std::visit(Visitor{}, v_);
}

double MGValue::toNumber() const {
    struct Visitor {
        double operator()(std::monostate) const { return 0; }
        double operator()(bool b) const { return b ? -1 : 0; }
        double operator()(long long n) const { return static_cast<double>(n); }
        double operator()(double d) const { return d; }
        double operator()(const std::string& s) const {
            if (!isNumberText(s)) text::raise(text::err::TypeMismatch);
            return text::Val(s);
        }
    };
    return std::visit(Visitor{}, v_);
}

int16_t MGValue::toInt16() const { return text::CInt(toNumber()); }

int32_t MGValue::toInt32() const { return text::CLng(toNumber()); }

bool MGValue::toBool() const {
    if (const auto* s = std::get_if<std::string>(&v_)) return boolOfText(*s);
    return toNumber() != 0;
}

forms::Color MGValue::toColor() const {
    const double v = toNumber();
    if (!std::isfinite(v)) text::raise(text::err::Overflow);
    const double whole = std::nearbyint(v);
    if (whole < -2147483648.0 || whole > 4294967295.0) text::raise(text::err::Overflow);
    return static_cast<forms::Color>(static_cast<long long>(whole));
}
