#include "platform/files/LineMasks.h"
#include "platform/files/ProfileText.h"

#include <gtest/gtest.h>
#include <memory>
#include <random>
#include <string>
#include <string_view>
#include <vector>

using files::LineSplitter;
using namespace std::string_view_literals;

namespace {

// A line as "begin textEnd end eq ascii|high", so a failure shows every field.
std::string show(std::size_t begin, std::size_t textEnd, std::size_t end, std::size_t eq, bool ascii) {
    return std::to_string(begin) + " " + std::to_string(textEnd) + " " + std::to_string(end) + " " +
           std::to_string(eq) + (ascii ? " ascii" : " high");
}

std::vector<std::string> split(std::string_view text) {
    std::vector<std::string> lines;
    LineSplitter splitter(text);
    for (LineSplitter::Line at; splitter.next(at);) lines.push_back(show(at.begin, at.textEnd, at.end, at.eq, at.ascii));
    return lines;
}

// The same lines found the plain way, one byte at a time.
std::vector<std::string> reference(std::string_view text) {
    std::vector<std::string> lines;
    for (std::size_t begin = 0; begin < text.size();) {
        std::size_t textEnd = begin, eq = std::string_view::npos;
        bool ascii = true;
        for (; textEnd < text.size() && text[textEnd] != '\r' && text[textEnd] != '\n'; ++textEnd) {
            if (text[textEnd] == '=' && eq == std::string_view::npos) eq = textEnd;
            if (static_cast<unsigned char>(text[textEnd]) >= 0x80) ascii = false;
        }
        std::size_t end = textEnd;
        if (end < text.size()) end += text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? 2 : 1;
        lines.push_back(show(begin, textEnd, end, eq == std::string_view::npos ? textEnd : eq, ascii));
        begin = end;
    }
    return lines;
}

// The text in storage of exactly its size, so that reading past it is caught
// by the address sanitizer.
std::vector<std::string> splitExact(const std::string& text) {
    auto bytes = std::make_unique<char[]>(text.size());
    std::copy(text.begin(), text.end(), bytes.get());
    return split(std::string_view(bytes.get(), text.size()));
}

std::string a(std::size_t n) { return std::string(n, 'a'); }

struct Case {
    std::string name, text;
    std::vector<std::string> lines;
};

TEST(LineSplitter, SplitsTextsIntoLinesWithTheirFirstEqualsAndAsciiFlag) {
    std::vector<Case> cases = {
        {"empty", "", {}},
        {"no final break", "ab=c", {"0 4 4 2 ascii"}},
        {"final break opens no line", "ab\r\n", {"0 2 4 2 ascii"}},
        {"CR LF", "a=b\r\nc\r\n", {"0 3 5 1 ascii", "5 6 8 6 ascii"}},
        {"LF, CR and end", "a\nb\rc", {"0 1 2 1 ascii", "2 3 4 3 ascii", "4 5 5 5 ascii"}},
        {"CR CR LF is two lines", "\r\r\n", {"0 0 1 0 ascii", "1 1 3 1 ascii"}},
        {"LF CR is two breaks", "a\n\rb", {"0 1 2 1 ascii", "2 2 3 2 ascii", "3 4 4 4 ascii"}},
        {"empty lines", "\n\r\n\n", {"0 0 1 0 ascii", "1 1 3 1 ascii", "3 3 4 3 ascii"}},
        {"several =", "k==v=w\n", {"0 6 7 1 ascii"}},
        {"= opens the line", "=\n", {"0 1 2 0 ascii"}},
        {"high byte before a break", "a\x80\r\nb", {"0 2 4 2 high", "4 5 5 5 ascii"}},
        {"high byte after a break", "a\r\n\x80=", {"0 1 3 1 ascii", "3 5 5 4 high"}},
        {"high byte alone", "\xff", {"0 1 1 1 high"}},
        {"CR at a block's end, LF after it", a(15) + "\r\nb", {"0 15 17 15 ascii", "17 18 18 18 ascii"}},
        {"CR at a window's end, LF after it", a(63) + "\r\nb", {"0 63 65 63 ascii", "65 66 66 66 ascii"}},
        {"CR at a window's end, no LF after it", a(63) + "\rb", {"0 63 64 63 ascii", "64 65 65 65 ascii"}},
        {"CR as the last byte of a window", a(63) + "\r", {"0 63 64 63 ascii"}},
        {"break at a window's start", a(64) + "\n\x80", {"0 64 65 64 ascii", "65 66 66 66 high"}},
        {"high byte at a window's end", a(63) + "\x80" + "\nb", {"0 64 65 64 high", "65 66 66 66 ascii"}},
        {"value over several windows", "key=" + a(300) + "\r\nx",
         {"0 304 306 3 ascii", "306 307 307 307 ascii"}},
        {"high byte deep in a long line", a(250) + "\x93" + a(49) + "=\n", {"0 301 302 300 high"}},
        {"a whole text without a break", a(1000), {"0 1000 1000 1000 ascii"}},
    };
    for (std::size_t p : {15, 16, 31, 32, 63, 64, 127, 128})
        cases.push_back({"= at " + std::to_string(p), a(p) + "=v\r\n",
                         {show(0, p + 2, p + 4, p, true)}});
    for (std::size_t p : {15, 16, 31, 32, 63, 64})
        cases.push_back({"= at " + std::to_string(p) + " on a second line", "k\n" + a(p - 2) + "=\n",
                         {"0 1 2 1 ascii", show(2, p + 1, p + 2, p, true)}});
    for (const Case& c : cases) {
        EXPECT_EQ(splitExact(c.text), c.lines) << c.name;
        EXPECT_EQ(reference(c.text), c.lines) << c.name << " (reference)";
    }
}

TEST(LineSplitter, TextWithoutStorageHasNoLines) {
    LineSplitter splitter{std::string_view{}};
    LineSplitter::Line line;
    EXPECT_FALSE(splitter.next(line));
    EXPECT_FALSE(splitter.next(line));
}

TEST(LineSplitter, RandomTextsSplitAsByteByByte) {
    std::mt19937 random(20240611);
    // Dense breaks, and long lines that cross many blocks.
    const std::string alphabets[] = {"a=\r\n\x80 ", std::string(60, 'a') + "=\x80\r\n"};
    for (int n = 0; n < 4000; ++n) {
        const std::string& alphabet = alphabets[n % 2];
        std::string text(random() % 201, ' ');
        for (char& c : text) c = alphabet[random() % alphabet.size()];
        ASSERT_EQ(splitExact(text), reference(text)) << testing::PrintToString(text);
    }
}

TEST(LineMasks, Sse2AndByteByByteMasksAgree) {
#if defined(__SSE2__)
    std::mt19937 random(7);
    const std::string_view special = "\r\n=\x7f\x80\xff\x00a"sv;
    for (int n = 0; n < 20000; ++n) {
        char block[files::detail::kLineBlock];
        for (char& c : block)
            c = n % 2 ? static_cast<char>(random()) : special[random() % special.size()];
        const files::detail::LineMasks sse2 = files::detail::lineMasksSse2(block);
        const files::detail::LineMasks scalar = files::detail::lineMasksScalar(block);
        ASSERT_EQ(sse2.lf, scalar.lf);
        ASSERT_EQ(sse2.cr, scalar.cr);
        ASSERT_EQ(sse2.eq, scalar.eq);
        ASSERT_EQ(sse2.high, scalar.high);
    }
#else
    GTEST_SKIP() << "no SSE2 on this target";
#endif
}

TEST(LineMasks, MarkEachKindOfByte) {
    const char block[] = "\n\r=\x80" "a\xff\r\n====\x7f\x01\x00\n";
    const files::detail::LineMasks m = files::detail::lineMasksScalar(block);
    EXPECT_EQ(m.lf, 0b1000'0000'1000'0001u);
    EXPECT_EQ(m.cr, 0b0000'0000'0100'0010u);
    EXPECT_EQ(m.eq, 0b0000'1111'0000'0100u);
    EXPECT_EQ(m.high, 0b0000'0000'0010'1000u);
}

} // namespace
