#include <gtest/gtest.h>

#include "reportPages.h"

#include "core/gameRecords.h"
#include "core/globals.h"
#include "core/resultRecords.h"
#include "platform/forms/testing/TestDesktop.h"
#include "preview/modPpPreview.h"
#include "reports/game/modPfPreparePrint.h"
#include "reports/season/frmPfSeasonTotalRanking.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

using reportfixture::captions;
using reportfixture::loadPage;

// Ranked rows put straight into gtypSeasonTotalRows, one registered player
// each (ID 100 + row number).
class TotalRanking : public testing::Test {
protected:
    TotalRanking() {
        resetSharedGlobals();
        gtypSeasonGame.Date = gstrSeasonPeriodEnd = "2010/06/20";
        gtypSeasonGame.CategoryAgeLow = gtypSeasonGame.CategoryAgeHigh = -1;
        gstrPrintTitle1 = "* 春季リーグ * ";
        gstrPrintTitle2 = "平成22年4月10日(土)～平成22年6月20日(日)";
        gtypBelongs.append({1, "北山パークゴルフ協会", "北山", 0, 0});
        gtypBelongs.append({2, "南浜パークゴルフクラブ", "", 0, 0});
    }
    ~TotalRanking() override { resetSharedGlobals(); }

    // A player's row: games, courses, holes, strokes, handicap (tenths).
    typSeasonScore& addRow(int32_t games, int32_t courses, int32_t holes, int32_t strokes, int32_t handicap = 0) {
        const int32_t n = glngSeasonTotalRowsMax() + 2;
        typPlayerInfo p;
        p.ID = 100 + n;
        p.Name = "選手" + std::to_string(n);
        p.Birthday = "1950/04/01";
        p.Gender = 2;
        p.BelongID = n % 3;
        p.Location = "札幌市中央区";
        gtypPlayers.append(p);
        typSeasonScore& r = gtypSeasonTotalRows.append();
        r.IDNo = p.ID;
        r.Games = games;
        r.RoundsDone = courses;
        r.HolesDone = holes;
        r.Strokes = strokes;
        r.Handicap = handicap;
        r.Total = strokes * 10 + handicap;
        r.Rank = n;
        return r;
    }
    // The y of the rules created by the last load, thick ones marked "T".
    std::vector<std::string> rules() const {
        std::vector<std::pair<double, std::string>> all;
        for (int i = 1; i <= frm.linFutoYoko.UBound(); ++i) all.push_back({frm.linFutoYoko[i].Y1(), "T"});
        for (int i = 1; i <= frm.linHosoYoko.UBound(); ++i) all.push_back({frm.linHosoYoko[i].Y1(), ""});
        std::sort(all.begin(), all.end());
        std::vector<std::string> out;
        for (const auto& [y, kind] : all) out.push_back(kind + std::to_string(static_cast<int>(y)));
        return out;
    }

    forms::doubles::TestDesktop desk;
    frmPfSeasonTotalRanking frm;
};

TEST_F(TotalRanking, EachBasisHasItsHeadersBoldColumnsRulesAverageAndTag) {
    struct Expect {
        int16_t basis;
        const char* title;
        const char* averageHeader;
        bool averageShown;
        const char* countHeader;
        std::vector<std::string> counts; // games, courses (or 9-hole units), holes
        const char* average;
        bool boldGames, boldCourses, boldHoles, boldAverage, boldHoleInOnes, boldTotal;
        int16_t rule4, rule5;
    };
    const Expect cases[] = {
        {0, "総合通算順位表［ｺｰｽ平均］（1/1）", "ｺｰｽ平均", true, "ｺｰｽ数", {"3", "9", "81"}, "33.389",
         false, true, false, true, false, true, 2, 2},
        {1, "総合通算順位表［ｹﾞｰﾑ平均］（1/1）", "ｹﾞｰﾑ平均", true, "ｺｰｽ数", {"3", "9", "81"}, "100.167",
         true, false, false, true, false, true, 2, 1},
        {2, "総合通算順位表［ﾎｰﾙ平均］（1/1）", "ﾎｰﾙ平均", true, "ｺｰｽ数", {"3", "9", "81"}, "3.7099",
         false, false, true, true, false, true, 1, 2},
        {3, "総合通算順位表［合計］（1/1）", "", false, "ｺｰｽ数", {"3", "9", "81"}, nullptr,
         true, true, true, false, false, true, 1, 1},
        {4, "総合通算順位表［ﾎｰﾙｲﾝﾜﾝ］（1/1）", "", true, "ｺｰｽ数", {"3", "9", "81"}, nullptr,
         false, false, false, false, true, false, 1, 1},
        {5, "総合通算順位表［9ﾎｰﾙ平均］（1/1）", "9H平均", true, "9H数", {"3", "9.0", "81"}, "33.389",
         false, true, false, true, false, true, 2, 2},
    };
    addRow(3, 9, 81, 300, 5).StrokeCount[0] = 2;
    for (const Expect& c : cases) {
        gintTotalRankingMode = c.basis;
        loadPage(frm, 1, 1);
        EXPECT_EQ(frm.lblScorePage.Caption(), c.title);
        EXPECT_EQ(frm.lblRGAverage.Caption(), c.averageHeader) << c.basis;
        EXPECT_EQ(frm.lblRGAverage.Visible(), c.averageShown) << c.basis;
        EXPECT_EQ(frm.lblRNum.Caption(), c.countHeader) << c.basis;
        EXPECT_EQ((std::vector<std::string>{frm.lblGameNum[1].Caption(), frm.lblRoundNum[1].Caption(),
                                            frm.lblHoleNum[1].Caption()}),
                  c.counts)
            << c.basis;
        EXPECT_EQ(captions(frm.lblJituDa), std::vector<std::string>{"300"});
        EXPECT_EQ(captions(frm.lblHoleIn1Num), std::vector<std::string>{"2"});
        EXPECT_EQ(captions(frm.lblHandicap), std::vector<std::string>{"0.5"});
        EXPECT_EQ(captions(frm.lblGoukei), std::vector<std::string>{"300.5"});
        EXPECT_EQ(captions(frm.lblRoundAve), c.average ? std::vector<std::string>{c.average} : std::vector<std::string>{})
            << c.basis;
        EXPECT_EQ(frm.lblGameNum[1].font().Bold, c.boldGames) << c.basis;
        EXPECT_EQ(frm.lblRoundNum[1].font().Bold, c.boldCourses) << c.basis;
        EXPECT_EQ(frm.lblHoleNum[1].font().Bold, c.boldHoles) << c.basis;
        EXPECT_EQ(frm.lblHoleIn1Num[1].font().Bold, c.boldHoleInOnes) << c.basis;
        EXPECT_EQ(frm.lblH1Tittle.font().Bold, c.boldHoleInOnes) << c.basis;
        EXPECT_EQ(frm.lblGoukei[1].font().Bold, c.boldTotal) << c.basis;
        EXPECT_EQ(frm.lblTotalTittle.font().Bold, c.boldTotal) << c.basis;
        EXPECT_EQ(frm.lblRGAverage.font().Bold, c.boldAverage) << c.basis;
        if (c.average) {
            EXPECT_EQ(frm.lblRoundAve[1].font().Bold, c.boldAverage) << c.basis;
        }
        // The count column's header is bold with its values, except under the total basis.
        EXPECT_EQ(frm.lblRNum.font().Bold, c.boldCourses && c.basis != 3) << c.basis;
        EXPECT_EQ(frm.linTate[4].BorderWidth(), c.rule4) << c.basis;
        EXPECT_EQ(frm.linTate[5].BorderWidth(), c.rule5) << c.basis;
        frm.Unload();
    }
}

TEST_F(TotalRanking, PlayersBelowTheMinimumFollowADoubleRuleOnEveryPageTheyStart) {
    gintTotalRankingMode = 0;
    glngKiteiRound = 6;
    for (int32_t courses : {9, 7, 6, 5, 3}) addRow(3, courses, courses * 9, courses * 30);
    loadPage(frm, 1, 1);
    EXPECT_EQ(rules(), (std::vector<std::string>{"T1200", "1560", "1920", "T2280", "T2340", "2700", "T3060"}));
    EXPECT_EQ(frm.lblName[4].Top(), 2340 + 60); // the row below the double rule moved down
    EXPECT_EQ(frm.lblName[5].Top(), 2700 + 60);
    EXPECT_EQ(frm.linTate[0].Y2(), 3060);
    frm.Unload();

    // 36 players who reach the minimum and 4 who do not: page 1 ends with
    // the first of them, page 2 begins with the rest.
    gtypSeasonTotalRows.clear();
    gtypPlayers.clear();
    for (int i = 0; i < 36; ++i) addRow(3, 9, 81, 270);
    for (int i = 0; i < 4; ++i) addRow(3, 5, 45, 150);
    loadPage(frm, -1, -1);
    EXPECT_EQ(frm.gintMaxPageNo, 2);
    frm.Unload();
    loadPage(frm, 1, 2);
    ASSERT_EQ(frm.lblName.UBound(), 37);
    EXPECT_EQ(frm.lblName[37].Top(), 1200 + 36 * 360 + 60 + 60);
    EXPECT_EQ(frm.linTate[0].Y2(), 1200 + 37 * 360 + 60);
    frm.Unload();
    loadPage(frm, 2, 2);
    EXPECT_EQ(rules(), (std::vector<std::string>{"T1200", "T1260", "1620", "1980", "T2340"}));
    EXPECT_EQ(frm.lblScorePage.Caption(), "総合通算順位表［ｺｰｽ平均］（2/2）");
    frm.Unload();

    // Every basis with a minimum, and none without.
    const struct {
        int16_t basis;
        int thickRules; // with the closing one
    } bases[] = {{1, 4}, {2, 4}, {3, 3}, {4, 2}, {5, 4}};
    gtypSeasonTotalRows.clear();
    gtypPlayers.clear();
    addRow(3, 9, 81, 270);
    addRow(1, 2, 18, 60);
    glngKiteiGame = 2;
    glngKiteiHole = 20;
    glngKitei9H = 3;
    for (const auto& b : bases) {
        gintTotalRankingMode = b.basis;
        loadPage(frm, 1, 1);
        EXPECT_EQ(frm.linFutoYoko.UBound(), b.thickRules) << b.basis;
        frm.Unload();
    }
}

TEST_F(TotalRanking, NineHoleUnitsAreComparedUnroundedAndShownToOneDecimal) {
    gintTotalRankingMode = 5;
    glngKitei9H = 4;
    addRow(4, 4, 36, 120);        // 4 units: reaches the minimum
    addRow(3, 5, 33, 123, 5);     // 3.67 units: below it
    loadPage(frm, 1, 1);
    EXPECT_EQ(captions(frm.lblRoundNum), (std::vector<std::string>{"4.0", "3.7"}));
    EXPECT_EQ(captions(frm.lblRoundAve), (std::vector<std::string>{"30.000", "33.682"})); // 1235 x 9 / 330
    EXPECT_EQ(rules(), (std::vector<std::string>{"T1200", "T1560", "T1620", "T1980"}));
    frm.Unload();
}

TEST_F(TotalRanking, TheTotalBasisRulesOffEachGroupOfEqualCounts) {
    gintTotalRankingMode = 3;
    addRow(3, 9, 72, 250);
    addRow(3, 9, 72, 260);
    addRow(3, 8, 64, 200);
    loadPage(frm, 1, 1);
    EXPECT_EQ(rules(), (std::vector<std::string>{"T1200", "1560", "T1920", "T2280"}));
    EXPECT_FALSE(frm.lblRGAverage.Visible());
    EXPECT_EQ(frm.lblRoundAve.UBound(), 0);
    frm.Unload();
}

TEST_F(TotalRanking, TheExtraColumnAgeGenderAndBirthdayCells) {
    addRow(2, 4, 36, 150);            // affiliation 1, with a short name
    addRow(2, 4, 36, 160);            // affiliation 2, without one
    addRow(2, 4, 36, 170).IDNo = 999; // not registered
    gtypPlayers[0].Birthday = "";                 // no date of birth
    gtypPlayers[1].Gender = 1;
    const struct {
        int16_t extra;
        const char* header;
        std::vector<std::string> cells;
    } cases[] = {{0, "", {"", "", ""}}, {1, "所属", {"北山", "南浜パーク", ""}}, {2, "地域", {"札幌市中央", "札幌市中央", ""}}};
    for (const auto& c : cases) {
        gintBelongOrLocation = c.extra;
        loadPage(frm, 1, 1);
        EXPECT_EQ(frm.lblBelongOrLocation.Caption(), c.header);
        EXPECT_EQ(captions(frm.lblGroupName), c.cells) << c.extra;
        EXPECT_EQ(frm.linTate.Count(), 13);
        EXPECT_EQ(frm.lblGroupName[1].font().Size, 9);
        frm.Unload();
    }
    loadPage(frm, 1, 1);
    EXPECT_EQ(captions(frm.lblAge), (std::vector<std::string>{"(-,F)", "(60,M)", "(,)"}));
    EXPECT_EQ(captions(frm.lblName), (std::vector<std::string>{"選手1", "選手2", ""}));
    EXPECT_EQ(captions(frm.lblBirthday), (std::vector<std::string>{"-", "-", "-"}));
    frm.Unload();
    gtypSeasonGame.JudgeBirthday = 1;
    loadPage(frm, 1, 1);
    EXPECT_EQ(captions(frm.lblBirthday), (std::vector<std::string>{"", "S25/04/01", ""}));
    frm.Unload();
}

TEST_F(TotalRanking, ThirtyEightPlayersMakeTwoPagesUnderTheCategoryTitle) {
    gintTotalRankingMode = 3;
    gtypSeasonGame.CategoryGender = 2;
    gtypSeasonGame.CategoryAgeLow = 60;
    for (int i = 0; i < 38; ++i) addRow(2, 4, 36, 150 + i);
    loadPage(frm, -1, -1);
    EXPECT_EQ(frm.gintMaxPageNo, 2);
    EXPECT_EQ(frm.lblScorePage.Caption(), "");
    frm.Unload();
    loadPage(frm, 2, 2);
    EXPECT_EQ(frm.lblScorePage.Caption(), "部門別（女子：60歳～）通算順位表［合計］（2/2）");
    EXPECT_EQ(frm.lblPage.Caption(), "- 2 -");
    EXPECT_EQ(frm.lblEntryNum.Caption(), "参加 38名");
    EXPECT_EQ(captions(frm.lblNo), std::vector<std::string>{"38"});
    EXPECT_EQ(gtypGame.CategoryAgeLow, 60); // the title read the season header through gtypGame
    frm.Unload();
}

TEST_F(TotalRanking, NoRowsCountNoPageAndShowTheDesignOnly) {
    loadPage(frm, 1, 1);
    EXPECT_EQ(frm.gintMaxPageNo, 0);
    EXPECT_EQ(frm.lblEntryNum.Caption(), "参加 0名");
    EXPECT_EQ(frm.lblScorePage.Caption(), "");
    EXPECT_EQ(frm.linFutoYoko.UBound(), 0);
    frm.Unload();
}

TEST_F(TotalRanking, PreparationPreviewsTheCountedPagesTenMillimetresDown) {
    for (int i = 0; i < 38; ++i) addRow(2, 4, 36, 150);
    int16_t pages = 0;
    setPreviewWindow([&](forms::Form*) {
        pages = gintPrintPageCount;
        EXPECT_NE(dynamic_cast<frmPfSeasonTotalRanking*>(gfrmPrintForm), nullptr);
        EXPECT_EQ(gintOffsetYmm, 10);
    });
    EXPECT_FALSE(gfPrintSeasonTotalRanking(0, nullptr));
    EXPECT_EQ(pages, 2);
    setPreviewWindow(nullptr);
    EXPECT_TRUE(desk.messages().empty());
}

TEST_F(TotalRanking, AFailureInThePageIsReportedUnderTheWindowsName) {
    addRow(2, 4, 36, 150);
    addRow(2, 4, 36, 150).RoundsDone = 0; // an average over no course
    loadPage(frm, 1, 1);
    EXPECT_TRUE(frm.passFailed());
    ASSERT_EQ(desk.messages().size(), 2u);
    EXPECT_EQ(desk.messages()[0].prompt, "frmPfSeasonTotalRanking::pfDataSet(): 0 で除算しました。");
    EXPECT_EQ(desk.messages()[0].title, "エラー");
    EXPECT_EQ(desk.messages()[1].prompt, "印刷中にエラーが発生しました！ 再実行してください。");
    EXPECT_EQ(frm.lblName.UBound(), 2); // the page as far as it was laid out
    frm.Unload();
}

} // namespace
