// Gathering the selected games into season rows, and sorting them.
#include <string>
#include <vector>

#include "platform/files/FileOps.h"
#include "seasonFixture.h"

namespace {

class SeasonGather : public SeasonFixture {};

// The rows of every kind that gathers all complete courses, in gathered
// order: game by game, players in score-row order; 105 gets no row in game 3.
const std::vector<std::string> kCommonRows = {
    "101 2010/04/10 g0 [A] n0 c2 h18 s53 hc0 t530 #0",
    "102 2010/04/10 g0 [A] n0 c1 h9 s36 hc0 t360 #0",
    "103 2010/04/10 g0 [B] n0 c2 h18 s54 hc0 t540 #0",
    "105 2010/04/10 g0 [B] n0 c2 h18 s100 hc0 t1000 #0",
    "101 2010/05/15 g1 [A] n0 c2 h16 s48 hc10 t490 #0",
    "104 2010/05/15 g1 [] n0 c1 h8 s32 hc-15 t305 #0",
    "103 2010/05/15 g1 [AB] n0 c2 h16 s48 hc-20 t460 #0",
    "101 2010/05/15 g2 [A] n0 c2 h12 s42 hc20 t440 #0",
    "102 2010/05/15 g2 [A] n0 c3 h18 s54 hc15 t555 #0",
    "104 2010/05/15 g2 [] n0 c3 h18 s78 hc-25 t755 #0",
    "101 2010/06/20 g3 [] n0 c1 h9 s27 hc0 t270 #0",
    "104 2010/06/20 g3 [] n0 c1 h9 s36 hc0 t360 #0",
    "102 2010/06/20 g3 [A] n0 c1 h9 s25 hc0 t250 #0",
};

TEST_F(SeasonGather, EveryCommonKindGathersAllCompleteCourses) {
    for (int16_t kind : {1, 3, 4, 6, 7, 8, 9, 10, 11, 12, 13, 14}) {
        SCOPED_TRACE(kind);
        gather(kind);
        EXPECT_EQ(show(gtypSeasonScores), kCommonRows);
    }
    EXPECT_TRUE(desk.messages().empty());
}

TEST_F(SeasonGather, CommonRowsSumHolesCoursesAndStrokeCounts) {
    gather(1);
    // 101 in game 1: 27 and 26 strokes, a hole in one on course 2.
    const typSeasonScore& a = gtypSeasonScores.item(0);
    EXPECT_EQ(list(a.HoleScore), (std::vector<int32_t>{7, 6, 6, 6, 6, 6, 6, 6, 4, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(list(a.RoundScore), (std::vector<int32_t>{27, 26, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(list(a.StrokeCount), (std::vector<int32_t>{1, 0, 16, 1, 0}));
    // 105 in game 1: holes of 6 and 7 strokes count in the sums only.
    const typSeasonScore& e = gtypSeasonScores.item(3);
    EXPECT_EQ(list(e.HoleScore), (std::vector<int32_t>{11, 11, 11, 11, 11, 11, 11, 11, 12, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(list(e.RoundScore), (std::vector<int32_t>{45, 55, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(list(e.StrokeCount), (std::vector<int32_t>{0, 0, 0, 0, 9}));
    // 101 in game 3: courses 1 and 3 complete, course 2 not; per-game
    // handicap 30 earns 2 of 3 courses' share, 20.
    const typSeasonScore& c = gtypSeasonScores.item(7);
    EXPECT_EQ(list(c.HoleScore), (std::vector<int32_t>{7, 7, 7, 7, 7, 7, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(list(c.RoundScore), (std::vector<int32_t>{24, 0, 18, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(list(c.StrokeCount), (std::vector<int32_t>{0, 0, 6, 6, 0}));
    // The last game stays the current game.
    EXPECT_EQ(gtypGame.FileName, "game00004.lmg");
    EXPECT_EQ(glngScoresMax(), 2);
}

TEST_F(SeasonGather, WholeGamesOnlyDropsAGameWithAnIncompleteCourse) {
    gather(2);
    EXPECT_EQ(show(gtypSeasonScores), (std::vector<std::string>{
                                          "101 2010/04/10 g0 [A] n0 c2 h18 s53 hc0 t530 #0",
                                          "103 2010/04/10 g0 [B] n0 c2 h18 s54 hc0 t540 #0",
                                          "105 2010/04/10 g0 [B] n0 c2 h18 s100 hc0 t1000 #0",
                                          "101 2010/05/15 g1 [A] n0 c2 h16 s48 hc10 t490 #0",
                                          "103 2010/05/15 g1 [AB] n0 c2 h16 s48 hc-20 t460 #0",
                                          "102 2010/05/15 g2 [A] n0 c3 h18 s54 hc15 t555 #0",
                                          "104 2010/05/15 g2 [] n0 c3 h18 s78 hc-25 t755 #0",
                                          "101 2010/06/20 g3 [] n0 c1 h9 s27 hc0 t270 #0",
                                          "104 2010/06/20 g3 [] n0 c1 h9 s36 hc0 t360 #0",
                                          "102 2010/06/20 g3 [A] n0 c1 h9 s25 hc0 t250 #0",
                                      }));
}

TEST_F(SeasonGather, BestCourseKeepsTheLowestTotalAndTheEarliestOfEqualOnes) {
    gather(5);
    // Games = the course kept. Equal courses (103 in game 1, 101 in game 2)
    // keep the first; per-course handicap counts (103 in game 2); a per-game
    // handicap counts a third per course (30 → 10, 15 → 5, -25 → -8).
    EXPECT_EQ(show(gtypSeasonScores), (std::vector<std::string>{
                                          "101 2010/04/10 g0 [A] n2 c0 h9 s26 hc0 t260 #0",
                                          "102 2010/04/10 g0 [A] n1 c0 h9 s36 hc0 t360 #0",
                                          "103 2010/04/10 g0 [B] n1 c0 h9 s27 hc0 t270 #0",
                                          "105 2010/04/10 g0 [B] n1 c0 h9 s45 hc0 t450 #0",
                                          "101 2010/05/15 g1 [A] n1 c0 h8 s24 hc5 t245 #0",
                                          "104 2010/05/15 g1 [] n1 c0 h8 s32 hc-15 t305 #0",
                                          "103 2010/05/15 g1 [AB] n2 c0 h8 s16 hc-10 t150 #0",
                                          "101 2010/05/15 g2 [A] n3 c0 h6 s18 hc10 t190 #0",
                                          "102 2010/05/15 g2 [A] n1 c0 h6 s18 hc5 t185 #0",
                                          "104 2010/05/15 g2 [] n1 c0 h6 s24 hc-8 t232 #0",
                                          "101 2010/06/20 g3 [] n1 c0 h9 s27 hc0 t270 #0",
                                          "104 2010/06/20 g3 [] n1 c0 h9 s36 hc0 t360 #0",
                                          "102 2010/06/20 g3 [A] n1 c0 h9 s25 hc0 t250 #0",
                                      }));
    const typSeasonScore& a = gtypSeasonScores.item(0);
    EXPECT_EQ(list(a.HoleScore), (std::vector<int32_t>{4, 3, 3, 3, 3, 3, 3, 3, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(list(a.RoundScore), (std::vector<int32_t>(10, 0)));
    EXPECT_EQ(list(a.StrokeCount), (std::vector<int32_t>{1, 0, 7, 1, 0}));
}

TEST_F(SeasonGather, ASeasonWithoutHandicapsCountsStrokesOnly) {
    gintSeriesHandicap = 1;
    gather(1);
    EXPECT_EQ(show(gtypSeasonScores), (std::vector<std::string>{
                                          "101 2010/04/10 g0 [A] n0 c2 h18 s53 hc0 t530 #0",
                                          "102 2010/04/10 g0 [A] n0 c1 h9 s36 hc0 t360 #0",
                                          "103 2010/04/10 g0 [B] n0 c2 h18 s54 hc0 t540 #0",
                                          "105 2010/04/10 g0 [B] n0 c2 h18 s100 hc0 t1000 #0",
                                          "101 2010/05/15 g1 [A] n0 c2 h16 s48 hc0 t480 #0",
                                          "104 2010/05/15 g1 [] n0 c1 h8 s32 hc0 t320 #0",
                                          "103 2010/05/15 g1 [AB] n0 c2 h16 s48 hc0 t480 #0",
                                          "101 2010/05/15 g2 [A] n0 c2 h12 s42 hc0 t420 #0",
                                          "102 2010/05/15 g2 [A] n0 c3 h18 s54 hc0 t540 #0",
                                          "104 2010/05/15 g2 [] n0 c3 h18 s78 hc0 t780 #0",
                                          "101 2010/06/20 g3 [] n0 c1 h9 s27 hc0 t270 #0",
                                          "104 2010/06/20 g3 [] n0 c1 h9 s36 hc0 t360 #0",
                                          "102 2010/06/20 g3 [A] n0 c1 h9 s25 hc0 t250 #0",
                                      }));
    // The stored games keep their kinds.
    EXPECT_EQ(gtypGames.item(1).HandiCapKind, 1);
}

TEST_F(SeasonGather, KindsOutsideOneToFourteenGatherNothing) {
    for (int16_t kind : {0, 15, -1}) {
        SCOPED_TRACE(kind);
        gather(kind);
        EXPECT_EQ(glngSeasonScoresMax(), -1);
    }
}

TEST_F(SeasonGather, NoSelectedGameIsAFailureWithoutAMessage) {
    glngSeasonGames.clear();
    EXPECT_TRUE(gfSetSeasonVarnel(1));
    EXPECT_EQ(glngSeasonScoresMax(), -1);
    EXPECT_TRUE(desk.messages().empty());
}

TEST_F(SeasonGather, AppendsToWhatIsAlreadyGathered) {
    gather(1);
    ASSERT_FALSE(gfSetSeasonVarnel(1));
    EXPECT_EQ(glngSeasonScoresMax(), 25);
}

TEST_F(SeasonGather, SortOrdersByPlayerThenDateThenGame) {
    glngSeasonGames = {3, 2, 1, 0};
    gather(8);
    ASSERT_FALSE(gfSortSeasonVarnel());
    std::vector<std::string> order;
    for (const typSeasonScore& r : gtypSeasonScores) order.push_back(show(r).substr(0, 17));
    EXPECT_EQ(order, (std::vector<std::string>{
                         "101 2010/04/10 g0", "101 2010/05/15 g1", "101 2010/05/15 g2", "101 2010/06/20 g3",
                         "102 2010/04/10 g0", "102 2010/05/15 g2", "102 2010/06/20 g3", "103 2010/04/10 g0",
                         "103 2010/05/15 g1", "104 2010/05/15 g1", "104 2010/05/15 g2", "104 2010/06/20 g3",
                         "105 2010/04/10 g0",
                     }));
}

TEST_F(SeasonGather, SortingNothingIsAFailure) {
    EXPECT_TRUE(gfSortSeasonVarnel());
    EXPECT_TRUE(desk.messages().empty());
}

TEST_F(SeasonGather, GamesThatCannotBeTalliedAreNamedOnceAndLeftOut) {
    testsupport::GameEntry tooManyHoles = game("2010/07/01", "十九ホール", 19, 1, 0);
    tooManyHoles.scores = {{101, pack({same("3", 19)}), "", 0}};
    testsupport::GameEntry tooManyCourses = game("2010/07/02", "十一コース", 1, 11, 0);
    tooManyCourses.scores = {{101, pack({same("3", 11)}), "", 0}};
    testsupport::GameEntry zeroHoles = game("2010/07/03", "零ホール", 0, 1, 0);
    testsupport::GameEntry deleted = game("2010/07/04", "消えた", 9, 1, 0);
    data.writeManager("8");
    data.writeGame(5, tooManyHoles);
    data.writeGame(6, tooManyCourses);
    data.writeGame(7, zeroHoles);
    data.writeGame(8, deleted);
    gsReadGameList();
    ASSERT_EQ(glngGamesMax(), 7);
    ASSERT_TRUE(files::removeFile(data.gamePath(8)));

    glngSeasonGames = {4, 0, 5, 6, 7, 3};
    gather(1);
    std::vector<std::string> expected(kCommonRows.begin(), kCommonRows.begin() + 4);
    expected.insert(expected.end(), kCommonRows.end() - 3, kCommonRows.end());
    EXPECT_EQ(show(gtypSeasonScores), expected);
    ASSERT_EQ(desk.messages().size(), 1u);
    EXPECT_EQ(desk.lastMessage().prompt,
              "次のゲームは集計から除きました。\r\n"
              "game00005.lmg（2010/07/01 十九ホール）：ホール数またはコース数が正しくありません。\r\n"
              "game00006.lmg（2010/07/02 十一コース）：ホール数またはコース数が正しくありません。\r\n"
              "game00007.lmg（2010/07/03 零ホール）：ホール数またはコース数が正しくありません。\r\n"
              "game00008.lmg（2010/07/04 消えた）：ファイルを読み込めません。");
    EXPECT_EQ(desk.lastMessage().flags, forms::vbOKOnly);
    EXPECT_EQ(desk.lastMessage().title, "エラー");
}

TEST_F(SeasonGather, AGameFileThatFailsToLoadIsLeftOut) {
    data.writeManager("5");
    data.writeGame(5, game("2010/07/01", "壊れた", 9, 1, 0));
    gsReadGameList();
    // A key line before any section: the file no longer loads.
    data.writeLines(data.gamePath(5), {"X=1", "[Management]", "MaxScoreNo=1", "[Score1]", "IDNo=101",
                                       "Holes=3,3,3,3,3,3,3,3,3,"});
    glngSeasonGames = {4};
    gather(1);
    EXPECT_EQ(glngSeasonScoresMax(), -1);
    ASSERT_EQ(desk.messages().size(), 1u);
    EXPECT_EQ(desk.lastMessage().prompt,
              "次のゲームは集計から除きました。\r\ngame00005.lmg（2010/07/01 壊れた）：ファイルを読み込めません。");
}

TEST_F(SeasonGather, AnErrorInAGameEndsTheGatheringAndKeepsWhatWasGathered) {
    // A stroke too large for a whole number.
    testsupport::GameEntry huge = game("2010/07/01", "桁あふれ", 1, 1, 0);
    huge.scores = {{101, "3e9,", "", 0}};
    data.writeManager("5");
    data.writeGame(5, huge);
    gsReadGameList();
    glngSeasonGames = {0, 4, 1};
    gsClearResults();
    EXPECT_TRUE(gfSetSeasonVarnel(1));
    EXPECT_EQ(show(gtypSeasonScores), std::vector<std::string>(kCommonRows.begin(), kCommonRows.begin() + 4));
    ASSERT_EQ(desk.messages().size(), 1u);
    EXPECT_EQ(desk.lastMessage().prompt, "pfReadSeasonScore()::オーバーフローしました。");
    EXPECT_EQ(desk.lastMessage().flags, forms::vbOKOnly);
    EXPECT_EQ(desk.lastMessage().title, "System error");
}

TEST_F(SeasonGather, ASelectionOutsideTheGameListIsTrapped) {
    glngSeasonGames = {0, 99};
    gsClearResults();
    EXPECT_TRUE(gfSetSeasonVarnel(1));
    EXPECT_EQ(glngSeasonScoresMax(), 3);
    ASSERT_EQ(desk.messages().size(), 1u);
    EXPECT_EQ(desk.lastMessage().prompt, "gfSetSeasonVarnel()::インデックスが有効範囲にありません。");
    EXPECT_EQ(desk.lastMessage().title, "System error");
}

} // namespace
