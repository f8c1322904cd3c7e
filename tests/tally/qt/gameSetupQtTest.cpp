// The dialogs of a new game as real windows: pictures for people to look at
// (LUMORA_SCREENSHOTS=<folder>) and a few checks that real input reaches the
// same rules as the headless suite.
#include "core/gameRecords.h"
#include "core/globals.h"
#include "core/iniFile.h"
#include "core/registries.h"
#include "platform/qt/Convert.h"
#include "platform/qt/Screenshot.h"
#include "platform/qt/testing/QtDesktop.h"
#include "support/DataFolder.h"
#include "support/TempHome.h"
#include "tally/frmGameInfo.h"
#include "tally/frmNewScoreSetup.h"

#include <QFontMetricsF>

#include <gtest/gtest.h>

using qtui::testing::QtDesktop;

namespace {

class GameSetupQt : public ::testing::Test {
protected:
    GameSetupQt() : data(home) {
        data.writeSeries({{1, "2010年 春季リーグ"}, {2, "2010年 秋季リーグ"}});
        data.writeCources({{1, "札幌中央公園コース"}, {2, "旭川河川敷コース"}});
        data.writeGroups({{1, "札幌中央パークゴルフ協会", "札幌"}, {2, "旭川パークゴルフクラブ", "旭川"}});
        const char* names[] = {"山田太郎", "鈴木花子", "佐藤一郎", "高橋美咲", "田中健二", "伊藤さくら"};
        std::vector<testsupport::PlayerEntry> players;
        for (int i = 0; i < 6; ++i)
            players.push_back({i + 1, names[i], i % 2 ? "1952/03/08" : "1948/11/23", i % 2 ? 2 : 1, (i % 2) + 1,
                               "", i < 3 ? "札幌市" : "旭川市"});
        data.writePlayers(players);
        loadGroups();
        loadPlayers();

        gtypGame.Date = "2010/10/10";
        gtypGame.Tittle = "秋季第2戦";
        gtypGame.SeriesID = 2;
        gtypGame.CourceID = 1;
        gtypGame.Hole = 9;
        gtypGame.Round = 4;
        gtypGame.HandiCapKind = 1;
        for (int k = 0; k < 10; ++k) gtypGame.RoundName[static_cast<size_t>(k)] = std::string(1, char('A' + k));
        glngDlgIndex = 0;
    }

    testsupport::TempHome home;
    testsupport::DataFolder data;
    QtDesktop desk;
};

} // namespace

TEST_F(GameSetupQt, Pictures) {
    frmGameInfo info;
    ASSERT_TRUE(desk.show(info));
    qtui::saveScreenshotIfAsked(info, "frmGameInfo");
    info.Unload();

    gfWriteIniFile(gstrIniFile, "Setup", "KeepMemberEntry", "1");
    for (int n = 1; n <= 5; ++n) {
        gfWriteIniFile(gstrIniFile, "ScoreEntry", "player" + std::to_string(n), std::to_string(n));
        gfWriteIniFile(gstrIniFile, "ScoreEntry", "team" + std::to_string(n), n <= 3 ? "A" : "");
    }
    frmNewScoreSetup entrants;
    ASSERT_TRUE(desk.show(entrants));
    entrants.lstMember[0].setSelected(5, true);
    entrants.lstMember[1].setSelected(1, true);
    entrants.lstMember[1].setSelected(2, true);
    qtui::saveScreenshotIfAsked(entrants, "frmNewScoreSetup");
    EXPECT_EQ(entrants.lblTeamNum.Caption(), "[ A ﾁｰﾑ 3名]");
    entrants.Unload();
}

TEST_F(GameSetupQt, RealKeysMoveThroughTheHeaderAndOnlyAClickOnCancelCloses) {
    frmGameInfo f;
    ASSERT_TRUE(desk.show(f));
    EXPECT_EQ(QtDesktop::focused(), QtDesktop::widget(f.cobSeries));
    QtDesktop::type("\r\r");
    EXPECT_EQ(f.ActiveControl(), &f.txtDate);
    QtDesktop::type("s15/12/3\r");
    EXPECT_EQ(f.txtDate.Text(), "S15/12/3");
    EXPECT_EQ(f.ActiveControl(), &f.txtTittle);
    QtDesktop::type("\x1b\r");
    EXPECT_TRUE(f.Visible());
    EXPECT_EQ(f.ActiveControl(), &f.cobHoleNum);

    f.txtDate.SetFocus();
    QtDesktop::type("2010/2/30");
    QtDesktop::click(f.btnCancel);
    EXPECT_FALSE(f.Visible());
    EXPECT_TRUE(desk.boxes().messages().empty());
    EXPECT_EQ(gintDlgRet, -1);
    EXPECT_EQ(gtypGame.Date, "2010/10/10");
}

TEST_F(GameSetupQt, ARealClickEntersTheChosenPlayersAndEscCancels) {
    frmNewScoreSetup f;
    ASSERT_TRUE(desk.show(f));
    ASSERT_EQ(f.lstMember[0].ListCount(), 6);
    f.lstMember[0].setSelected(0, true);
    f.lstMember[0].setSelected(3, true);
    EXPECT_TRUE(f.btnEntry.Enabled());
    QtDesktop::click(f.btnEntry);
    EXPECT_EQ(f.lstMember[1].ListCount(), 2);
    EXPECT_EQ(f.lblEntryNum.Caption(), "参加 2名");
    EXPECT_TRUE(f.btnUpDown[1].Enabled());
    QtDesktop::type("\x1b");
    EXPECT_FALSE(f.Visible());
    EXPECT_EQ(gintDlgRet, -1);
    EXPECT_TRUE(gtypEntries.empty());
}

TEST_F(GameSetupQt, ThousandsOfPlayersAreSelectedAndEnteredAtOnceAndCountedInFull) {
    for (int32_t id = 7; id <= 3000; ++id) {
        typPlayerInfo p;
        p.ID = id;
        p.Name = "選手" + std::to_string(id);
        p.Gender = 1;
        gtypPlayers.append(p);
    }
    frmNewScoreSetup f;
    ASSERT_TRUE(desk.show(f));
    ASSERT_EQ(f.lstMember[0].ListCount(), 3000);
    QtDesktop::click(f.btnSelectAll[0]);
    QtDesktop::click(f.btnEntry);
    QtDesktop::click(f.btnSelectAll[1]);
    EXPECT_EQ(f.lstMember[1].SelCount(), 3000);
    EXPECT_EQ(f.lblEntryNum.Caption(), "参加 3000名");
    const double width =
        QFontMetricsF(qtui::toQFont(f.lblEntryNum.font())).horizontalAdvance(qtui::qs(f.lblEntryNum.Caption()));
    EXPECT_LE(width, QtDesktop::area(f.lblEntryNum).width());
    qtui::saveScreenshotIfAsked(f, "frmNewScoreSetup-3000");
    QtDesktop::click(f.btnCancel);
}
