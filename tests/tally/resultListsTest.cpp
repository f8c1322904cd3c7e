#include "tally/resultLists.h"

#include "core/bestCourse.h"
#include "core/rankOneGame.h"
#include "core/teamRanking.h"
#include "platform/text/RuntimeError.h"
#include "resultFixture.h"

#include <gtest/gtest.h>

#include <functional>

using Texts = std::vector<std::string>;

namespace {

size_t columnOf(const ListTable& t, const std::string& header) {
    for (size_t c = 0; c < t.columns.size(); ++c)
        if (t.columns[c].header == header) return c;
    throw std::runtime_error("no column " + header);
}

ListTable ranking() {
    gsCalPersonalRanking();
    gsFilterCategory(gtypGame.Date);
    return rankingList(gtypGame, gtypRankRows, 1);
}

} // namespace

TEST_F(ResultGame, RankingListShowsRanksCoursesAndDashesForCoursesNotComplete) {
    const ListTable t = ranking();
    EXPECT_EQ(headers(t), (Texts{"順位", "名前", "年令", "性別", "A", "B", "C", "実打数", "合計", "生年月日"}));
    EXPECT_EQ(widths(t), (std::vector<int32_t>{550, 2500, 550, 550, 600, 600, 600, 800, 1000, 1300}));
    ASSERT_EQ(t.rows.size(), 5u);
    EXPECT_EQ(texts(rowOf(t, "青木")), (Texts{"1", "青木", "60", "男", "30", "32", "31", "93", "93", "-"}));
    EXPECT_EQ(texts(rowOf(t, "井上")), (Texts{"1", "井上", "50", "女", "30", "32", "31", "93", "93", "-"}));
    EXPECT_EQ(texts(t.rows[2]), (Texts{"3", "上田", "-", "男", "35", "36", "34", "105", "105", "-"}));
    EXPECT_EQ(texts(t.rows[3]), (Texts{"4", "江藤", "65", "女", "-", "40", "42", "82", "82", "-"}));
    EXPECT_EQ(texts(t.rows[4]), (Texts{"5", "大野", "40", "男", "-", "-", "-", "-", "-", "-"}));
    for (size_t k = 0; k < t.rows.size(); ++k) {
        EXPECT_EQ(t.rows[k].itemData, static_cast<int32_t>(k) + 1);
        EXPECT_EQ(backs(t.rows[k], kRankingBand), k % 2 ? "FBBBGGGBGB" : "F...GGG.G.") << k;
        EXPECT_EQ(t.rows[k].cells[1].alignment, AlignLeft);
    }
    EXPECT_EQ(boldColumns(t), (Texts{"合計"}));
}

TEST_F(ResultGame, RankingListWithAHandicapShowsTheShareAndTheBirthdayRuleTheDates) {
    gtypGame.HandiCapKind = 1;
    gtypGame.JudgeBirthday = 1;
    handicap(1, 25);
    handicap(4, -10);
    handicap(5, 30);
    const ListTable t = ranking();
    EXPECT_EQ(headers(t), (Texts{"順位", "名前", "年令", "性別", "A", "B", "C", "実打数", "Hc", "合計", "生年月日"}));
    EXPECT_EQ(texts(rowOf(t, "青木")), (Texts{"2", "青木", "60", "男", "30", "32", "31", "93", "7.5", "100.5", "S25/03/12"}));
    EXPECT_EQ(texts(rowOf(t, "井上")), (Texts{"1", "井上", "50", "女", "30", "32", "31", "93", "0", "93", "S35/05/01"}));
    EXPECT_EQ(texts(rowOf(t, "上田")).back(), "");
    EXPECT_EQ(texts(rowOf(t, "江藤")), (Texts{"4", "江藤", "65", "女", "-", "40", "42", "82", "-2", "80", "S20/01/20"}));
    EXPECT_EQ(texts(rowOf(t, "大野")), (Texts{"5", "大野", "40", "男", "-", "-", "-", "-", "-", "-", "S45/07/07"}));
    EXPECT_EQ(backs(t.rows[1], kRankingBand), "FBBBGGGBBGB");

    gtypGame.CategoryGender = 2; // only the women, ranked anew
    const ListTable women = ranking();
    ASSERT_EQ(women.rows.size(), 2u);
    EXPECT_EQ(texts(women.rows[0])[1], "井上");
    EXPECT_EQ(texts(women.rows[1])[0], "2");
    EXPECT_EQ(women.rows[1].itemData, 2);
}

// The "Hc" column holds the handicap share the total contains; the ranking
// and the team list show it alike.
TEST(ResultLists, HandicapShareFollowsTheKindAndTheCompleteCourses) {
    struct Case {
        int16_t kind, round;
        int32_t handicap, done, strokes;
        const char* shown;
    } cases[] = {
        {2, 4, 100, 3, 120, "7.5"}, {2, 4, 100, 4, 160, "10"}, {2, 2, 5, 1, 40, "0.2"}, {2, 4, 5, 3, 120, "0.4"},
        {2, 3, -30, 2, 80, "-2"},   {1, 3, 75, 3, 120, "7.5"},  {2, 4, 100, 0, 0, "-"},
    };
    for (const Case& c : cases) {
        typGameInfo game;
        game.Round = c.round;
        game.HandiCapKind = c.kind;
        VbArray<typRankRow> rows(1);
        rows[0].Handicap = c.handicap;
        rows[0].RoundsDone = static_cast<int16_t>(c.done);
        rows[0].Strokes = c.strokes;
        rows[0].TeamID = "A";
        const ListTable ranked = rankingList(game, rows, 1), team = teamList(game, rows);
        EXPECT_EQ(ranked.rows[0].cells[columnOf(ranked, "Hc")].text, c.shown) << c.handicap << " " << c.done;
        EXPECT_EQ(team.rows[0].cells[columnOf(team, "Hc")].text, c.shown) << c.handicap << " " << c.done;
    }
}

// Any kind other than 1 and 2 applies no handicap: no "Hc" column.
TEST(ResultLists, ColumnSetsFollowTheShapeAndTheHandicapKind) {
    struct Case {
        int16_t hole, round, kind;
        size_t ranking, best, team;
    } cases[] = {
        {9, 3, 0, 10, 17, 11}, {9, 3, 1, 11, 18, 12}, {9, 3, 2, 11, 18, 12},
        {12, 1, 0, 8, 20, 11}, {18, 10, 1, 18, 27, 12}, {9, 3, 7, 10, 17, 11},
    };
    for (const Case& c : cases) {
        typGameInfo game;
        game.Hole = c.hole;
        game.Round = c.round;
        game.HandiCapKind = c.kind;
        EXPECT_EQ(rankingList(game, {}, 1).columns.size(), c.ranking);
        EXPECT_EQ(bestCourseList(game, {}).columns.size(), c.best);
        EXPECT_EQ(teamList(game, {}).columns.size(), c.team);
        EXPECT_EQ(teamResultList(game, {}, {}).columns.size(), 6u);
        EXPECT_TRUE(rankingList(game, {}, 1).rows.empty());
    }
    typGameInfo game;
    for (const auto& [holes, width] : std::vector<std::pair<int16_t, int32_t>>{{12, 500}, {13, 500}, {18, 361}}) {
        game.Hole = holes;
        EXPECT_EQ(bestCourseList(game, {}).columns[5].width, width) << holes;
    }
}

TEST_F(ResultGame, BestCourseListShowsEachPlayersBestCourseHoleByHole) {
    gsCalBestCourse();
    const ListTable t = bestCourseList(gtypGame, gtypBestCourseRows);
    EXPECT_EQ(headers(t), (Texts{"順位", "名前", "年令", "性別", "", "1", "2", "3", "4", "5", "6", "7", "8", "9", "実打",
                                 "合計", "生年月日"}));
    EXPECT_EQ(widths(t)[4], 600);
    EXPECT_EQ(widths(t)[14], 700);
    EXPECT_EQ(widths(t)[15], 900);
    ASSERT_EQ(t.rows.size(), 5u);
    EXPECT_EQ(texts(rowOf(t, "青木")),
              (Texts{"1", "青木", "60", "男", "A", "①", "4", "4", "3", "3", "4", "4", "3", "4", "30", "30", "-"}));
    EXPECT_EQ(texts(t.rows[2]),
              (Texts{"3", "上田", "-", "男", "C", "4", "4", "4", "4", "4", "4", "4", "3", "3", "34", "34", "-"}));
    EXPECT_EQ(texts(t.rows[3]),
              (Texts{"4", "江藤", "65", "女", "B", "5", "5", "5", "5", "4", "4", "4", "4", "4", "40", "40", "-"}));
    EXPECT_EQ(texts(t.rows[4]),
              (Texts{"5", "大野", "40", "男", "-", "-", "-", "-", "-", "-", "-", "-", "-", "-", "-", "-", "-"}));
    for (size_t k = 0; k < t.rows.size(); ++k) {
        EXPECT_EQ(t.rows[k].itemData, static_cast<int32_t>(k) + 1);
        EXPECT_EQ(backs(t.rows[k], kBestCourseBand), k % 2 ? "FBBBGBBBBBBBBBGGB" : "F...G.........GG.") << k;
    }
    EXPECT_EQ(boldColumns(t), (Texts{"合計"}));

    gtypGame.HandiCapKind = 1;
    gtypGame.JudgeBirthday = 1;
    handicap(1, 25);
    gsCalBestCourse();
    const ListTable hc = bestCourseList(gtypGame, gtypBestCourseRows);
    const Texts first = texts(rowOf(hc, "青木"));
    EXPECT_EQ(Texts(first.end() - 4, first.end()), (Texts{"30", "2.5", "32.5", "S25/03/12"}));
    EXPECT_EQ(texts(rowOf(hc, "大野"))[15], "-");
}

TEST_F(ResultGame, TeamListGroupsTheMembersTeamByTeam) {
    gsCalTeamList();
    const ListTable t = teamList(gtypGame, gtypRankRows);
    EXPECT_EQ(headers(t),
              (Texts{"No.", "チーム", "MNo.", "名前", "年令", "性別", "所属", "C数", "実打", "合計", "C平均"}));
    EXPECT_EQ(widths(t), (std::vector<int32_t>{550, 800, 550, 2500, 550, 550, 3000, 600, 800, 1000, 1000}));
    ASSERT_EQ(t.rows.size(), 5u);
    const Texts first = texts(t.rows[0]), second = texts(t.rows[1]);
    EXPECT_EQ(Texts(first.begin(), first.begin() + 3), (Texts{"1", "A", "M1"}));
    EXPECT_EQ(Texts(second.begin(), second.begin() + 3), (Texts{"", "", "M2"}));
    const Texts aoki = texts(rowOf(t, "青木", 3));
    EXPECT_EQ(Texts(aoki.begin() + 3, aoki.end()), (Texts{"青木", "60", "男", "北クラブ", "3", "93", "93", "31.00"}));
    EXPECT_EQ(texts(t.rows[2]), (Texts{"", "", "M3", "上田", "-", "男", "", "3", "105", "105", "35.00"}));
    EXPECT_EQ(texts(t.rows[3]), (Texts{"2", "B", "M1", "江藤", "65", "女", "北クラブ", "2", "82", "82", "41.00"}));
    EXPECT_EQ(texts(t.rows[4]), (Texts{"", "", "M2", "大野", "40", "男", "", "-", "-", "-", "-"}));
    for (size_t k = 0; k < t.rows.size(); ++k) {
        EXPECT_EQ(t.rows[k].itemData, static_cast<int32_t>(k) + 1);
        EXPECT_EQ(backs(t.rows[k], kTeamListBand), k < 3 ? "F.G....G.GG" : "FBGBBBBGBGG") << k;
    }
    EXPECT_EQ(t.rows[0].cells[6].alignment, AlignLeft);
    EXPECT_EQ(boldColumns(t), (Texts{"合計"}));
    gtypGame.TeamHowtoRank = 1;
    EXPECT_EQ(boldColumns(teamList(gtypGame, gtypRankRows)), (Texts{"C平均"}));

    // A handicap per game: the share of 2 complete courses of 3 is in the
    // total and the average.
    gtypGame.HandiCapKind = 2;
    handicap(4, 20);
    gsCalTeamList();
    const ListTable hc = teamList(gtypGame, gtypRankRows);
    EXPECT_EQ(hc.columns.size(), 12u);
    EXPECT_EQ(texts(rowOf(hc, "江藤", 3)),
              (Texts{"2", "B", "M1", "江藤", "65", "女", "北クラブ", "2", "82", "1.3", "83.3", "41.65"}));
}

// Teams are told apart by their exact text; the average is strokes per
// complete course with the handicap, two decimals.
TEST(ResultLists, TeamListNumbersTeamsByExactIdentifierAndAveragesPerCourse) {
    typGameInfo game;
    game.Round = 3;
    VbArray<typRankRow> rows(4);
    const struct {
        const char* team;
        int32_t total, done;
    } members[] = {{"a", 905, 2}, {"A", 1000, 3}, {"A", 901, 2}, {"AB", 0, 0}};
    for (size_t i = 0; i < rows.size(); ++i) {
        rows[i].TeamID = members[i].team;
        rows[i].Total = members[i].total;
        rows[i].RoundsDone = static_cast<int16_t>(members[i].done);
        rows[i].Strokes = members[i].total / 10;
    }
    const ListTable t = teamList(game, rows);
    const Texts numbers{"1", "2", "", "3"}, marks{"M1", "M1", "M2", "M1"}, averages{"45.25", "33.33", "45.05", "-"};
    for (size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(t.rows[i].cells[0].text, numbers[i]) << i;
        EXPECT_EQ(t.rows[i].cells[2].text, marks[i]) << i;
        EXPECT_EQ(t.rows[i].cells[10].text, averages[i]) << i;
    }
    EXPECT_EQ(backs(t.rows[2], kTeamListBand), "FBGBBBBGBGG");
    EXPECT_EQ(backs(t.rows[3], kTeamListBand), "F.G....G.GG");
}

TEST_F(ResultGame, TeamResultListRanksTheTeamsWithOneColumnPerMember) {
    gsCalTeamRanking();
    const ListTable t = teamResultList(gtypGame, gtypTeamRankRows, gtypRankRows);
    EXPECT_EQ(headers(t), (Texts{"順位", "チーム", "人数", "C数", "合計", "C平均", "M1", "M2", "M3"}));
    EXPECT_EQ(widths(t), (std::vector<int32_t>{550, 800, 600, 600, 1200, 1000, 860, 860, 860}));
    ASSERT_EQ(t.rows.size(), 2u);
    EXPECT_EQ(texts(t.rows[0]), (Texts{"1", "A", "3", "9", "291", "32.333", "93", "93", "105"}));
    EXPECT_EQ(texts(t.rows[1]), (Texts{"2", "B", "2", "2", "82", "41.000", "82", "-", ""}));
    EXPECT_EQ(backs(t.rows[0], kTeamResultBand), "F..GGG...");
    EXPECT_EQ(backs(t.rows[1], kTeamResultBand), "FBBGGGBBB");
    EXPECT_EQ(t.rows[1].itemData, 2);
    EXPECT_EQ(boldColumns(t), (Texts{"合計"}));

    gtypGame.TeamHowtoRank = 1;
    gsCalTeamRanking();
    const ListTable avg = teamResultList(gtypGame, gtypTeamRankRows, gtypRankRows);
    EXPECT_EQ(texts(avg.rows[0]), (Texts{"1", "A", "3", "9", "291", "32.333", "31.00", "31.00", "35.00"}));
    EXPECT_EQ(texts(avg.rows[1]), (Texts{"2", "B", "2", "2", "82", "41.000", "41.00", "-", ""}));
    EXPECT_EQ(boldColumns(avg), (Texts{"C平均"}));
}

// At most ten member columns; "人数" and the team's figures count everyone.
TEST(ResultLists, TeamResultListShowsTenMembersAtMostAndDashesForATeamWithoutCourses) {
    typGameInfo game;
    VbArray<typRankRow> members(14);
    for (size_t i = 0; i < 12; ++i) {
        members[i].Strokes = 30 + static_cast<int32_t>(i);
        members[i].Total = members[i].Strokes * 10;
        members[i].RoundsDone = 1;
    }
    VbArray<typTeamRankRow> teams(2);
    teams[0] = {"X", 0, 12, 12, 4260, 1};
    teams[1] = {"Y", 12, 2, 0, 0, 2};
    const ListTable t = teamResultList(game, teams, members);
    ASSERT_EQ(t.columns.size(), 16u);
    EXPECT_EQ(t.columns.back().header, "M10");
    const Texts x = texts(t.rows[0]);
    EXPECT_EQ(Texts(x.begin(), x.begin() + 6), (Texts{"1", "X", "12", "12", "426", "35.500"}));
    EXPECT_EQ(x.back(), "39");
    EXPECT_EQ(texts(t.rows[1]), (Texts{"2", "Y", "2", "-", "-", "-", "-", "-", "", "", "", "", "", "", "", ""}));
    EXPECT_EQ(teamResultList(game, {}, {}).columns.size(), 6u);
}

TEST(ResultLists, TeamAverageHasThreeDecimals) {
    typGameInfo game;
    game.TeamHowtoRank = 1;
    VbArray<typRankRow> members(1);
    VbArray<typTeamRankRow> teams(1);
    teams[0] = {"A", 0, 1, 6, 2710, 1};
    EXPECT_EQ(teamResultList(game, teams, members).rows[0].cells[5].text, "45.167");
}

TEST_F(ResultGame, AJumpGoesToThePlayersFirstCourseRowWithThePlayerBeforeInView) {
    EXPECT_EQ(firstScoreTableRow(gtypScores, 1), 1);
    EXPECT_EQ(firstScoreTableRow(gtypScores, 3), 7);
    EXPECT_EQ(firstScoreTableRow(gtypScores, 99), 0);
    EXPECT_EQ(jumpTopRow(7, 3), 4);
    EXPECT_EQ(jumpTopRow(1, 3), 1);
    EXPECT_EQ(jumpTopRow(4, 3), 1);
}

// A row the list cannot read raises the run-time error that the window
// shows in its error box, instead of reading past an array.
TEST(ResultLists, UnreadableRowsRaiseTheSubscriptError) {
    typGameInfo game;
    game.Hole = 9;
    VbArray<typBestCourseRow> best(1);
    best[0].RoundNo = 11;
    best[0].Strokes = 30;
    VbArray<typTeamRankRow> teams(1);
    teams[0] = {"A", 1, 2, 2, 800, 1};
    const VbArray<typRankRow> members(2);
    for (const auto& build : std::vector<std::function<void()>>{[&] { bestCourseList(game, best); },
                                                                [&] { teamResultList(game, teams, members); }}) {
        try {
            build();
            ADD_FAILURE() << "no error";
        } catch (const text::RuntimeError& e) {
            EXPECT_EQ(e.Number, text::err::Subscript);
        }
    }
}
