#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "core/courseRules.h"
#include "platform/text/RuntimeError.h"

namespace {

int errorOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const text::RuntimeError& e) {
        return e.Number;
    }
    return 0;
}

typScoreData rowOf(const std::vector<std::string>& holes) {
    typScoreData row;
    for (std::size_t h = 0; h < holes.size(); ++h) row.Holes[h] = holes[h];
    return row;
}

TEST(CourseRules, AHoleCountsWhenItsValueRoundsToOneOrMore) {
    struct Case { std::string text; bool counts; } cases[] = {
        {"4", true}, {"1", true}, {" 3", true}, {"3a", true}, {"0.6", true}, {"1.4", true},
        {"0", false}, {"", false}, {"abc", false}, {"0.5", false}, {"-2", false}, {" ", false},
    };
    for (const auto& c : cases) EXPECT_EQ(holeCounts(c.text), c.counts) << '"' << c.text << '"';
}

TEST(CourseRules, ACourseIsCompleteOnlyWhenEveryOneOfItsHolesCounts) {
    auto complete = [](std::vector<std::string> holes, int16_t hole) {
        return completeCourseStrokes(rowOf(std::move(holes)), hole).has_value();
    };
    EXPECT_TRUE(complete({"4", "3", "5"}, 3));
    EXPECT_TRUE(complete({"4", "3", "5", ""}, 3)); // holes past Hole are not read
    EXPECT_TRUE(complete({}, 0));
    for (const char* bad : {"", "0", "abc"}) EXPECT_FALSE(complete({"4", bad, "5"}, 3)) << bad;
    EXPECT_FALSE(complete({"4", "3", "5"}, 4));
    EXPECT_TRUE(complete(std::vector<std::string>(18, "2"), 18));
}

TEST(CourseRules, StrokesOfCompleteCoursesRoundEachHoleHalfToEven) {
    EXPECT_EQ(completeCourseStrokes(rowOf({"4", "2.5", "3.5", "1.4"}), 4), 4 + 2 + 4 + 1);
    EXPECT_EQ(completeCourseStrokes(rowOf({"4", "3", "9"}), 2), 7);
    EXPECT_EQ(completeCourseStrokes(rowOf({" 12", "3a", "0.6"}), 3), 16);
    EXPECT_EQ(completeCourseStrokes(rowOf({}), 0), 0);
    for (const char* bad : {"", "0", "abc", "0.5"})
        EXPECT_EQ(completeCourseStrokes(rowOf({"4", bad, "99999999999"}), 3), std::nullopt) << bad;
    // A hole too large to round is not rounded while a later hole leaves the
    // course incomplete.
    EXPECT_EQ(completeCourseStrokes(rowOf({"99999999999", "4", ""}), 3), std::nullopt);
    EXPECT_EQ(holeStrokes("07"), 7);
    EXPECT_EQ(holeStrokes("2.5"), 2);
}

TEST(CourseRules, CourseStrokesFillOnlyTheCoursesHoles) {
    for (const char* third : {"5", "5.4"}) { // read as a single digit, and rounded
        std::array<int32_t, 18> strokes;
        strokes.fill(-1);
        ASSERT_TRUE(courseHoleStrokes(rowOf({"4", "3", third, "7"}), 3, strokes)) << third;
        std::array<int32_t, 18> expected;
        expected.fill(-1);
        expected[0] = 4, expected[1] = 3, expected[2] = 5;
        EXPECT_EQ(strokes, expected) << third;
    }
}

TEST(CourseRules, ImpossibleHoleCountsRaiseTheSubscriptError) {
    const typScoreData row = rowOf({"4"});
    EXPECT_EQ(errorOf([&] { completeCourseStrokes(row, 19); }), text::err::Subscript);
    EXPECT_EQ(errorOf([&] { completeCourseStrokes(row, -1); }), text::err::Subscript);
    EXPECT_EQ(errorOf([&] { completeCourseStrokes(rowOf({"4", "99999999999"}), 2); }), text::err::Overflow);
    EXPECT_EQ(errorOf([&] { completeCourseStrokes(rowOf({"2000000000", "2000000000"}), 2); }), text::err::Overflow);
    EXPECT_EQ(errorOf([&] { holeStrokes("99999999999"); }), text::err::Overflow);
}

TEST(CourseRules, CheckedSumsStayWithin32Bits) {
    EXPECT_EQ(checkedSum(2147483000, 647), 2147483647);
    EXPECT_EQ(checkedSum(-5, -2147483643LL), -2147483647 - 1);
    EXPECT_EQ(errorOf([] { checkedSum(2147483647, 1); }), text::err::Overflow);
    EXPECT_EQ(errorOf([] { checkedSum(0, -2147483649LL); }), text::err::Overflow);
    EXPECT_EQ(errorOf([] { checkedSum(-2147483647 - 1, -1); }), text::err::Overflow);
}

TEST(CourseRules, PlayerCountAndImpossibleShapes) {
    typGameInfo g;
    struct Case { int16_t hole, round; int32_t scoresMax; int32_t players; int error; } cases[] = {
        {9, 3, 5, 2, 0},   {9, 3, -1, 0, 0},  {9, 2, 6, 4, 0},  // 7 rows / 2 = 3.5 -> 4
        {9, 2, 4, 2, 0},   {0, 1, 0, 1, 0},   {18, 10, 19, 2, 0},
        {9, 0, 5, 0, text::err::DivisionByZero}, {9, 0, -1, 0, text::err::DivisionByZero},
        {9, 11, 10, 0, text::err::Subscript},     {9, -1, 5, 0, text::err::Subscript},
        {19, 3, 5, 0, text::err::Subscript},      {-1, 3, 5, 0, text::err::Subscript},
    };
    for (const auto& c : cases) {
        g.Hole = c.hole;
        g.Round = c.round;
        int32_t players = 0;
        EXPECT_EQ(errorOf([&] { players = playerCount(g, c.scoresMax); }), c.error) << c.hole << "x" << c.round;
        EXPECT_EQ(players, c.players) << c.hole << "x" << c.round;
    }
}

TEST(CourseRules, HandicapSharesRoundHalfToEven) {
    struct Case { int32_t handicap, courses; int16_t round; int32_t share; } cases[] = {
        {15, 1, 2, 8}, {5, 1, 2, 2}, {-15, 1, 2, -8}, {-5, 1, 2, -2},
        {-30, 2, 3, -20}, {40, 1, 3, 13}, {40, 0, 3, 0}, {45, 3, 3, 45},
    };
    for (const auto& c : cases)
        EXPECT_EQ(gameHandicapShare(c.handicap, c.courses, c.round), c.share) << c.handicap << "/" << c.round;
    EXPECT_EQ(errorOf([] { gameHandicapShare(10, 1, 0); }), text::err::DivisionByZero);

    EXPECT_EQ(courseHandicap(0, 40, 3), 0);
    EXPECT_EQ(courseHandicap(1, 40, 3), 40);
    EXPECT_EQ(courseHandicap(2, 40, 3), 13);
    EXPECT_EQ(courseHandicap(3, 40, 3), 0);
}

TEST(CourseRules, KeyNumbersAreTheMaskExceptThatNegativesStillSortNumerically) {
    EXPECT_EQ(keyNumber(97, "000"), "097");
    EXPECT_EQ(keyNumber(1000940, "0000000"), "1000940");
    EXPECT_EQ(keyNumber(12345678, "0000000"), "12345678");
    EXPECT_EQ(keyRatio(2700, 6, "00000.000"), "00450.000");
    EXPECT_EQ(keyRatio(1445, 10, "0000000.00"), "0000144.50");
    EXPECT_EQ(keyRatio(1, 3, "00000.00"), "00000.33");
    EXPECT_EQ(keyNumber(-5, "000"), "-995");
    EXPECT_EQ(keyNumber(-150, "00"), "--50");
    EXPECT_EQ(keyRatio(-5, -2, "0.0"), "2.5");
    EXPECT_EQ(keyRatio(5, -2, "0.0"), "-7.5");
    EXPECT_EQ(errorOf([] { keyRatio(5, 0, "0.0"); }), text::err::DivisionByZero);

    // Text order equals numeric order across zero and across mask ranges.
    const std::vector<long long> tenths = {-25000, -1500, -1001, -1000, -999, -55, -50, -1, 0, 7, 450, 1000};
    std::vector<std::string> keys;
    for (long long v : tenths) keys.push_back(keyRatio(v, 10, "000.00"));
    EXPECT_TRUE(std::is_sorted(keys.begin(), keys.end()));
    EXPECT_EQ(std::adjacent_find(keys.begin(), keys.end()), keys.end());
}

TEST(CourseRules, AverageKeysOfNoCompleteCourseAreAllNines) {
    EXPECT_EQ(averageKeyPiece(0, 0, "00000.000"), "99999.999");
    EXPECT_EQ(averageKeyPiece(0, -1, "0000000.00"), "9999999.99");
    EXPECT_EQ(averageKeyPiece(1800, 4, "00000.000"), "00450.000");
}

TEST(CourseRules, SortedOrderAndSharedRanks) {
    const std::vector<std::string> keys = {"b", "a", "b", "c", "a"};
    const std::vector<int32_t> order = sortByKeys(keys);
    std::vector<std::string> sorted;
    for (int32_t i : order) sorted.push_back(keys[static_cast<std::size_t>(i)]);
    EXPECT_EQ(sorted, (std::vector<std::string>{"a", "a", "b", "b", "c"}));
    EXPECT_EQ(sharedRanks(order, keys), (std::vector<int32_t>{1, 1, 3, 3, 5}));
    EXPECT_TRUE(sortByKeys({}).empty());
}

} // namespace
