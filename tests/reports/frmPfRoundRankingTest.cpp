#include <gtest/gtest.h>

#include "reportFixture.h"
#include "reportPages.h"

#include "core/resultRecords.h"
#include "platform/forms/testing/RecordingPrinter.h"
#include "platform/forms/testing/TestDesktop.h"
#include "reports/game/frmPfRoundRanking.h"

#include <string>
#include <vector>

using reportfixture::captions;
using reportfixture::PageLoad;
using Strings = std::vector<std::string>;

namespace {

class BestCourse : public testing::Test {
protected:
    BestCourse() {
        reportfixture::makeGame(4, 3);
        gtypGame.RoundName = {"東", "西", "南"};
    }
    ~BestCourse() override {
        gtypBestCourseRows.clear();
        reportfixture::clearGame();
    }
    // The best course of player 100 + n: course `course` with these holes.
    static typBestCourseRow row(int n, int16_t course, const Strings& holes, int32_t strokes, int32_t handicap,
                                int32_t rank) {
        typBestCourseRow r;
        r.IDNo = 100 + n;
        r.RoundNo = course;
        for (std::size_t h = 0; h < holes.size(); ++h) r.Holes[h] = holes[h];
        r.Strokes = strokes;
        r.Handicap = handicap;
        r.Total = strokes * 10 + handicap;
        r.Rank = rank;
        return r;
    }
    Strings holeCells() const { return captions(frm.lblScore, gtypGame.Hole + 1); }

    forms::doubles::TestDesktop desk;
    forms::doubles::RecordingPrinter rec;
    frmPfRoundRanking frm;
};

TEST_F(BestCourse, AHoleInOneAndAPlayerWithoutACompleteCourse) {
    gtypGame.JudgeBirthday = 1;
    gtypBestCourseRows.assign({row(1, 2, {"2", "1", "3", "3", "2", "4", "2", "3", "2"}, 22, 0, 1),
                               row(2, 2, {"2", "1", " 3", "3 ", "2", "4", "2", "3", "2"}, 22, 0, 1),
                               row(3, 0, {}, 0, 0, 3)});
    PageLoad page(frm, 1);
    EXPECT_EQ(frm.lblScorePage.Caption(), "ベスト・コース（1/1）");
    EXPECT_EQ(frm.lblEntryNum.Caption(), "参加 4名");
    EXPECT_EQ(captions(frm.lblNo), (Strings{"1", "1", "3"}));
    EXPECT_EQ(captions(frm.lblRound), (Strings{"西", "西", "-"}));
    const Strings cells = holeCells();
    EXPECT_EQ(Strings(cells.begin(), cells.begin() + 9), (Strings{"2", "①", "3", "3", "2", "4", "2", "3", "2"}));
    // Blanks around a stored count are not printed.
    EXPECT_EQ(Strings(cells.begin() + 9, cells.begin() + 18), (Strings{"2", "①", "3", "3", "2", "4", "2", "3", "2"}));
    EXPECT_EQ(Strings(cells.begin() + 18, cells.end()), Strings(9, "-"));
    EXPECT_EQ(captions(frm.lblJituDa), (Strings{"22", "22", "-"}));
    EXPECT_EQ(captions(frm.lblSyokei), (Strings{"22", "22", "-"}));
    EXPECT_EQ(captions(frm.lblHits), (Strings{"", "", ""}));
    EXPECT_EQ(frm.lblHcTittle.Caption(), "");
    EXPECT_EQ(captions(frm.lblAge), (Strings{"(59,M)", "(59,F)", "(59,M)"}));
    EXPECT_EQ(captions(frm.lblBirthday), (Strings{"S25/04/01", "S25/04/01", "S25/04/01"}));
    // Thin rules across the table between the rows; no groups.
    ASSERT_EQ(frm.linHoso1.UBound(), 2);
    EXPECT_EQ(frm.linHoso1[1].X1(), 180);
    EXPECT_EQ(frm.linHoso1[2].Y1(), 1920);
    EXPECT_EQ(frm.linFutoYoko.UBound(), 2);
    EXPECT_EQ(frm.linScoreTate[8].Y2(), 2280);
}

TEST_F(BestCourse, HandicapsShowWhereTheGameHasThem) {
    gtypGame.HandiCapKind = 2;
    gtypBestCourseRows.assign({row(1, 1, Strings(9, "5"), 45, 30, 1), row(2, 0, {}, 0, 0, 2)});
    PageLoad page(frm, 1);
    EXPECT_EQ(frm.lblHcTittle.Caption(), "Hc");
    EXPECT_EQ(captions(frm.lblHits), (Strings{"3", "-"}));
    EXPECT_EQ(captions(frm.lblSyokei), (Strings{"48", "-"}));
    EXPECT_EQ(captions(frm.lblBirthday), (Strings{"-", "-"}));
}

TEST_F(BestCourse, HoleColumnsShareTheirBand) {
    struct Case {
        int16_t holes;
        int32_t width;
    };
    for (const Case c : {Case{9, 547}, Case{12, 410}, Case{18, 273}}) {
        gtypGame.Hole = c.holes;
        gtypBestCourseRows.assign({row(1, 1, Strings(static_cast<std::size_t>(c.holes), "4"), 4 * c.holes, 0, 1)});
        PageLoad page(frm, 1);
        EXPECT_EQ(frm.holeWidth(), c.width);
        EXPECT_EQ(captions(frm.lblScore).at(static_cast<std::size_t>(c.holes - 1)), std::to_string(c.holes));
        EXPECT_EQ(frm.lblScore[2 * c.holes].Left(), 3120 + (c.holes - 1) * c.width);
        EXPECT_EQ(frm.linScoreTate.UBound(), c.holes - 1);
    }
}

TEST_F(BestCourse, ThirtySevenRowsFillAPage) {
    for (int i = 0; i < 37; ++i) gtypBestCourseRows.push_back(row(1, 1, Strings(9, "4"), 36, 0, 1));
    EXPECT_EQ(reportfixture::countPages(frm), 1);
    gtypBestCourseRows.push_back(row(2, 1, Strings(9, "4"), 36, 0, 38));
    EXPECT_EQ(reportfixture::countPages(frm), 2);
    PageLoad page(frm, 2, 2);
    EXPECT_EQ(captions(frm.lblNo), (Strings{"38"}));
}

TEST_F(BestCourse, ACourseNumberOutsideTheGameFailsOnTheWindowsErrorPath) {
    gtypBestCourseRows.assign({row(1, 11, Strings(9, "4"), 36, 0, 1)});
    PageLoad page(frm, 1);
    EXPECT_TRUE(frm.passFailed());
    EXPECT_EQ(desk.messages().at(0).prompt, "frmPfRoundRanking::pfDataSet(): インデックスが有効範囲にありません。");
    EXPECT_EQ(desk.messages().at(1).prompt, "印刷中にエラーが発生しました！ 再実行してください。");
    // The page is drawn as far as it was laid out.
    EXPECT_EQ(captions(frm.lblNo), (Strings{"1"}));
}

} // namespace
