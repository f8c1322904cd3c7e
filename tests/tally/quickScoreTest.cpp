#include "tally/quickScore.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

HoleList holes(const std::vector<std::string>& texts) {
    HoleList out{};
    for (std::size_t h = 0; h < texts.size(); ++h) out[h] = texts[h];
    return out;
}

} // namespace

TEST(quickScore, HolesAreWrittenAsDigitsZeroLedPairsAndBlanks) {
    struct Case {
        std::vector<std::string> holes;
        const char* written;
    } cases[] = {
        {{"3", "4", "12", "", "5"}, "34012 5"},
        {{"5"}, "5"},
        {{}, ""},
        {{"", "", ""}, ""},
        {{"12", "7"}, "0127"},
        {{"0", "-1", "abc", "3"}, "   3"},
        {{"07", " 9 ", "3.6"}, "794"},
        {{"99", "10"}, "099010"},
        {{"100", "3"}, "01003"},                              // beyond what the format carries
        {{"1", "1", "1", "1", "1", "1", "1", "1", "1", "2"}, "111111111"}, // only the game's nine holes
    };
    for (const Case& c : cases) EXPECT_EQ(pfMakeEasyScore(holes(c.holes), 9), c.written) << c.written;
}

TEST(quickScore, AStringIsReadHoleByHoleAndTheRestIsGivenBack) {
    struct Case {
        const char* text;
        std::vector<std::string> holes;
        const char* surplus;
    } cases[] = {
        {"343443334", {"3", "4", "3", "4", "4", "3", "3", "3", "4"}, ""},
        {"34012 5", {"3", "4", "12", "", "5"}, ""},
        {"3 4", {"3", "", "4"}, ""},
        {"3a4", {"3", "", "4"}, ""},
        {"0123", {"12", "3"}, ""},
        {"05", {"5"}, ""},
        {"340", {"3", "4"}, ""},                // a "0" at the end is dropped
        {"00", {"0"}, ""},
        {"0ab", {"0"}, ""},
        {"0 5", {"5"}, ""},
        {"３４5", {"", "", "5"}, ""},           // full-width digits are no digits
        {"12345678912", {"1", "2", "3", "4", "5", "6", "7", "8", "9"}, "12"},
        {"123456789 12", {"1", "2", "3", "4", "5", "6", "7", "8", "9"}, " 12"},
        {"0100200300400500600700800901", {"10", "20", "30", "40", "50", "60", "70", "80", "90"}, "1"},
        {"11111111１２", {"1", "1", "1", "1", "1", "1", "1", "1", ""}, "２"},
    };
    for (const Case& c : cases) {
        HoleList read{};
        EXPECT_EQ(pfParseEasyScore(read, c.text, 9), c.surplus) << c.text;
        EXPECT_EQ(read, holes(c.holes)) << c.text;
    }

    // Holes the text does not reach keep their texts.
    HoleList kept = holes({"x", "x", "x"});
    EXPECT_EQ(pfParseEasyScore(kept, "30", 9), "");
    EXPECT_EQ(kept, holes({"3", "x", "x"}));
}

TEST(quickScore, EveryValueFrom1To99ComesBackAtEveryPlace) {
    for (int v = 1; v <= 99; ++v) {
        HoleList course{};
        for (int h = 0; h < 12; ++h) course[static_cast<std::size_t>(h)] = std::to_string((v + 13 * h - 1) % 99 + 1);
        const std::string written = pfMakeEasyScore(course, 12);
        HoleList read{};
        EXPECT_EQ(pfParseEasyScore(read, written, 12), "") << written;
        EXPECT_EQ(read, course) << written;
    }
}

TEST(quickScore, ALeftBoxIsTidiedAndItsSurplusHandedOn) {
    struct Case {
        const char* typed;
        const char* tidy;
        const char* surplus;
    } cases[] = {
        {"3a4", "3 4", ""},   {"05", "5", ""},       {"340", "34", ""},    {"0123", "0123", ""},
        {"3 4  ", "3 4", ""}, {"   ", "", ""},       {"12345678912", "123456789", "12"},
        {"123456789 12  ", "123456789", " 12"},     {"123456789   ", "123456789", ""},
    };
    for (const Case& c : cases) {
        const TidiedEasyScore t = tidyEasyScore(c.typed, 9);
        EXPECT_EQ(t.text, c.tidy) << c.typed;
        EXPECT_EQ(t.surplus, c.surplus) << c.typed;
    }
}
