// Best games, best courses and one player's games and courses.
#include <string>
#include <vector>

#include "seasonFixture.h"

namespace {

class SeasonGameRanking : public SeasonFixture {
protected:
    // One gathered row of a player in a game.
    static typSeasonScore row(int32_t id, const char* date, int32_t game, int32_t courses, int32_t total) {
        typSeasonScore r;
        r.IDNo = id;
        r.Date = date;
        r.GameIndex = game;
        r.RoundsDone = courses;
        r.Total = total;
        return r;
    }
    static std::vector<int32_t> ids(const VbArray<typSeasonScore>& rows) {
        std::vector<int32_t> out;
        for (const typSeasonScore& r : rows) out.push_back(r.IDNo);
        return out;
    }
    static std::vector<int32_t> ranks(const VbArray<typSeasonScore>& rows) {
        std::vector<int32_t> out;
        for (const typSeasonScore& r : rows) out.push_back(r.Rank);
        return out;
    }
    // A course row: date, course, the 18 hole texts, team, handicap, game.
    static std::string course(const typSeasonRoundScore& r) {
        std::string holes;
        for (std::size_t h = 0; h < 18; ++h) holes += (h > 0 ? "," : "") + r.Holes[h];
        return std::to_string(r.IDNo) + " " + r.Date + " r" + std::to_string(r.RoundNo) + " " + holes + " [" +
               r.TeamID + "] hc" + std::to_string(r.Handicap) + " g" + std::to_string(r.GameIndex);
    }
    static std::vector<std::string> courses() {
        std::vector<std::string> out;
        for (const typSeasonRoundScore& r : gtypSeasonRoundRows) out.push_back(course(r));
        return out;
    }
    // What the season window does for one player's games: sort, then copy
    // the player's rows.
    static void copyPlayerRows(int32_t id) {
        ASSERT_FALSE(gfSortSeasonVarnel());
        gtypSeasonGameRows.clear();
        for (const typSeasonScore& r : gtypSeasonScores)
            if (r.IDNo == id) gtypSeasonGameRows.append(r);
    }
};

TEST_F(SeasonGameRanking, BestGamesPreferMoreCoursesThenTheLowerTotal) {
    gather(3);
    ASSERT_FALSE(gsCalSeasonGameRanking());
    // 102's best is game 3 (3 courses, 555) rather than game 4 (1 course,
    // 250); 101's is game 3 (2 courses, 440).
    EXPECT_EQ(show(gtypSeasonGameRows), (std::vector<std::string>{
                                            "102 2010/05/15 g2 [A] n0 c3 h18 s54 hc15 t555 #1",
                                            "104 2010/05/15 g2 [] n0 c3 h18 s78 hc-25 t755 #2",
                                            "101 2010/05/15 g2 [A] n0 c2 h12 s42 hc20 t440 #3",
                                            "103 2010/05/15 g1 [AB] n0 c2 h16 s48 hc-20 t460 #4",
                                            "105 2010/04/10 g0 [B] n0 c2 h18 s100 hc0 t1000 #5",
                                        }));
    EXPECT_EQ(list(gtypSeasonGameRows.item(2).RoundScore), (std::vector<int32_t>{24, 0, 18, 0, 0, 0, 0, 0, 0, 0}));
}

TEST_F(SeasonGameRanking, BestCoursesRankTheLowestSingleCourse) {
    gather(5);
    ASSERT_FALSE(gsCalSeasonGameRanking());
    // Games = the course within its game.
    EXPECT_EQ(show(gtypSeasonGameRows), (std::vector<std::string>{
                                            "103 2010/05/15 g1 [AB] n2 c0 h8 s16 hc-10 t150 #1",
                                            "102 2010/05/15 g2 [A] n1 c0 h6 s18 hc5 t185 #2",
                                            "101 2010/05/15 g2 [A] n3 c0 h6 s18 hc10 t190 #3",
                                            "104 2010/05/15 g2 [] n1 c0 h6 s24 hc-8 t232 #4",
                                            "105 2010/04/10 g0 [B] n1 c0 h9 s45 hc0 t450 #5",
                                        }));
    EXPECT_EQ(list(gtypSeasonGameRows.item(0).HoleScore),
              (std::vector<int32_t>{2, 2, 2, 2, 2, 2, 2, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
}

TEST_F(SeasonGameRanking, EqualBestGamesShareARankUnlessTheOlderPlayerComesFirst) {
    // 201 was born first, but 202 is older on the day of the game each
    // played best; 104 has no date of birth.
    typPlayerInfo a = player(201, "1950/04/01", 0, "");
    typPlayerInfo b = player(202, "1950/06/01", 0, "");
    gtypPlayers.append(a);
    gtypPlayers.append(b);
    const std::vector<typSeasonScore> rows = {row(104, "2010/05/15", 1, 2, 500), row(201, "2010/04/10", 0, 2, 500),
                                              row(202, "2010/08/01", 3, 2, 500), row(201, "2010/06/20", 3, 1, 200)};
    gtypSeasonScores.assign(rows.begin(), rows.end());
    ASSERT_FALSE(gsCalSeasonGameRanking());
    EXPECT_EQ(ranks(gtypSeasonGameRows), (std::vector<int32_t>{1, 1, 1}));

    gtypSeasonGame.JudgeBirthday = 1;
    ASSERT_FALSE(gsCalSeasonGameRanking());
    EXPECT_EQ(ids(gtypSeasonGameRows), (std::vector<int32_t>{202, 201, 104}));
    EXPECT_EQ(ranks(gtypSeasonGameRows), (std::vector<int32_t>{1, 2, 3}));
}

TEST_F(SeasonGameRanking, OfAPlayersEqualGamesTheBirthdayRuleKeepsTheLater) {
    gtypSeasonGame.JudgeBirthday = 1;
    const std::vector<typSeasonScore> rows = {row(101, "2010/04/10", 0, 2, 500), row(101, "2010/06/20", 3, 2, 500),
                                              row(101, "2010/05/15", 1, 2, 500)};
    gtypSeasonScores.assign(rows.begin(), rows.end());
    ASSERT_FALSE(gsCalSeasonGameRanking());
    ASSERT_EQ(glngSeasonGameRowsMax(), 0);
    EXPECT_EQ(gtypSeasonGameRows.item(0).Date, "2010/06/20");
}

TEST_F(SeasonGameRanking, APlayersGamesByResult) {
    gather(8);
    copyPlayerRows(101);
    ASSERT_FALSE(gsCalSeasonPersonalGameScore());
    EXPECT_EQ(show(gtypSeasonGameRows), (std::vector<std::string>{
                                            "101 2010/05/15 g2 [A] n0 c2 h12 s42 hc20 t440 #1",
                                            "101 2010/05/15 g1 [A] n0 c2 h16 s48 hc10 t490 #2",
                                            "101 2010/04/10 g0 [A] n0 c2 h18 s53 hc0 t530 #3",
                                            "101 2010/06/20 g3 [] n0 c1 h9 s27 hc0 t270 #4",
                                        }));
    // Equal results share a rank.
    const std::vector<typSeasonScore> rows = {row(7, "2010/04/10", 0, 3, 1350), row(7, "2010/05/15", 1, 3, 1300),
                                              row(7, "2010/06/20", 3, 2, 880), row(7, "2010/06/21", 4, 3, 1300)};
    gtypSeasonGameRows.assign(rows.begin(), rows.end());
    ASSERT_FALSE(gsCalSeasonPersonalGameScore());
    EXPECT_EQ(ranks(gtypSeasonGameRows), (std::vector<int32_t>{1, 1, 3, 4}));
    EXPECT_EQ(gtypSeasonGameRows.item(2).Total, 1350);
    EXPECT_EQ(gtypSeasonGameRows.item(3).Total, 880);
}

TEST_F(SeasonGameRanking, APlayersCoursesListEveryCourseOfTheGamesPlayed) {
    gather(9);
    ASSERT_FALSE(gfSortSeasonVarnel());
    ASSERT_FALSE(gsCalSeasonPersonalRoundScore(101));
    const std::string nine = std::string(9, ',');   // holes 10 to 18 empty
    const std::string ten = std::string(10, ',');   // holes 9 to 18
    const std::string twelve = std::string(12, ','); // holes 7 to 18
    EXPECT_EQ(courses(), (std::vector<std::string>{
                             "101 2010/04/10 r1 3,3,3,3,3,3,3,3,3" + nine + " [A] hc0 g0",
                             "101 2010/04/10 r2 4,3,3,3,3,3,3,3,1" + nine + " [A] hc0 g0",
                             "101 2010/05/15 r1 3,3,3,3,3,3,3,3" + ten + " [A] hc5 g1",
                             "101 2010/05/15 r2 3,3,3,3,3,3,3,3" + ten + " [A] hc5 g1",
                             "101 2010/05/15 r1 4,4,4,4,4,4" + twelve + " [A] hc30 g2",
                             "101 2010/05/15 r2 4,4,4,4,4," + twelve + " [A] hc30 g2",
                             "101 2010/05/15 r3 3,3,3,3,3,3" + twelve + " [A] hc30 g2",
                             "101 2010/06/20 r1 3,3,3,3,3,3,3,3,3" + nine + " [] hc0 g3",
                         }));
    // The last game read stays the current one.
    EXPECT_EQ(gtypGame.FileName, "game00004.lmg");
}

TEST_F(SeasonGameRanking, APlayersCoursesSkipGamesWithoutACompleteCourse) {
    gather(9);
    ASSERT_FALSE(gfSortSeasonVarnel());
    ASSERT_FALSE(gsCalSeasonPersonalRoundScore(105));
    const std::string nine = std::string(9, ',');
    EXPECT_EQ(courses(), (std::vector<std::string>{
                             "105 2010/04/10 r1 5,5,5,5,5,5,5,5,5" + nine + " [B] hc0 g0",
                             "105 2010/04/10 r2 6,6,6,6,6,6,6,6,7" + nine + " [B] hc0 g0",
                         }));
    EXPECT_TRUE(gsCalSeasonPersonalRoundScore(999));
    EXPECT_EQ(glngSeasonRoundRowsMax(), -1);
}

TEST_F(SeasonGameRanking, NothingGatheredIsNothingToList) {
    EXPECT_TRUE(gsCalSeasonGameRanking());
    EXPECT_TRUE(gsCalSeasonPersonalRoundScore(101));
    EXPECT_EQ(glngSeasonGameRowsMax(), -1);
    EXPECT_EQ(glngSeasonRoundRowsMax(), -1);
    EXPECT_TRUE(desk.messages().empty());
}

TEST_F(SeasonGameRanking, ErrorsAreTrappedAndReported) {
    // A game date that is no date, under the birthday rule.
    gtypSeasonGame.JudgeBirthday = 1;
    gtypSeasonScores = {row(101, "abc", 0, 2, 500)};
    EXPECT_TRUE(gsCalSeasonGameRanking());
    // A game index outside the game list.
    gtypSeasonScores = {row(101, "2010/04/10", 99, 2, 500)};
    EXPECT_TRUE(gsCalSeasonPersonalRoundScore(101));
    ASSERT_EQ(desk.messages().size(), 2u);
    EXPECT_EQ(desk.messages()[0].prompt, "gsCalSeasonGameRanking()::型が一致しません。");
    EXPECT_EQ(desk.messages()[1].prompt, "gsCalSeasonPersonalRoundScore()::インデックスが有効範囲にありません。");
    for (const auto& m : desk.messages()) {
        EXPECT_EQ(m.flags, forms::vbOKOnly);
        EXPECT_EQ(m.title, "System error");
    }
}

} // namespace
