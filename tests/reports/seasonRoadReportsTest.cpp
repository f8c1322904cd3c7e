#include "seasonReportFixture.h"

#include "platform/forms/Label.h"
#include "platform/forms/Simulation.h"
#include "reports/game/frmSelectPrintMember.h"
#include "reports/game/reportWindow.h"
#include "reports/season/frmPrintTotalGames.h"

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace sim = forms::sim;

namespace {

// The season window's buttons of the rankings, the team reports and the
// personal reports, each pressed in the window and previewed. Game 2 is
// rewritten: per-course handicaps of 1.0, every player a stroke a hole
// better than in game 1 (101 plays every hole in one) except 106, who did
// worse.
class SeasonRoadReports : public SeasonReportFixture {
protected:
    SeasonRoadReports() {
        testsupport::GameEntry g = game("2010/06/20", "夏季大会");
        g.handiCapKind = 1;
        g.roundNames = {"い", "ろ"};
        for (auto& s : g.scores) {
            const char strokes = s.id == 106 ? '9' : static_cast<char>(s.holes[0] - 1);
            for (std::size_t k = 0; k < s.holes.size(); k += 2) s.holes[k] = strokes;
            s.handicap = 10;
        }
        data.writeGame(2, g);
        gsReadGameList();
        setPreviewWindow([this](forms::Form*) {
            ReportWindow& frm = dynamic_cast<ReportWindow&>(*gfrmPrintForm);
            gintPrintPageNo = 1;
            frm.Load();
            Page page{frm.Name(), {}};
            for (const forms::Control* c : frm.Controls())
                if (const auto* label = dynamic_cast<const forms::Label*>(c); label && label->Visible())
                    page.texts.push_back(label->Caption());
            frm.Unload();
            pages.push_back(page);
        });
    }
    // Opens the season window, runs `script` in it and closes it.
    void open(const std::function<void(frmPrintTotalGames&)>& script) {
        frmPrintTotalGames f;
        desk.runModal(f, [&] {
            script(f);
            sim::click(f.btnOK);
        });
    }
    // The player chooser picks the first player offered (101) with a double click.
    void choosePlayer() {
        desk.modal.add<frmSelectPrintMember>([](frmSelectPrintMember& d) { sim::dblClickItem(d.lstMember, 0); });
    }
    // The visible labels of the first page previewed, in collection order.
    struct Page {
        std::string window;
        std::vector<std::string> texts;
        bool has(const std::string& s) const { return std::find(texts.begin(), texts.end(), s) != texts.end(); }
        // The position of a text, to compare the order of rows.
        long at(const std::string& s) const { return std::find(texts.begin(), texts.end(), s) - texts.begin(); }
    };
    std::vector<Page> pages;
};

TEST_F(SeasonRoadReports, BestGamesShowTheHandicapOfEachGameOrNoneWhenTalliedWithout) {
    open([](frmPrintTotalGames& f) {
        sim::click(f.btnBestGame);
        sim::click(f.optHandicap[1]); // tallied without handicaps
        sim::click(f.btnBestGame);
    });
    ASSERT_EQ(pages.size(), 2u);
    for (const Page& p : pages) {
        EXPECT_EQ(p.window, "frmPfSeasonGameRanking");
        EXPECT_TRUE(p.has("通算ベスト・ゲーム（1/1）"));
        EXPECT_TRUE(p.has("参加 6名"));
        EXPECT_TRUE(p.has("C2"));
        EXPECT_TRUE(p.has("H22/06/20")); // the best games of 101 to 105
        EXPECT_TRUE(p.has("H22/04/10")); // 106's
    }
    EXPECT_TRUE(pages[0].has("2"));    // two courses of 1.0
    EXPECT_TRUE(pages[0].has("20"));   // 101: 18 strokes and 2.0
    EXPECT_FALSE(pages[0].has("0"));
    EXPECT_TRUE(pages[1].has("0"));    // a game with handicaps, tallied without
    EXPECT_TRUE(pages[1].has("18"));
    EXPECT_TRUE(desk.messages().empty());
    EXPECT_EQ(forms::Screen::MousePointer(), forms::vbDefault);
}

TEST_F(SeasonRoadReports, BestCoursesShowTheCourseNameOfTheirOwnGame) {
    open([](frmPrintTotalGames& f) { sim::click(f.btnBestRound); });
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(pages[0].window, "frmPfSeasonRoundRanking");
    EXPECT_TRUE(pages[0].has("通算ベスト・コース（1/1）"));
    EXPECT_TRUE(pages[0].has("い"));
    EXPECT_TRUE(pages[0].has("①"));
}

TEST_F(SeasonRoadReports, TheTeamReportsCountTeamsAndMembers) {
    open([](frmPrintTotalGames& f) {
        sim::click(f.btnTeamList);
        sim::click(f.btnTeamRanking);
    });
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[0].window, "frmPfSeasonTeamList");
    EXPECT_TRUE(pages[0].has("通算チーム一覧表（1/1）"));
    EXPECT_TRUE(pages[0].has("参加 2ﾁｰﾑ、のべ3名"));
    EXPECT_EQ(gintTeamCount, 2);
    EXPECT_EQ(pages[1].window, "frmPfSeasonTeamRanking");
    EXPECT_TRUE(pages[1].has("通算チーム順位表（1/1）"));
    EXPECT_TRUE(pages[1].has("参加 2ﾁｰﾑ、のべ3名"));
    EXPECT_EQ(gintEntryCount, 3);
}

TEST_F(SeasonRoadReports, APlayersGamesPrintByDateByResultOrAsGameInformation) {
    open([this](frmPrintTotalGames& f) {
        for (int form : {0, 1, 2}) {
            sim::click(f.optPrivateGames[form]);
            choosePlayer();
            sim::click(f.btnPrivateRanking);
        }
    });
    ASSERT_EQ(pages.size(), 3u);
    const std::string title = gstrDlgParam3 + " ： 【青木】";
    EXPECT_EQ(pages[0].window, "frmPfSeasonPersonalGameScore");
    EXPECT_TRUE(pages[0].has("個別ゲーム一覧表（1/1）"));
    EXPECT_TRUE(pages[0].has(title));
    EXPECT_TRUE(pages[0].has("参加 2回"));
    EXPECT_LT(pages[0].at("平成22年04月10日(土)"), pages[0].at("平成22年06月20日(日)")); // by date
    EXPECT_GT(pages[1].at("平成22年04月10日(土)"), pages[1].at("平成22年06月20日(日)")); // by result
    EXPECT_EQ(pages[2].window, "frmPfSeasonPersonalGameInfo");
    EXPECT_TRUE(pages[2].has("個別ゲーム情報表（1/1）"));
    EXPECT_TRUE(pages[2].has("夏季大会"));
    EXPECT_TRUE(pages[2].has(title));
}

TEST_F(SeasonRoadReports, ByResultMoreCompletedCoursesComeFirstWhateverTheTotal) {
    testsupport::GameEntry g = game("2010/04/10", "春季大会");
    g.scores[0].holes = "1,1,1,1,1,1,1,1,1,,,,,,,,,,"; // 101 completes only course 1 of game 1
    data.writeGame(1, g);
    gsReadGameList();
    open([this](frmPrintTotalGames& f) {
        sim::click(f.optPrivateGames[1]);
        choosePlayer();
        sim::click(f.btnPrivateRanking);
    });
    ASSERT_EQ(pages.size(), 1u);
    // Game 2 (two courses, 20) before the earlier game 1 (one course, 9).
    EXPECT_GT(pages[0].at("平成22年04月10日(土)"), pages[0].at("平成22年06月20日(日)"));
    EXPECT_TRUE(pages[0].has("9"));
    EXPECT_TRUE(pages[0].has("20"));
}

TEST_F(SeasonRoadReports, APlayersCoursesPrintAsScoreCardsWithEachGamesOwnHandicaps) {
    open([this](frmPrintTotalGames& f) {
        choosePlayer();
        sim::click(f.btnPrivateScore);
        sim::click(f.optHandicap[1]); // the cards still show what each game stored
        choosePlayer();
        sim::click(f.btnPrivateScore);
    });
    ASSERT_EQ(pages.size(), 2u);
    for (const Page& p : pages) {
        EXPECT_EQ(p.window, "frmPfSeasonPersonalRoundScore");
        EXPECT_TRUE(p.has("個別スコア表（1/1）"));
        EXPECT_TRUE(p.has("参加 2回"));
        EXPECT_TRUE(p.has("[ A ]"));
        EXPECT_TRUE(p.has("36")); // game 1: two courses of 18 strokes
        // Game 2: subtotals of 9 strokes and 1.0 a course, a total of 20.
        EXPECT_TRUE(p.has("10"));
        EXPECT_TRUE(p.has("20"));
    }
    EXPECT_EQ(gtypPersonalGame.Hole, 9);
    EXPECT_EQ(gtypPersonalGame.Round, 2);
}

TEST_F(SeasonRoadReports, ThePersonalReportsSizeTheirColumnsByThePlayersLargestGame) {
    testsupport::GameEntry g = game("2010/06/20", "夏季大会");
    g.hole = 8;
    g.round = 3;
    data.writeGame(2, g);
    gsReadGameList();
    gstrGamesFormatMix = "11";
    open([this](frmPrintTotalGames& f) {
        choosePlayer();
        sim::click(f.btnPrivateRanking);
    });
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(gtypPersonalGame.Hole, 9);
    EXPECT_EQ(gtypPersonalGame.Round, 3);
    EXPECT_TRUE(pages[0].has("C3"));
    EXPECT_TRUE(pages[0].has("／")); // the 2-course game has no third course
}

} // namespace
