#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Character-based text helpers. Positions and lengths count characters
// (UTF-16 code units; every storable text is in the BMP), never UTF-8 bytes.
namespace text {

std::u16string toUtf16(std::string_view utf8);
std::string fromUtf16(std::u16string_view utf16);
std::u32string toUtf32(std::string_view utf8);
std::string fromUtf32(std::u32string_view utf32);
std::string fromCodePoint(char32_t cp);
// Walking UTF-8: the code point that starts at byte i, advancing i past it.
// An invalid or cut sequence gives one U+FFFD for its longest valid prefix
// (at least one byte). Requires i < s.size().
char32_t nextCodePoint(std::string_view s, std::size_t& i);
// Appends cp in UTF-8 (a surrogate or a value past U+10FFFF as U+FFFD).
void appendCodePoint(std::string& out, char32_t cp);

// Removes U+0020 only (an ideographic space stays).
std::string Trim(std::string_view s);
// The same text as Trim, as a view of s (no copy). Inline: every stored
// value read passes through it, and they seldom have blanks.
inline std::string_view TrimmedView(std::string_view s) {
    std::size_t first = 0, last = s.size();
    while (first < last && s[first] == ' ') ++first;
    while (last > first && s[last - 1] == ' ') --last;
    return s.substr(first, last - first);
}
std::string LTrim(std::string_view s);
std::string RTrim(std::string_view s);

// Invalid UTF-8 counts and comes back as U+FFFD. Counts below zero act as
// zero; a start below 1 acts as 1.
long Len(std::string_view s);                    // characters
std::string Left(std::string_view s, long n);    // first n characters
std::string Right(std::string_view s, long n);   // last n characters
std::string Mid(std::string_view s, long start, long length = -1); // 1-based start; negative = to the end
// 1-based position of needle in hay from start (1-based), 0 when absent.
// An empty needle gives start while start <= Len(hay), else 0.
long InStr(std::string_view hay, std::string_view needle, long start = 1);
// "" gives no parts; an empty separator gives the whole text as one part.
std::vector<std::string> Split(std::string_view s, std::string_view separator);
// Every occurrence, left to right; an empty "from" changes nothing.
std::string Replace(std::string_view s, std::string_view from, std::string_view to);
std::string Space(long n);
// n times the first character of ch ("" when ch is empty).
std::string String(long n, std::string_view ch);

// Writers of stored values turn CR, LF and NUL into a blank.
std::string blankControlBreaks(std::string_view s);

// ASCII-only case folding (for profile names).
std::string asciiLower(std::string_view s);
bool equalsIgnoreAsciiCase(std::string_view a, std::string_view b);

} // namespace text
