#include <gtest/gtest.h>

#include "reportFixture.h"
#include "reportPages.h"

#include "core/resultRecords.h"
#include "platform/forms/testing/RecordingPrinter.h"
#include "platform/forms/testing/TestDesktop.h"
#include "reports/game/frmPfTeamList.h"

#include <string>
#include <vector>

using reportfixture::captions;
using reportfixture::PageLoad;
using Strings = std::vector<std::string>;

namespace {

class TeamList : public testing::Test {
protected:
    TeamList() { reportfixture::makeGame(45, 3); }
    ~TeamList() override {
        gtypRankRows.clear();
        reportfixture::clearGame();
    }
    // A member row of player 100 + n.
    static typRankRow member(int n, const std::string& team, int16_t done = 3, int32_t total = 1234,
                             int32_t handicap = 0) {
        typRankRow r;
        r.IDNo = 100 + n;
        r.TeamID = team;
        r.RoundsDone = done;
        r.Strokes = done == 0 ? 0 : (total - handicap) / 10;
        r.Total = done == 0 ? 0 : total;
        r.Handicap = handicap;
        return r;
    }

    forms::doubles::TestDesktop desk;
    forms::doubles::RecordingPrinter rec;
    frmPfTeamList frm;
};

TEST_F(TeamList, ATeamAcrossAPageBreakRepeatsItsNumberAndText) {
    for (int i = 1; i <= 40; ++i) gtypRankRows.push_back(member(i, "A"));
    gtypRankRows.push_back(member(41, "B "));
    gtypRankRows.push_back(member(42, " B")); // the same team, by its trimmed text
    gtypRankRows.push_back(member(43, "C"));
    gintTeamCount = 3;
    EXPECT_EQ(reportfixture::countPages(frm), 2);
    {
        PageLoad page(frm, 1, 2);
        EXPECT_EQ(frm.lblScorePage.Caption(), "チーム一覧表（1/2）");
        EXPECT_EQ(frm.lblEntryNum.Caption(), "参加 3ﾁｰﾑ、43名");
        EXPECT_EQ(captions(frm.lblNo), (Strings{"1"}));
        EXPECT_EQ(captions(frm.lblMNo).back(), "M37");
        // Thin rules leave the number and team columns open.
        EXPECT_EQ(frm.linHosoYoko[1].X1(), 1200);
        EXPECT_EQ(frm.linHosoYoko[1].X2(), 11040);
        EXPECT_EQ(frm.linFutoYoko.UBound(), 2);
    }
    PageLoad page(frm, 2, 2);
    EXPECT_EQ(captions(frm.lblNo), (Strings{"1", "2", "3"}));
    EXPECT_EQ(captions(frm.lblTeamID), (Strings{"A", "B", "C"}));
    EXPECT_EQ(captions(frm.lblMNo), (Strings{"M38", "M39", "M40", "M1", "M2", "M1"}));
    EXPECT_EQ(frm.lblNo[2].Top(), 1200 + 3 * 360 + 60);
    // Thick rules over the page's first row, each new team and under the last row.
    std::vector<double> thick;
    for (int i = 1; i <= frm.linFutoYoko.UBound(); ++i) thick.push_back(frm.linFutoYoko[i].Y1());
    EXPECT_EQ(thick, (std::vector<double>{1200, 2280, 3000, 3360}));
    EXPECT_EQ(frm.linFutoYoko[2].X1(), 240);
    EXPECT_EQ(frm.linTate[10].Y2(), 3360);
}

TEST_F(TeamList, TheRankingBasisStaysBold) {
    gtypRankRows.assign({member(1, "A")});
    for (const int16_t basis : {0, 1}) {
        gtypGame.TeamHowtoRank = basis;
        PageLoad page(frm, 1);
        EXPECT_EQ(frm.lblTotalT.font().Bold, basis == 0);
        EXPECT_EQ(frm.lblGoukei[1].font().Bold, basis == 0);
        EXPECT_EQ(frm.lblRAveT.font().Bold, basis != 0);
        EXPECT_EQ(frm.lblRoundAve[1].font().Bold, basis != 0);
    }
}

TEST_F(TeamList, MemberValues) {
    gtypGame.HandiCapKind = 2;
    gtypRankRows.assign({member(1, "A", 3, 1234, 60), member(2, "A", 2, 1244, 60), member(3, "A", 1, 1254, 50),
                         member(4, "A", 0)});
    gtypPlayers[3].Birthday = "";
    PageLoad page(frm, 1);
    EXPECT_EQ(captions(frm.lblRoundNum), (Strings{"3", "2", "1", "-"}));
    EXPECT_EQ(captions(frm.lblRHits), (Strings{"117", "118", "120", "-"}));
    EXPECT_EQ(captions(frm.lblHits), (Strings{"6", "4", "1.7", "-"}));
    EXPECT_EQ(captions(frm.lblGoukei), (Strings{"123.4", "124.4", "125.4", "-"}));
    EXPECT_EQ(captions(frm.lblRoundAve), (Strings{"41.13", "62.20", "125.40", "-"}));
    EXPECT_EQ(captions(frm.lblAge), (Strings{"(59,M)", "(59,F)", "(59,M)", "(-,F)"}));
    EXPECT_EQ(captions(frm.lblBelong), (Strings{"北山パークゴルフ協会", "南浜クラブ", "", "北山パークゴルフ協会"}));

    gtypGame.HandiCapKind = 0;
    frm.Unload();
    gintPrintPageNo = 1;
    frm.Load();
    EXPECT_EQ(frm.lblHcTittle.Caption(), "");
    EXPECT_EQ(captions(frm.lblHits), (Strings{"", "", "", ""}));
}

TEST_F(TeamList, ThirtySevenRowsFillAPage) {
    for (int i = 1; i <= 37; ++i) gtypRankRows.push_back(member(i, "A"));
    EXPECT_EQ(reportfixture::countPages(frm), 1);
    gtypRankRows.push_back(member(38, "A"));
    EXPECT_EQ(reportfixture::countPages(frm), 2);
}

} // namespace
