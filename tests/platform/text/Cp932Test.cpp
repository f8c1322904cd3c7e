#include "platform/text/Cp932.h"

#include <gtest/gtest.h>

namespace {

using text::decode932;
using text::encode932;

struct Pair {
    const char* utf8;
    const char* bytes;
};

// The characters where code page 932 and plain Shift_JIS part ways, and the
// kinds of characters names and titles are made of.
TEST(Cp932, RoundTripsTheCharactersThatDifferFromShiftJis) {
    const Pair cases[] = {
        {"～", "\x81\x60"},     // U+FF5E, not U+301C
        {"ー", "\x81\x5B"},
        {"ｸﾘｯﾌﾟ", "\xB8\xD8\xAF\xCC\xDF"},
        {"①", "\x87\x40"},
        {"－", "\x81\x7C"},     // U+FF0D, not U+2212
        {"∥", "\x81\x61"},      // U+2225, not U+2016
        {"￢", "\x81\xCA"},
        {"髙", "\xFB\xFC"},     // an IBM extension
        {"平成 A\\[]", "\x95\xBD\x90\xAC A\\[]"},
        {"表", "\x95\x5C"},     // trail byte "\"
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.utf8);
        EXPECT_EQ(decode932(c.bytes), c.utf8);
        EXPECT_EQ(encode932(c.utf8), std::string(c.bytes));
    }
    EXPECT_EQ(decode932("\x81\x60"), "\uFF5E");
    EXPECT_EQ(decode932("\x81\x7C"), "\uFF0D");
    EXPECT_EQ(decode932("\x81\x61"), "\u2225");
}

TEST(Cp932, BadBytesBecomeReplacementCharactersAndDecodingGoesOn) {
    const Pair cases[] = {
        {"\uFFFD あ", "\x81\x20\x82\xA0"},  // lead byte before a blank: the blank stays
        {"A\uFFFDB", "A\xA0" "B"},
        {"\uFFFD\uFFFDC", "\xFD\xFF" "C"},
        {"あ\uFFFD", "\x82\xA0\x82"},       // cut at the end
        {"\uFFFD[", "\x85\x5B"},            // unmapped pair: its ASCII byte is kept
        {"\uFFFDｱ", "\x85\xA0\xB1"},        // unmapped pair with a non-ASCII trail: one mark
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.utf8);
        EXPECT_EQ(decode932(c.bytes), c.utf8);
    }
}

TEST(Cp932, EncodingRefusesWhatDoesNotReadBack) {
    // iconv writes ¥ as "\" and 〜 as ～ (best fit); neither would read back.
    for (const char* s : {"¥", "〜", "−", "😀", "é", "\uFFFD", "\xFF"}) {
        SCOPED_TRACE(s);
        EXPECT_FALSE(text::isStorable932(s));
        EXPECT_EQ(encode932(std::string("a") + s), std::nullopt);
        EXPECT_EQ(text::encode932Lossy(std::string("a") + s + "あ"), "a?\x82\xA0");
    }
    EXPECT_FALSE(text::isStorable932(U'\u00A5'));
    EXPECT_FALSE(text::isStorable932(U'\U0001F600'));
    EXPECT_TRUE(text::isStorable932(U'\u3000'));
    EXPECT_TRUE(text::isStorable932("山田　太郎 ｸﾗﾌﾞ①"));
}

// Every character a file can hold must be writable again, with its size.
TEST(Cp932, EveryDecodableCharacterIsStorable) {
    auto check = [](const std::string& bytes) {
        const std::string s = decode932(bytes);
        if (s.find("\uFFFD") != std::string::npos) return;
        SCOPED_TRACE(testing::PrintToString(bytes));
        ASSERT_TRUE(text::isStorable932(s));
        EXPECT_EQ(text::byteLength932(s), bytes.size());
        EXPECT_EQ(decode932(*encode932(s)), s);
    };
    for (int b = 0; b < 256; ++b) check(std::string(1, static_cast<char>(b)));
    for (int lead = 0x81; lead <= 0xFC; ++lead)
        for (int trail = 0x40; trail <= 0xFC; ++trail)
            check({static_cast<char>(lead), static_cast<char>(trail)});
}

TEST(Cp932, ByteLengthAndCutCountEncodedBytes) {
    EXPECT_EQ(text::byteLength932(""), 0u);
    EXPECT_EQ(text::byteLength932("aｱあ"), 4u);
    EXPECT_EQ(text::byteLength932("¥😀"), 2u); // each written as "?"
    EXPECT_EQ(text::cut932("ああ", 3), "あ");
    EXPECT_EQ(text::cut932("ああ", 4), "ああ");
    EXPECT_EQ(text::cut932("aあｱb", 3), "aあ");
    EXPECT_EQ(text::cut932("aあｱb", 1), "a");
    EXPECT_EQ(text::cut932("あ", 1), "");
    const std::string long300(300, 'x');
    EXPECT_EQ(text::cut932(long300, 255), std::string(255, 'x'));
}

} // namespace
