#include <gtest/gtest.h>

#include "reportFixture.h"
#include "reportPages.h"

#include "platform/forms/testing/RecordingPrinter.h"
#include "platform/forms/testing/TestDesktop.h"
#include "reports/game/frmPfScore.h"

#include <algorithm>
#include <string>
#include <vector>

using reportfixture::captions;
using reportfixture::fillHoles;
using reportfixture::PageLoad;
using Strings = std::vector<std::string>;

namespace {

class ScoreSheet : public testing::Test {
protected:
    ~ScoreSheet() override { reportfixture::clearGame(); }
    // A game of `players` players, `rounds` courses of `holes` holes, every hole played in 5.
    static void game(int players, int16_t rounds, int16_t holes, int16_t kind) {
        reportfixture::makeGame(players, rounds);
        gtypGame.Hole = holes;
        gtypGame.HandiCapKind = kind;
        for (int16_t k = 0; k < rounds; ++k) gtypGame.RoundName[static_cast<std::size_t>(k)] = std::string(1, 'A' + k);
        for (int32_t r = 0; r <= glngScoresMax(); ++r) fillHoles(r, "5");
    }
    // The hole cells of a load, after the hole numbers of the header.
    Strings holeCells() const { return captions(frm.lblScore, gtypGame.Hole + 1); }

    forms::doubles::TestDesktop desk;
    forms::doubles::RecordingPrinter rec;
    frmPfScore frm;
};

TEST_F(ScoreSheet, HoleTextsAndAPerCourseHandicap) {
    game(1, 2, 4, 1);
    gtypScores[0].Holes = {"1", "", "0", "12"}; // two holes without a count
    gtypScores[0].Handicap = 10;
    gtypScores[1].Holes = {"10", " 10 ", "10", "10"}; // blanks around a stored count are not printed
    gtypScores[1].Handicap = -25;
    PageLoad page(frm, 1);
    EXPECT_EQ(frm.lblScorePage.Caption(), "スコア表（1/1）");
    EXPECT_EQ(frm.lblEntryNum.Caption(), "参加 1名");
    EXPECT_EQ(captions(frm.lblScore), (Strings{"1", "2", "3", "4", "①", "-", "-", "12", "10", "10", "10", "10"}));
    EXPECT_EQ(captions(frm.lblRound), (Strings{"A", "B"}));
    EXPECT_EQ(captions(frm.lblJituDa), (Strings{"-", "40"}));
    EXPECT_EQ(captions(frm.lblHits), (Strings{"1", "-2.5"}));
    EXPECT_EQ(captions(frm.lblSyokei), (Strings{"-", "37.5"}));
    EXPECT_EQ(captions(frm.lblGoukei), (Strings{"37.5"})); // the incomplete course adds nothing
    EXPECT_EQ(frm.lblHcTittle.Caption(), "Hc");
    EXPECT_EQ(frm.lblSyokeiTittle.Caption(), "小計");
    // Two courses: the player's cells on the first line, the team on the second, in grey.
    EXPECT_EQ(captions(frm.lblName), (Strings{"選手1", "[ B ]"}));
    EXPECT_EQ(captions(frm.lblAge), (Strings{"(59,M)"}));
    EXPECT_EQ(frm.lblName[1].Top(), 1260);
    EXPECT_EQ(frm.lblName[2].Top(), 1620);
    EXPECT_EQ(frm.lblName[2].ForeColor(), forms::RGB(100, 100, 100));
    EXPECT_EQ(frm.lblSyokei[2].Top(), 1620);
    // A thick rule over the block and under the page, a thin one between its lines.
    ASSERT_EQ(frm.linHoso1.UBound(), 1);
    EXPECT_EQ(frm.linHoso1[1].Y1(), 1560);
    EXPECT_EQ(frm.linHoso1[1].X1(), 2640);
    EXPECT_EQ(frm.linFutoYoko.UBound(), 2);
    EXPECT_EQ(frm.linTate[8].Y2(), 1920);
    EXPECT_EQ(frm.linScoreTate[3].Y2(), 1920);
}

TEST_F(ScoreSheet, APerGameHandicapCountsInProportionToTheCompleteCourses) {
    struct Case {
        int16_t rounds;
        int32_t handicap;
        int complete; // courses of 50, 52, ... strokes; the others miss a hole
        const char* total;
    };
    for (const Case c : {Case{3, 30, 2, "104"}, Case{2, 15, 1, "50.8"}, Case{2, 15, 0, "-"}}) {
        game(1, c.rounds, 10, 2);
        for (int r = 0; r < c.rounds; ++r) {
            fillHoles(r, "5");
            gtypScores[static_cast<std::size_t>(r)].Holes[0] = r < c.complete ? std::to_string(5 + 2 * r) : "";
            gtypScores[static_cast<std::size_t>(r)].Handicap = c.handicap;
        }
        PageLoad page(frm, 1);
        EXPECT_EQ(captions(frm.lblGoukei), (Strings{c.total})) << c.total;
        // The handicap shows on the first course only; there is no subtotal.
        EXPECT_EQ(captions(frm.lblHits)[0], c.handicap == 30 ? "3" : "1.5");
        EXPECT_EQ(captions(frm.lblHits)[1], "");
        EXPECT_EQ(captions(frm.lblSyokei)[0], "");
        EXPECT_EQ(frm.lblHcTittle.Caption(), "Hc");
        EXPECT_EQ(frm.lblSyokeiTittle.Caption(), "");
    }
}

TEST_F(ScoreSheet, WithoutHandicapsOneCourseBlocksAreSingleLines) {
    game(3, 1, 9, 0);
    gtypScores[1].Holes[8] = "";
    PageLoad page(frm, 1);
    EXPECT_EQ(frm.lblHcTittle.Caption(), "");
    EXPECT_EQ(frm.lblSyokeiTittle.Caption(), "");
    EXPECT_EQ(captions(frm.lblHits), (Strings{"", "", ""}));
    EXPECT_EQ(captions(frm.lblSyokei), (Strings{"", "", ""}));
    EXPECT_EQ(captions(frm.lblGoukei), (Strings{"45", "-", "45"}));
    EXPECT_EQ(captions(frm.lblNo), (Strings{"1", "2", "3"}));
    // No team line and no thin rule, although every player has a team.
    EXPECT_EQ(captions(frm.lblName), (Strings{"選手1", "選手2", "選手3"}));
    EXPECT_EQ(frm.linHoso1.UBound(), 0);
    EXPECT_EQ(frm.linFutoYoko.UBound(), 4);
    EXPECT_EQ(frm.lblName[3].Top(), 1200 + 720 + 60);
}

TEST_F(ScoreSheet, BlocksAreNeverSplitAndTheNumberRunsOnAcrossPages) {
    game(13, 3, 9, 0); // 12 blocks of three lines fit a page
    EXPECT_EQ(reportfixture::countPages(frm), 2);
    {
        PageLoad page(frm, 1, 2);
        EXPECT_EQ(captions(frm.lblNo).back(), "12");
        EXPECT_EQ(frm.linTate[0].Y2(), 1200 + 12 * 1080);
    }
    PageLoad page(frm, 2, 2);
    EXPECT_EQ(frm.lblScorePage.Caption(), "スコア表（2/2）");
    EXPECT_EQ(frm.lblPage.Caption(), "- 2 -");
    EXPECT_EQ(captions(frm.lblNo), (Strings{"13"}));
    EXPECT_EQ(captions(frm.lblName), (Strings{"選手13", "[ D ]"}));
    // Three courses: the player's cells on the second line, the team on the third.
    EXPECT_EQ(frm.lblNo[1].Top(), 1200 + 360 + 60);
    EXPECT_EQ(frm.lblName[2].Top(), 1200 + 720 + 60);
}

TEST_F(ScoreSheet, HoleColumnsShareTheirBand) {
    struct Case {
        int16_t holes;
        int32_t width;
    };
    for (const Case c : {Case{9, 580}, Case{10, 522}, Case{11, 475}, Case{12, 435}, Case{18, 290}}) {
        game(1, 1, c.holes, 0);
        PageLoad page(frm, 1);
        EXPECT_EQ(frm.holeWidth(), c.width);
        EXPECT_EQ(frm.lblScore.UBound(), 2 * c.holes);
        EXPECT_EQ(frm.linScoreTate.UBound(), c.holes - 1);
        const forms::Label& last = frm.lblScore[2 * c.holes];
        EXPECT_EQ(last.Left() + last.Width(), 3120 + c.holes * c.width) << c.holes;
        EXPECT_EQ(frm.lblScore[c.holes].Caption(), std::to_string(c.holes));
    }
    // With 11 holes the last column ends five twips past the rule at 8340.
    EXPECT_EQ(3120 + 11 * 475, 8345);
}

TEST_F(ScoreSheet, AGameWithoutHolesFailsOnTheWindowsErrorPath) {
    game(2, 1, 9, 0);
    gtypGame.Hole = 0;
    EXPECT_TRUE(gfPrintScore(0, nullptr));
    ASSERT_EQ(desk.messages().size(), 2u);
    EXPECT_EQ(desk.messages()[0].prompt, "frmPfScore::pfDataSet(): 0 で除算しました。");
    EXPECT_EQ(desk.messages()[1].prompt, "印刷中にエラーが発生しました！ 再実行してください。");
}

TEST_F(ScoreSheet, PrintsEveryPageWithAnUnknownPlayersEmptyCells) {
    game(13, 3, 9, 1);
    gtypScores[0].IDNo = 999;
    EXPECT_FALSE(gfPrintScore(1, nullptr));
    const Strings texts = rec.texts();
    for (const char* s : {"スコア表（1/2）", "スコア表（2/2）", "(,)", "選手13", "45"})
        EXPECT_NE(std::find(texts.begin(), texts.end(), s), texts.end()) << s;
    EXPECT_EQ(rec.of(forms::doubles::Drawing::Kind::StartPage).size(), 2u);
}

} // namespace
