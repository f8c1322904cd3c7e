// Gathering the selected games into season rows, and sorting them.
#include <climits>
#include <string>
#include <vector>

#include "platform/files/FileOps.h"
#include "seasonFixture.h"

namespace {

class SeasonGather : public SeasonFixture {
protected:
    // Game index 4: a stroke too large for a whole number, which ends the
    // gathering with the overflow error.
    void addOverflowingGame() {
        testsupport::GameEntry huge = game("2010/07/01", "桁あふれ", 1, 1, 0);
        huge.scores = {{101, "3e9,", "", 0}};
        data.writeManager("5");
        data.writeGame(5, huge);
        gsReadGameList();
    }
};

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

TEST_F(SeasonGather, HeaderCountsOnlySizeTheRoomForRows) {
    // Damaged headers that promise no players or far too many change nothing.
    for (const int32_t count : {0, -5, INT32_MAX}) {
        SCOPED_TRACE(count);
        for (typGameInfo& game : gtypGames) game.MaxScoreNo = count;
        gather(1);
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

TEST_F(SeasonGather, TheLargestShapeSumsEveryHoleOfEveryCourse) {
    // 18 holes x 10 courses: 301 holes in one only, 180 of them; 302 the
    // strokes 1 to 5 in turn on each course, and a 7 on hole 18 of course 10.
    std::string ones, turns;
    for (int c = 0; c < 10; ++c)
        for (int h = 0; h < 18; ++h) {
            ones += "1,";
            turns += std::to_string(c == 9 && h == 17 ? 7 : h % 5 + 1) + ",";
        }
    testsupport::GameEntry big = game("2010/08/01", "大きな大会", 18, 10, 0);
    big.scores = {{301, ones, "", 0}, {302, turns, "", 0}};
    data.writeManager("5");
    data.writeGame(5, big);
    gsReadGameList();
    glngSeasonGames = {4};

    for (int16_t kind : {1, 5}) {
        SCOPED_TRACE(kind);
        gather(kind);
        ASSERT_EQ(glngSeasonScoresMax(), 1);
        const int courses = kind == 5 ? 1 : 10;
        const typSeasonScore& a = gtypSeasonScores.item(0);
        EXPECT_EQ(list(a.HoleScore), std::vector<int32_t>(18, courses));
        EXPECT_EQ(list(a.StrokeCount), (std::vector<int32_t>{18 * courses, 0, 0, 0, 0}));
        const typSeasonScore& b = gtypSeasonScores.item(1);
        std::vector<int32_t> holes;
        for (int h = 0; h < 18; ++h) holes.push_back(courses * (h % 5 + 1) + (kind == 1 && h == 17 ? 4 : 0));
        EXPECT_EQ(list(b.HoleScore), holes);
        EXPECT_EQ(list(b.StrokeCount), kind == 5 ? (std::vector<int32_t>{4, 4, 4, 3, 3})
                                                 : (std::vector<int32_t>{40, 40, 39, 30, 30}));
        EXPECT_EQ(b.Strokes, kind == 5 ? 51 : 514);
    }
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

TEST_F(SeasonGather, OddCellTextsCountAsTheCourseRuleReadsThem) {
    // 3 holes x 2 courses, handicap per course. 201: " 3" is 3, 2.5 rounds
    // to 2 and 3.5 to 4, "1e2" is 100. 202, 203: "abc", "0", "&H5" and "-1"
    // are no strokes. 204: missing cells leave both courses incomplete. 205:
    // cells past the game are dropped. 206: course 2 misses its first hole.
    testsupport::GameEntry odd = game("2010/07/01", "変わった記録", 3, 2, 1);
    odd.scores = {{201, "4, 3,2.5,3.5,12,1e2,", "C", 10}, {202, "abc,3,3,0,3,3,", "C", 10},
                  {203, "&H5,2,2,-1,2,2,", "C", 10},     {204, "3,3", "", 10},
                  {205, "2,2,2,5,5,5,9,9,9,9,", "D", -5}, {206, "1,1,1,,1,1,", "D", 10}};
    data.writeManager("5");
    data.writeGame(5, odd);
    gsReadGameList();
    glngSeasonGames = {4};

    gather(1);
    EXPECT_EQ(show(gtypSeasonScores), (std::vector<std::string>{
                                          "201 2010/07/01 g4 [C] n0 c2 h6 s125 hc20 t1270 #0",
                                          "205 2010/07/01 g4 [D] n0 c2 h6 s21 hc-10 t200 #0",
                                          "206 2010/07/01 g4 [D] n0 c1 h3 s3 hc10 t40 #0",
                                      }));
    const typSeasonScore& a = gtypSeasonScores.item(0);
    EXPECT_EQ(list(a.HoleScore), (std::vector<int32_t>{8, 15, 102, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(list(a.RoundScore), (std::vector<int32_t>{9, 116, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(list(a.StrokeCount), (std::vector<int32_t>{0, 1, 1, 2, 0}));
    EXPECT_EQ(list(gtypSeasonScores.item(2).StrokeCount), (std::vector<int32_t>{3, 0, 0, 0, 0}));

    gather(2);
    EXPECT_EQ(show(gtypSeasonScores), (std::vector<std::string>{
                                          "201 2010/07/01 g4 [C] n0 c2 h6 s125 hc20 t1270 #0",
                                          "205 2010/07/01 g4 [D] n0 c2 h6 s21 hc-10 t200 #0",
                                      }));
    gather(5);
    EXPECT_EQ(show(gtypSeasonScores), (std::vector<std::string>{
                                          "201 2010/07/01 g4 [C] n1 c0 h3 s9 hc10 t100 #0",
                                          "205 2010/07/01 g4 [D] n1 c0 h3 s6 hc-5 t55 #0",
                                          "206 2010/07/01 g4 [D] n1 c0 h3 s3 hc10 t40 #0",
                                      }));
    EXPECT_TRUE(desk.messages().empty());
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
    EXPECT_TRUE(gfSetSeasonVarnel(1, skipped));
    EXPECT_EQ(glngSeasonScoresMax(), -1);
    EXPECT_TRUE(desk.messages().empty());
}

TEST_F(SeasonGather, AppendsToWhatIsAlreadyGathered) {
    gather(1);
    ASSERT_FALSE(gfSetSeasonVarnel(1, skipped));
    EXPECT_EQ(glngSeasonScoresMax(), 25);
}

TEST_F(SeasonGather, LongTeamNamesAndDatesAreKeptWhole) {
    // Texts far longer than the program writes, from a hand-edited file.
    const std::string team = "北海道パークゴルフ協会連合チーム", date = "2010/06/20 (日曜日) 午前の部";
    testsupport::GameEntry g4 = game(date.c_str(), "夏季大会", 9, 1, 0);
    g4.scores = {{101, pack({same("3", 9)}), team, 0}, {102, pack({same("4", 9)}), team + "2", 0}};
    data.writeGame(4, g4);
    gsReadGameList();
    gather(1);
    ASSERT_FALSE(gfSortSeasonVarnel());
    std::vector<std::string> last;
    for (const typSeasonScore& r : gtypSeasonScores)
        if (r.GameIndex == 3) last.push_back(std::string(r.Date) + "|" + std::string(r.TeamID));
    EXPECT_EQ(last, (std::vector<std::string>{date + "|" + team, date + "|" + team + "2"}));
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

// The games left out, one "<index> <reason>" each.
std::vector<std::string> leftOut(const std::vector<SeasonSkippedGame>& skipped) {
    std::vector<std::string> out;
    for (const SeasonSkippedGame& game : skipped)
        out.push_back(std::to_string(game.GameIndex) +
                      (game.reason == SeasonSkippedGame::Reason::Shape ? " shape" : " unreadable"));
    return out;
}

TEST_F(SeasonGather, GamesThatCannotBeTalliedAreLeftOutAndListedForOneMessage) {
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
    forms::Screen::setMousePointer(forms::vbHourglass);
    gather(1);
    EXPECT_EQ(forms::Screen::MousePointer(), forms::vbHourglass); // a missing file puts no arrow back
    std::vector<std::string> expected(kCommonRows.begin(), kCommonRows.begin() + 4);
    expected.insert(expected.end(), kCommonRows.end() - 3, kCommonRows.end());
    EXPECT_EQ(show(gtypSeasonScores), expected);
    // The gathering says nothing itself: the window that gathers shows the list.
    EXPECT_TRUE(desk.messages().empty());
    EXPECT_EQ(leftOut(skipped), (std::vector<std::string>{"4 shape", "5 shape", "6 shape", "7 unreadable"}));
    EXPECT_EQ(seasonSkippedPrompt(skipped),
              "次のゲームは集計から除きました。\r\n"
              "game00005.lmg（2010/07/01 十九ホール）：ホール数またはコース数が正しくありません。\r\n"
              "game00006.lmg（2010/07/02 十一コース）：ホール数またはコース数が正しくありません。\r\n"
              "game00007.lmg（2010/07/03 零ホール）：ホール数またはコース数が正しくありません。\r\n"
              "game00008.lmg（2010/07/04 消えた）：ファイルを読み込めません。");

    // The list is the last gathering's: one that leaves nothing out empties it.
    glngSeasonGames = {0};
    gather(1);
    EXPECT_TRUE(skipped.empty());
}

TEST_F(SeasonGather, AGameFileThatFailsToLoadIsLeftOut) {
    data.writeManager("5");
    data.writeGame(5, game("2010/07/01", "壊れた", 9, 1, 0));
    gsReadGameList();
    // A key line before any section: the file no longer loads.
    data.writeLines(data.gamePath(5), {"X=1", "[Management]", "MaxScoreNo=1", "[Score1]", "IDNo=101",
                                       "Holes=3,3,3,3,3,3,3,3,3,"});
    glngSeasonGames = {4};
    forms::Screen::setMousePointer(forms::vbHourglass);
    gather(1);
    EXPECT_EQ(forms::Screen::MousePointer(), forms::vbDefault); // as after any failed load
    EXPECT_EQ(glngSeasonScoresMax(), -1);
    EXPECT_EQ(leftOut(skipped), (std::vector<std::string>{"4 unreadable"}));
    EXPECT_EQ(seasonSkippedPrompt(skipped),
              "次のゲームは集計から除きました。\r\ngame00005.lmg（2010/07/01 壊れた）：ファイルを読み込めません。");
    EXPECT_TRUE(desk.messages().empty());
}

TEST_F(SeasonGather, WholeGamesLeaveOutAnIncompletePlayerBeforeSummingAnything) {
    // 2 holes x 2 courses; course 2 of each player is incomplete, course 1
    // is complete but too large for 32 bits. Only the rule that counts
    // course 1 may end the gathering with the overflow error.
    struct Case {
        const char* what;
        std::string holes;
    } cases[] = {
        {"a hole past 32 bits", "3e9,3,,3,"},
        {"a course past 32 bits", "+2147480000,9999,3,0,"},
    };
    data.writeManager("5");
    glngSeasonGames = {4};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        testsupport::GameEntry large = game("2010/07/01", "大きな数", 2, 2, 0);
        large.scores = {{101, c.holes, "", 0}, {103, pack({"3,4", "4,3"}), "", 0}};
        data.writeGame(5, large);
        gsReadGameList();
        desk.boxes.clear();
        gather(2);
        EXPECT_EQ(show(gtypSeasonScores), (std::vector<std::string>{"103 2010/07/01 g4 [] n0 c2 h4 s14 hc0 t140 #0"}));
        EXPECT_TRUE(desk.messages().empty());

        gsClearResults();
        EXPECT_TRUE(gfSetSeasonVarnel(1, skipped));
        EXPECT_EQ(desk.lastMessage().prompt, "pfReadSeasonScore()::オーバーフローしました。");
    }
}

TEST_F(SeasonGather, AnErrorInAGameEndsTheGatheringAndKeepsWhatWasGathered) {
    addOverflowingGame();
    glngSeasonGames = {0, 4, 1};
    gsClearResults();
    EXPECT_TRUE(gfSetSeasonVarnel(1, skipped));
    EXPECT_EQ(show(gtypSeasonScores), std::vector<std::string>(kCommonRows.begin(), kCommonRows.begin() + 4));
    ASSERT_EQ(desk.messages().size(), 1u);
    EXPECT_EQ(desk.lastMessage().prompt, "pfReadSeasonScore()::オーバーフローしました。");
    EXPECT_EQ(desk.lastMessage().flags, forms::vbOKOnly);
    EXPECT_EQ(desk.lastMessage().title, "System error");
}

TEST_F(SeasonGather, LargeStrokeTextsAreSummedWithOverflowChecksAlsoNextToPlainCourses) {
    // Plain strokes have at most 4 digits; any other text ("+123" reads as
    // 123) may be as large as 32 bits allow. A course of such texts next to
    // a plain course: the sums of both must still stop at 32 bits, whichever
    // comes first.
    struct Case {
        const char* what;
        int hole, round;
        std::string holes;
        std::string row;             // the player's row; "" when the overflow error ends the gathering
        std::vector<int32_t> course; // its course positions, when it has a row
    } cases[] = {
        {"the largest plain courses", 18, 10, same("9999", 180) + ",",
         "101 2010/07/01 g4 [] n0 c10 h180 s1799820 hc0 t17998200 #0", std::vector<int32_t>(10, 179982)},
        {"a large course, then a plain one", 1, 2, "+214738365,9999,",
         "101 2010/07/01 g4 [] n0 c2 h2 s214748364 hc0 t2147483640 #0", {214738365, 9999, 0, 0, 0, 0, 0, 0, 0, 0}},
        {"a plain course, then a large one", 1, 2, "9999,+214738365,",
         "101 2010/07/01 g4 [] n0 c2 h2 s214748364 hc0 t2147483640 #0", {9999, 214738365, 0, 0, 0, 0, 0, 0, 0, 0}},
        {"the total past 32 bits", 1, 2, "+214738366,9999,", "", {}},
        {"a hole past 32 bits: large, then plain", 1, 2, "+2147480000,9999,", "", {}},
        {"a hole past 32 bits: plain, then large", 1, 2, "9999,+2147480000,", "", {}},
        {"the strokes past 32 bits, no hole", 2, 2, "+1073741800,+1073741800,9999,9999,", "", {}},
        {"a course past 32 bits", 2, 2, "9999,9999,+1073741824,+1073741824,", "", {}},
        {"two large courses past 2^32", 2, 2, same("+1073741800", 4) + ",", "", {}}, // not wrapped to -96
    };
    data.writeManager("5");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        testsupport::GameEntry large = game("2010/07/01", "大きな数", c.hole, c.round, 0);
        large.scores = {{101, c.holes, "", 0}};
        data.writeGame(5, large);
        gsReadGameList();
        glngSeasonGames = {0, 4};
        gsClearResults();
        desk.boxes.clear();
        std::vector<std::string> rows(kCommonRows.begin(), kCommonRows.begin() + 4);
        if (c.row.empty()) {
            EXPECT_TRUE(gfSetSeasonVarnel(1, skipped));
            ASSERT_EQ(desk.messages().size(), 1u);
            EXPECT_EQ(desk.lastMessage().prompt, "pfReadSeasonScore()::オーバーフローしました。");
        } else {
            EXPECT_FALSE(gfSetSeasonVarnel(1, skipped));
            EXPECT_TRUE(desk.messages().empty());
            rows.push_back(c.row);
            EXPECT_EQ(list(gtypSeasonScores.item(4).RoundScore), c.course);
        }
        EXPECT_EQ(show(gtypSeasonScores), rows);
    }
}

// The score rows in one line each, and the packs likewise.
std::vector<std::string> scoreRows() {
    std::vector<std::string> rows;
    for (const typScoreData& r : gtypScores) {
        std::string line = std::to_string(r.IDNo) + " " + std::to_string(r.RoundNo) + " [" + std::string(r.TeamID) + "] " +
                           std::to_string(r.Handicap) + ":";
        for (const RowText& h : r.Holes) line += std::string(h) + "|";
        rows.push_back(line);
    }
    return rows;
}
std::vector<std::string> scorePacks() {
    std::vector<std::string> packs;
    for (const typScorePack& p : gtypScorePacks)
        packs.push_back(std::to_string(p.IDNo) + " " + p.Holes + " [" + p.TeamID + "] " + std::to_string(p.Handicap));
    return packs;
}

TEST_F(SeasonGather, TheLastGameReadStaysOpenAsIfEveryGameHadBeenUnpacked) {
    testsupport::GameEntry huge = game("2010/07/01", "桁あふれ", 1, 1, 0);
    huge.scores = {{101, "3e9,", "", 0}};
    testsupport::GameEntry tooManyHoles = game("2010/07/02", "十九ホール", 19, 1, 0);
    testsupport::GameEntry deleted = game("2010/07/03", "消えた", 9, 1, 0);
    deleted.scores = {{101, pack({same("3", 9)}), "", 0}};
    data.writeManager("7");
    data.writeGame(5, huge);
    data.writeGame(6, tooManyHoles);
    data.writeGame(7, deleted);
    gsReadGameList();
    ASSERT_TRUE(files::removeFile(data.gamePath(7)));

    struct Case {
        const char* what;
        std::vector<int32_t> games;
        int16_t kind;
        bool failed;
        int32_t current; // the game left in gtypGame
        int32_t read;    // the game whose packs stay, -1 none
        bool rows;       // whether its rows stay too
    } cases[] = {
        {"gathered", {0, 2, 1}, 1, false, 1, 1, true},
        {"best courses", {2, 3}, 5, false, 3, 3, true},
        {"a kind that gathers nothing", {3, 0}, 0, false, 0, 0, true},
        {"an error in a game's rows", {0, 4, 1}, 1, true, 4, 4, true},
        {"a selection outside the list", {1, 99}, 1, true, 1, 1, true},
        {"the last game of an impossible shape", {1, 5}, 1, false, 5, 1, false},
        {"the last game unreadable", {1, 6}, 1, false, 6, -1, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        // What opening the game read last would leave.
        std::vector<std::string> rows, packs;
        gtypScorePacks.clear();
        if (c.read >= 0) {
            gtypGame = gtypGames.item(c.read);
            ASSERT_FALSE(gsReadScoreData());
            gsUnpackScoreData();
            packs = scorePacks();
            if (c.rows) rows = scoreRows();
        }
        gsClearResults();
        gtypScores.append().IDNo = 999; // rows of another game, open before
        glngSeasonGames.assign(c.games.begin(), c.games.end());
        EXPECT_EQ(gfSetSeasonVarnel(c.kind, skipped), c.failed);
        EXPECT_EQ(gtypGame.FileName, gtypGames.item(c.current).FileName);
        EXPECT_EQ(scorePacks(), packs);
        EXPECT_EQ(scoreRows(), rows);
    }
}

TEST_F(SeasonGather, ASelectionOutsideTheGameListIsTrapped) {
    glngSeasonGames = {0, 99};
    gsClearResults();
    EXPECT_TRUE(gfSetSeasonVarnel(1, skipped));
    EXPECT_EQ(glngSeasonScoresMax(), 3);
    ASSERT_EQ(desk.messages().size(), 1u);
    EXPECT_EQ(desk.lastMessage().prompt, "gfSetSeasonVarnel()::インデックスが有効範囲にありません。");
    EXPECT_EQ(desk.lastMessage().title, "System error");
}

} // namespace
