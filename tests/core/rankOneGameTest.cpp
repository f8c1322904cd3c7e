#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "core/bestCourse.h"
#include "core/rankOneGame.h"
#include "core/teamRanking.h"
#include "platform/text/RuntimeError.h"
#include "rankFixture.h"

namespace {

using PersonalRanking = RankGame;

int errorOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const text::RuntimeError& e) {
        return e.Number;
    }
    return 0;
}

TEST_F(PersonalRanking, NoScoreRowsLeaveNoRows) {
    newGame(9, 3);
    gtypRankRows.append();
    gsCalPersonalRanking();
    EXPECT_EQ(glngRankRowsMax(), -1);
}

TEST_F(PersonalRanking, OnlyCompleteCoursesCount) {
    for (const char* bad : {"", "0", "abc", "0.5"}) {
        newGame(3, 3);
        gtypScores.clear();
        addPlayerTexts(7, {{"4", "3", "5", "9"}, {"4", bad, "5"}, {"2", "2", "2", ""}}, "T", 0);
        gsCalPersonalRanking();
        ASSERT_EQ(glngRankRowsMax(), 0);
        const typRankRow& r = gtypRankRows.item(0);
        EXPECT_EQ(r.IDNo, 7);
        EXPECT_EQ(r.TeamID, "T");
        EXPECT_EQ(r.RoundScore[0], 12) << bad;
        EXPECT_EQ(r.RoundScore[1], 0) << bad;
        EXPECT_EQ(r.RoundScore[2], 6) << bad;
        EXPECT_EQ(r.RoundsDone, 2) << bad;
        EXPECT_EQ(r.Strokes, 18) << bad;
        EXPECT_EQ(r.Total, 180) << bad;
        EXPECT_EQ(r.Rank, 1);
    }
}

TEST_F(PersonalRanking, MoreCompleteCoursesRankFirstWhateverTheStrokes) {
    newGame(9, 3);
    addPlayer(1, {0, 0, 0});      // nothing complete
    addPlayer(2, {90, 90, 0});    // 2 courses, 180
    addPlayer(3, {100, 100, 100}); // 3 courses, 300
    addPlayer(4, {0, 50, 0});     // 1 course
    gsCalPersonalRanking();
    EXPECT_EQ(rankedIDs(), (std::vector<int32_t>{3, 2, 4, 1}));
    EXPECT_EQ(ranks(), (std::vector<int32_t>{1, 2, 3, 4}));
    EXPECT_EQ(gtypRankRows.item(3).Total, 0);
    EXPECT_EQ(gtypRankRows.item(3).RoundsDone, 0);
}

TEST_F(PersonalRanking, EqualResultsShareARank) {
    newGame(9, 2);
    addPlayer(1, {50, 50});
    addPlayer(2, {45, 45});
    addPlayer(3, {40, 50});
    addPlayer(4, {47, 48});
    addPlayer(5, {0, 40});
    addPlayer(6, {40, 0});
    gsCalPersonalRanking();
    EXPECT_EQ(ranks(), (std::vector<int32_t>{1, 1, 3, 4, 5, 5}));
    EXPECT_EQ(gtypRankRows.item(0).Total, 900);
    EXPECT_EQ(gtypRankRows.item(2).IDNo, 4);
    EXPECT_EQ(gtypRankRows.item(3).IDNo, 1);
}

TEST_F(PersonalRanking, PerCourseHandicapsOfCompleteCoursesAddUp) {
    newGame(9, 3);
    addPlayer(1, {45, 50, 0});
    gtypScores.item(0).Handicap = 5;
    gtypScores.item(1).Handicap = -15;
    gtypScores.item(2).Handicap = 100; // incomplete: not counted
    gtypGame.HandiCapKind = 1;
    gsCalPersonalRanking();
    EXPECT_EQ(gtypRankRows.item(0).Total, 940);
    EXPECT_EQ(gtypRankRows.item(0).Handicap, -10);
    EXPECT_EQ(gtypRankRows.item(0).Strokes, 95);
}

TEST_F(PersonalRanking, PerGameHandicapCountsInProportionHalfToEven) {
    struct Case { int16_t kind, round; std::vector<int> strokes; int32_t handicap, total, shown; } cases[] = {
        {2, 2, {40, 0}, 15, 408, 15},   // 400 + 7.5
        {2, 2, {40, 0}, 5, 402, 5},     // 400 + 2.5
        {2, 2, {40, 0}, -15, 392, -15}, // 400 - 7.5
        {2, 3, {40, 40, 0}, -30, 780, -30},
        {2, 2, {0, 0}, 15, 0, 0},       // no complete course, no handicap
        {0, 2, {40, 0}, 15, 400, 0},
        {3, 2, {40, 0}, 15, 400, 0},    // unknown kinds apply none
    };
    for (const auto& c : cases) {
        resetSharedGlobals();
        newGame(9, c.round);
        gtypGame.HandiCapKind = c.kind;
        addPlayer(1, c.strokes, "", c.handicap);
        gsCalPersonalRanking();
        EXPECT_EQ(gtypRankRows.item(0).Total, c.total) << c.kind << " " << c.handicap;
        EXPECT_EQ(gtypRankRows.item(0).Handicap, c.shown) << c.kind << " " << c.handicap;
    }
}

TEST_F(PersonalRanking, BirthdayRuleRanksTheOlderPlayerFirstAndUnknownDatesLast) {
    newGame(9, 2);
    registerPlayer(1, "1960/04/01");
    registerPlayer(2, "1950/12/31");
    registerPlayer(3, "");
    registerPlayer(5, "1930/01/01");
    for (int32_t id : {3, 1, 4, 2}) addPlayer(id, {45, 45}); // 4 is not registered
    addPlayer(5, {0, 0});
    gsCalPersonalRanking();
    EXPECT_EQ(ranks(), (std::vector<int32_t>{1, 1, 1, 1, 5}));

    gtypGame.JudgeBirthday = 1;
    gsCalPersonalRanking();
    ASSERT_EQ(glngRankRowsMax(), 4);
    EXPECT_EQ(gtypRankRows.item(0).IDNo, 2);
    EXPECT_EQ(gtypRankRows.item(1).IDNo, 1);
    EXPECT_EQ(gtypRankRows.item(4).IDNo, 5); // no complete course: last, its date unused
    EXPECT_EQ(ranks(), (std::vector<int32_t>{1, 2, 3, 3, 5}));
}

TEST_F(PersonalRanking, BirthdayRuleComparesDatesOfBirthAsDates) {
    // Dates of birth kept in other forms the date parser accepts still
    // order by the date: 1950/4/1 and S25/4/1 are the same day, before
    // 1950/10/01; a text that is no date counts as none.
    newGame(3, 2);
    gtypGame.JudgeBirthday = 1;
    registerPlayer(1, "1950/4/1");
    registerPlayer(2, "1950/10/01");
    registerPlayer(3, "S25/4/1");
    registerPlayer(4, "1950/02/30");
    for (int32_t id : {4, 2, 1, 3}) addPlayer(id, {9, 9});
    gsCalPersonalRanking();
    EXPECT_EQ(ranks(), (std::vector<int32_t>{1, 1, 3, 4}));
    EXPECT_EQ(gtypRankRows.item(2).IDNo, 2);
    EXPECT_EQ(gtypRankRows.item(3).IDNo, 4);

    gsCalBestCourse();
    std::vector<int32_t> bestRanks;
    for (const typBestCourseRow& r : gtypBestCourseRows) bestRanks.push_back(r.Rank);
    EXPECT_EQ(bestRanks, (std::vector<int32_t>{1, 1, 3, 4}));
    EXPECT_EQ(gtypBestCourseRows.item(2).IDNo, 2);
}

TEST_F(PersonalRanking, ImpossibleGamesRaiseTheRunTimeError) {
    struct Case { int16_t hole, round; int rows; int error; } cases[] = {
        {9, 0, 6, text::err::DivisionByZero},
        {9, 11, 11, text::err::Subscript},
        {19, 3, 6, text::err::Subscript},
        {-1, 3, 6, text::err::Subscript},
        {9, 2, 7, text::err::Subscript}, // 3.5 players round to 4: the last has one row
    };
    const std::vector<std::function<void()>> procedures = {gsCalPersonalRanking, gsCalBestCourse, gsCalTeamList,
                                                           gsCalTeamRanking};
    for (const auto& c : cases) {
        newGame(c.hole, c.round);
        gtypScores.clear();
        for (int i = 0; i < c.rows; ++i) {
            typScoreData& row = gtypScores.append();
            row.IDNo = 1 + i / 3;
            row.TeamID = "A";
            row.Holes.fill("4");
        }
        for (std::size_t p = 0; p < procedures.size(); ++p)
            EXPECT_EQ(errorOf(procedures[p]), c.error) << c.hole << "x" << c.round << " procedure " << p;
    }
}

TEST_F(PersonalRanking, CourseStrokesBeyondSixteenBitsOverflow) {
    newGame(2, 1);
    addPlayerTexts(1, {{"30000", "30000"}});
    EXPECT_EQ(errorOf(gsCalPersonalRanking), text::err::Overflow);
}

} // namespace
