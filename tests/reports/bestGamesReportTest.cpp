#include <gtest/gtest.h>

#include "seasonRowsFixture.h"

#include "reports/season/frmPfSeasonGameRanking.h"

using namespace seasonreport;

namespace {

class BestGamesReport : public SeasonReport {
protected:
    // Best games of 3, 3, 2 and 1 completed courses from games of every
    // handicap kind; the last row's game is game 0.
    void fourPlayers() {
        gtypSeasonGameRows.append(row(103, 1, {33, 33, 34}, 25, 1)); // 1993/05/05, per course
        gtypSeasonGameRows.append(row(104, 2, {34, 34, 34}, -20, 2)); // per game
        gtypSeasonGameRows.append(row(101, 0, {30, 0, 33}, 0, 3));    // course 2 not completed
        gtypSeasonGameRows.append(row(102, 0, {0, 0, 40}, 0, 4));
    }
    frmPfSeasonGameRanking frm;
};

TEST_F(BestGamesReport, ARowPerPlayerWithTheBestGamesOwnDateAgeAndHandicap) {
    fourPlayers();
    gtypSeasonGame.JudgeBirthday = 1;
    loadPage(frm, 1);
    EXPECT_EQ(frm.lblScorePage.Caption(), "通算ベスト・ゲーム（1/1）");
    EXPECT_EQ(frm.lblEntryNum.Caption(), "参加 4名");
    EXPECT_EQ(frm.lblSeasonTittle.Caption(), gstrPrintTitle1);
    EXPECT_EQ(captions(frm.lblNo), (Strings{"1", "2", "3", "4"}));
    EXPECT_EQ(captions(frm.lblName), (Strings{"千葉次郎", "土井三郎", "青木一郎", "馬場花子"}));
    EXPECT_EQ(captions(frm.lblAge), (Strings{"(38,M)", "(61,M)", "(59,M)", "(-,F)"}));
    EXPECT_EQ(captions(frm.lblDate), (Strings{"H5/05/05", "H20/12/26", "H21/10/12", "H21/10/12"}));
    EXPECT_EQ(captions(frm.lblRound),
              (Strings{"33", "33", "34", "34", "34", "34", "30", "-", "33", "-", "-", "40"}));
    EXPECT_EQ(captions(frm.lblJituDa), (Strings{"100", "102", "63", "40"}));
    EXPECT_EQ(captions(frm.lblHits), (Strings{"2.5", "-2", "", ""}));
    EXPECT_EQ(captions(frm.lblGoukei), (Strings{"102.5", "100", "63", "40"}));
    EXPECT_EQ(captions(frm.lblBirthday), (Strings{"38.288", "61.570", "59.532", "-"}));
    // Groups of 3, 3, 2 and 1 completed courses: thick rules open each group
    // and close the table, a thin one stands inside the first.
    EXPECT_EQ(ys(frm.linFutoYoko), (std::vector<double>{1200, 1920, 2280, 2640}));
    EXPECT_EQ(ys(frm.linHosoYoko), (std::vector<double>{1560}));
    // Three course columns of 1460 twips, their rules down to the table's end.
    EXPECT_EQ(captions(frm.lblRoundNo), (Strings{"C1", "C2", "C3"}));
    for (int k = 1; k <= 3; ++k) {
        EXPECT_EQ(frm.lblRoundNo[k].Left(), 3660 + (k - 1) * 1460);
        EXPECT_EQ(frm.lblRoundNo[k].Width(), 1460);
        EXPECT_EQ(frm.lblRound[k].Left(), 3660 + (k - 1) * 1460);
        EXPECT_EQ(frm.lblRound[k].Top(), 1260);
    }
    ASSERT_EQ(frm.linRoundTate.UBound(), 2);
    EXPECT_EQ(frm.linRoundTate[1].X1(), 5120);
    EXPECT_EQ(frm.linRoundTate[2].X1(), 6580);
    EXPECT_EQ(frm.linRoundTate[2].Y2(), 2640);
    EXPECT_EQ(frm.linTate[8].Y2(), 2640);
    EXPECT_EQ(gtypGame.Date, "2009/10/12"); // the last row's game header stays
    frm.Unload();
}

TEST_F(BestGamesReport, WithoutTheAgeRuleTheExactAgeReadsADash) {
    fourPlayers();
    gtypSeasonGame.JudgeBirthday = 0;
    loadPage(frm, 1);
    EXPECT_EQ(captions(frm.lblBirthday), (Strings{"-", "-", "-", "-"}));
    EXPECT_EQ(frm.Label1.Caption(), "年令");
    frm.Unload();
}

TEST_F(BestGamesReport, CourseColumnsShareTheirBandEvenly) {
    gtypSeasonGameRows.append(row(101, 0, {30}));
    const struct {
        int16_t rounds;
        double width;
    } cases[] = {{1, 4380}, {3, 1460}, {7, 626}, {8, 548}, {10, 438}};
    for (const auto& c : cases) {
        gtypSeasonGame.Round = c.rounds;
        loadPage(frm, -1, -1); // the set-up is laid out on a counting load too
        EXPECT_EQ(frm.lblRoundNo.UBound(), c.rounds) << c.rounds;
        EXPECT_EQ(frm.lblRoundNo[c.rounds].Width(), c.width) << c.rounds;
        EXPECT_EQ(frm.lblRoundNo[c.rounds].Caption(), "C" + std::to_string(c.rounds));
        EXPECT_EQ(frm.linRoundTate.UBound(), c.rounds - 1) << c.rounds;
        EXPECT_EQ(frm.lblRound.UBound(), 0); // no row on a counting load
        frm.Unload();
    }
}

TEST_F(BestGamesReport, ThirtySevenRowsFillAPageAndTheThirtyEighthOpensTheNext) {
    for (int i = 1; i <= 38; ++i) gtypSeasonGameRows.append(row(101, 0, {30, 30, 30}, 0, i));
    EXPECT_EQ(countPages(frm), 2);
    loadPage(frm, 2, 2);
    EXPECT_EQ(frm.lblScorePage.Caption(), "通算ベスト・ゲーム（2/2）");
    EXPECT_EQ(frm.lblPage.Caption(), "- 2 -");
    EXPECT_EQ(captions(frm.lblNo), (Strings{"38"}));
    EXPECT_EQ(ys(frm.linFutoYoko), (std::vector<double>{1200, 1560})); // same group, yet a new page
    frm.Unload();
    gtypSeasonGameRows.pop_back();
    EXPECT_EQ(countPages(frm), 1);
}

TEST_F(BestGamesReport, ASeasonWithoutCoursesOrAMissingGameFailsOnTheWindowsPath) {
    gtypSeasonGameRows.append(row(101, 0, {30}));
    gtypSeasonGame.Round = 0;
    bool previewed = false;
    setPreviewWindow([&](forms::Form*) { previewed = true; });
    EXPECT_TRUE(gfPrintSeasonGameRanking(0, nullptr));
    EXPECT_FALSE(previewed);
    ASSERT_EQ(desk.messages().size(), 2u);
    EXPECT_EQ(desk.messages()[0].prompt, "frmPfSeasonGameRanking::pfDataSet(): 0 で除算しました。");
    EXPECT_EQ(desk.messages()[0].title, "エラー");
    EXPECT_EQ(desk.messages()[1].prompt, "印刷中にエラーが発生しました！ 再実行してください。");

    desk.boxes.clear();
    gtypSeasonGame.Round = 3;
    gtypSeasonGameRows[0].GameIndex = 7;
    EXPECT_TRUE(gfPrintSeasonGameRanking(0, nullptr));
    EXPECT_EQ(desk.messages()[0].prompt, "frmPfSeasonGameRanking::pfDataSet(): インデックスが有効範囲にありません。");
}

} // namespace
