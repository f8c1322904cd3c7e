// The registry windows and their dialogs as real windows: pictures for
// people to look at (LUMORA_SCREENSHOTS=<folder>) and a few checks that real
// key presses reach the same rules as the headless suite.
#include "core/gameRecords.h"
#include "core/globals.h"
#include "core/registries.h"
#include "main/frmBelong.h"
#include "main/frmCourceRegi.h"
#include "main/frmGetName.h"
#include "main/frmPeriod.h"
#include "main/frmPlayers.h"
#include "main/frmRegiGroup.h"
#include "main/frmRegiPlayer.h"
#include "main/frmSeriesRegi.h"
#include "platform/qt/Screenshot.h"
#include "platform/qt/testing/QtDesktop.h"
#include "support/DataFolder.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

using qtui::testing::QtDesktop;

namespace {

class RegistryWindowsQt : public ::testing::Test {
protected:
    RegistryWindowsQt() : data(home) {
        data.writeGroups({{1, "札幌中央パークゴルフ協会", "札幌"},
                          {2, "旭川パークゴルフクラブ", "旭川"},
                          {3, "函館みなと会", ""}});
        const char* names[] = {"山田太郎", "鈴木花子", "佐藤一郎", "高橋美咲", "田中健二", "伊藤さくら"};
        std::vector<testsupport::PlayerEntry> players;
        for (int i = 0; i < 6; ++i)
            players.push_back({i + 1, names[i], i % 2 ? "1952/03/08" : "1948/11/23", i % 2 ? 2 : 1, (i % 3) + 1, "",
                               i < 3 ? "札幌市" : ""});
        data.writePlayers(players);
        loadGroups();
        loadPlayers();
        data.writeIni(gstrLocationFile, {{"PlayerLocation", {{"location1", "札幌市"}, {"location2", "旭川市"}}}});
        data.writeSeries({{1, "2010年 春季リーグ"}, {2, "2010年 秋季リーグ"}, {3, "全道大会"}});
        data.writeCources({{1, "札幌中央公園コース"}, {2, "旭川河川敷コース"}});
    }
    void picture(forms::Form& f, const std::string& name) {
        ASSERT_TRUE(desk.show(f)) << name;
        qtui::saveScreenshotIfAsked(f, name);
    }

    testsupport::TempHome home;
    testsupport::DataFolder data;
    QtDesktop desk;
};

} // namespace

TEST_F(RegistryWindowsQt, Pictures) {
    gstrDlgParam = "2010/04/01";
    gstrDlgParam2 = "2010/10/10";
    frmPeriod period;
    picture(period, "frmPeriod");
    period.Unload();

    frmPlayers players;
    picture(players, "frmPlayers");
    players.Unload();

    gtypEditPlayer = gtypPlayers[0];
    frmRegiPlayer player;
    picture(player, "frmRegiPlayer");
    player.Unload();

    frmBelong belong;
    picture(belong, "frmBelong");
    belong.Unload();

    gstrDlgParam3 = "所属登録/編集";
    gstrDlgParam = "札幌中央パークゴルフ協会";
    gstrDlgParam2 = "札幌";
    frmRegiGroup group;
    picture(group, "frmRegiGroup");
    group.Unload();

    frmSeriesRegi series;
    picture(series, "frmSeriesRegi");
    series.Unload();

    frmCourceRegi cources;
    picture(cources, "frmCourceRegi");
    cources.Unload();

    gstrDlgParam = "全道大会";
    gstrDlgParam2 = "シーズン＆大会";
    frmGetName name;
    picture(name, "frmGetName");
    name.Unload();
}

TEST_F(RegistryWindowsQt, RealKeysReformatADateAndEscIsIgnoredByThePeriod) {
    gstrDlgParam = "";
    gstrDlgParam2 = "";
    frmPeriod f;
    ASSERT_TRUE(desk.show(f));
    EXPECT_EQ(QtDesktop::focused(), QtDesktop::widget(f.txtFromDate));
    QtDesktop::type("h22/10/10\r");
    EXPECT_EQ(f.txtFromDate.Text(), "H22/10/10");
    EXPECT_EQ(f.ActiveControl(), &f.txtToDate);
    QtDesktop::type("2010/13/1\t");
    EXPECT_EQ(desk.boxes().last().title, "エラー");
    EXPECT_EQ(f.ActiveControl(), &f.txtToDate);
    QtDesktop::type("\x1b");
    EXPECT_TRUE(f.Visible());
    f.Unload();
}

TEST_F(RegistryWindowsQt, ARealClickOnCancelLeavesThePeriodWithoutCheckingTheDate) {
    gstrDlgParam = "2010/04/01";
    gstrDlgParam2 = "";
    frmPeriod f;
    ASSERT_TRUE(desk.show(f));
    QtDesktop::type("2010/13/1");
    QtDesktop::click(f.btnCancel);
    EXPECT_FALSE(f.Visible());
    EXPECT_TRUE(desk.boxes().messages().empty());
    EXPECT_EQ(gintDlgRet, -1);
    EXPECT_EQ(gstrDlgParam, "2010/04/01");
}

TEST_F(RegistryWindowsQt, RealEscCancelsTheNameDialog) {
    gstrDlgParam = "";
    gstrDlgParam2 = "コース（会場）";
    frmGetName f;
    ASSERT_TRUE(desk.show(f));
    QtDesktop::type("abc\x1b");
    EXPECT_FALSE(f.Visible());
    EXPECT_EQ(gintDlgRet, -1);
}

// The date help keeps each of its lines whole ("例). 1940/1/20 or 40/1/20"
// stays on the line the text gives it).
TEST_F(RegistryWindowsQt, TheDateHelpShowsItsLinesAsTheTextBreaksThem) {
    gstrDlgParam = "";
    gstrDlgParam2 = "";
    frmPeriod f;
    ASSERT_TRUE(desk.show(f));
    forms::setPresenter(nullptr);
    int lines = 0;
    QtDesktop::whenNextBoxShows([&](qtui::MessageDialog& box) {
        lines = QtDesktop::shownLines(box);
        EXPECT_TRUE(box.textLabel()->text().contains(QStringLiteral("形式で入力してください。例). 1940/1/20 or 40/1/20\n")));
        qtui::saveScreenshotIfAsked(box, "frmPeriod_dateHelp");
    });
    QtDesktop::click(f.btnHelpDate);
    EXPECT_EQ(lines, 4);
    f.Unload();
}

// Leaving the region box puts its region at the top of the history list;
// the click or Tab that left it still goes where it was aimed.
TEST_F(RegistryWindowsQt, ARegionTypedInThePlayerDialogLetsTheFocusGo) {
    gtypEditPlayer = gtypPlayers[3]; // no region yet
    frmRegiPlayer f;
    ASSERT_TRUE(desk.show(f));
    QtDesktop::click(f.cobLocation);
    QtDesktop::type("江別\t");
    EXPECT_EQ(f.cobLocation.List(0), "江別");
    EXPECT_EQ(f.ActiveControl(), &f.btnOK);
    QtDesktop::key(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(f.ActiveControl(), &f.cobLocation);
    QtDesktop::click(f.btnOK);
    EXPECT_FALSE(f.Visible());
    EXPECT_EQ(gintDlgRet, 0);
    EXPECT_EQ(gtypEditPlayer.Location, "江別");
}
