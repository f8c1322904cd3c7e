// The main window and the About box as real windows: pictures for people to
// look at (LUMORA_SCREENSHOTS=<folder>) and a check that real mouse input on
// the game list reaches the same commands as the headless suite.
#include "core/frmAbout.h"
#include "core/gameRecords.h"
#include "core/globals.h"
#include "core/iniFile.h"
#include "main/frmMain.h"
#include "main/windowSeams.h"
#include "platform/qt/Screenshot.h"
#include "platform/qt/testing/QtDesktop.h"
#include "support/DataFolder.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

#include <QTest>

using qtui::testing::QtDesktop;

namespace {

// Records the tally window being asked for; no window opens.
class NoTally : public GameWindows {
public:
    bool showTally(forms::Form&, std::function<void()>) override {
        opened.push_back(gtypGame.FileName);
        return false;
    }
    forms::Form* tallyWindow() override { return nullptr; }
    void showSelectPrintScore(forms::Form&) override {}
    void showPrintTotalGames(forms::Form&) override {}
    std::vector<std::string> opened;
};

class MainWindowQt : public ::testing::Test {
protected:
    MainWindowQt() : data(home) {
        setGameWindows(&windows);
        data.writePlayers({{1, "山田太郎", "1950/06/15", 1, 1, "やまだ", "札幌", 0}});
        data.writeSeries({{1, "2010年 春季リーグ", 0}, {2, "2010年 秋季リーグ", 0}, {3, "全道大会", 0}});
        data.writeCources({{1, "札幌中央公園コース", 0}, {2, "旭川河川敷コース", 0}});
    }
    ~MainWindowQt() override { setGameWindows(nullptr); }

    void writeGames() {
        const char* titles[] = {"春季リーグ第1戦", "春季リーグ第2戦", "練習会", "春季リーグ第3戦", "全道大会 予選",
                                "全道大会 決勝", "秋季リーグ開幕戦", "秋季リーグ第2戦", "秋季リーグ第3戦",
                                "親睦大会", "秋季リーグ最終戦", "納会"};
        const int shapes[][2] = {{9, 4}, {9, 4}, {9, 2}, {9, 4}, {18, 2}, {18, 2},
                                 {9, 4}, {9, 4}, {12, 3}, {9, 2}, {9, 4}, {9, 2}};
        const int series[] = {1, 1, 0, 1, 3, 3, 2, 2, 2, 0, 2, 0};
        for (int n = 1; n <= 12; ++n) {
            testsupport::GameEntry g;
            g.date = "2010/" + std::string(n < 10 ? "0" : "") + std::to_string(n) + "/1" + std::to_string(n % 10);
            g.title = titles[n - 1];
            g.seriesId = series[n - 1];
            g.courceId = n % 3;
            g.hole = shapes[n - 1][0];
            g.round = shapes[n - 1][1];
            for (int p = 1; p <= 5 + n; ++p) g.scores.push_back({p, "", "", 0});
            data.writeGame(n, g);
        }
        data.writeManager("12");
    }

    void picture(forms::Form& f, const std::string& name) {
        ASSERT_TRUE(desk.show(f)) << name;
        QTest::qWait(50);
        qtui::saveScreenshotIfAsked(f, name);
    }

    testsupport::TempHome home;
    testsupport::DataFolder data;
    NoTally windows;
    QtDesktop desk;
};

} // namespace

TEST_F(MainWindowQt, PictureOfAnEmptyStart) {
    frmMain f;
    picture(f, "frmMain_empty");
    EXPECT_EQ(f.lblGameListCount.Caption(), "0 ｹﾞｰﾑ");
    f.Unload();
}

TEST_F(MainWindowQt, PictureWithGamesAndARealDoubleClickOpensTheGame) {
    writeGames();
    gfWriteIniFile(gstrIniFile, "Setup", "SelectedGame", "game00009.lmg");
    frmMain f;
    picture(f, "frmMain_games");
    ASSERT_EQ(f.lblGameListCount.Caption(), "12 ｹﾞｰﾑ");
    uctMGRow* row = f.uctGameList.RowView(3);
    ASSERT_NE(row, nullptr);
    QtDesktop::doubleClick(row->lblObj(4));
    EXPECT_EQ(windows.opened, std::vector<std::string>{"game00003.lmg"});
    EXPECT_TRUE(f.Visible());
    f.Unload();
}

TEST_F(MainWindowQt, PictureOfTheAboutBox) {
    frmAbout box;
    picture(box, "frmAbout");
    box.Unload();
}
