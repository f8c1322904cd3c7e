#include <gtest/gtest.h>

#include "reportFixture.h"
#include "reportPages.h"

#include "core/resultRecords.h"
#include "platform/forms/testing/RecordingPrinter.h"
#include "platform/forms/testing/TestDesktop.h"
#include "reports/game/frmPfTeamRanking.h"

#include <string>
#include <vector>

using reportfixture::captions;
using reportfixture::PageLoad;
using Strings = std::vector<std::string>;

namespace {

class TeamRanking : public testing::Test {
protected:
    TeamRanking() { reportfixture::makeGame(2, 3); }
    ~TeamRanking() override {
        gtypRankRows.clear();
        gtypTeamRankRows.clear();
        reportfixture::clearGame();
    }
    // A team of `members` members, each 1234 tenths over 3 courses, and its rank.
    static void team(const std::string& name, int32_t members, int32_t rank, int16_t done = 3) {
        typTeamRankRow t;
        t.TeamID = name;
        t.FirstMember = static_cast<int32_t>(gtypRankRows.size());
        t.Members = members;
        t.Rank = rank;
        for (int32_t m = 0; m < members; ++m) {
            typRankRow r;
            r.TeamID = name;
            r.RoundsDone = done;
            r.Strokes = done == 0 ? 0 : 123;
            r.Total = done == 0 ? 0 : 1234;
            gtypRankRows.push_back(r);
            t.RoundsDone += done;
            t.Total += r.Total;
        }
        gtypTeamRankRows.push_back(t);
    }
    // Member cells of the rows, after the header captions.
    Strings memberCells(int headers) const { return captions(frm.lblMNo, headers + 1); }

    forms::doubles::TestDesktop desk;
    forms::doubles::RecordingPrinter rec;
    frmPfTeamRanking frm;
};

TEST_F(TeamRanking, MemberColumnsFollowTheLargestTeam) {
    struct Case {
        int32_t largest;
        int32_t columns, width;
    };
    for (const Case c : {Case{3, 5, 1344}, Case{6, 6, 1120}, Case{7, 7, 960}, Case{8, 8, 840}, Case{9, 9, 747},
                         Case{10, 10, 672}, Case{12, 10, 672}}) {
        gtypRankRows.clear();
        gtypTeamRankRows.clear();
        team("A", 2, 1);
        team("B", c.largest, 2);
        PageLoad page(frm, 1);
        EXPECT_EQ(frm.memberWidth(), c.width) << c.largest;
        EXPECT_EQ(frm.linMNoTate.UBound(), c.columns - 1);
        EXPECT_EQ(frm.linMNoTate[1].X1(), 4320 + c.width);
        const int headers = std::min(c.largest, 10);
        Strings expected;
        for (int h = 1; h <= headers; ++h) expected.push_back("M" + std::to_string(h));
        const Strings all = captions(frm.lblMNo);
        EXPECT_EQ(all.size(), static_cast<std::size_t>(headers + 2 + headers));
        EXPECT_EQ(Strings(all.begin(), all.begin() + headers), expected);
        EXPECT_EQ(frm.lblMNo[headers + 2].Left(), 4320 + c.width);
        EXPECT_EQ(frm.lblMNo[headers + 2].Width(), c.width);
        EXPECT_EQ(frm.linMNoTate[1].Y2(), 1920);
    }
}

TEST_F(TeamRanking, ATeamOfTwelveCountsWholeAndShowsTenMembers) {
    team("A", 12, 1);
    gtypGame.TeamHowtoRank = 1;
    gtypTeamRankRows[0].Total = 4321;
    gtypTeamRankRows[0].RoundsDone = 12;
    gtypRankRows[9].RoundsDone = 0; // the tenth member completed no course
    gintTeamCount = 1;
    PageLoad page(frm, 1);
    EXPECT_EQ(frm.lblScorePage.Caption(), "チーム順位表（1/1）");
    EXPECT_EQ(frm.lblEntryNum.Caption(), "参加 1ﾁｰﾑ、12名");
    EXPECT_EQ(captions(frm.lblTeamMemberNum), (Strings{"12"}));
    EXPECT_EQ(captions(frm.lblRoundNum), (Strings{"12"}));
    EXPECT_EQ(captions(frm.lblGoukei), (Strings{"432.1"}));
    EXPECT_EQ(captions(frm.lblRoundAve), (Strings{"36.008"}));
    EXPECT_FALSE(frm.lblGoukei[1].font().Bold);
    EXPECT_TRUE(frm.lblRoundAve[1].font().Bold);
    EXPECT_FALSE(frm.lblTotalT.font().Bold);
    EXPECT_TRUE(frm.lblRAveT.font().Bold);
    Strings cells(9, "41.13");
    cells.push_back("-");
    EXPECT_EQ(memberCells(10), cells);
    EXPECT_EQ(frm.lblTeamID[1].font().Size, 11.25);
}

TEST_F(TeamRanking, OnTotalStrokesMembersShowTheirTotals) {
    team("A", 2, 1);
    team("B", 2, 1);
    team("C", 1, 3, 0);
    gtypRankRows[1].Strokes = 0;
    gtypGame.TeamHowtoRank = 0;
    PageLoad page(frm, 1);
    EXPECT_EQ(captions(frm.lblNo), (Strings{"1", "1", "3"}));
    EXPECT_EQ(memberCells(2), (Strings{"123.4", "-", "123.4", "123.4", "-"}));
    EXPECT_EQ(captions(frm.lblRoundNum), (Strings{"6", "6", "-"}));
    EXPECT_EQ(captions(frm.lblGoukei), (Strings{"246.8", "246.8", "-"}));
    EXPECT_EQ(captions(frm.lblRoundAve), (Strings{"41.133", "41.133", "-"}));
    EXPECT_TRUE(frm.lblGoukei[1].font().Bold);
    EXPECT_FALSE(frm.lblRoundAve[1].font().Bold);
}

TEST_F(TeamRanking, ThirtyEightTeamsMakeTwoPagesWithTheSameColumns) {
    for (int i = 0; i < 38; ++i) team("T" + std::to_string(i), i == 0 ? 7 : 1, i + 1);
    EXPECT_EQ(reportfixture::countPages(frm), 2);
    PageLoad page(frm, 2, 2);
    EXPECT_EQ(captions(frm.lblNo), (Strings{"38"}));
    EXPECT_EQ(frm.memberWidth(), 960);
    EXPECT_EQ(captions(frm.lblMNo).front(), "M1");
}

TEST_F(TeamRanking, PreviewsFiveMillimetresDown) {
    team("A", 2, 1);
    int32_t offset = 0;
    setPreviewWindow([&](forms::Form*) { offset = gintOffsetYmm; });
    EXPECT_FALSE(gfPrintTeamRanking(0, nullptr));
    setPreviewWindow(nullptr);
    EXPECT_EQ(offset, 5);
}

} // namespace
