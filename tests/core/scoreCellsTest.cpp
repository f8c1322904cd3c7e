// The cells of a score pack as the season gathering reads them (the cursor
// and the course rule on its views) against the score rows that unpacking
// makes of the same pack, read by the course rule of rows: both read stored
// games, so they must agree course by course on any text.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "core/courseRules.h"
#include "core/gameFile.h"
#include "core/gameRecords.h"
#include "core/scoreCells.h"
#include "platform/text/RuntimeError.h"

namespace {

using Strokes = std::array<int32_t, 18>;

// One course's result in one line: its strokes, "incomplete", or the error
// raised.
template <class Read>
std::string outcome(int16_t hole, Read read) {
    Strokes strokes{};
    try {
        if (!read(strokes)) return "incomplete";
    } catch (const text::RuntimeError& e) {
        return "error " + std::to_string(e.Number);
    }
    std::string line = "complete";
    for (int h = 0; h < hole; ++h) line += " " + std::to_string(strokes[static_cast<std::size_t>(h)]);
    return line;
}

// Each course of a one-player game: the pack unpacked into score rows, and
// each row read.
std::vector<std::string> viaRows(const std::string& holes, int16_t hole, int16_t round) {
    gtypGame = typGameInfo{};
    gtypGame.Hole = hole;
    gtypGame.Round = round;
    gtypScorePacks = {typScorePack{1, holes, "", 0}};
    gsUnpackScoreData();
    std::vector<std::string> courses;
    for (const typScoreData& row : gtypScores)
        courses.push_back(outcome(hole, [&](Strokes& s) { return courseHoleStrokes(row, hole, s); }));
    return courses;
}

// Each course read from one cursor over the pack, course after course, as
// the gathering reads it. An error ends the gathering; to compare the later
// courses too, a new cursor is then set at the next course.
std::vector<std::string> viaCells(const std::string& holes, int16_t hole, int16_t round) {
    std::vector<std::string> courses;
    ScoreCells cells(holes);
    for (int c = 0; c < round; ++c) {
        courses.push_back(outcome(hole, [&](Strokes& s) { return courseStrokes(hole, cells, s); }));
        if (courses.back().rfind("error", 0) == 0) {
            cells = ScoreCells(holes);
            for (int k = 0; k < (c + 1) * hole; ++k) cells.next();
        }
    }
    return courses;
}

class ScoreCellsTest : public testing::Test {
protected:
    ~ScoreCellsTest() override {
        gtypGame = typGameInfo{};
        gtypScores.clear();
        gtypScorePacks.clear();
    }
};

TEST_F(ScoreCellsTest, SplitsTheTrimmedTextAndGivesEmptyCellsOnceItIsUsedUp) {
    struct Case {
        std::string holes;
        std::vector<std::string> cells; // the first five
    } cases[] = {
        {"2,3,", {"2", "3", "", "", ""}},
        {"2,3", {"2", "3", "", "", ""}},
        {"", {"", "", "", "", ""}},
        {"   ", {"", "", "", "", ""}},
        {",", {"", "", "", "", ""}},
        {",,5,", {"", "", "5", "", ""}},
        {" 12, 3 ,abc,4 ", {"12", " 3 ", "abc", "4", ""}},
        {"1,2,3,4,5,6,", {"1", "2", "3", "4", "5"}},
    };
    for (const Case& c : cases) {
        ScoreCells cells(c.holes);
        std::vector<std::string> got;
        for (int k = 0; k < 5; ++k) got.emplace_back(cells.next());
        EXPECT_EQ(got, c.cells) << '"' << c.holes << '"';
    }
}

TEST_F(ScoreCellsTest, CursorAndUnpackedRowsAgreeOnOddTexts) {
    struct Case {
        std::string holes;
        int16_t hole, round;
        std::vector<std::string> courses;
    } cases[] = {
        {"4,3,5,4,", 2, 2, {"complete 4 3", "complete 5 4"}},
        {"4,3", 2, 2, {"complete 4 3", "incomplete"}},                // missing cells
        {"4,3,5,4,6,2,", 2, 2, {"complete 4 3", "complete 5 4"}},     // extra cells
        {" 4,,5,4, ", 2, 2, {"incomplete", "complete 5 4"}},
        {"", 2, 2, {"incomplete", "incomplete"}},
        {",,,,", 2, 2, {"incomplete", "incomplete"}},
        {"4, 3,2.5,3.5,12,1e2,", 3, 2, {"complete 4 3 2", "complete 4 12 100"}},
        {"abc,3,3,0,3,3,", 3, 2, {"incomplete", "incomplete"}},
        {"&H5,2,2,-1,2,2,", 3, 2, {"incomplete", "incomplete"}},
        {"0.6,0.5,9,0007,+4,4x,", 2, 3, {"incomplete", "complete 9 7", "complete 4 4"}}, // 0.5 rounds to 0
        {"3e9,1,3,3,", 2, 2, {"error 6", "complete 3 3"}},           // complete, too large to round
        {"99999999999,,3,3,", 2, 2, {"incomplete", "complete 3 3"}}, // incomplete: never rounded
        {"1e400,,3,3,", 2, 2, {"error 6", "complete 3 3"}},          // beyond any number: raises when read
        {",1e400,3,3,", 2, 2, {"incomplete", "complete 3 3"}},       // read no further than the empty hole
        {"5", 1, 1, {"complete 5"}},
        {"1,2,3", 1, 5, {"complete 1", "complete 2", "complete 3", "incomplete", "incomplete"}},
        {"1,2,", 0, 2, {"complete", "complete"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE('"' + c.holes + '"');
        EXPECT_EQ(viaCells(c.holes, c.hole, c.round), c.courses);
        EXPECT_EQ(viaRows(c.holes, c.hole, c.round), c.courses);
    }
}

TEST_F(ScoreCellsTest, CursorAndUnpackedRowsAgreeOnRandomPacks) {
    const std::vector<std::string> odd = {"", " 3", "3.5", "2.5", "abc", "0", "12", "1e2", "&H5", "-1", "0.5",
                                          "0.6", "3e9", "1e400", "99999999999", "007", "+4", "4x", ".", "1.4", " ",
                                          "10000"};
    std::mt19937 random(20240611);
    auto pick = [&random](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    for (int run = 0; run < 3000; ++run) {
        const auto hole = static_cast<int16_t>(pick(19));
        const auto round = static_cast<int16_t>(1 + pick(10));
        // Round x Hole cells give or take a few, mostly single digits.
        const int count = std::max(0, hole * round + pick(5) - 2);
        std::string holes = pick(4) == 0 ? " " : "";
        for (int k = 0; k < count; ++k) {
            holes += pick(3) == 0 ? odd[static_cast<std::size_t>(pick(static_cast<int>(odd.size())))]
                                  : std::to_string(pick(10));
            if (k + 1 < count || pick(2) == 0) holes += ",";
        }
        if (pick(4) == 0) holes += "  ";
        SCOPED_TRACE('"' + holes + "\" " + std::to_string(hole) + " x " + std::to_string(round));
        ASSERT_EQ(viaCells(holes, hole, round), viaRows(holes, hole, round));
    }
}

TEST_F(ScoreCellsTest, RunsOfSingleDigitsEndAtAnyOtherCharacterInAnyPlace) {
    // Twelve usual cells, one character of them replaced by another text.
    const std::string run = "1,2,3,4,5,6,7,8,9,1,2,3,";
    for (std::size_t at = 0; at < run.size(); ++at) {
        for (const char* other : {"0", "/", ":", ";", "+", " ", ",", "10", "\xC3\xA9", "\x80", "\xFF", ""}) {
            std::string holes = run;
            holes.replace(at, 1, other);
            for (int16_t hole : {3, 4, 5, 8, 12}) {
                SCOPED_TRACE('"' + holes + "\" " + std::to_string(hole));
                ASSERT_EQ(viaCells(holes, hole, 3), viaRows(holes, hole, 3));
            }
        }
    }
}

TEST_F(ScoreCellsTest, DigitsAheadOnlyWhereEveryCellIsADigitAndItsComma) {
    // Twenty usual cells, one character of them replaced by another text;
    // the question asked from the start and from the third cell on.
    const std::string run = "1,2,3,4,5,6,7,8,9,1,2,3,4,5,6,7,8,9,1,2,";
    for (std::size_t at = 0; at <= run.size(); ++at) {
        for (const char* other : {"0", ":", ",", " ", "10", "\x80", ""}) {
            std::string holes = run;
            if (at < run.size()) holes.replace(at, 1, other);
            for (const int skip : {0, 2}) {
                for (int n = 0; n <= 20 - skip; ++n) {
                    SCOPED_TRACE('"' + holes + "\" from " + std::to_string(skip) + ", " + std::to_string(n));
                    ScoreCells cells(holes);
                    for (int k = 0; k < skip; ++k) cells.next();
                    // What the answer promises: the next 2 x n characters are "d,d,...,".
                    const std::string_view ahead(cells.position(),
                                                 static_cast<std::size_t>(holes.data() + holes.size() - cells.position()));
                    bool usual = ahead.size() >= 2 * static_cast<std::size_t>(n);
                    for (int k = 0; usual && k < n; ++k)
                        usual = ahead[2 * k] >= '1' && ahead[2 * k] <= '9' && ahead[2 * k + 1] == ',';
                    ASSERT_EQ(cells.digitsAhead(n), usual);
                }
            }
        }
    }
}

} // namespace
