#include "platform/text/Strings.h"

#include <gtest/gtest.h>

namespace {

using namespace text;

TEST(Strings, InvalidUtf8BecomesOneReplacementPerBrokenSequence) {
    EXPECT_EQ(toUtf32("a\xE3\x81" "b"), U"a\uFFFDb");      // cut three-byte sequence
    EXPECT_EQ(toUtf32("\xC0\xAF"), U"\uFFFD\uFFFD");       // overlong "/"
    EXPECT_EQ(toUtf32("\xED\xA0\x80"), U"\uFFFD\uFFFD\uFFFD"); // encoded surrogate
    EXPECT_EQ(toUtf32("\xF4\x90\x80\x80"), U"\uFFFD\uFFFD\uFFFD\uFFFD"); // past U+10FFFF
    EXPECT_EQ(toUtf32("あ\xFF"), U"あ\uFFFD");
    EXPECT_EQ(fromUtf16(u"\xD800" u"a"), "\uFFFDa");        // lone surrogate
    const std::string mixed = "aé€あ😀ｱ";
    EXPECT_EQ(fromUtf16(toUtf16(mixed)), mixed);
    EXPECT_EQ(fromUtf32(toUtf32(mixed)), mixed);
    EXPECT_EQ(toUtf16("😀").size(), 2u);
}

TEST(Strings, TrimRemovesOnlyAsciiBlanks) {
    EXPECT_EQ(Trim("  山田　 "), "山田　");
    EXPECT_EQ(Trim("　a　"), "　a　");
    EXPECT_EQ(Trim("\ta\t"), "\ta\t");
    EXPECT_EQ(Trim("   "), "");
    EXPECT_EQ(LTrim("  a "), "a ");
    EXPECT_EQ(RTrim("  a "), "  a");
}

TEST(Strings, PositionsCountCharactersNotBytes) {
    const std::string s = "北海道札幌市";
    EXPECT_EQ(Len(s), 6);
    EXPECT_EQ(Len(""), 0);
    EXPECT_EQ(Len("😀"), 2); // UTF-16 units
    EXPECT_EQ(Left(s, 5), "北海道札幌");
    EXPECT_EQ(Left(s, 10), s);
    EXPECT_EQ(Left(s, -1), "");
    EXPECT_EQ(Right(s, 2), "幌市");
    EXPECT_EQ(Right(s, 9), s);
    EXPECT_EQ(Mid(s, 4), "札幌市");
    EXPECT_EQ(Mid(s, 2, 2), "海道");
    EXPECT_EQ(Mid(s, 7), "");
    EXPECT_EQ(Mid("abc", 2, 1), "b");
    EXPECT_EQ(InStr("ab=cd=", "="), 3);
    EXPECT_EQ(InStr("あい=う=", "=", 4), 5);
    EXPECT_EQ(InStr("あいう", "え"), 0);
    EXPECT_EQ(InStr("abc", "", 2), 2);
    EXPECT_EQ(InStr("abc", "", 4), 0);
    EXPECT_EQ(InStr("abc", "c", 9), 0);
}

TEST(Strings, SplitReplaceAndRepeats) {
    EXPECT_EQ(Split("a,,b,", ","), (std::vector<std::string>{"a", "", "b", ""}));
    EXPECT_EQ(Split("あ、い", "、"), (std::vector<std::string>{"あ", "い"}));
    EXPECT_TRUE(Split("", ",").empty());
    EXPECT_EQ(Split("a,b", ""), (std::vector<std::string>{"a,b"}));
    EXPECT_EQ(Replace("aXbXX", "X", "yy"), "ayybyyyy");
    EXPECT_EQ(Replace("aaa", "aa", "a"), "aa");
    EXPECT_EQ(Replace("abc", "", "z"), "abc");
    EXPECT_EQ(Space(3), "   ");
    EXPECT_EQ(Space(-1), "");
    EXPECT_EQ(String(3, "＊x"), "＊＊＊");
    EXPECT_EQ(String(2, ""), "");
}

TEST(Strings, StoredValuesNeverCarryLineBreaksOrNul) {
    EXPECT_EQ(blankControlBreaks(std::string("a\r\nb\0c\td", 8)), "a  b c\td");
}

TEST(Strings, AsciiCaseFoldingLeavesOtherCharactersAlone) {
    EXPECT_EQ(asciiLower("MaxPlayerNo ÄＡ"), "maxplayerno ÄＡ");
    EXPECT_TRUE(equalsIgnoreAsciiCase("SETUP", "Setup"));
    EXPECT_FALSE(equalsIgnoreAsciiCase("Ａ", "ａ"));
    EXPECT_FALSE(equalsIgnoreAsciiCase("Setup", "Setup2"));
}

} // namespace
