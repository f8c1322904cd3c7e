#include "platform/text/Strings.h"

#include <algorithm>

namespace text {

namespace {

bool isAscii(std::string_view s) {
    return std::all_of(s.begin(), s.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// The characters [start, start + length) of s, both in UTF-16 units and
// already clamped to the text.
std::string units(std::string_view s, std::size_t start, std::size_t length) {
    if (isAscii(s)) return std::string(s.substr(std::min(start, s.size()), length));
    const std::u16string u = toUtf16(s);
    return fromUtf16(std::u16string_view(u).substr(std::min(start, u.size()), length));
}

} // namespace

std::string LTrim(std::string_view s) {
    const auto first = s.find_first_not_of(' ');
    return first == std::string_view::npos ? std::string() : std::string(s.substr(first));
}

std::string RTrim(std::string_view s) {
    const auto last = s.find_last_not_of(' ');
    return last == std::string_view::npos ? std::string() : std::string(s.substr(0, last + 1));
}

std::string Trim(std::string_view s) { return std::string(TrimmedView(s)); }

long Len(std::string_view s) {
    long n = 0;
    for (std::size_t i = 0; i < s.size();) n += nextCodePoint(s, i) > 0xFFFF ? 2 : 1;
    return n;
}

std::string Left(std::string_view s, long n) {
    return units(s, 0, static_cast<std::size_t>(std::max(n, 0L)));
}

std::string Right(std::string_view s, long n) {
    const long len = Len(s);
    const long take = std::clamp(n, 0L, len);
    return units(s, static_cast<std::size_t>(len - take), static_cast<std::size_t>(take));
}

std::string Mid(std::string_view s, long start, long length) {
    const auto from = static_cast<std::size_t>(std::max(start, 1L) - 1);
    return units(s, from, length < 0 ? std::string::npos : static_cast<std::size_t>(length));
}

long InStr(std::string_view hay, std::string_view needle, long start) {
    start = std::max(start, 1L);
    const std::u16string h = toUtf16(hay);
    if (static_cast<std::size_t>(start) > h.size()) return 0;
    if (needle.empty()) return start;
    const auto at = h.find(toUtf16(needle), static_cast<std::size_t>(start - 1));
    return at == std::u16string::npos ? 0 : static_cast<long>(at) + 1;
}

std::vector<std::string> Split(std::string_view s, std::string_view separator) {
    std::vector<std::string> parts;
    if (s.empty()) return parts;
    if (separator.empty()) {
        parts.emplace_back(s);
        return parts;
    }
    std::size_t from = 0;
    for (auto at = s.find(separator); at != std::string_view::npos; at = s.find(separator, from)) {
        parts.emplace_back(s.substr(from, at - from));
        from = at + separator.size();
    }
    parts.emplace_back(s.substr(from));
    return parts;
}

std::string Replace(std::string_view s, std::string_view from, std::string_view to) {
    if (from.empty()) return std::string(s);
    std::string out;
    out.reserve(s.size());
    std::size_t pos = 0;
    for (auto at = s.find(from); at != std::string_view::npos; at = s.find(from, pos)) {
        out.append(s.substr(pos, at - pos)).append(to);
        pos = at + from.size();
    }
    out.append(s.substr(pos));
    return out;
}

std::string Space(long n) { return std::string(static_cast<std::size_t>(std::max(n, 0L)), ' '); }

std::string String(long n, std::string_view ch) {
    if (ch.empty()) return {};
    std::size_t i = 0;
    const std::string one = fromCodePoint(nextCodePoint(ch, i));
    std::string out;
    for (long k = 0; k < n; ++k) out += one;
    return out;
}

std::string blankControlBreaks(std::string_view s) {
    std::string out(s);
    std::replace_if(out.begin(), out.end(), [](char c) { return c == '\r' || c == '\n' || c == '\0'; }, ' ');
    return out;
}

std::string asciiLower(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

bool equalsIgnoreAsciiCase(std::string_view a, std::string_view b) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [&lower](char x, char y) { return lower(x) == lower(y); });
}

} // namespace text
