#include <gtest/gtest.h>

#include "seasonRowsFixture.h"

#include "core/season.h"
#include "reports/season/frmPfSeasonTeamRanking.h"

using namespace seasonreport;

namespace {

class SeasonTeamRankingReport : public SeasonReport {
protected:
    // Member rows as the season team list leaves them, then the core's ranking.
    void teams(std::initializer_list<std::pair<const char*, int>> sizes) {
        int32_t id = 200;
        for (const auto& [team, members] : sizes)
            for (int m = 0; m < members; ++m) {
                typSeasonScore r;
                r.IDNo = m == 0 ? 101 : ++id; // 101 plays in every team
                r.TeamID = team;
                r.RoundsDone = 3;
                r.Strokes = 100 + m;
                r.Total = r.Strokes * 10;
                gtypSeasonTeamRows.append(r);
            }
        ASSERT_FALSE(gsCalSeasonTeamRanking());
    }
    frmPfSeasonTeamRanking frm;
};

TEST_F(SeasonTeamRankingReport, MembersOfAllTeamsAreCountedWithRepeatsAndSizeTheColumns) {
    teams({{"A", 3}, {"B", 5}, {"C", 4}, {"D", 6}});
    gintEntryCount = 0;
    EXPECT_FALSE(gfPrintSeasonTeamRanking(2, nullptr)); // counts only
    EXPECT_EQ(gintEntryCount, 18);
    loadPage(frm, 1);
    EXPECT_EQ(frm.lblScorePage.Caption(), "通算チーム順位表（1/1）");
    EXPECT_EQ(frm.lblEntryNum.Caption(), "参加 4ﾁｰﾑ、のべ18名");
    // On the total basis the team with the most courses ranks first.
    EXPECT_EQ(captions(frm.lblTeamID), (Strings{"D", "B", "C", "A"}));
    EXPECT_EQ(captions(frm.lblTeamMemberNum), (Strings{"6", "5", "4", "3"}));
    // The largest team of 6 gives 6 columns of 1120 twips, captioned M1 to M6.
    const Strings cells = captions(frm.lblMNo);
    const Strings captions(cells.begin(), cells.begin() + 6);
    EXPECT_EQ(captions, (Strings{"M1", "M2", "M3", "M4", "M5", "M6"}));
    EXPECT_EQ(frm.lblMNo[6].Left(), 4320 + 5 * 1120);
    EXPECT_EQ(frm.lblMNo[6].Width(), 1120);
    ASSERT_EQ(frm.linMNoTate.UBound(), 5);
    EXPECT_EQ(frm.linMNoTate[5].X1(), 4320 + 5 * 1120);
    EXPECT_EQ(frm.linMNoTate[5].Y2(), 1200 + 4 * 360);
    // 3 + 4 + 5 + 6 member cells after the captions.
    EXPECT_EQ(frm.lblMNo.UBound(), 6 + 18);
    frm.Unload();
}

TEST_F(SeasonTeamRankingReport, MemberCellsFollowTheSeasonsTeamBasis) {
    teams({{"A", 2}});
    gtypSeasonTeamRows[0].RoundsDone = 12;
    gtypSeasonTeamRows[0].Strokes = 430;
    gtypSeasonTeamRows[0].Total = 4321;
    gtypSeasonTeamRows[1] = typSeasonScore{}; // no complete course
    gtypSeasonTeamRows[1].TeamID = "A";
    ASSERT_FALSE(gsCalSeasonTeamRanking());
    const struct {
        int16_t basis;
        Strings cells;
        bool totalBold;
    } cases[] = {{1, {"36.01", "-"}, false}, {0, {"432.1", "-"}, true}};
    for (const auto& c : cases) {
        gtypSeasonGame.TeamHowtoRank = c.basis;
        loadPage(frm, 1);
        EXPECT_EQ(captions(frm.lblMNo, 3), c.cells) << c.basis;
        EXPECT_EQ(captions(frm.lblGoukei), (Strings{"432.1"}));
        EXPECT_EQ(captions(frm.lblRoundAve), (Strings{"36.008"}));
        EXPECT_EQ(captions(frm.lblRoundNum), (Strings{"12"}));
        EXPECT_EQ(frm.lblTotalT.font().Bold, c.totalBold);
        EXPECT_EQ(frm.lblRAveT.font().Bold, !c.totalBold);
        EXPECT_EQ(frm.lblGoukei[1].font().Bold, c.totalBold);
        EXPECT_EQ(frm.lblRoundAve[1].font().Bold, !c.totalBold);
        // Fewer than five members still give five columns, captioned as far as they go.
        EXPECT_EQ(frm.linMNoTate.UBound(), 4);
        EXPECT_EQ(frm.lblMNo[2].Caption(), "M2");
        EXPECT_EQ(frm.lblMNo[2].Width(), 1344);
        frm.Unload();
    }
}

TEST_F(SeasonTeamRankingReport, ATeamOfTwelveShowsTenMembersAndCountsThemAll) {
    teams({{"A", 12}});
    loadPage(frm, 1);
    EXPECT_EQ(captions(frm.lblTeamMemberNum), (Strings{"12"}));
    EXPECT_EQ(captions(frm.lblRoundNum), (Strings{"36"}));
    EXPECT_EQ(frm.lblMNo.UBound(), 10 + 10);
    EXPECT_EQ(frm.lblMNo[10].Caption(), "M10");
    EXPECT_EQ(frm.lblMNo[10].Width(), 672);
    frm.Unload();
}

TEST_F(SeasonTeamRankingReport, MoreMembersThanTheCountHoldsFailOnTheWindowsPath) {
    typTeamRankRow big;
    big.TeamID = "A";
    big.Members = 20000;
    gtypTeamRankRows.append(big);
    gtypTeamRankRows.append(big);
    loadPage(frm, -1, -1);
    EXPECT_TRUE(frm.passFailed());
    EXPECT_EQ(desk.messages()[0].prompt, "frmPfSeasonTeamRanking::pfDataSet(): オーバーフローしました。");
    frm.Unload();
}

} // namespace
