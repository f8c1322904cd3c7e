#include <gtest/gtest.h>

#include "seasonRowsFixture.h"

#include "reports/season/frmPfSeasonPersonalGameInfo.h"
#include "reports/season/frmPfSeasonPersonalGameScore.h"

using namespace seasonreport;

namespace {

// Player 101's games as the season window copies them.
class PersonalGamesReport : public SeasonReport {
protected:
    PersonalGamesReport() {
        gtypPersonalGame = gtypSeasonGame;
        gtypPersonalGame.Round = 4;
    }
};

TEST_F(PersonalGamesReport, GameInformationListsEachGamesShapeTitleCourseAndSeries) {
    data.writeCources({{1, " 青空コース "}});
    data.writeSeries({{1, "秋季リーグ", 2}}); // deleted from the registry after the game
    typGameInfo& spring = addGame("2009/03/01", 9, 4, 0, "ABCD");
    spring.CourceID = 1;
    spring.SeriesID = 1;
    spring.Tittle = "春の大会";
    gtypGames[1].SeriesID = 7; // a series whose section is missing
    gtypSeasonGameRows.append(row(101, 3, {30}));
    gtypSeasonGameRows.append(row(101, 2, {30}));
    gtypSeasonGameRows.append(row(101, 1, {30}));
    frmPfSeasonPersonalGameInfo frm;
    loadPage(frm, 1);
    EXPECT_EQ(frm.lblScorePage.Caption(), "個別ゲーム情報表（1/1）");
    EXPECT_EQ(frm.lblScoreTittle.Caption(), gstrPrintTitle2 + " ： 【青木一郎】");
    EXPECT_EQ(frm.lblEntryNum.Caption(), "参加 3回");
    EXPECT_EQ(captions(frm.lblNo), (Strings{"1", "2", "3"}));
    EXPECT_EQ(captions(frm.lblDate), (Strings{"平成21年03月01日(日)", "平成20年12月26日(金)", "平成5年05月05日(水)"}));
    EXPECT_EQ(captions(frm.lblHandR), (Strings{"36H\r\n(9x4)", "27H\r\n(9x3)", "27H\r\n(9x3)"}));
    EXPECT_EQ(frm.lblHandR[1].Height(), 375);
    EXPECT_EQ(captions(frm.lblGameTittle), (Strings{"春の大会", "大会2008/12/26", "大会1993/05/05"}));
    EXPECT_EQ(captions(frm.lblCource), (Strings{"青空コース", "-", "-"}));
    EXPECT_EQ(frm.lblCource[1].Alignment(), forms::vbLeftJustify);
    EXPECT_EQ(frm.lblCource[2].Alignment(), forms::vbCenter);
    EXPECT_EQ(captions(frm.lblSeries), (Strings{"秋季リーグ", "-", ""}));
    EXPECT_EQ(frm.lblSeries[3].Alignment(), forms::vbLeftJustify);
    // Rows of 540: the third ends at 1200 + 3 x 540.
    EXPECT_EQ(ys(frm.linHosoYoko), (std::vector<double>{1740, 2280}));
    EXPECT_EQ(frm.linTate[6].Y2(), 2820);
    EXPECT_EQ(gtypGame.Date, "1993/05/05");
    frm.Unload();
}

TEST_F(PersonalGamesReport, TwentyFiveGamesFillAPageAndTheTwentySixthOpensTheNext) {
    for (int i = 0; i < 26; ++i) gtypSeasonGameRows.append(row(102, 0, {30}));
    frmPfSeasonPersonalGameInfo frm;
    EXPECT_EQ(countPages(frm), 2);
    loadPage(frm, 1, 2);
    EXPECT_EQ(frm.linTate[0].Y2(), 14700); // the 25th row ends exactly at the limit
    frm.Unload();
    loadPage(frm, 2, 2);
    EXPECT_EQ(frm.lblScorePage.Caption(), "個別ゲーム情報表（2/2）");
    EXPECT_EQ(frm.lblScoreTittle.Caption(), gstrPrintTitle2 + " ： 【馬場花子】");
    EXPECT_EQ(captions(frm.lblNo), (Strings{"26"}));
    frm.Unload();

    int16_t pages = 0; // the preparation counts the same window it previews
    setPreviewWindow([&](forms::Form*) { pages = gintPrintPageCount; });
    EXPECT_FALSE(gfPrintSeasonPersonalGameInfo(0, nullptr));
    EXPECT_EQ(pages, 2);
}

TEST_F(PersonalGamesReport, GameScoresShowEachCourseOrASlashWhereTheGameHasNone) {
    addGame("2009/03/01", 9, 4, 1, "ABCD");
    gtypSeasonGameRows.append(row(101, 3, {25, 25, 25, 25}, -25)); // 4 courses, per-course handicap
    gtypSeasonGameRows.append(row(101, 0, {33, 0, 34}));            // 3 courses, one not completed
    gtypSeasonGameRows.append(row(101, 1, {33, 33, 34}, 5));
    frmPfSeasonPersonalGameScore frm;
    loadPage(frm, 1);
    EXPECT_EQ(frm.lblScorePage.Caption(), "個別ゲーム一覧表（1/1）");
    EXPECT_EQ(frm.lblScoreTittle.Caption(), gstrPrintTitle2 + " ： 【青木一郎】");
    EXPECT_EQ(frm.lblEntryNum.Caption(), "参加 3回");
    EXPECT_EQ(captions(frm.lblRoundNo), (Strings{"C1", "C2", "C3", "C4"}));
    EXPECT_EQ(frm.lblRoundNo[4].Left(), 3420 + 3 * 1320);
    EXPECT_EQ(frm.lblRoundNo[4].Width(), 1320);
    EXPECT_EQ(captions(frm.lblRound),
              (Strings{"25", "25", "25", "25", "33", "-", "34", "／", "33", "33", "34", "／"}));
    EXPECT_EQ(captions(frm.lblHandR), (Strings{"36H", "27H", "27H"}));
    EXPECT_EQ(captions(frm.lblDate), (Strings{"平成21年03月01日(日)", "平成21年10月12日(月)", "平成5年05月05日(水)"}));
    EXPECT_EQ(captions(frm.lblJituDa), (Strings{"100", "67", "100"}));
    EXPECT_EQ(captions(frm.lblHits), (Strings{"-2.5", "", "0.5"}));
    EXPECT_EQ(captions(frm.lblGoukei), (Strings{"97.5", "67", "100.5"}));
    EXPECT_EQ(frm.linRoundTate.UBound(), 3);
    EXPECT_EQ(frm.linRoundTate[3].Y2(), 1200 + 3 * 360);
    frm.Unload();
}

TEST_F(PersonalGamesReport, GameScoresSizeTheirCoursesAndRunOntoANewPage) {
    for (int i = 0; i < 38; ++i) gtypSeasonGameRows.append(row(101, 0, {30, 30, 30}));
    gtypPersonalGame.Round = 10;
    frmPfSeasonPersonalGameScore frm;
    EXPECT_EQ(countPages(frm), 2);
    loadPage(frm, 2, 2);
    EXPECT_EQ(captions(frm.lblNo), (Strings{"38"}));
    EXPECT_EQ(frm.lblRoundNo[10].Width(), 528);
    EXPECT_EQ(frm.linRoundTate.UBound(), 9);
    EXPECT_EQ(frm.lblRound[10].Caption(), "／");
    frm.Unload();

    gtypPersonalGame.Round = 0;
    loadPage(frm, 1);
    EXPECT_EQ(desk.messages()[0].prompt, "frmPfSeasonPersonalGameScore::pfDataSet(): 0 で除算しました。");
    frm.Unload();
}

} // namespace
