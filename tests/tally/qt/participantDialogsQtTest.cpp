// The team and add-participant dialogs as real windows: pictures for people
// to look at (LUMORA_SCREENSHOTS=<folder>) and real keys on the team box.
#include "core/gameRecords.h"
#include "core/globals.h"
#include "core/iniFile.h"
#include "core/registries.h"
#include "platform/qt/Screenshot.h"
#include "platform/qt/testing/QtDesktop.h"
#include "support/DataFolder.h"
#include "support/TempHome.h"
#include "tally/frmAddScoreMember.h"
#include "tally/frmSetTeam.h"

#include <gtest/gtest.h>

using qtui::testing::QtDesktop;

namespace {

class ParticipantDialogsQt : public ::testing::Test {
protected:
    ParticipantDialogsQt() : data(home) {
        data.writeGroups({{1, "札幌中央パークゴルフ協会", "札幌"}, {2, "旭川パークゴルフクラブ", "旭川"}});
        const char* names[] = {"山田太郎", "鈴木花子", "佐藤一郎", "高橋美咲", "田中健二", "伊藤さくら"};
        std::vector<testsupport::PlayerEntry> players;
        for (int i = 0; i < 6; ++i)
            players.push_back({i + 1, names[i], i % 2 ? "1952/03/08" : "1948/11/23", i % 2 ? 2 : 1, (i % 2) + 1,
                               "", i < 3 ? "札幌市" : "旭川市"});
        data.writePlayers(players);
        loadGroups();
        loadPlayers();
        const char* recent[] = {"A", "B", "赤", "7", "C1"};
        for (int n = 0; n < 5; ++n)
            gfWriteIniFile(gstrIniFile, "RecentTeam", "Team" + std::to_string(n + 1), recent[n]);
    }

    testsupport::TempHome home;
    testsupport::DataFolder data;
    QtDesktop desk;
};

} // namespace

TEST_F(ParticipantDialogsQt, Pictures) {
    gstrDlgParam = "B";
    frmSetTeam team;
    ASSERT_TRUE(desk.show(team));
    qtui::saveScreenshotIfAsked(team, "frmSetTeam");
    team.Unload();

    gtypPlayers[0].Entered = 1;
    glngDlgIndex = 0;
    frmAddScoreMember add;
    ASSERT_TRUE(desk.show(add));
    add.lstMember.setListIndex(1);
    qtui::saveScreenshotIfAsked(add, "frmAddScoreMember");
    add.Unload();

    glngDlgIndex = -1;
    frmAddScoreMember top;
    ASSERT_TRUE(desk.show(top));
    qtui::saveScreenshotIfAsked(top, "frmAddScoreMember-nobody-selected");
    top.Unload();
}

TEST_F(ParticipantDialogsQt, RealKeysReplaceTheProposedTeamAndEnterConfirms) {
    gstrDlgParam = "";
    gintDlgRet = 99;
    frmSetTeam f;
    ASSERT_TRUE(desk.show(f));
    EXPECT_EQ(QtDesktop::focused(), QtDesktop::widget(f.txtTeam));
    EXPECT_EQ(f.txtTeam.Text(), "A");
    QtDesktop::type("xyz");
    EXPECT_EQ(f.txtTeam.Text(), "xy");
    QtDesktop::type("\r");
    EXPECT_FALSE(f.Visible());
    EXPECT_EQ(gintDlgRet, 0);
    EXPECT_EQ(gstrDlgParam, "xy");
    EXPECT_EQ(gfReadIniFile(gstrIniFile, "RecentTeam", "Team1"), "xy");
}
