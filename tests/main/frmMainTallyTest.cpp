// The main window and the tally window together: a game opened or made in
// the main window is tallied, saved and listed.
#include "frmMainFixture.h"

#include "tally/frmBrenmoor.h"

namespace sim = forms::sim;

TEST_F(MainWindowTest, ANewGameIsTalliedSavedAndListed) {
    open();
    desk.modal.add<frmGameInfo>([](frmGameInfo& d) {
        sim::chooseItem(d.cobSeries, 1); // 春季リーグ
        sim::chooseItem(d.cobRoundNum, 1); // 2 courses
        sim::typeText(d.txtTittle, "春季第4戦");
        sim::click(d.btnSetCourceName[0]);
        sim::click(d.btnOK);
    });
    desk.modal.add<frmNewScoreSetup>([](frmNewScoreSetup& d) {
        sim::chooseItem(d.lstMember[0], 0);
        sim::chooseItem(d.lstMember[0], 1, forms::vbShiftMask);
        sim::click(d.btnEntry);
        sim::click(d.btnOK);
    });
    sim::click(f.btnNewGame);
    frmBrenmoor& t = tally();
    EXPECT_FALSE(f.Visible());
    EXPECT_EQ(t.Caption(), "Lumora - 春季リーグ - 新しいゲーム *");
    // Two entrants x two courses, each numbered 1 and 2.
    ASSERT_EQ(t.uctGridList.gfRowCount(), 5);
    EXPECT_EQ(t.uctGridList.Cell(0, 1).Text, "1");
    EXPECT_EQ(t.uctGridList.Cell(0, 3).Text, "2");
    EXPECT_EQ(t.uctGridList.Cell(4, 1).Text, "A");
    EXPECT_EQ(t.uctGridList.Cell(4, 2).Text, "B");
    EXPECT_EQ(t.uctGridList0.gfRowCount(), 3);

    sim::click(t.btnSave);
    EXPECT_EQ(t.Caption(), "Lumora - 春季リーグ - 春季第4戦");
    EXPECT_EQ(gintGameSaved, 0);
    sim::click(t.btnExit);
    EXPECT_TRUE(desk.messages().empty());
    EXPECT_TRUE(f.Visible());
    EXPECT_EQ(f.tallyWindow(), nullptr);
    ASSERT_NE(selectedRow(), 0);
    EXPECT_EQ(cell(5, selectedRow()), "春季第4戦");
}

TEST_F(MainWindowTest, AStoredGameOpensInTheTallyAndClosesBackToTheList) {
    open();
    clickRow(2);
    sim::click(f.btnOpenGame);
    frmBrenmoor& t = tally();
    EXPECT_EQ(t.Owner(), &f);
    EXPECT_EQ(t.Caption(), "Lumora - 春季リーグ - 春季第1戦");
    EXPECT_EQ(t.uctGridList.gfRowCount(), 9); // two players x four courses
    sim::click(t.btnExit);
    EXPECT_TRUE(desk.messages().empty());
    EXPECT_TRUE(f.Visible());
    EXPECT_TRUE(gtypScores.empty());
    EXPECT_EQ(selectedRow(), 2);
}
