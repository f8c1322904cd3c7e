// Score entry from the tally window's score table, and the game header
// dialog opened from it.
#include "tally/tallyFixture.h"

#include "tally/frmGameInfo.h"

using forms::sim::click;
using forms::sim::typeText;

namespace {

class TallyEntryTest : public TallyTest {
protected:
    // The hole box h of course r (both from 1) of the score entry window.
    static forms::TextBox& hole(frmScore& d, int r, int h) { return d.txtScoreR(r - 1)[h - 1]; }
    int32_t selectedScoreRow() {
        for (int32_t r = 1; r < tally->uctGridList.gfRowCount(); ++r)
            if (tally->uctGridList.gfGetRowSelected(r)) return r;
        return 0;
    }
};

} // namespace

TEST_F(TallyEntryTest, AConfirmedEntryRewritesThePlayersRowsAndMarksTheGame) {
    storeGame();
    frmBrenmoor& f = open();
    int opened = 0;
    desk.modal.add<frmScore>([&](frmScore& d) {
        ++opened;
        EXPECT_EQ(d.Owner(), &f);
        EXPECT_EQ(glngDlgIndex, 4);
        EXPECT_EQ(gstrDlgParam, "2010/10/10");
        EXPECT_EQ(d.ActiveControl(), &hole(d, 1, 1)); // opened for strokes
        // Player 8's third course, all 5s except a hole in one.
        typeText(hole(d, 3, 1), "1\r");
        for (int h = 2; h <= 9; ++h) typeText(hole(d, 3, h), "5\r");
        click(d.btnOK);
    });
    clickScore(3, 5); // player 8, course 2
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(f.Caption(), "Lumora - 春季リーグ - 春季第1戦 *");
    uctMyGrid& g = f.uctGridList;
    EXPECT_EQ(cell(g, 5, 6), "①");
    EXPECT_EQ(cell(g, 14, 6), "41");
    EXPECT_EQ(cell(g, 15, 4), "113"); // 36 + 36 + 41
    EXPECT_EQ(cell(g, 15, 1), "108");
    // The row stays selected.
    EXPECT_EQ(selectedScoreRow(), 5);
}

TEST_F(TallyEntryTest, ACancelledEntryKeepsTheCaption) {
    storeGame();
    frmBrenmoor& f = open();
    desk.modal.add<frmScore>([](frmScore& d) {
        typeText(d.txtScoreR(0)[0], "9\r");
        click(d.btnCancel);
    });
    clickScore(1, 1);
    EXPECT_EQ(f.Caption(), "Lumora - 春季リーグ - 春季第1戦");
    EXPECT_EQ(f.changed(), 0);
    EXPECT_EQ(cell(f.uctGridList, 5, 1), "4");
    EXPECT_EQ(cell(f.uctGridList, 15, 1), "108");
}

TEST_F(TallyEntryTest, TheHandicapColumnOpensHandicapEntryWhenTheGameHasOne) {
    struct Case {
        int16_t kind;
        int32_t row;
        bool forHandicap;
    };
    // Column Hole + 6 = 15: "Hc" with kinds 1 and 2, "合計" with kind 0.
    const Case cases[] = {{0, 1, false}, {1, 1, true}, {1, 2, true}, {2, 3, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "kind " << c.kind << " row " << c.row);
        game.handiCapKind = c.kind;
        storeGame();
        open();
        bool handicap = false;
        desk.modal.add<frmScore>([&](frmScore& d) {
            handicap = d.ActiveControl() == &d.txtHandicap;
            click(d.btnCancel);
        });
        clickScore(15, c.row);
        EXPECT_EQ(desk.modal.pending(), 0u);
        EXPECT_EQ(handicap, c.forHandicap);
        tally.reset();
    }
}

TEST_F(TallyEntryTest, ScoreEntryNeedsASelectedRow) {
    storeGame();
    frmBrenmoor& f = open();
    click(f.btnScore);
    EXPECT_EQ(desk.lastMessage().prompt, "行を選択してください。");
    EXPECT_EQ(desk.lastMessage().title, "エラー");
    EXPECT_EQ(desk.lastMessage().flags, forms::vbOKOnly);
    EXPECT_TRUE(desk.modal.unscripted().empty());

    f.uctGridList.gsSetSelectRow(3);
    desk.modal.add<frmScore>([](frmScore& d) { click(d.btnOK); });
    click(f.btnScore);
    EXPECT_EQ(glngDlgIndex, 2);
    EXPECT_EQ(f.changed(), 1);
}

TEST_F(TallyEntryTest, TheScrollPositionSurvivesAnEntry) {
    game.scores.clear();
    for (int32_t id = 100; id < 140; ++id) game.scores.push_back({id, "", "", 0});
    storeGame();
    frmBrenmoor& f = open();
    f.uctGridList.gsSetTopIndexOfRowsY(30);
    f.uctGridList.gsUpdate();
    const int32_t top = f.uctGridList.gfGetTopIndexOfRowsY();
    ASSERT_GT(top, 0);
    confirmScoreEntry(top + 2);
    EXPECT_EQ(f.uctGridList.gfGetTopIndexOfRowsY(), top);
    EXPECT_EQ(selectedScoreRow(), top + 2);
}

TEST_F(TallyEntryTest, AHeaderChangeRedrawsWhatItTouches) {
    storeGame();
    frmBrenmoor& f = open();
    forms::sim::selectTab(f.tabBody, 1);

    // Cancelled: nothing.
    desk.modal.add<frmGameInfo>([&](frmGameInfo& d) {
        EXPECT_EQ(d.Owner(), &f);
        EXPECT_EQ(glngDlgIndex, 1);
        click(d.btnCancel);
    });
    click(f.btnGameInfo);
    EXPECT_EQ(f.changed(), 0);

    // A new title: marked and shown, the rows stay.
    desk.modal.add<frmGameInfo>([](frmGameInfo& d) {
        typeText(d.txtTittle, "春季第1戦（改）");
        click(d.btnOK);
    });
    click(f.btnGameInfo);
    EXPECT_EQ(f.Caption(), "Lumora - 春季リーグ - 春季第1戦（改） *");
    EXPECT_EQ(f.lblTittle.Caption(), "春季第1戦（改）");
    EXPECT_EQ(f.tabIndex(), 1);
    EXPECT_TRUE(f.uctGridList0.Visible());

    // Two courses instead of three: the rows are laid anew.
    desk.modal.add<frmGameInfo>([](frmGameInfo& d) {
        forms::sim::chooseItem(d.cobRoundNum, 1);
        click(d.btnOK);
    });
    click(f.btnGameInfo);
    EXPECT_EQ(glngScoresMax(), 5);
    EXPECT_EQ(f.uctGridList.gfRowCount(), 7);
    EXPECT_EQ(cell(f.uctGridList, 15, 1), "72");
    EXPECT_EQ(f.tabIndex(), 1);
}

// Ages are worked out at the game's date: another date shows them anew in
// both lists, as the result tabs do.
TEST_F(TallyEntryTest, AnotherDateShowsTheAgesAtThatDate) {
    storeGame();
    frmBrenmoor& f = open();
    ASSERT_EQ(cell(f.uctGridList, 2, 1), "60");
    ASSERT_EQ(cell(f.uctGridList0, 3, 1), "60");
    desk.modal.add<frmGameInfo>([](frmGameInfo& d) {
        d.txtDate.setText("2011/10/10");
        click(d.btnOK);
    });
    click(f.btnGameInfo);
    ASSERT_EQ(gtypGame.Date, "2011/10/10");
    EXPECT_EQ(cell(f.uctGridList, 2, 1), "61");
    EXPECT_EQ(cell(f.uctGridList0, 3, 1), "61");
    EXPECT_EQ(cell(f.uctGridList, 15, 1), "108"); // the rows themselves stay
}
