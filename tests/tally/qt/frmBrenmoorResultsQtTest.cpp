// The tally window's result tabs as a real window: a picture of each for
// people to look at (LUMORA_SCREENSHOTS=<folder>).
#include "core/gameFile.h"
#include "core/gameRecords.h"
#include "core/registries.h"
#include "platform/forms/Simulation.h"
#include "platform/qt/Screenshot.h"
#include "platform/qt/testing/QtDesktop.h"
#include "support/DataFolder.h"
#include "support/TempHome.h"
#include "tally/frmBrenmoor.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// A course of 9 holes as the game file keeps it.
std::string course(const char* holes) { return holes; }

} // namespace

// Five players, a team of three and one of two, one player without a
// complete course; handicaps per game, the birthday rule, teams ranked by
// their average.
TEST(frmBrenmoorResultsQt, Pictures) {
    testsupport::TempHome home;
    testsupport::DataFolder data(home);
    qtui::testing::QtDesktop desk;
    data.writeGroups({{1, "北クラブ", "北"}, {2, "南クラブ", "南"}});
    data.writePlayers({{1, "青木一郎", "1950/03/12", 1, 1, "あおき", ""},
                       {2, "井上花子", "1960/05/01", 2, 2, "いのうえ", ""},
                       {3, "上田三郎", "", 1, 0, "うえだ", ""},
                       {4, "江藤和子", "1945/01/20", 2, 1, "えとう", ""},
                       {5, "大野五郎", "1970/07/07", 1, 0, "おおの", ""}});
    testsupport::GameEntry game;
    game.title = "秋季第2戦";
    game.hole = 9;
    game.round = 3;
    game.handiCapKind = 2;
    game.judgeBirthday = 1;
    game.teamHowtoRank = 1;
    game.roundNames = {"A", "B", "C"};
    const std::string a = course("1,4,4,3,3,4,4,3,4,"), b = course("4,4,4,4,4,4,3,3,2,"),
                      c = course("3,4,5,3,4,3,4,3,2,"), d = course("5,5,5,4,4,5,4,4,4,");
    game.scores = {{1, a + b + c, "A", 30},
                   {2, b + c + a, "A", 0},
                   {3, d + d + d, "A", -15},
                   {4, "5,5,5,,5,,,,," + d + d, "B", 20},
                   {5, "4,4,", "B", 0}};
    data.writeGame(1, game);
    data.writeManager("1");
    loadPlayers();
    loadGroups();
    gsReadGameList();
    ASSERT_EQ(gtypGames.size(), 1u);
    gtypGame = gtypGames[0];

    frmBrenmoor f;
    ASSERT_TRUE(desk.show(f));
    const char* names[] = {"", "", "", "ranking", "best-course", "team-list", "team-results"};
    for (int tab = 3; tab <= 6; ++tab) {
        forms::sim::selectTab(f.tabBody, tab);
        qtui::saveScreenshotIfAsked(f, std::string("frmBrenmoor-tab") + std::to_string(tab) + "-" + names[tab]);
    }
    EXPECT_TRUE(desk.boxes().messages().empty());
    f.Unload();
}
