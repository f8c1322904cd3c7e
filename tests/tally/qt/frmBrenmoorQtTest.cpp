// The tally window as a real window: pictures for people to look at
// (LUMORA_SCREENSHOTS=<folder>) at its design size and maximised, and the
// normal size kept when it is closed maximised.
#include "core/gameFile.h"
#include "core/gameRecords.h"
#include "core/globals.h"
#include "core/iniFile.h"
#include "core/registries.h"
#include "platform/forms/Services.h"
#include "platform/text/Numbers.h"
#include "platform/qt/Screenshot.h"
#include "platform/qt/testing/QtDesktop.h"
#include "support/DataFolder.h"
#include "support/TempHome.h"
#include "tally/frmBrenmoor.h"

#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

using qtui::testing::QtDesktop;

namespace {

class TallyQt : public ::testing::Test {
protected:
    TallyQt() : data(home) {
        data.writeSeries({{1, "春季リーグ"}});
        data.writeGroups({{1, "札幌中央パークゴルフ協会", "札幌"}, {2, "旭川パークゴルフ愛好会", "旭川"}});
        const char* names[] = {"山田太郎", "鈴木花子", "佐藤一郎", "高橋美紀", "田中健二", "伊藤和子", "渡辺誠"};
        std::vector<testsupport::PlayerEntry> players;
        for (int i = 0; i < 7; ++i)
            players.push_back({i + 1, names[i], "19" + std::to_string(40 + i * 3) + "/0" + std::to_string(1 + i) + "/15",
                               1 + i % 2, 1 + i % 2, "", i % 2 ? "旭川市" : "札幌市中央区", 0});
        data.writePlayers(players);
        loadPlayers();
        loadGroups();
        testsupport::GameEntry game = gameOf("春季第1戦", 9, 1);
        const char* teams[] = {"A", "A", "B", "", "B", "A", ""};
        for (int i = 0; i < 7; ++i) {
            std::string holes;
            for (int cell = 0; cell < 27; ++cell) {
                // The fourth player has not finished the third course.
                const bool missing = i == 3 && cell >= 22;
                holes += (missing ? std::string() : std::to_string(1 + (cell * 7 + i * 3) % 5)) + ",";
            }
            game.scores.push_back({i + 1, holes, teams[i], (i % 3 - 1) * 15});
        }
        data.writeGame(1, game);
        data.writeManager("1");
        gsReadGameList();
        gtypGame = gtypGames[0];
    }

    // A game of series 1 over courses A, B and C.
    static testsupport::GameEntry gameOf(const char* title, int hole, int handiCapKind) {
        testsupport::GameEntry game;
        game.title = title;
        game.seriesId = 1;
        game.hole = hole;
        game.round = 3;
        game.handiCapKind = handiCapKind;
        game.roundNames = {"A", "B", "C"};
        return game;
    }

    testsupport::TempHome home;
    testsupport::DataFolder data;
    QtDesktop desk;
};

} // namespace

TEST_F(TallyQt, PicturesAtDesignSizeAndMaximised) {
    frmBrenmoor f;
    ASSERT_TRUE(desk.show(f));
    // The design size, or no wider than the screen.
    const double normalWidth = f.Width();
    EXPECT_LE(f.ScaleWidth(), 13890);
    EXPECT_LE(normalWidth, forms::Screen::Width());
    qtui::saveScreenshotIfAsked(f, "frmBrenmoor-scores");
    f.tabBody.SelectTab(1);
    QTest::qWait(20);
    qtui::saveScreenshotIfAsked(f, "frmBrenmoor-participants");
    f.tabBody.SelectTab(2);

    f.setWindowState(forms::vbMaximized);
    QTest::qWait(100);
    // Without a window manager (a bare X server) nothing maximises the
    // window: it is given most of the screen in normal state instead.
    const bool maximised = f.Width() > normalWidth;
    if (!maximised) {
        f.setWindowState(forms::vbNormal);
        f.Move(0, 0, forms::Screen::Width(), forms::Screen::Height() - 1200);
        QTest::qWait(100);
    }
    qtui::saveScreenshotIfAsked(f, "frmBrenmoor-maximised");
    // The lists end where the bottom band begins.
    EXPECT_EQ(f.picBody.Top() + f.picBody.Height(), f.picBottomL1.Top());
    EXPECT_EQ(f.picBottomR.Left() + f.picBottomR.Width(), f.ScaleWidth());

    // Closed maximised, it keeps its normal size for the next opening.
    f.Unload();
    if (maximised) {
        EXPECT_EQ(gfReadIniFile(gstrIniFile, "WindowSize", "Score_WindowState"), "2");
        EXPECT_EQ(gfReadIniFile(gstrIniFile, "WindowSize", "Score_Width"), text::Str(static_cast<long long>(normalWidth)));
    }
}

// A long score table at its top, scrolled to its middle and to its end, and
// the participant list at its end: rows are worked out as they come into view.
TEST_F(TallyQt, PicturesOfALongTableScrolled) {
    testsupport::GameEntry game = gameOf("春季第2戦", 18, 2);
    for (int i = 0; i < 40; ++i) {
        std::string holes;
        for (int cell = 0; cell < 54; ++cell) holes += std::to_string(1 + (cell * 5 + i * 3) % 6) + ",";
        game.scores.push_back({1 + i % 7, holes, i % 3 ? "" : "T" + std::to_string(i / 3), i * 5});
    }
    data.writeGame(1, game);
    gsReadGameList();
    gtypGame = gtypGames[0];
    frmBrenmoor f;
    ASSERT_TRUE(desk.show(f));
    qtui::saveScreenshotIfAsked(f, "frmBrenmoor-long-top");
    const int16_t last = f.uctGridList.vscMG.Max();
    f.uctGridList.vscMG.setValue(static_cast<int16_t>(last / 2));
    QTest::qWait(20);
    qtui::saveScreenshotIfAsked(f, "frmBrenmoor-long-middle");
    f.uctGridList.vscMG.setValue(last);
    QTest::qWait(20);
    qtui::saveScreenshotIfAsked(f, "frmBrenmoor-long-end");
    EXPECT_EQ(f.uctGridList.RowView(120)->lblObj(5).Caption(), f.uctGridList.Cell(5, 120).Text);
    f.tabBody.SelectTab(1);
    f.uctGridList0.vscMG.setValue(f.uctGridList0.vscMG.Max());
    QTest::qWait(20);
    qtui::saveScreenshotIfAsked(f, "frmBrenmoor-long-participants-end");
    EXPECT_EQ(f.uctGridList0.RowView(40)->lblObj(0).Caption(), "40");
    f.Unload();
}
