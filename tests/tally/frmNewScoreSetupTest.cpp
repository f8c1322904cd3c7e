#include "tally/frmNewScoreSetup.h"

#include "core/gameRecords.h"
#include "core/globals.h"
#include "core/iniFile.h"
#include "core/registries.h"
#include "platform/forms/Simulation.h"
#include "platform/forms/testing/TestDesktop.h"
#include "support/DataFolder.h"
#include "support/TempHome.h"
#include "tally/entrantTexts.h"
#include "tally/frmSetTeam.h"

#include "playerChooserFixture.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace sim = forms::sim;

namespace {

// The chooser registry; today is 2010/10/10.
class frmNewScoreSetupTest : public ::testing::Test {
protected:
    frmNewScoreSetupTest() : data(home) {
        loadChooserRegistry(data);
        gintDlgRet = 99;
    }

    void setSetting(const std::string& section, const std::string& key, const std::string& value) {
        gfWriteIniFile(gstrIniFile, section, key, value);
    }
    static std::string setting(const std::string& section, const std::string& key) {
        return gfReadIniFile(gstrIniFile, section, key);
    }
    void keep(const std::vector<std::pair<std::string, std::string>>& kept) {
        setSetting("Setup", "KeepMemberEntry", "1");
        for (size_t n = 0; n < kept.size(); ++n) {
            setSetting("ScoreEntry", "player" + std::to_string(n + 1), kept[n].first);
            setSetting("ScoreEntry", "team" + std::to_string(n + 1), kept[n].second);
        }
    }

    static std::vector<std::string> items(const forms::ListControl& l) {
        std::vector<std::string> out;
        for (int i = 0; i < l.ListCount(); ++i) out.push_back(l.List(i));
        return out;
    }
    static std::vector<int32_t> ids(const forms::ListControl& l) {
        std::vector<int32_t> out;
        for (int i = 0; i < l.ListCount(); ++i) out.push_back(l.ItemData(i));
        return out;
    }
    static std::vector<int> selected(const forms::ListBox& l) {
        std::vector<int> out;
        for (int i = 0; i < l.ListCount(); ++i)
            if (l.Selected(i)) out.push_back(i);
        return out;
    }
    // A person selects these items only: a click, then Ctrl-clicks.
    static void select(forms::ListBox& l, std::initializer_list<int> indexes) {
        bool first = true;
        for (int i : indexes) {
            sim::chooseItem(l, i, first ? 0 : forms::vbCtrlMask);
            first = false;
        }
    }
    static int indexOf(const forms::ListControl& l, int32_t id) {
        for (int i = 0; i < l.ListCount(); ++i)
            if (l.ItemData(i) == id) return i;
        return -1;
    }
    // Enters the players with these IDs, in this order, one at a time.
    static void enter(frmNewScoreSetup& f, std::initializer_list<int32_t> players) {
        for (int32_t id : players) {
            select(f.lstMember[0], {indexOf(f.lstMember[0], id)});
            sim::click(f.btnEntry);
        }
    }
    // The team dialog answers `team` (nullptr: cancelled) and notes what it was offered.
    void teamDialogAnswers(const char* team) {
        desk.modal.add([this, team](forms::Form& d) {
            offered.push_back(gstrDlgParam);
            EXPECT_EQ(d.Name(), "frmSetTeam");
            if (team) {
                gstrDlgParam = team;
                gintDlgRet = 0;
            } else {
                gintDlgRet = -1;
            }
            d.Unload();
        });
    }
    void run(const std::function<void(frmNewScoreSetup&)>& script) {
        frmNewScoreSetup f;
        desk.runModal(f, [&] { script(f); });
        EXPECT_FALSE(f.Visible());
    }

    testsupport::TempHome home;
    testsupport::DataFolder data;
    forms::doubles::TestDesktop desk;
    std::vector<std::string> offered;
};

} // namespace

TEST(entrantTexts, EntrantLinesLineUpWithAndWithoutATeam) {
    typPlayerInfo p;
    p.Name = "山田太郎";
    p.Gender = 1;
    EXPECT_EQ(entrantText(p), "    山田太郎 (男)");
    p.TeamID = " A ";
    EXPECT_EQ(entrantText(p), "A ：山田太郎 (男)");
    p.TeamID = "ABC";
    EXPECT_EQ(entrantText(p), "AB：山田太郎 (男)");
    p.TeamID = "赤";
    EXPECT_EQ(entrantText(p), "赤 ：山田太郎 (男)");
    EXPECT_EQ(entryCountText(5), "参加 5名");
    EXPECT_EQ(teamCountText("A", 3), "[ A ﾁｰﾑ 3名]");
}

TEST_F(frmNewScoreSetupTest, TheKeptListIsRestoredUpToItsFirstBlankWithoutDeletedOrRepeatedPlayers) {
    keep({{"4", "B"}, {" 5 ", "A"}, {"9", ""}, {"1", " A "}, {"4", "C"}, {"", ""}, {"2", ""}});
    run([&](frmNewScoreSetup& f) {
        EXPECT_EQ(f.Caption(), "新しいゲーム");
        EXPECT_EQ(f.chkKeepMemberEntry.Value(), forms::vbChecked);
        EXPECT_EQ(ids(f.lstMember[1]), (std::vector<int32_t>{4, 1}));
        EXPECT_EQ(items(f.lstMember[1]),
                  (std::vector<std::string>{"B ：高橋美咲 (女、61歳：小樽)", "A ：山田太郎 (男、60歳：札幌)"}));
        EXPECT_EQ(f.lblEntryNum.Caption(), "参加 2名");
        EXPECT_EQ(f.lblTeamNum.Caption(), "");
        // Every player not deleted is a candidate, entrants included.
        EXPECT_EQ(ids(f.lstMember[0]), (std::vector<int32_t>{1, 2, 3, 4, 6}));
        EXPECT_EQ(f.lstMember[0].List(2), "佐藤一郎 (男)");
        for (forms::CommandButton* b : {&f.btnEntry, &f.btnOutEntry, &f.btnSetTeam, &f.btnOffsetTeam,
                                        &f.btnUpDown[0], &f.btnUpDown[1]})
            EXPECT_FALSE(b->Enabled()) << b->Name();
        sim::click(f.btnCancel);
    });
    EXPECT_EQ(gintDlgRet, -1);
    EXPECT_TRUE(gtypEntries.empty());

    // Without "KeepMemberEntry" 1 nothing is restored.
    setSetting("Setup", "KeepMemberEntry", "0");
    run([&](frmNewScoreSetup& f) {
        EXPECT_EQ(f.chkKeepMemberEntry.Value(), forms::vbUnchecked);
        EXPECT_EQ(f.lstMember[1].ListCount(), 0);
        EXPECT_EQ(f.lblEntryNum.Caption(), "参加 0名");
        sim::click(f.btnCancel);
    });
}

TEST_F(frmNewScoreSetupTest, TheFilterAndSortAreRememberedAndAFilterWithNobodyOpensOnAll) {
    setSetting("Setup", "Sort_at_NewGame", "1");
    setSetting("Setup", "LastBelong_at_NewGame", "1");
    run([&](frmNewScoreSetup& f) {
        EXPECT_EQ(items(f.cobBelong), (std::vector<std::string>{"すべて", "無し", "札幌中央", "旭川"}));
        EXPECT_EQ(f.cobBelong.List(f.cobBelong.ListIndex()), "札幌中央");
        EXPECT_EQ(f.chkSort.Value(), forms::vbChecked);
        EXPECT_EQ(ids(f.lstMember[0]), (std::vector<int32_t>{3, 4, 1})); // さとう, たかはし, やまだ
        sim::click(f.chkSort);
        EXPECT_EQ(ids(f.lstMember[0]), (std::vector<int32_t>{1, 3, 4}));
        sim::chooseItem(f.cobBelong, 1);
        EXPECT_EQ(ids(f.lstMember[0]), (std::vector<int32_t>{6}));
        sim::click(f.btnOK);
    });
    EXPECT_EQ(setting("Setup", "LastBelong_at_NewGame"), "0");
    EXPECT_EQ(setting("Setup", "Sort_at_NewGame"), "0");

    // "無し", a deleted affiliation, one whose players are all deleted: "すべて".
    data.writePlayers({{1, "山田太郎", "", 1, 1, "", ""}, {2, "鈴木花子", "", 2, 2, "", "", 2}});
    loadPlayers();
    for (const char* remembered : {"0", "3", "2", "-1", ""}) {
        setSetting("Setup", "LastBelong_at_NewGame", remembered);
        run([&](frmNewScoreSetup& f) {
            EXPECT_EQ(f.cobBelong.ListIndex(), 0) << remembered;
            EXPECT_EQ(ids(f.lstMember[0]), std::vector<int32_t>{1}) << remembered;
            sim::click(f.btnCancel);
        });
    }
}

TEST_F(frmNewScoreSetupTest, EnteringAppendsNewEntrantsSelectedAndOnlySelectsOnesAlreadyEntered) {
    run([&](frmNewScoreSetup& f) {
        forms::ListBox& candidates = f.lstMember[0];
        forms::ListBox& entries = f.lstMember[1];
        select(candidates, {3, 0});
        EXPECT_TRUE(f.btnEntry.Enabled());
        sim::click(f.btnEntry);
        EXPECT_EQ(ids(entries), (std::vector<int32_t>{1, 4})); // top to bottom
        EXPECT_EQ(selected(entries), (std::vector<int>{0, 1}));
        EXPECT_EQ(selected(candidates), (std::vector<int>{0, 3})); // kept, not refilled
        EXPECT_EQ(f.lblEntryNum.Caption(), "参加 2名");
        EXPECT_TRUE(f.btnOutEntry.Enabled());

        // An entrant entered again is only selected; a new one is appended.
        select(candidates, {1, 3});
        sim::click(f.btnEntry);
        EXPECT_EQ(ids(entries), (std::vector<int32_t>{1, 4, 2}));
        EXPECT_EQ(selected(entries), (std::vector<int>{1, 2}));

        // A double click on a candidate enters it.
        sim::dblClickItem(candidates, 4);
        EXPECT_EQ(ids(entries), (std::vector<int32_t>{1, 4, 2, 6}));
        EXPECT_EQ(selected(entries), std::vector<int>{3});

        // Selecting by keyboard or mouse keeps the buttons in step.
        f.lstMember[1].setSelected(3, false);
        EXPECT_FALSE(f.btnSetTeam.Enabled());
        sim::click(f.btnOK);
    });
    EXPECT_EQ(gintDlgRet, 0);
    ASSERT_EQ(gtypEntries.size(), 4u);
    EXPECT_EQ(gtypEntries[0].IDNo, 1);
    EXPECT_EQ(gtypEntries[3].IDNo, 6);
    EXPECT_EQ(gtypPlayers[3].Entered, 1);
}

TEST_F(frmNewScoreSetupTest, TeamsAreGivenThroughTheTeamDialogAndCounted) {
    run([&](frmNewScoreSetup& f) {
        forms::ListBox& entries = f.lstMember[1];
        enter(f, {1, 2, 3, 4, 6});

        // Three entrants at once: no identifier is offered, so the dialog
        // proposes its most recent one; all three get the answer.
        teamDialogAnswers("A");
        select(entries, {0, 2, 4});
        sim::click(f.btnSetTeam);
        EXPECT_EQ(offered, std::vector<std::string>{""});
        EXPECT_EQ(entries.List(2), "A ：佐藤一郎 (男)");
        EXPECT_EQ(entries.List(1), "    鈴木花子 (女、58歳：旭川)");
        select(entries, {1, 2});
        EXPECT_EQ(f.lblEntryNum.Caption(), "参加 5名");
        EXPECT_EQ(f.lblTeamNum.Caption(), "[ A ﾁｰﾑ 3名]"); // the first selected entrant with a team
        select(entries, {1});
        EXPECT_EQ(f.lblTeamNum.Caption(), "");

        // One entrant: its own team is offered; a cancelled dialog changes nothing.
        teamDialogAnswers(nullptr);
        select(entries, {4});
        sim::click(f.btnSetTeam);
        EXPECT_EQ(offered.back(), "A");
        EXPECT_EQ(entries.List(4), "A ：伊藤さくら (女、59歳：札幌)");
        teamDialogAnswers("");
        sim::click(f.btnSetTeam);
        EXPECT_EQ(entries.List(4), "    伊藤さくら (女、59歳：札幌)");

        // Cancelling teams, and withdrawing: the player comes back without one.
        select(entries, {0});
        sim::click(f.btnOffsetTeam);
        EXPECT_EQ(entries.List(0), "    山田太郎 (男、60歳：札幌)");
        select(entries, {2});
        EXPECT_EQ(f.lblTeamNum.Caption(), "[ A ﾁｰﾑ 1名]");
        sim::click(f.btnOutEntry);
        EXPECT_EQ(ids(entries), (std::vector<int32_t>{1, 2, 4, 6}));
        EXPECT_EQ(f.lblEntryNum.Caption(), "参加 4名");
        EXPECT_FALSE(f.btnOutEntry.Enabled());
        EXPECT_EQ(gtypPlayers[2].Entered, 0);
        enter(f, {3});
        EXPECT_EQ(entries.List(4), "    佐藤一郎 (男)");
        EXPECT_TRUE(desk.messages().empty());
        sim::click(f.btnCancel);
    });
    EXPECT_EQ(desk.modal.pending(), 0u);
}

// Through the team dialog itself: several entrants get the most recent
// identifier proposed, one entrant its own team.
TEST_F(frmNewScoreSetupTest, TheTeamDialogProposesTheRecentIdentifierForSeveralEntrants) {
    gfWriteIniFile(gstrIniFile, "RecentTeam", "Team1", "Z");
    std::vector<std::string> shown;
    auto acceptProposal = [&shown](frmSetTeam& d) {
        shown.push_back(d.txtTeam.Text());
        sim::click(d.btnOK);
    };
    run([&](frmNewScoreSetup& f) {
        enter(f, {1, 2, 3});
        desk.modal.add<frmSetTeam>(acceptProposal);
        select(f.lstMember[1], {0, 2});
        sim::click(f.btnSetTeam);
        EXPECT_EQ(items(f.lstMember[1])[2], "Z ：佐藤一郎 (男)");
        desk.modal.add<frmSetTeam>([](frmSetTeam& d) {
            sim::typeText(d.txtTeam, "Y");
            sim::click(d.btnOK);
        });
        select(f.lstMember[1], {1});
        sim::click(f.btnSetTeam);
        desk.modal.add<frmSetTeam>(acceptProposal);
        select(f.lstMember[1], {0});
        sim::click(f.btnSetTeam);
        sim::click(f.btnCancel);
    });
    EXPECT_EQ(shown, (std::vector<std::string>{"Z", "Z"}));
    EXPECT_EQ(gfReadIniFile(gstrIniFile, "RecentTeam", "Team1"), "Z");
    EXPECT_EQ(gfReadIniFile(gstrIniFile, "RecentTeam", "Team2"), "Y");
}

TEST_F(frmNewScoreSetupTest, ABlockOfEntrantsMovesOnePlaceAndStaysAtTheEnds) {
    const struct {
        std::initializer_list<int> chosen;
        int direction;
        std::vector<int32_t> order;
        std::vector<int> selectedAfter;
    } cases[] = {
        {{1, 2}, 0, {2, 3, 1, 4, 6}, {0, 1}},
        {{1, 2}, 1, {1, 4, 2, 3, 6}, {2, 3}},
        {{0, 3}, 0, {1, 2, 3, 4, 6}, {0, 3}}, // the top one blocks the move
        {{1, 4}, 1, {1, 2, 3, 4, 6}, {1, 4}}, // the last one blocks it
        {{2}, 0, {1, 3, 2, 4, 6}, {1}},
    };
    for (const auto& c : cases) {
        run([&](frmNewScoreSetup& f) {
            enter(f, {1, 2, 3, 4, 6});
            select(f.lstMember[1], c.chosen);
            sim::click(f.btnUpDown[c.direction]);
            EXPECT_EQ(ids(f.lstMember[1]), c.order) << c.direction;
            EXPECT_EQ(selected(f.lstMember[1]), c.selectedAfter) << c.direction;
            EXPECT_EQ(f.lstMember[1].List(selected(f.lstMember[1])[0]),
                      entrantText(gtypPlayers[static_cast<size_t>(c.order[static_cast<size_t>(c.selectedAfter[0])] - 1)]));
            sim::click(f.btnCancel);
        });
    }
}

TEST_F(frmNewScoreSetupTest, SelectAllSelectsEveryItemOfItsList) {
    run([&](frmNewScoreSetup& f) {
        sim::click(f.btnSelectAll[0]);
        EXPECT_EQ(f.lstMember[0].SelCount(), 5);
        EXPECT_TRUE(f.btnEntry.Enabled());
        sim::click(f.btnEntry);
        select(f.lstMember[1], {0});
        sim::click(f.btnSelectAll[1]);
        EXPECT_EQ(f.lstMember[1].SelCount(), 5);
        sim::click(f.btnOutEntry);
        EXPECT_EQ(f.lstMember[1].ListCount(), 0);
        sim::click(f.btnCancel);
    });
}

TEST_F(frmNewScoreSetupTest, OkRewritesTheKeptListAndCancelWritesNothing) {
    keep({{"2", "X"}, {"4", ""}, {"1", ""}, {"6", ""}, {"3", ""}});
    setSetting("Setup", "KeepMemberEntry", "7"); // not 1: nothing restored, but the list is still there
    const std::string before = testsupport::readBytes(gstrIniFile);
    run([&](frmNewScoreSetup& f) {
        enter(f, {6, 1});
        teamDialogAnswers(" B");
        select(f.lstMember[1], {1});
        sim::click(f.btnSetTeam);
        sim::pressKey(f, forms::vbKeyEscape);
    });
    EXPECT_EQ(gintDlgRet, -1);
    EXPECT_TRUE(gtypEntries.empty());
    EXPECT_EQ(testsupport::readBytes(gstrIniFile), before);

    run([&](frmNewScoreSetup& f) {
        enter(f, {6, 1});
        teamDialogAnswers("B");
        select(f.lstMember[1], {1});
        sim::click(f.btnSetTeam);
        sim::click(f.chkKeepMemberEntry);
        sim::chooseItem(f.cobBelong, 2);
        sim::click(f.btnOK);
    });
    EXPECT_EQ(gintDlgRet, 0);
    ASSERT_EQ(gtypEntries.size(), 2u);
    EXPECT_EQ(gtypEntries[0].IDNo, 6);
    EXPECT_EQ(gtypEntries[0].TeamID, "");
    EXPECT_EQ(gtypEntries[1].IDNo, 1);
    EXPECT_EQ(gtypEntries[1].TeamID, "B");
    EXPECT_EQ(setting("ScoreEntry", "player1"), "6");
    EXPECT_EQ(setting("ScoreEntry", "team1"), "");
    EXPECT_EQ(setting("ScoreEntry", "player2"), "1");
    EXPECT_EQ(setting("ScoreEntry", "team2"), "B");
    EXPECT_EQ(setting("ScoreEntry", "player3"), ""); // the old list is gone
    EXPECT_EQ(setting("Setup", "KeepMemberEntry"), "1");
    EXPECT_EQ(setting("Setup", "LastBelong_at_NewGame"), "1");
    EXPECT_EQ(setting("Setup", "Sort_at_NewGame"), "0");

    // OK with nobody entered: no entrants, and an empty kept list.
    run([&](frmNewScoreSetup& f) {
        EXPECT_EQ(f.lstMember[1].ListCount(), 2); // restored
        sim::click(f.btnSelectAll[1]);
        sim::click(f.btnOutEntry);
        sim::click(f.btnOK);
    });
    EXPECT_EQ(gintDlgRet, 0);
    EXPECT_TRUE(gtypEntries.empty());
    EXPECT_EQ(setting("ScoreEntry", "player1"), "");
    EXPECT_EQ(testsupport::readBytes(gstrIniFile).find("player"), std::string::npos);
}

// From the keyboard, Tab follows the dialog as it reads: the candidates'
// filter, list and buttons, the entry button between the frames, then the
// entrants' side and the closing buttons.
TEST_F(frmNewScoreSetupTest, TabFollowsTheDialogFromTheCandidatesToTheEntrants) {
    run([&](frmNewScoreSetup& f) {
        const auto tab = [&f] {
            sim::pressKey(f, forms::vbKeyTab);
            return f.ActiveControl();
        };
        EXPECT_EQ(f.ActiveControl(), &f.cobBelong);
        EXPECT_EQ(tab(), &f.chkSort);
        EXPECT_EQ(tab(), &f.lstMember[0]);
        sim::pressKey(f, forms::vbKeyDown); // a candidate chosen: the entry button is enabled
        EXPECT_EQ(tab(), &f.btnSelectAll[0]);
        EXPECT_EQ(tab(), &f.btnEntry);
        sim::pressKey(f, forms::vbKeySpace);
        EXPECT_EQ(tab(), &f.chkKeepMemberEntry);
        EXPECT_EQ(tab(), &f.lstMember[1]);
        EXPECT_EQ(tab(), &f.btnUpDown[0]);
        EXPECT_EQ(tab(), &f.btnUpDown[1]);
        EXPECT_EQ(tab(), &f.btnOutEntry);
        EXPECT_EQ(tab(), &f.btnSetTeam);
        EXPECT_EQ(tab(), &f.btnOffsetTeam);
        EXPECT_EQ(tab(), &f.btnSelectAll[1]);
        EXPECT_EQ(tab(), &f.btnOK);
        EXPECT_EQ(tab(), &f.btnCancel);
        sim::pressKey(f, forms::vbKeyEscape);
    });
    EXPECT_EQ(gintDlgRet, -1);
}
