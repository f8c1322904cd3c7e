// The season entry list, team list and team ranking.
#include <string>
#include <vector>

#include "seasonFixture.h"

namespace {

class SeasonTeams : public SeasonFixture {
protected:
    // The entry list: ID, games and number.
    std::vector<std::string> entries(int16_t byBelong, int16_t byCount) {
        gather(1);
        EXPECT_FALSE(gsCalSeasonEntryList(byBelong, byCount));
        std::vector<std::string> out;
        for (const typSeasonScore& r : gtypSeasonEntryRows)
            out.push_back(std::to_string(r.IDNo) + " n" + std::to_string(r.Games) + " #" + std::to_string(r.Rank));
        return out;
    }
    static std::string team(const typTeamRankRow& t) {
        return "[" + t.TeamID + "] first" + std::to_string(t.FirstMember) + " m" + std::to_string(t.Members) + " c" +
               std::to_string(t.RoundsDone) + " t" + std::to_string(t.Total) + " #" + std::to_string(t.Rank);
    }
    static std::vector<std::string> teams() {
        std::vector<std::string> out;
        for (const typTeamRankRow& t : gtypTeamRankRows) out.push_back(team(t));
        return out;
    }
};

TEST_F(SeasonTeams, EntryListOrders) {
    // By reading: 105 is not registered and has an empty one.
    EXPECT_EQ(entries(0, 0), (std::vector<std::string>{"105 n1 #1", "101 n4 #2", "103 n2 #3", "104 n3 #4",
                                                        "102 n3 #5"}));
    // By affiliation (none, 3, 12), then by reading.
    EXPECT_EQ(entries(1, 0), (std::vector<std::string>{"105 n1 #1", "104 n3 #2", "101 n4 #3", "103 n2 #4",
                                                        "102 n3 #5"}));
    // By affiliation, then most games first.
    EXPECT_EQ(entries(1, 1), (std::vector<std::string>{"104 n3 #1", "105 n1 #2", "101 n4 #3", "103 n2 #4",
                                                        "102 n3 #5"}));
    // By games only: 102 and 104 tie and still get their own numbers.
    EXPECT_EQ(entries(0, 1), (std::vector<std::string>{"101 n4 #1", "104 n3 #2", "102 n3 #3", "103 n2 #4",
                                                        "105 n1 #5"}));
}

TEST_F(SeasonTeams, EntryRowsHoldTheSeasonSums) {
    gather(1);
    ASSERT_FALSE(gsCalSeasonEntryList(0, 1));
    const typSeasonScore& a = gtypSeasonEntryRows.item(0);
    EXPECT_EQ(show(a), "101 - g0 [] n4 c7 h0 s170 hc0 t1730 #1");
    EXPECT_EQ(list(a.RoundScore), (std::vector<int32_t>{102, 50, 18, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(list(a.StrokeCount), (std::vector<int32_t>{1, 0, 47, 7, 0}));
}

TEST_F(SeasonTeams, TeamListOnTheTotalBasis) {
    gather(6);
    ASSERT_FALSE(gsCalSeasonTeamList());
    // One row per player and team; 103 played for B and for AB. One-letter
    // teams come first; within a team more courses come first.
    EXPECT_EQ(show(gtypSeasonTeamRows), (std::vector<std::string>{
                                            "101 - g0 [A] n3 c6 h0 s143 hc30 t1460 #1",
                                            "102 - g0 [A] n3 c5 h0 s115 hc15 t1165 #2",
                                            "103 - g0 [B] n1 c2 h0 s54 hc0 t540 #3",
                                            "105 - g0 [B] n1 c2 h0 s100 hc0 t1000 #4",
                                            "103 - g1 [AB] n1 c2 h0 s48 hc-20 t460 #5",
                                        }));
    EXPECT_EQ(list(gtypSeasonTeamRows.item(0).RoundScore), (std::vector<int32_t>{75, 50, 18, 0, 0, 0, 0, 0, 0, 0}));
}

TEST_F(SeasonTeams, TeamListOnTheAverageBasis) {
    gtypSeasonGame.TeamHowtoRank = 1;
    gather(6);
    ASSERT_FALSE(gsCalSeasonTeamList());
    // 102 averages 233 tenths per course, 101 243.33.
    EXPECT_EQ(show(gtypSeasonTeamRows), (std::vector<std::string>{
                                            "102 - g0 [A] n3 c5 h0 s115 hc15 t1165 #1",
                                            "101 - g0 [A] n3 c6 h0 s143 hc30 t1460 #2",
                                            "103 - g0 [B] n1 c2 h0 s54 hc0 t540 #3",
                                            "105 - g0 [B] n1 c2 h0 s100 hc0 t1000 #4",
                                            "103 - g1 [AB] n1 c2 h0 s48 hc-20 t460 #5",
                                        }));
}

TEST_F(SeasonTeams, TeamRankingOnBothBases) {
    // Total basis: more courses first, whatever the strokes.
    gather(7);
    ASSERT_FALSE(gsCalSeasonTeamList());
    ASSERT_FALSE(gsCalSeasonTeamRanking());
    EXPECT_EQ(teams(), (std::vector<std::string>{"[A] first0 m2 c11 t2625 #1", "[B] first2 m2 c4 t1540 #2",
                                                 "[AB] first4 m1 c2 t460 #3"}));
    // Average basis: 230, 238.64 and 385 tenths per course.
    gtypSeasonGame.TeamHowtoRank = 1;
    gather(7);
    ASSERT_FALSE(gsCalSeasonTeamList());
    ASSERT_FALSE(gsCalSeasonTeamRanking());
    EXPECT_EQ(teams(), (std::vector<std::string>{"[AB] first4 m1 c2 t460 #1", "[A] first0 m2 c11 t2625 #2",
                                                 "[B] first2 m2 c4 t1540 #3"}));
}

TEST_F(SeasonTeams, EqualTeamsShareARank) {
    auto member = [](const char* team, int32_t id, int32_t courses, int32_t total) {
        typSeasonScore m;
        m.TeamID = team;
        m.IDNo = id;
        m.RoundsDone = courses;
        m.Total = total;
        return m;
    };
    for (int16_t basis : {0, 1}) {
        SCOPED_TRACE(basis);
        gtypSeasonGame.TeamHowtoRank = basis;
        gtypSeasonTeamRows = {member("C", 1, 2, 500), member("D", 2, 2, 500), member("E", 3, 2, 400)};
        ASSERT_FALSE(gsCalSeasonTeamRanking());
        // The order within the tie is the quicksort's.
        EXPECT_EQ(teams(), (std::vector<std::string>{"[E] first2 m1 c2 t400 #1", "[D] first1 m1 c2 t500 #2",
                                                     "[C] first0 m1 c2 t500 #2"}));
    }
}

TEST_F(SeasonTeams, WithoutTeamsThereIsNothingToList) {
    // Game 4 has one player with a team; without it, none.
    glngSeasonGames = {3};
    gather(6);
    ASSERT_FALSE(gsCalSeasonTeamList());
    EXPECT_EQ(glngSeasonTeamRowsMax(), 0);
    gtypSeasonScores.item(2).TeamID = "  ";
    EXPECT_TRUE(gsCalSeasonTeamList());
    EXPECT_EQ(glngSeasonTeamRowsMax(), -1);
    EXPECT_TRUE(gsCalSeasonTeamRanking());
    EXPECT_EQ(glngTeamRankRowsMax(), -1);
    gsClearResults();
    EXPECT_TRUE(gsCalSeasonEntryList(0, 0));
    EXPECT_TRUE(gsCalSeasonTeamList());
    EXPECT_TRUE(desk.messages().empty());
}

TEST_F(SeasonTeams, ErrorsAreTrappedAndReported) {
    gather(1);
    gtypSeasonGame.Round = 11; // a course position the rows do not have
    EXPECT_TRUE(gsCalSeasonEntryList(0, 0));
    EXPECT_TRUE(gsCalSeasonTeamList());
    typSeasonScore big;
    big.TeamID = "A";
    big.Total = 2000000000;
    gtypSeasonTeamRows = {big, big};
    EXPECT_TRUE(gsCalSeasonTeamRanking());
    std::vector<std::string> prompts;
    for (const auto& m : desk.messages()) {
        prompts.push_back(m.prompt);
        EXPECT_EQ(m.flags, forms::vbOKOnly);
        EXPECT_EQ(m.title, "System error");
    }
    EXPECT_EQ(prompts, (std::vector<std::string>{"gsCalSeasonEntryList()::インデックスが有効範囲にありません。",
                                                 "gsCalSeasonTeamList()::インデックスが有効範囲にありません。",
                                                 "gsCalSeasonTeamRanking()::オーバーフローしました。"}));
}

} // namespace
