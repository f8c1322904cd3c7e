// The season total ranking on its six bases, with and without minima.
#include <string>
#include <vector>

#include "seasonFixture.h"

namespace {

class SeasonTotalRanking : public SeasonFixture {
protected:
    // Gathers with the basis's kind and ranks.
    std::vector<std::string> rank(int16_t mode) {
        static const int16_t kinds[] = {10, 2, 11, 12, 13, 14};
        gintTotalRankingMode = mode;
        gather(kinds[mode]);
        EXPECT_FALSE(gsCalSeasonTotalRanking());
        std::vector<std::string> rows;
        for (const typSeasonScore& r : gtypSeasonTotalRows) rows.push_back(folded(r));
        return rows;
    }
    // A player's season row: ID, games, courses, holes, strokes, handicap,
    // total and rank.
    static std::string folded(const typSeasonScore& r) {
        return std::to_string(r.IDNo) + " n" + std::to_string(r.Games) + " c" + std::to_string(r.RoundsDone) +
               " h" + std::to_string(r.HolesDone) + " s" + std::to_string(r.Strokes) + " hc" +
               std::to_string(r.Handicap) + " t" + std::to_string(r.Total) + " #" + std::to_string(r.Rank);
    }
};

// Every player's sums over the games with a complete course.
const std::string k101 = "101 n4 c7 h55 s170 hc30 t1730";
const std::string k102 = "102 n3 c5 h36 s115 hc15 t1165";
const std::string k103 = "103 n2 c4 h34 s102 hc-20 t1000";
const std::string k104 = "104 n3 c5 h35 s146 hc-40 t1420";
const std::string k105 = "105 n1 c2 h18 s100 hc0 t1000";

TEST_F(SeasonTotalRanking, AveragePerCourse) {
    // 233, 247.14, 250, 284 and 500 tenths per course.
    EXPECT_EQ(rank(0), (std::vector<std::string>{k102 + " #1", k101 + " #2", k103 + " #3", k104 + " #4",
                                                  k105 + " #5"}));
    // Below 5 courses (103 with 4, 105 with 2) ranks after everyone else.
    glngKiteiRound = 5;
    EXPECT_EQ(rank(0), (std::vector<std::string>{k102 + " #1", k101 + " #2", k104 + " #3", k103 + " #4",
                                                  k105 + " #5"}));
}

TEST_F(SeasonTotalRanking, AveragePerGameCountsWholeGamesOnly) {
    // Games with a missed course count for nothing: 101 keeps games 1, 2
    // and 4, 102 games 3 and 4, 104 games 3 and 4.
    const std::vector<std::string> rows = rank(1);
    // 402.5, 430, 500, 557.5 and 1000 tenths per game.
    EXPECT_EQ(rows, (std::vector<std::string>{
                        "102 n2 c4 h27 s79 hc15 t805 #1", "101 n3 c5 h43 s128 hc10 t1290 #2",
                        "103 n2 c4 h34 s102 hc-20 t1000 #3", "104 n2 c4 h27 s114 hc-25 t1115 #4",
                        "105 n1 c2 h18 s100 hc0 t1000 #5"}));
    glngKiteiGame = 3;
    EXPECT_EQ(rank(1), (std::vector<std::string>{
                           "101 n3 c5 h43 s128 hc10 t1290 #1", "102 n2 c4 h27 s79 hc15 t805 #2",
                           "103 n2 c4 h34 s102 hc-20 t1000 #3", "104 n2 c4 h27 s114 hc-25 t1115 #4",
                           "105 n1 c2 h18 s100 hc0 t1000 #5"}));
}

TEST_F(SeasonTotalRanking, AveragePerHole) {
    // 29.41, 31.45, 32.36, 40.57 and 55.56 tenths per hole.
    EXPECT_EQ(rank(2), (std::vector<std::string>{k103 + " #1", k101 + " #2", k102 + " #3", k104 + " #4",
                                                  k105 + " #5"}));
    // 103's 34 holes fall short of 35; 104's 35 reach it.
    glngKiteiHole = 35;
    EXPECT_EQ(rank(2), (std::vector<std::string>{k101 + " #1", k102 + " #2", k104 + " #3", k103 + " #4",
                                                  k105 + " #5"}));
}

TEST_F(SeasonTotalRanking, TotalsRankGamesThenCoursesThenHoles) {
    // 101 has the most strokes but the most games; 102 and 104 tie on games
    // and courses, and 102's 36 holes beat 104's 35.
    EXPECT_EQ(rank(3), (std::vector<std::string>{k101 + " #1", k102 + " #2", k104 + " #3", k103 + " #4",
                                                  k105 + " #5"}));
    const typSeasonScore& a = gtypSeasonTotalRows.item(0);
    EXPECT_EQ(a.Date, "");
    EXPECT_EQ(a.TeamID, "");
    EXPECT_EQ(list(a.HoleScore), (std::vector<int32_t>{23, 22, 22, 22, 22, 22, 15, 15, 7, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(list(a.RoundScore), (std::vector<int32_t>{102, 50, 18, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(list(a.StrokeCount), (std::vector<int32_t>{1, 0, 47, 7, 0}));
}

TEST_F(SeasonTotalRanking, HolesInOneShareRanks) {
    // 101 and 102 have one each; the rest none. Order within a tie is the
    // quicksort's.
    EXPECT_EQ(rank(4), (std::vector<std::string>{k102 + " #1", k101 + " #1", k105 + " #3", k104 + " #3",
                                                  k103 + " #3"}));
    // With the birthday rule the older player comes first; players without a
    // date of birth (104, and 105 who is not registered) come last, still tied.
    gtypSeasonGame.JudgeBirthday = 1;
    EXPECT_EQ(rank(4), (std::vector<std::string>{k101 + " #1", k102 + " #2", k103 + " #3", k105 + " #4",
                                                  k104 + " #4"}));
}

TEST_F(SeasonTotalRanking, AveragePerNineHoles) {
    // 264.71, 283.09, 291.25, 365.14 and 500 tenths per 9 holes.
    EXPECT_EQ(rank(5), (std::vector<std::string>{k103 + " #1", k101 + " #2", k102 + " #3", k104 + " #4",
                                                  k105 + " #5"}));
    // A minimum of 4 units: 102's 36 holes make 4.0 and meet it; 104's 35
    // make 3.89 and do not, so 104 now follows 103.
    glngKitei9H = 4;
    EXPECT_EQ(rank(5), (std::vector<std::string>{k101 + " #1", k102 + " #2", k103 + " #3", k104 + " #4",
                                                  k105 + " #5"}));
}

TEST_F(SeasonTotalRanking, ASeasonWithoutHandicaps) {
    gintSeriesHandicap = 1;
    // 230, 242.86, 255, 292 and 500 tenths per course.
    EXPECT_EQ(rank(0), (std::vector<std::string>{
                           "102 n3 c5 h36 s115 hc0 t1150 #1", "101 n4 c7 h55 s170 hc0 t1700 #2",
                           "103 n2 c4 h34 s102 hc0 t1020 #3", "104 n3 c5 h35 s146 hc0 t1460 #4",
                           "105 n1 c2 h18 s100 hc0 t1000 #5"}));
}

TEST_F(SeasonTotalRanking, NegativeAveragesKeepNumericOrder) {
    // Large negative handicaps can take a total below zero; -10 must rank
    // ahead of -5, and both ahead of 3.
    auto row = [](int32_t id, int32_t total) {
        typSeasonScore r;
        r.IDNo = id;
        r.RoundsDone = 1;
        r.HolesDone = 9;
        r.Total = total;
        return r;
    };
    for (int16_t mode : {0, 2, 5}) {
        SCOPED_TRACE(mode);
        gintTotalRankingMode = mode;
        gtypSeasonScores = {row(1, 30), row(2, -50), row(3, -100)};
        ASSERT_FALSE(gsCalSeasonTotalRanking());
        std::vector<int32_t> ids;
        for (const typSeasonScore& r : gtypSeasonTotalRows) ids.push_back(r.IDNo);
        EXPECT_EQ(ids, (std::vector<int32_t>{3, 2, 1}));
    }
}

TEST_F(SeasonTotalRanking, NothingGatheredIsNothingToRank) {
    gtypSeasonTotalRows = {typSeasonScore{}};
    EXPECT_TRUE(gsCalSeasonTotalRanking());
    EXPECT_EQ(glngSeasonTotalRowsMax(), -1);
    EXPECT_TRUE(desk.messages().empty());
}

TEST_F(SeasonTotalRanking, AnErrorIsTrappedAndReported) {
    gather(10);
    gtypSeasonGame.Hole = 19; // a hole position the rows do not have
    EXPECT_TRUE(gsCalSeasonTotalRanking());
    ASSERT_EQ(desk.messages().size(), 1u);
    EXPECT_EQ(desk.lastMessage().prompt, "gsCalSeasonTotalRanking()::インデックスが有効範囲にありません。");
    EXPECT_EQ(desk.lastMessage().flags, forms::vbOKOnly);
    EXPECT_EQ(desk.lastMessage().title, "System error");
}

} // namespace
