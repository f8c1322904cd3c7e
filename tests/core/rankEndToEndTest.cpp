#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/bestCourse.h"
#include "core/rankOneGame.h"
#include "core/teamRanking.h"
#include "rankFixture.h"

// One game of 9 holes x 3 courses, 12 players in 4 teams, under the birthday
// rule; every expected figure below was worked out by hand.
namespace {

struct Entrant {
    int32_t id;
    std::string team;
    std::vector<int> strokes; // per course, 0 = not complete
    std::string birthday;
    int16_t gender;
};

const std::vector<Entrant> kEntrants = {
    {101, "A", {40, 42, 44}, "1955/05/05", 2},  {102, "A", {45, 45, 45}, "", 1},
    {103, "A", {38, 0, 41}, "1980/01/01", 1},   {201, "B", {41, 41, 41}, "1962/03/03", 1},
    {202, "B", {50, 48, 0}, "1970/07/07", 1},   {203, "B", {0, 0, 0}, "1940/02/02", 2},
    {301, "C", {39, 40, 41}, "1958/08/08", 2},  {302, "C", {44, 46, 43}, "1965/09/09", 1},
    {303, "C", {47, 44, 45}, "1972/10/10", 1},  {401, "DD", {42, 43, 41}, "1948/04/04", 1},
    {402, "DD", {36, 37, 38}, "1975/11/11", 1}, {403, "DD", {45, 44, 46}, "1960/06/06", 2},
};

class EndToEnd : public RankGame {
protected:
    void SetUp() override {
        RankGame::SetUp();
        newGame(9, 3);
        gtypGame.JudgeBirthday = 1;
        for (const Entrant& e : kEntrants) {
            registerPlayer(e.id, e.birthday, e.gender);
            addPlayer(e.id, e.strokes, e.team);
        }
    }
};

struct RankExpect { int32_t id, rank, roundsDone, strokes, total; };
struct TeamExpect { std::string team; int32_t firstMember, members, roundsDone, total, rank; };

TEST_F(EndToEnd, IndividualRanking) {
    const std::vector<RankExpect> expected = {
        {402, 1, 3, 111, 1110}, {301, 2, 3, 120, 1200}, {201, 3, 3, 123, 1230},
        {401, 4, 3, 126, 1260}, {101, 5, 3, 126, 1260}, // equal: the older first
        {302, 6, 3, 133, 1330}, {403, 7, 3, 135, 1350}, {102, 8, 3, 135, 1350}, // no date of birth last
        {303, 9, 3, 136, 1360}, {103, 10, 2, 79, 790},  {202, 11, 2, 98, 980},
        {203, 12, 0, 0, 0},
    };
    gsCalPersonalRanking();
    ASSERT_EQ(glngRankRowsMax(), 11);
    for (std::size_t k = 0; k < expected.size(); ++k) {
        const typRankRow& r = gtypRankRows.item(static_cast<long long>(k));
        EXPECT_EQ(r.IDNo, expected[k].id) << k;
        EXPECT_EQ(r.Rank, expected[k].rank) << r.IDNo;
        EXPECT_EQ(r.RoundsDone, expected[k].roundsDone) << r.IDNo;
        EXPECT_EQ(r.Strokes, expected[k].strokes) << r.IDNo;
        EXPECT_EQ(r.Total, expected[k].total) << r.IDNo;
    }
    EXPECT_EQ(gtypRankRows.item(9).RoundScore[1], 0); // 103's second course
    EXPECT_EQ(gtypRankRows.item(9).RoundScore[2], 41);

    gtypGame.CategoryGender = 2;
    EXPECT_EQ(gfGetCategoryTitle(), "部門別（女子）");
    gsFilterCategory("2010/06/15");
    EXPECT_EQ(rankedIDs(), (std::vector<int32_t>{301, 101, 403, 203}));
    EXPECT_EQ(ranks(), (std::vector<int32_t>{1, 2, 3, 4}));
}

TEST_F(EndToEnd, BestCourses) {
    struct BestExpect { int32_t id; int16_t course; int32_t strokes; };
    const std::vector<BestExpect> expected = {
        {402, 1, 36}, {103, 1, 38}, {301, 1, 39}, {101, 1, 40}, {401, 3, 41}, {201, 1, 41},
        {302, 3, 43}, {403, 2, 44}, {303, 2, 44}, {102, 1, 45}, {202, 2, 48}, {203, 1, 0},
    };
    gsCalBestCourse();
    ASSERT_EQ(glngBestCourseRowsMax(), 11);
    for (std::size_t k = 0; k < expected.size(); ++k) {
        const typBestCourseRow& r = gtypBestCourseRows.item(static_cast<long long>(k));
        EXPECT_EQ(r.IDNo, expected[k].id) << k;
        EXPECT_EQ(r.RoundNo, expected[k].course) << r.IDNo;
        EXPECT_EQ(r.Strokes, expected[k].strokes) << r.IDNo;
        EXPECT_EQ(r.Total, expected[k].strokes * 10) << r.IDNo;
        EXPECT_EQ(r.Rank, static_cast<int32_t>(k) + 1) << r.IDNo;
    }
}

TEST_F(EndToEnd, TeamsOnBothBases) {
    struct Basis {
        int16_t howto;
        std::vector<int32_t> members;
        std::vector<int32_t> memberRanks;
        std::vector<TeamExpect> teams;
    } bases[] = {
        {0,
         {101, 102, 103, 201, 202, 203, 301, 302, 303, 402, 401, 403},
         {5, 8, 10, 3, 11, 12, 2, 6, 9, 1, 4, 7},
         {{"DD", 9, 3, 9, 3720, 1}, {"C", 6, 3, 9, 3890, 2}, {"A", 0, 3, 8, 3400, 3}, {"B", 3, 3, 5, 2210, 4}}},
        {1, // averages: A 425.000, B 442.000, C 432.222, DD 413.333
         {103, 101, 102, 201, 202, 203, 301, 302, 303, 402, 401, 403},
         {10, 5, 8, 3, 11, 12, 2, 6, 9, 1, 4, 7},
         {{"DD", 9, 3, 9, 3720, 1}, {"A", 0, 3, 8, 3400, 2}, {"C", 6, 3, 9, 3890, 3}, {"B", 3, 3, 5, 2210, 4}}},
    };
    for (const Basis& b : bases) {
        gtypGame.TeamHowtoRank = b.howto;
        gsCalTeamRanking();
        EXPECT_EQ(rankedIDs(), b.members) << b.howto;
        EXPECT_EQ(ranks(), b.memberRanks) << b.howto;
        ASSERT_EQ(glngTeamRankRowsMax(), 3);
        for (std::size_t k = 0; k < b.teams.size(); ++k) {
            const typTeamRankRow& t = gtypTeamRankRows.item(static_cast<long long>(k));
            const TeamExpect& e = b.teams[k];
            EXPECT_EQ(t.TeamID, e.team) << b.howto << " " << k;
            EXPECT_EQ(t.FirstMember, e.firstMember) << e.team;
            EXPECT_EQ(t.Members, e.members) << e.team;
            EXPECT_EQ(t.RoundsDone, e.roundsDone) << e.team;
            EXPECT_EQ(t.Total, e.total) << e.team;
            EXPECT_EQ(t.Rank, e.rank) << e.team;
        }
    }
}

} // namespace
