#include "tally/scoreLayout.h"
#include "tally/scoreRules.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Courses of `hole` holes from comma lists ("4,4,,5").
CourseLists courses(const std::vector<std::string>& lists) {
    CourseLists out{};
    for (std::size_t r = 0; r < lists.size(); ++r) {
        std::size_t h = 0, start = 0;
        for (std::size_t i = 0; i <= lists[r].size(); ++i) {
            if (i == lists[r].size() || lists[r][i] == ',') {
                out[r][h++] = lists[r].substr(start, i - start);
                start = i + 1;
            }
        }
    }
    return out;
}

// Nine holes of 4 and 5 strokes adding up to `strokes` (36 to 45).
std::string nine(int strokes) {
    std::string s;
    for (int h = 0; h < 9; ++h) s += std::string(h ? "," : "") + (h < strokes - 36 ? "5" : "4");
    return s;
}

} // namespace

TEST(scoreRules, AHoleCountsWhenItsWholeValueIsAboveZeroAndHugeTextsReadAsNotEntered) {
    struct Case {
        const char* text;
        int32_t value;
        const char* saved;
    } cases[] = {
        {"4", 4, "4"},       {"07", 7, "7"},       {"12", 12, "12"},  {"0", 0, ""},
        {"00", 0, ""},       {"", 0, ""},          {"abc", 0, ""},    {" 5 ", 5, "5"},
        {"3.5", 4, "4"},     {"2.5", 2, "2"},      {"-3", -3, ""},    {"100", 100, "100"},
        {"2147483647", 2147483647, "2147483647"},  {"99999999999", 0, ""}, {"1e400", 0, ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(wholeValue(c.text), c.value) << c.text;
        EXPECT_EQ(savedHole(c.text), c.saved) << c.text;
    }
}

TEST(scoreRules, TheHandicapIsReadInTenthsAndHeldInTheRangeOfItsKind) {
    struct Case {
        const char* text;
        int16_t kind, hole, round;
        int32_t tenths;
    } cases[] = {
        {"2", 1, 9, 3, 20},           {"50", 1, 9, 3, 360},           {"-50", 1, 9, 3, -360},
        {"1.25", 1, 9, 3, 12},        {"-1.25", 1, 9, 3, -12},        {"36", 1, 9, 3, 360},
        {"200", 2, 9, 4, 1440},       {"-200", 2, 9, 4, -1440},       {"720", 2, 18, 10, 7200},
        {"99999999999", 2, 18, 10, 7200}, {"1e9999", 1, 9, 3, 360},   {" -1e9999", 1, 9, 3, -360},
        {"abc", 1, 9, 3, 0},          {"", 2, 9, 3, 0},               {"5", 0, 9, 3, 0},
        {"5", 7, 9, 3, 0}, // an unknown kind has no handicap
    };
    for (const Case& c : cases)
        EXPECT_EQ(handicapValue(c.text, c.kind, c.hole, c.round), c.tenths)
            << c.text << " kind " << c.kind << " " << c.hole << "x" << c.round;
    EXPECT_EQ(handicapBound(1, 12, 10), 480);
    EXPECT_EQ(handicapBound(2, 12, 10), 4800);
    EXPECT_EQ(handicapBound(0, 12, 10), 0);
}

TEST(scoreRules, OnlyCompleteCoursesCountTowardTheTotal) {
    // Kind 0: 40 and 42, the third course one hole short.
    ScoreResults r = scoreResults(courses({nine(40), nine(42), "4,4,4,4,4,4,4,4,"}), 9, 3, 0, 0);
    EXPECT_EQ(r.courses[0].strokes, 40);
    EXPECT_TRUE(r.courses[0].complete);
    EXPECT_EQ(r.courses[2].strokes, 32);
    EXPECT_FALSE(r.courses[2].complete);
    EXPECT_EQ(r.complete, 2);
    EXPECT_EQ(r.total, 820);

    // Kind 1 at 2.5 strokes: each complete course carries it.
    r = scoreResults(courses({nine(40), nine(42), ""}), 9, 3, 1, 25);
    EXPECT_EQ(r.total, 870);
    EXPECT_EQ(r.courses[2].strokes, 0);

    // Every value adds to a course's strokes, zeros and negatives too, but a
    // hole of 0 or less leaves it incomplete.
    r = scoreResults(courses({"5,-2,0,4,4,4,4,4,4"}), 9, 1, 0, 0);
    EXPECT_EQ(r.courses[0].strokes, 27);
    EXPECT_FALSE(r.courses[0].complete);
    EXPECT_EQ(r.complete, 0);

    // Holes beyond the game and courses beyond it are not read.
    r = scoreResults(courses({nine(36) + ",,,5", nine(40)}), 9, 1, 0, 0);
    EXPECT_EQ(r.courses[0].strokes, 36);
    EXPECT_EQ(r.courses[1].strokes, 0);
    EXPECT_EQ(r.total, 360);
}

TEST(scoreRules, AGameHandicapIsSpreadOverTheCompleteCoursesRoundedHalfToEven) {
    struct Case {
        int16_t round;
        int32_t handicap;
        std::vector<std::string> lists;
        long long total;
    } cases[] = {
        {2, 25, {nine(36), "4"}, 372},        // 360 + 12.5
        {2, 15, {nine(36), ""}, 368},         // 360 + 7.5
        {3, 55, {nine(40), nine(42), ""}, 857}, // 820 + 36.67
        {2, -25, {nine(36), ""}, 348},        // 360 - 12.5
        {2, 25, {nine(36), nine(36)}, 745},
    };
    for (const Case& c : cases)
        EXPECT_EQ(scoreResults(courses(c.lists), 9, c.round, 2, c.handicap).total, c.total)
            << c.handicap << " over " << c.round;
}

TEST(scoreLayout, TheWindowIsCutDownToTheGamesHolesCoursesAndHandicapKind) {
    ScoreLayout l = scoreLayout(9, 3, 1);
    EXPECT_EQ(l.calJDaLeft, 5055);
    EXPECT_EQ(l.calHcLeft, 5730);
    EXPECT_EQ(l.calSyokeiLeft, 6585);
    EXPECT_EQ(l.calTotalLeft, 7440);
    EXPECT_EQ(l.innerWidth, 8715);
    EXPECT_EQ(l.innerHeight, 3165);
    EXPECT_EQ(l.footerTop, 2250);
    EXPECT_EQ(l.footerLeft, 2257.5);
    EXPECT_EQ(l.quickWidth, 4275);
    EXPECT_TRUE(l.handicap);
    EXPECT_TRUE(l.subtotal);

    struct Case {
        int16_t hole, round, kind;
        double jda, total, width, height, footerTop, footerLeft;
        bool handicap, subtotal;
    } cases[] = {
        {9, 3, 0, 5055, 5730, 7005, 3165, 2250, 1402.5, false, false},
        {9, 3, 2, 5055, 6585, 7860, 3165, 2250, 1830, true, false},
        {18, 3, 1, 9375, 11760, 13035, 3165, 2250, 4417.5, true, true},
        {9, 10, 1, 5055, 7440, 8715, 6525, 5610, 2257.5, true, true},
        {12, 1, 0, 6495, 7170, 8445, 2205, 1290, 2122.5, false, false},
        {3, 2, 0, 2175, 2850, 4200, 2685, 1770, 0, false, false}, // widened to the footer
        {9, 3, 5, 5055, 5730, 7005, 3165, 2250, 1402.5, false, false}, // an unknown kind as none
    };
    for (const Case& c : cases) {
        l = scoreLayout(c.hole, c.round, c.kind);
        const std::string at = std::to_string(c.hole) + "x" + std::to_string(c.round) + " kind " + std::to_string(c.kind);
        EXPECT_EQ(l.calJDaLeft, c.jda) << at;
        EXPECT_EQ(l.calTotalLeft, c.total) << at;
        EXPECT_EQ(l.innerWidth, c.width) << at;
        EXPECT_EQ(l.innerHeight, c.height) << at;
        EXPECT_EQ(l.footerTop, c.footerTop) << at;
        EXPECT_EQ(l.footerLeft, c.footerLeft) << at;
        EXPECT_EQ(l.handicap, c.handicap) << at;
        EXPECT_EQ(l.subtotal, c.subtotal) << at;
    }
}
