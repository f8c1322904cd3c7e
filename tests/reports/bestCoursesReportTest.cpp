#include <gtest/gtest.h>

#include "seasonRowsFixture.h"

#include "reports/season/frmPfSeasonRoundRanking.h"

using namespace seasonreport;

namespace {

class BestCoursesReport : public SeasonReport {
protected:
    // A player's best course: course `course` of game `game`, its holes, the
    // handicap that went into its total, and the rank.
    static typSeasonScore courseRow(int32_t id, int32_t game, int32_t course, std::initializer_list<int32_t> holes,
                                    int32_t handicap, int32_t rank) {
        typSeasonScore r = row(id, game, {}, handicap, rank);
        r.Games = course;
        std::size_t h = 0;
        for (int32_t s : holes) {
            r.HoleScore[h++] = s;
            r.Strokes += s;
        }
        r.HolesDone = static_cast<int32_t>(h);
        r.Total = r.Strokes * 10 + handicap;
        return r;
    }
    frmPfSeasonRoundRanking frm;
};

TEST_F(BestCoursesReport, EachBestCourseShowsItsOwnGamesDateCourseNameAndHandicap) {
    gtypSeasonGameRows.append(courseRow(103, 1, 2, {3, 1, 4, 2, 5, 3, 2, 4, 3}, 5, 1)); // per course
    gtypSeasonGameRows.append(courseRow(101, 0, 3, {3, 3, 3, 3, 3, 3, 3, 3, 3}, 0, 2)); // no handicap
    gtypSeasonGameRows.append(courseRow(104, 2, 1, {4, 4, 4, 4, 3, 3, 3, 3, 2}, 20, 2)); // per game: 60 over 3
    gtypSeasonGame.JudgeBirthday = 1;
    loadPage(frm, 1);
    EXPECT_EQ(frm.lblScorePage.Caption(), "通算ベスト・コース（1/1）");
    EXPECT_EQ(frm.lblEntryNum.Caption(), "参加 3名");
    EXPECT_EQ(captions(frm.lblNo), (Strings{"1", "2", "2"}));
    EXPECT_EQ(captions(frm.lblName), (Strings{"千葉次郎", "青木一郎", "土井三郎"}));
    EXPECT_EQ(captions(frm.lblDate), (Strings{"H5/05/05", "H21/10/12", "H20/12/26"}));
    EXPECT_EQ(captions(frm.lblRound), (Strings{"E", "C", "G"}));
    const Strings holes = captions(frm.lblScore);
    EXPECT_EQ(Strings(holes.begin(), holes.begin() + 9), (Strings{"3", "①", "4", "2", "5", "3", "2", "4", "3"}));
    EXPECT_EQ(captions(frm.lblJituDa), (Strings{"27", "27", "30"}));
    EXPECT_EQ(captions(frm.lblHits), (Strings{"0.5", "", "2"}));
    EXPECT_EQ(captions(frm.lblGoukei), (Strings{"27.5", "27", "32"}));
    EXPECT_EQ(captions(frm.lblBirthday), (Strings{"38.288", "59.532", "61.570"}));
    EXPECT_EQ(captions(frm.lblAge), (Strings{"(38,M)", "(59,M)", "(61,M)"}));
    // No groups: a thick rule opens the page, thin ones part the rows.
    EXPECT_EQ(ys(frm.linFutoYoko), (std::vector<double>{1200, 2280}));
    EXPECT_EQ(ys(frm.linHosoYoko), (std::vector<double>{1560, 1920}));
    EXPECT_EQ(gtypGame.Date, "2008/12/26");
    frm.Unload();
}

TEST_F(BestCoursesReport, HoleColumnsShareTheirBandEvenly) {
    gtypSeasonGameRows.append(courseRow(101, 0, 1, {3, 3}, 0, 1));
    const struct {
        int16_t holes;
        double width;
    } cases[] = {{9, 473}, {8, 532}, {12, 355}, {18, 237}};
    for (const auto& c : cases) {
        gtypSeasonGame.Hole = c.holes;
        loadPage(frm, 1);
        ASSERT_EQ(frm.lblHoleNo.UBound(), c.holes);
        EXPECT_EQ(frm.lblHoleNo[c.holes].Caption(), std::to_string(c.holes));
        EXPECT_EQ(frm.lblHoleNo[2].Left(), 4140 + c.width) << c.holes;
        EXPECT_EQ(frm.lblScore[c.holes].Left(), 4140 + (c.holes - 1) * c.width) << c.holes;
        EXPECT_EQ(frm.lblScore[c.holes].Width(), c.width) << c.holes;
        EXPECT_EQ(frm.linRoundTate.UBound(), c.holes - 1);
        EXPECT_EQ(frm.linRoundTate[c.holes - 1].Y2(), 1560);
        // Holes the course never had print "-".
        EXPECT_EQ(frm.lblScore[c.holes].Caption(), "-");
        frm.Unload();
    }
}

TEST_F(BestCoursesReport, ACourseNumberOutsideTheGameFailsOnTheWindowsPath) {
    gtypSeasonGameRows.append(courseRow(101, 0, 11, {3}, 0, 1));
    loadPage(frm, 1);
    EXPECT_TRUE(frm.passFailed());
    EXPECT_EQ(desk.messages()[0].prompt, "frmPfSeasonRoundRanking::pfDataSet(): インデックスが有効範囲にありません。");
    frm.Unload();
    desk.boxes.clear();
    gtypSeasonGameRows[0].Games = 1;
    gtypSeasonGame.Hole = 0;
    loadPage(frm, 1);
    EXPECT_EQ(desk.messages()[0].prompt, "frmPfSeasonRoundRanking::pfDataSet(): 0 で除算しました。");
    frm.Unload();
}

} // namespace
