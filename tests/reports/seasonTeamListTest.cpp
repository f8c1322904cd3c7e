#include <gtest/gtest.h>

#include "seasonRowsFixture.h"

#include "reports/season/frmPfSeasonTeamList.h"

using namespace seasonreport;

namespace {

class SeasonTeamListReport : public SeasonReport {
protected:
    // A member's sums over the games played for `team`.
    static typSeasonScore member(int32_t id, const char* team, int32_t courses, int32_t strokes, int32_t handicap) {
        typSeasonScore r;
        r.IDNo = id;
        r.TeamID = team;
        r.RoundsDone = courses;
        r.Strokes = strokes;
        r.Handicap = handicap;
        r.Total = strokes * 10 + handicap;
        return r;
    }
    frmPfSeasonTeamList frm;
};

TEST_F(SeasonTeamListReport, TeamsOpenWithTheirNumberAndNameAndAPlayerOfTwoTeamsCountsTwice) {
    gtypBelongs.append({1, "北山パークゴルフ協会", "北山", 0, 0});
    gtypPlayers[0].BelongID = 1;
    gtypSeasonTeamRows.append(member(101, "A", 3, 100, 5)); // 1005 tenths over 3 courses
    gtypSeasonTeamRows.append(member(102, "A ", 2, 70, 0)); // outer blanks: the same team
    gtypSeasonTeamRows.append(member(103, "A", 0, 0, 0));   // no complete course
    gtypSeasonTeamRows.append(member(101, "B", 1, 33, -15));
    gtypSeasonTeamRows.append(member(104, "B", 1, 35, 0));
    gtypSeasonGame.TeamHowtoRank = 1;
    gintTeamCount = 9;
    loadPage(frm, 1);
    EXPECT_EQ(gintTeamCount, 2);
    EXPECT_EQ(frm.lblEntryNum.Caption(), "参加 2ﾁｰﾑ、のべ5名");
    EXPECT_EQ(frm.lblScorePage.Caption(), "通算チーム一覧表（1/1）");
    EXPECT_EQ(captions(frm.lblNo), (Strings{"1", "2"}));
    EXPECT_EQ(captions(frm.lblTeamID), (Strings{"A", "B"}));
    EXPECT_EQ(frm.lblTeamID[2].Top(), 1200 + 3 * 360 + 60);
    EXPECT_EQ(captions(frm.lblMNo), (Strings{"M1", "M2", "M3", "M1", "M2"}));
    EXPECT_EQ(captions(frm.lblName), (Strings{"青木一郎", "馬場花子", "千葉次郎", "青木一郎", "土井三郎"}));
    EXPECT_EQ(captions(frm.lblAge), (Strings{"(59,M)", "(-,F)", "(54,M)", "(59,M)", "(62,M)"}));
    EXPECT_EQ(captions(frm.lblRoundNum), (Strings{"3", "2", "-", "1", "1"}));
    EXPECT_EQ(captions(frm.lblRHits), (Strings{"100", "70", "-", "33", "35"}));
    EXPECT_EQ(captions(frm.lblHits), (Strings{"0.5", "0", "-", "-1.5", "0"}));
    EXPECT_EQ(captions(frm.lblGoukei), (Strings{"100.5", "70", "-", "31.5", "35"}));
    EXPECT_EQ(captions(frm.lblRoundAve), (Strings{"33.50", "35.00", "-", "31.50", "35.00"}));
    EXPECT_EQ(captions(frm.lblBelong), (Strings{"北山パークゴルフ協会", "", "", "北山パークゴルフ協会", ""}));
    // Thick rules open the teams; thin ones from 1140 part the members.
    EXPECT_EQ(ys(frm.linFutoYoko), (std::vector<double>{1200, 2280, 3000}));
    EXPECT_EQ(ys(frm.linHosoYoko), (std::vector<double>{1560, 1920, 2640}));
    EXPECT_EQ(frm.linHosoYoko[1].X1(), 1140);
    EXPECT_EQ(frm.linFutoYoko[2].X1(), 240);
    // Ranked by average: the average column is bold, the total plain.
    EXPECT_TRUE(frm.lblRAveT.font().Bold);
    EXPECT_FALSE(frm.lblTotalT.font().Bold);
    EXPECT_TRUE(frm.lblRoundAve[1].font().Bold);
    EXPECT_FALSE(frm.lblGoukei[1].font().Bold);
    frm.Unload();

    gtypSeasonGame.TeamHowtoRank = 0; // by total: the reverse
    loadPage(frm, 1);
    EXPECT_TRUE(frm.lblTotalT.font().Bold);
    EXPECT_FALSE(frm.lblRAveT.font().Bold);
    EXPECT_TRUE(frm.lblGoukei[1].font().Bold);
    EXPECT_FALSE(frm.lblRoundAve[1].font().Bold);
    frm.Unload();
}

TEST_F(SeasonTeamListReport, ATeamRunningOntoANewPageRepeatsItsNumberAndName) {
    for (int i = 0; i < 35; ++i) gtypSeasonTeamRows.append(member(102, "X", 1, 30, 0));
    for (int i = 0; i < 5; ++i) gtypSeasonTeamRows.append(member(101, "A", 1, 30, 0));
    EXPECT_EQ(countPages(frm), 2);
    loadPage(frm, 1, 2);
    EXPECT_EQ(captions(frm.lblTeamID), (Strings{"X", "A"}));
    EXPECT_EQ(captions(frm.lblMNo).back(), "M2");
    frm.Unload();
    loadPage(frm, 2, 2);
    EXPECT_EQ(frm.lblScorePage.Caption(), "通算チーム一覧表（2/2）");
    EXPECT_EQ(captions(frm.lblNo), (Strings{"2"}));
    EXPECT_EQ(captions(frm.lblTeamID), (Strings{"A"}));
    EXPECT_EQ(captions(frm.lblMNo), (Strings{"M3", "M4", "M5"}));
    EXPECT_EQ(ys(frm.linFutoYoko), (std::vector<double>{1200, 2280}));
    frm.Unload();
}

} // namespace
