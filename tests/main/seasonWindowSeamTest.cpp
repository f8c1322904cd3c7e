#include "core/globals.h"
#include "core/resultRecords.h"
#include "main/windowSeams.h"
#include "platform/forms/Form.h"
#include "platform/forms/Simulation.h"
#include "platform/forms/testing/TestDesktop.h"
#include "reports/season/frmPrintTotalGames.h"
#include "support/DataFolder.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

// The program's own season window stands behind the main window's season
// command, shown modally over the main window.
TEST(SeasonWindowSeam, TheSeasonCommandOpensTheSeasonWindow) {
    testsupport::TempHome home;
    testsupport::DataFolder data(home);
    forms::doubles::TestDesktop desk;
    setGameWindows(nullptr);
    glngSeasonGames = {0};
    gtypSeasonGame.Round = 2;
    gtypSeasonGame.Hole = 9;
    gstrGamesFormatMix = "00";
    gstrDlgParam2 = "* 春季リーグ * ";
    forms::Form owner("owner");
    bool shown = false;
    desk.modal.add<frmPrintTotalGames>([&](frmPrintTotalGames& f) {
        shown = true;
        EXPECT_EQ(f.Owner(), &owner);
        EXPECT_EQ(f.txtTittle1.Text(), "* 春季リーグ * ");
        forms::sim::click(f.btnOK);
    });
    gameWindows().showPrintTotalGames(owner);
    EXPECT_TRUE(shown);
    EXPECT_TRUE(desk.modal.leftOpen().empty());
    resetSharedGlobals();
}
