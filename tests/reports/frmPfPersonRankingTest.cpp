#include <gtest/gtest.h>

#include "reportFixture.h"
#include "reportPages.h"

#include "core/resultRecords.h"
#include "platform/forms/testing/RecordingPrinter.h"
#include "platform/forms/testing/TestDesktop.h"
#include "reports/game/frmPfPersonRanking.h"

#include <string>
#include <vector>

using reportfixture::captions;
using reportfixture::PageLoad;
using reportfixture::ys;
using Strings = std::vector<std::string>;

namespace {

class PersonRanking : public testing::Test {
protected:
    PersonRanking() {
        reportfixture::makeGame(6, 3);
        gtypGame.RoundName = {"東", "西", "南"};
    }
    ~PersonRanking() override {
        gtypRankRows.clear();
        reportfixture::clearGame();
    }
    // A ranking row of player 100 + n who completed `done` courses of 40, 41 and 42.
    static typRankRow row(int n, int16_t done, int32_t rank, int32_t handicap = 0) {
        typRankRow r;
        r.IDNo = 100 + n;
        for (int k = 0; k < done; ++k) {
            r.RoundScore[static_cast<std::size_t>(k)] = static_cast<int16_t>(40 + k);
            r.Strokes += 40 + k;
        }
        r.RoundsDone = done;
        r.Handicap = handicap;
        r.Total = r.Strokes * 10 + handicap;
        r.Rank = rank;
        return r;
    }

    forms::doubles::TestDesktop desk;
    forms::doubles::RecordingPrinter rec;
    frmPfPersonRanking frm;
};

TEST_F(PersonRanking, GroupsOfEqualCoursesOpenWithAThickRule) {
    gtypRankRows.assign({row(1, 3, 1), row(2, 3, 1), row(3, 2, 3), row(4, 2, 4), row(5, 0, 5)});
    gintEntryCount = 24;
    PageLoad page(frm, 1);
    EXPECT_EQ(frm.lblScorePage.Caption(), "総合順位表（1/1）");
    EXPECT_EQ(frm.lblEntryNum.Caption(), "参加 24名");
    EXPECT_EQ(captions(frm.lblNo), (Strings{"1", "1", "3", "4", "5"}));
    EXPECT_EQ(captions(frm.lblName), (Strings{"選手1", "選手2", "選手3", "選手4", "選手5"}));
    EXPECT_EQ(captions(frm.lblAge), (Strings{"(59,M)", "(59,F)", "(59,M)", "(59,F)", "(59,M)"}));
    // Thick above rows 1, 3 and 5 and under the last; thin above rows 2 and 4.
    EXPECT_EQ(ys(frm.linFutoYoko), (std::vector<double>{1200, 1920, 2640, 3000}));
    EXPECT_EQ(ys(frm.linHosoYoko), (std::vector<double>{1560, 2280}));
    // Courses of the three players: the uncompleted ones read "-".
    EXPECT_EQ(captions(frm.lblRound), (Strings{"40", "41", "42", "40", "41", "42", "40", "41", "-", "40", "41", "-",
                                               "-", "-", "-"}));
    EXPECT_EQ(captions(frm.lblJituDa), (Strings{"123", "123", "81", "81", "-"}));
    EXPECT_EQ(captions(frm.lblGoukei), (Strings{"123", "123", "81", "81", "-"}));
    EXPECT_EQ(captions(frm.lblRoundNo), (Strings{"東", "西", "南"}));
    EXPECT_EQ(frm.lblRoundNo[1].font().Size, 9);
    EXPECT_EQ(frm.linRoundTate[2].Y2(), 3000);
}

TEST_F(PersonRanking, TheHandicapCellByKind) {
    struct Case {
        int16_t kind;
        int16_t done;
        int32_t handicap;
        const char* cell;
    };
    for (const Case c : {Case{0, 3, 60, ""}, Case{0, 0, 0, ""}, Case{1, 2, -25, "-2.5"}, Case{2, 3, 60, "6"},
                         Case{2, 2, 60, "4"}, Case{2, 1, 50, "1.7"}, Case{2, 0, 60, "-"}}) {
        gtypGame.HandiCapKind = c.kind;
        gtypRankRows.assign({row(1, c.done, 1, c.handicap)});
        PageLoad page(frm, 1);
        EXPECT_EQ(captions(frm.lblHits), (Strings{c.cell})) << c.kind << " " << c.done;
        EXPECT_EQ(frm.lblHcTittle.Caption(), c.kind == 0 ? "" : "Hc");
    }
}

TEST_F(PersonRanking, BirthDatesOnlyUnderTheBirthdayRule) {
    gtypPlayers[1].Birthday = "";
    gtypRankRows.assign({row(1, 3, 1), row(2, 3, 2)});
    gtypGame.JudgeBirthday = 1;
    {
        PageLoad page(frm, 1);
        EXPECT_EQ(captions(frm.lblBirthday), (Strings{"S25/04/01", ""}));
        EXPECT_EQ(captions(frm.lblAge)[1], "(-,F)");
    }
    gtypGame.JudgeBirthday = 0;
    PageLoad page(frm, 1);
    EXPECT_EQ(captions(frm.lblBirthday), (Strings{"-", "-"}));
    EXPECT_EQ(frm.Label1.Caption(), "生年月日");
}

TEST_F(PersonRanking, CourseColumnsShareTheirBand) {
    struct Case {
        int16_t rounds;
        int32_t width;
    };
    gtypRankRows.assign({row(1, 1, 1)});
    for (const Case c : {Case{1, 4620}, Case{3, 1540}, Case{8, 578}, Case{10, 462}}) {
        gtypGame.Round = c.rounds;
        PageLoad page(frm, 1);
        EXPECT_EQ(frm.courseWidth(), c.width);
        EXPECT_EQ(frm.lblRoundNo.UBound(), c.rounds);
        EXPECT_EQ(frm.linRoundTate.UBound(), c.rounds - 1);
        EXPECT_EQ(frm.lblRound[c.rounds].Left(), 3000 + (c.rounds - 1) * c.width);
        EXPECT_EQ(frm.lblRound[c.rounds].Width(), c.width);
    }
}

TEST_F(PersonRanking, ACategoryTitlesThePagesAndThirtyEightRowsMakeTwo) {
    gtypGame.CategoryGender = 2;
    gtypGame.CategoryAgeLow = 60;
    gtypGame.CategoryAgeHigh = -1;
    for (int i = 0; i < 38; ++i) gtypRankRows.push_back(row(1, 3, i + 1));
    EXPECT_EQ(reportfixture::countPages(frm), 2);
    PageLoad page(frm, 2, 2);
    EXPECT_EQ(frm.lblScorePage.Caption(), "部門別（女子：60歳～）順位表（2/2）");
    EXPECT_EQ(captions(frm.lblNo), (Strings{"38"}));
    // The course headers are there on every page.
    EXPECT_EQ(captions(frm.lblRoundNo), (Strings{"東", "西", "南"}));
}

TEST_F(PersonRanking, NoCoursesFailsOnTheWindowsErrorPath) {
    gtypRankRows.assign({row(1, 1, 1)});
    gtypGame.Round = 0;
    EXPECT_TRUE(gfPrintPersonRanking(0, nullptr));
    EXPECT_EQ(desk.messages().at(0).prompt, "frmPfPersonRanking::pfDataSet(): 0 で除算しました。");
}

} // namespace
