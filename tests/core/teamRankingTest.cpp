#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/teamRanking.h"
#include "rankFixture.h"

namespace {

using TeamRanking = RankGame;

struct TeamExpect {
    std::string TeamID;
    int32_t FirstMember, Members, RoundsDone, Total, Rank;
};

void expectTeams(const std::vector<TeamExpect>& expected) {
    ASSERT_EQ(glngTeamRankRowsMax() + 1, static_cast<int32_t>(expected.size()));
    for (std::size_t k = 0; k < expected.size(); ++k) {
        const typTeamRankRow& t = gtypTeamRankRows.item(static_cast<long long>(k));
        const TeamExpect& e = expected[k];
        EXPECT_EQ(t.TeamID, e.TeamID) << k;
        EXPECT_EQ(t.FirstMember, e.FirstMember) << e.TeamID;
        EXPECT_EQ(t.Members, e.Members) << e.TeamID;
        EXPECT_EQ(t.RoundsDone, e.RoundsDone) << e.TeamID;
        EXPECT_EQ(t.Total, e.Total) << e.TeamID;
        EXPECT_EQ(t.Rank, e.Rank) << e.TeamID;
    }
}

TEST_F(TeamRanking, WithoutTeamsBothListsAreEmpty) {
    newGame(9, 2);
    addPlayer(1, {40, 40});
    addPlayer(2, {41, 40}, "  ");
    gtypTeamRankRows.append();
    gsCalTeamRanking();
    EXPECT_EQ(glngRankRowsMax(), -1);
    EXPECT_EQ(glngTeamRankRowsMax(), -1);
}

TEST_F(TeamRanking, TotalBasisCountsCompleteCoursesBeforeStrokes) {
    newGame(9, 3);
    for (int32_t id : {1, 2, 3}) addPlayer(id, {50, 50, 50}, "A");
    for (int32_t id : {4, 5}) addPlayer(id, {40, 40, 40}, "B");
    gsCalTeamRanking();
    expectTeams({{"A", 0, 3, 9, 4500, 1}, {"B", 3, 2, 6, 2400, 2}});
    EXPECT_EQ(gtypRankRows.item(0).Rank, 3); // members keep their individual ranks
    EXPECT_EQ(gtypRankRows.item(3).Rank, 1);
}

TEST_F(TeamRanking, MembersAreListedByTheTeamBasis) {
    newGame(9, 3);
    addPlayer(1, {30, 30, 0}, "C");   // 2 courses, 600
    addPlayer(2, {50, 50, 50}, "C");  // 1500
    addPlayer(3, {0, 0, 0}, "C");     // none
    addPlayer(4, {45, 45, 50}, "C");  // 1400
    gsCalTeamList();
    EXPECT_EQ(rankedIDs(), (std::vector<int32_t>{4, 2, 1, 3}));
    EXPECT_EQ(ranks(), (std::vector<int32_t>{1, 2, 3, 4}));

    gtypGame.TeamHowtoRank = 1; // averages 300, 500, none, 466.67
    gsCalTeamList();
    EXPECT_EQ(rankedIDs(), (std::vector<int32_t>{1, 4, 2, 3}));
    EXPECT_EQ(ranks(), (std::vector<int32_t>{3, 1, 2, 4}));
}

TEST_F(TeamRanking, AverageBasisTiesAreDecidedByTheBestMembers) {
    newGame(9, 2);
    gtypGame.TeamHowtoRank = 1;
    addPlayer(1, {44, 44}, "X"); // 2700 tenths over 6 courses
    addPlayer(2, {45, 45}, "X");
    addPlayer(3, {46, 46}, "X");
    addPlayer(4, {43, 43}, "Y"); // 1800 tenths over 4 courses
    addPlayer(5, {47, 47}, "Y");
    gsCalTeamRanking();
    expectTeams({{"Y", 3, 2, 4, 1800, 1}, {"X", 0, 3, 6, 2700, 2}});
}

TEST_F(TeamRanking, OnlyTheFirstTenMembersEnterTheKey) {
    for (int16_t basis : {0, 1}) {
        resetSharedGlobals();
        newGame(9, 1);
        gtypGame.TeamHowtoRank = basis;
        for (int32_t m = 0; m < 10; ++m) {
            addPlayer(100 + m, {40 + m}, "P");
            addPlayer(200 + m, {40 + m}, "Q");
        }
        addPlayer(110, {0}, "P"); // an eleventh member without a complete course
        addPlayer(300, {40}, "R"); // twelve members, all complete
        for (int32_t m = 1; m < 12; ++m) addPlayer(300 + m, {50}, "R");
        gsCalTeamRanking();
        ASSERT_EQ(glngTeamRankRowsMax(), 2) << basis;
        const typTeamRankRow& r = gtypTeamRankRows.item(basis == 0 ? 0 : 2);
        EXPECT_EQ(r.TeamID, "R");
        EXPECT_EQ(r.Members, 12);
        EXPECT_EQ(r.RoundsDone, 12);
        EXPECT_EQ(r.Total, 400 + 11 * 500);
        const int32_t tied = basis == 0 ? 1 : 0;
        EXPECT_EQ(gtypTeamRankRows.item(tied).Rank, gtypTeamRankRows.item(tied + 1).Rank) << basis;
        for (int32_t k = tied; k < tied + 2; ++k) {
            const typTeamRankRow& t = gtypTeamRankRows.item(k);
            EXPECT_EQ(t.Members, t.TeamID == "P" ? 11 : 10);
            EXPECT_EQ(t.RoundsDone, 10);
            EXPECT_EQ(t.Total, 4450);
        }
    }
}

TEST_F(TeamRanking, AFurtherMemberRanksAheadOfAnEmptyPlace) {
    for (int16_t basis : {0, 1}) {
        resetSharedGlobals();
        newGame(9, 1);
        gtypGame.TeamHowtoRank = basis;
        addPlayer(1, {40}, "S");
        addPlayer(2, {40}, "T");
        addPlayer(3, {0}, "T");
        gsCalTeamRanking();
        ASSERT_EQ(glngTeamRankRowsMax(), 1);
        if (basis == 0) {
            EXPECT_EQ(gtypTeamRankRows.item(0).TeamID, "T");
        }
        // On the average basis a member without a complete course weighs as
        // much as an empty place.
        EXPECT_EQ(gtypTeamRankRows.item(1).Rank, basis == 0 ? 2 : 1) << basis;
    }
}

TEST_F(TeamRanking, TeamTextsAreComparedTrimmedAndShortOnesComeFirst) {
    newGame(9, 1);
    addPlayer(1, {45}, "AB");
    addPlayer(2, {44}, "B");
    addPlayer(3, {43}, "A ");
    addPlayer(4, {46}, " A");
    addPlayer(5, {42}, "A");
    addPlayer(6, {30}, " ");
    addPlayer(7, {41}, "");
    gsCalTeamRanking();
    EXPECT_EQ(rankedIDs(), (std::vector<int32_t>{5, 3, 4, 2, 1}));
    expectTeams({{"A", 0, 3, 3, 1310, 1}, {"B", 3, 1, 1, 440, 2}, {"AB", 4, 1, 1, 450, 3}});
}

TEST_F(TeamRanking, NegativeAveragesStillRankLowestFirst) {
    newGame(9, 1);
    gtypGame.HandiCapKind = 1;
    gtypGame.TeamHowtoRank = 1;
    addPlayer(1, {9}, "M", -200); // 90 - 200 = -110 tenths
    addPlayer(2, {9}, "N", -360); // -270
    addPlayer(3, {9}, "N", -200); // -110
    addPlayer(4, {9}, "M", 10);   // 100
    gsCalTeamRanking();
    EXPECT_EQ(rankedIDs(), (std::vector<int32_t>{1, 4, 2, 3}));
    expectTeams({{"N", 2, 2, 2, -380, 1}, {"M", 0, 2, 2, -10, 2}});
}

} // namespace
