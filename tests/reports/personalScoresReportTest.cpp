#include <gtest/gtest.h>

#include "seasonRowsFixture.h"

#include "reports/season/frmPfSeasonPersonalRoundScore.h"

using namespace seasonreport;

namespace {

// Player 101's courses as the season computation lists them; game 3 is a
// one-course game of 12 holes without handicaps.
class PersonalScoresReport : public SeasonReport {
protected:
    PersonalScoresReport() {
        addGame("2010/01/10", 12, 1, 0, "J");
        gtypPersonalGame = gtypSeasonGame;
        gtypPersonalGame.Hole = 12;
    }
    // One course row: the hole texts, the team and the row's handicap.
    static void course(int32_t game, int16_t roundNo, std::initializer_list<const char*> holes, const char* team = "",
                       int32_t handicap = 0) {
        typSeasonRoundScore r;
        r.IDNo = 101;
        r.GameIndex = game;
        r.Date = gtypGames.item(game).Date;
        r.RoundNo = roundNo;
        std::size_t k = 0;
        for (const char* h : holes) r.Holes[k++] = h;
        r.TeamID = team;
        r.Handicap = handicap;
        gtypSeasonRoundRows.append(r);
    }
    static void wholeGame(int32_t game, const char* strokes = "3") {
        const typGameInfo& g = gtypGames.item(game);
        for (int16_t c = 1; c <= g.Round; ++c) {
            typSeasonRoundScore r;
            r.IDNo = 101;
            r.GameIndex = game;
            r.Date = g.Date;
            r.RoundNo = c;
            for (int k = 0; k < g.Hole; ++k) r.Holes[static_cast<std::size_t>(k)] = strokes;
            gtypSeasonRoundRows.append(r);
        }
    }
    frmPfSeasonPersonalRoundScore frm;
};

TEST_F(PersonalScoresReport, EachGameIsABlockWithItsOwnHandicapsAndHoles) {
    // Per-course handicap: a course with a blank hole is not complete.
    course(1, 1, {"3", "3", "3", "3", "3", "3", "3", "3", "3"}, "A", 5);
    course(1, 2, {"3", "3", "", "3", "3", "3", "3", "3", "3"}, "A", -10);
    course(1, 3, {"1", "3", "3", "3", "3", "3", "3", "3", "4"}, "A", 0);
    // Per-game handicap 30: shown once, its share added to the total.
    for (int16_t c = 1; c <= 3; ++c) course(2, c, {"3", "3", "3", "3", "3", "3", "3", "3", "3"}, "", 30);
    course(3, 1, {"4", "4", "4", "4", "4", "4", "4", "4", "4", "4", "4", "4"}, "B");
    loadPage(frm, 1);
    EXPECT_EQ(frm.lblScorePage.Caption(), "個別スコア表（1/1）");
    EXPECT_EQ(frm.lblScoreTittle.Caption(), gstrPrintTitle2 + " ： 【青木一郎】");
    EXPECT_EQ(frm.lblEntryNum.Caption(), "参加 3回");
    EXPECT_EQ(frm.Label9.Caption(), "小計");
    EXPECT_EQ(captions(frm.lblNo), (Strings{"1", "2", "3"}));
    // The date on the middle line; the team below it, only for games of more than one course.
    EXPECT_EQ(captions(frm.lblName), (Strings{"平成5年05月05日(水)", "[ A ]", "平成20年12月26日(金)", "平成22年01月10日(日)"}));
    EXPECT_EQ(frm.lblName[1].Top(), 1200 + 360 + 60);
    EXPECT_EQ(frm.lblName[2].Top(), 1200 + 720 + 60);
    EXPECT_EQ(frm.lblName[2].ForeColor(), forms::RGB(100, 100, 100));
    EXPECT_EQ(frm.lblName[4].Top(), 3360 + 60);
    EXPECT_EQ(captions(frm.lblRound), (Strings{"D", "E", "F", "G", "H", "I", "J"}));
    EXPECT_EQ(captions(frm.lblJituDa), (Strings{"27", "-", "26", "27", "27", "27", "48"}));
    EXPECT_EQ(captions(frm.lblHits), (Strings{"0.5", "-1", "0", "3", "", "", ""}));
    EXPECT_EQ(captions(frm.lblSyokei), (Strings{"27.5", "-", "26", "", "", "", ""}));
    EXPECT_EQ(captions(frm.lblGoukei), (Strings{"53.5", "84", "48"}));
    // Twelve hole columns of 430; a 9-hole game shows "／" in columns 10 to 12.
    EXPECT_EQ(frm.lblScore[12].Caption(), "12");
    EXPECT_EQ(frm.lblScore[12].Left(), 3180 + 11 * 430);
    const Strings cells = captions(frm.lblScore, 13);
    EXPECT_EQ(Strings(cells.begin(), cells.begin() + 12),
              (Strings{"3", "3", "3", "3", "3", "3", "3", "3", "3", "／", "／", "／"}));
    EXPECT_EQ(Strings(cells.begin() + 12, cells.begin() + 15), (Strings{"3", "3", "-"}));
    EXPECT_EQ(cells[24], "①");
    EXPECT_EQ(cells.back(), "4");
    // Thick rules over each block and under the last, thin ones between a block's lines.
    EXPECT_EQ(ys(frm.linFutoYoko), (std::vector<double>{1200, 2280, 3360, 3720}));
    EXPECT_EQ(ys(frm.linHoso1), (std::vector<double>{1560, 1920, 2640, 3000}));
    EXPECT_EQ(frm.linHoso1[1].X1(), 2700);
    EXPECT_EQ(frm.linScoreTate[11].Y2(), 3720);
    EXPECT_EQ(frm.linTate[8].Y2(), 3720);
    EXPECT_EQ(gtypGame.Date, "2010/01/10"); // the last game's header stays
    frm.Unload();
}

TEST_F(PersonalScoresReport, APageEndsBeforeABlockThatWouldNotFit) {
    // Twelve blocks of three lines end at 14160: a one-line block still fits,
    // the next three-line block opens page 2.
    for (int i = 0; i < 12; ++i) wholeGame(2);
    wholeGame(3);
    wholeGame(2);
    EXPECT_EQ(countPages(frm), 2);
    loadPage(frm, 1, 2);
    EXPECT_EQ(frm.lblEntryNum.Caption(), "参加 14回");
    EXPECT_EQ(captions(frm.lblNo).back(), "13");
    EXPECT_EQ(frm.linTate[0].Y2(), 14520);
    frm.Unload();
    loadPage(frm, 2, 2);
    EXPECT_EQ(frm.lblScorePage.Caption(), "個別スコア表（2/2）");
    EXPECT_EQ(frm.lblScoreTittle.Caption(), gstrPrintTitle2 + " ： 【青木一郎】");
    EXPECT_EQ(captions(frm.lblNo), (Strings{"14"}));
    frm.Unload();
}

TEST_F(PersonalScoresReport, BrokenRowsFailOnTheWindowsPath) {
    const char* const prefix = "frmPfSeasonPersonalRoundScore::pfDataSet(): ";
    course(1, 1, {"3"}); // a three-course game with one course row
    loadPage(frm, 1);
    EXPECT_EQ(desk.messages()[0].prompt, std::string(prefix) + "インデックスが有効範囲にありません。");
    frm.Unload();

    desk.boxes.clear();
    gtypPersonalGame.Hole = 0;
    loadPage(frm, -1, -1);
    EXPECT_EQ(desk.messages()[0].prompt, std::string(prefix) + "0 で除算しました。");
    frm.Unload();
}

} // namespace
