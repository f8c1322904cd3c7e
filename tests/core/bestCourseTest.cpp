#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/bestCourse.h"
#include "rankFixture.h"

namespace {

using BestCourse = RankGame;

std::vector<int32_t> bestIDs() {
    std::vector<int32_t> ids;
    for (const typBestCourseRow& r : gtypBestCourseRows) ids.push_back(r.IDNo);
    return ids;
}

std::vector<int32_t> bestRanks() {
    std::vector<int32_t> out;
    for (const typBestCourseRow& r : gtypBestCourseRows) out.push_back(r.Rank);
    return out;
}

TEST_F(BestCourse, NoScoreRowsLeaveNoRows) {
    newGame(9, 3);
    gtypBestCourseRows.append();
    gsCalBestCourse();
    EXPECT_EQ(glngBestCourseRowsMax(), -1);
}

TEST_F(BestCourse, TheEarliestOfEquallyGoodCoursesIsChosen) {
    newGame(9, 3);
    addPlayer(1, {48, 45, 45});
    gtypScores.item(1).Holes[12] = "7"; // past Hole, still copied with the course
    gsCalBestCourse();
    ASSERT_EQ(glngBestCourseRowsMax(), 0);
    const typBestCourseRow& r = gtypBestCourseRows.item(0);
    EXPECT_EQ(r.RoundNo, 2);
    EXPECT_EQ(r.Strokes, 45);
    EXPECT_EQ(r.Total, 450);
    EXPECT_EQ(r.Handicap, 0);
    EXPECT_EQ(r.Rank, 1);
    EXPECT_EQ(r.SortKey, "0991000450");
    FixedArray<std::string, 18> course{};
    copyHoleTexts(gtypScores.item(1), course);
    EXPECT_EQ(r.Holes, course);
    EXPECT_EQ(r.Holes[12], "7");
}

TEST_F(BestCourse, ACompleteCourseBeatsEarlierIncompleteOnes) {
    newGame(9, 3);
    addPlayer(1, {0, 0, 60});
    addPlayer(2, {0, 0, 0});
    addPlayer(3, {0, 0, 0});
    addPlayer(4, {50, 0, 0});
    gtypScores.item(3).Holes[0] = "5"; // player 2's first course is partly entered
    gsCalBestCourse();
    EXPECT_EQ(gtypBestCourseRows.item(0).IDNo, 4);
    EXPECT_EQ(gtypBestCourseRows.item(1).IDNo, 1);
    EXPECT_EQ(gtypBestCourseRows.item(1).RoundNo, 3);
    EXPECT_EQ(bestRanks(), (std::vector<int32_t>{1, 2, 3, 3}));
    for (int32_t k : {2, 3}) {
        const typBestCourseRow& none = gtypBestCourseRows.item(k);
        EXPECT_EQ(none.RoundNo, 1);
        EXPECT_EQ(none.Holes, (FixedArray<std::string, 18>{}));
        EXPECT_EQ(none.Strokes, 0);
        EXPECT_EQ(none.Total, 0);
        EXPECT_EQ(none.SortKey, "1001000000");
    }
}

TEST_F(BestCourse, HandicapShareOfOneCourse) {
    struct Case { int16_t kind, round; int32_t handicap, shown, total; } cases[] = {
        {2, 3, 40, 13, 413},  // 13.33
        {2, 2, 15, 8, 408},   // 7.5 to even
        {2, 2, 5, 2, 402},    // 2.5 to even
        {2, 2, -15, -8, 392},
        {1, 2, -15, -15, 385},
        {0, 2, 15, 0, 400},
    };
    for (const auto& c : cases) {
        resetSharedGlobals();
        newGame(9, c.round);
        gtypGame.HandiCapKind = c.kind;
        std::vector<int> strokes(static_cast<std::size_t>(c.round), 42);
        strokes[1] = 40;
        addPlayer(1, strokes, "", c.handicap);
        gsCalBestCourse();
        const typBestCourseRow& r = gtypBestCourseRows.item(0);
        EXPECT_EQ(r.RoundNo, 2);
        EXPECT_EQ(r.Handicap, c.shown) << c.kind << " " << c.handicap;
        EXPECT_EQ(r.Total, c.total) << c.kind << " " << c.handicap;
        EXPECT_EQ(r.Strokes, 40);
    }
}

TEST_F(BestCourse, PerCourseHandicapCanOutweighStrokes) {
    newGame(9, 2);
    gtypGame.HandiCapKind = 1;
    addPlayer(1, {45, 47});
    gtypScores.item(1).Handicap = -30; // 470 - 30 = 440 beats 450
    gsCalBestCourse();
    EXPECT_EQ(gtypBestCourseRows.item(0).RoundNo, 2);
    EXPECT_EQ(gtypBestCourseRows.item(0).Total, 440);
    EXPECT_EQ(gtypBestCourseRows.item(0).Handicap, -30);
}

TEST_F(BestCourse, EqualCoursesShareARankUnlessTheBirthdayRuleSeparatesThem) {
    newGame(9, 2);
    registerPlayer(1, "");
    registerPlayer(2, "1970/01/01");
    registerPlayer(3, "1950/01/01");
    addPlayer(1, {44, 50});
    addPlayer(2, {50, 44});
    addPlayer(3, {44, 0});
    addPlayer(4, {43, 43});
    gsCalBestCourse();
    EXPECT_EQ(bestRanks(), (std::vector<int32_t>{1, 2, 2, 2}));

    gtypGame.JudgeBirthday = 1;
    gsCalBestCourse();
    EXPECT_EQ(bestIDs(), (std::vector<int32_t>{4, 3, 2, 1}));
    EXPECT_EQ(bestRanks(), (std::vector<int32_t>{1, 2, 3, 4}));
    EXPECT_EQ(gtypBestCourseRows.item(1).SortKey, "09910004401950/01/01");
    EXPECT_EQ(gtypBestCourseRows.item(3).SortKey, "09910004409999/99/99");
}

} // namespace
