// Teams, adding and withdrawing participants in the tally window.
#include "tally/tallyFixture.h"

#include "grid/uctMGRow.h"
#include "tally/frmAddScoreMember.h"
#include "tally/frmGameInfo.h"
#include "tally/frmSetTeam.h"
#include "tally/participantRows.h"

namespace sim = forms::sim;
using Ids = std::vector<int32_t>;

namespace {

// The stored game of the fixture (7 and 8 in team A, 9 without a team; three
// courses) with two more registered players to add, 10 and 11.
class MembersTest : public TallyTest {
protected:
    MembersTest() {
        data.writePlayers({{7, "山田太郎", "1950/06/15", 1, 1, "やまだ", "札幌市中央区"},
                           {8, "鈴木花子", "1952/03/08", 2, 0, "すずき", "旭川"},
                           {9, "佐藤一郎", "", 1, 1, "さとう", ""},
                           {10, "高橋美咲", "1948/11/23", 2, 1, "たかはし", "小樽"},
                           {11, "伊藤さくら", "1951/04/01", 2, 0, "いとう", "札幌"}});
        loadPlayers();
    }

    // The stored game, open on the participant list.
    frmBrenmoor& openMembers() {
        storeGame();
        frmBrenmoor& f = open();
        sim::selectTab(f.tabBody, 1);
        return f;
    }
    // A person clicks a cell of a list.
    static void clickCell(uctMyGrid& g, int32_t col, int32_t row) {
        ASSERT_NE(g.RowView(row), nullptr) << "row " << row << " not in view";
        sim::click(g.RowView(row)->lblObj[static_cast<int>(col)]);
    }
    static Ids rowIds() {
        Ids out;
        for (const typScoreData& r : gtypScores) out.push_back(r.IDNo);
        return out;
    }
    static std::vector<int32_t> selectedRows(const uctMyGrid& g) {
        std::vector<int32_t> out;
        for (int32_t r = 1; r < g.gfRowCount(); ++r)
            if (g.gfGetRowSelected(r)) out.push_back(r);
        return out;
    }
    static bool marked(const frmBrenmoor& f) {
        return f.Caption().size() >= 2 && f.Caption().compare(f.Caption().size() - 2, 2, " *") == 0;
    }
    // The team dialog: types `team` and presses OK (nullptr: Cancel); notes what it proposed.
    void teamDialog(const char* team) {
        desk.modal.add<frmSetTeam>([this, team](frmSetTeam& d) {
            proposed.push_back(d.txtTeam.Text());
            if (!team) return sim::click(d.btnCancel);
            sim::typeText(d.txtTeam, team);
            sim::click(d.btnOK);
        });
    }
    // The add dialog: notes what it offers, chooses the player (0: Cancel) and the place.
    void addDialog(int32_t player, int16_t place) {
        desk.modal.add<frmAddScoreMember>([this, player, place](frmAddScoreMember& d) {
            offered.clear();
            for (int i = 0; i < d.lstMember.ListCount(); ++i) offered.push_back(d.lstMember.ItemData(i));
            enabled.clear();
            for (int i = 0; i < 4; ++i) enabled.push_back(d.btnAddPosition[i].Enabled());
            if (player == 0) return sim::click(d.btnCancel);
            for (int i = 0; i < d.lstMember.ListCount(); ++i)
                if (d.lstMember.ItemData(i) == player) sim::chooseItem(d.lstMember, i);
            sim::click(d.btnAddPosition[place - 1]);
        });
    }

    std::vector<std::string> proposed;
    Ids offered;
    std::vector<bool> enabled;
};

} // namespace

TEST_F(MembersTest, ATeamGoesOnThePlayersRowsOnlyAndMarksTheGameEvenWhenUnchanged) {
    frmBrenmoor& f = openMembers();
    sim::click(f.btnTeam);
    EXPECT_EQ(desk.lastMessage().prompt, "設定するプレイヤーを選択してください。");
    EXPECT_EQ(desk.lastMessage().title, "エラー");
    EXPECT_EQ(desk.lastMessage().flags, forms::vbOKOnly);

    // Cancel changes nothing.
    clickCell(f.uctGridList0, 2, 2);
    teamDialog(nullptr);
    sim::click(f.btnTeam);
    EXPECT_EQ(proposed, std::vector<std::string>{"A"});
    EXPECT_FALSE(marked(f));
    EXPECT_EQ(gtypScores[3].TeamID, "A");

    // The same identifier again, through a click in the team column.
    teamDialog("A");
    clickCell(f.uctGridList0, 1, 2);
    EXPECT_TRUE(marked(f));
    EXPECT_EQ(gtypScores[3].TeamID, "A");

    teamDialog(" B");
    sim::click(f.btnTeam);
    std::vector<std::string> teams;
    for (const typScoreData& r : gtypScores) teams.push_back(r.TeamID);
    EXPECT_EQ(teams, (std::vector<std::string>{"A", "A", "A", "B", "B", "B", "", "", ""}));
    EXPECT_EQ(cell(f.uctGridList0, 1, 2), "B");
    EXPECT_EQ(cell(f.uctGridList0, 1, 1), "A");
    EXPECT_EQ(cell(f.uctGridList, 1, 5), "[ B ]"); // the player's second course row
    EXPECT_EQ(selectedRows(f.uctGridList0), std::vector<int32_t>{2});

    // No team at all.
    teamDialog("  ");
    sim::click(f.btnTeam);
    EXPECT_EQ(gtypScores[5].TeamID, "");
    EXPECT_EQ(cell(f.uctGridList, 1, 5), "");
    EXPECT_EQ(f.lblEntryNum.Caption(), "参加 3名、1ﾁｰﾑ");
}

TEST_F(MembersTest, AParticipantIsAddedAboveTheSelectedOneWithEmptyRows) {
    frmBrenmoor& f = openMembers();
    clickCell(f.uctGridList0, 2, 2); // 鈴木花子, player 8
    addDialog(11, AddAbove);
    sim::click(f.btnAddMember0);
    EXPECT_EQ(offered, (Ids{10, 11})); // players taking part are not offered
    EXPECT_EQ(enabled, std::vector<bool>(4, true));
    EXPECT_EQ(rowIds(), (Ids{7, 7, 7, 11, 11, 11, 8, 8, 8, 9, 9, 9}));
    for (int i = 3; i < 6; ++i) {
        const typScoreData& row = gtypScores[static_cast<size_t>(i)];
        EXPECT_EQ(row.RoundNo, i - 2);
        EXPECT_EQ(row.TeamID, "");
        EXPECT_EQ(row.Handicap, 0);
    }
    EXPECT_TRUE(marked(f));
    EXPECT_EQ(f.uctGridList0.gfRowCount(), 5);
    EXPECT_EQ(cell(f.uctGridList0, 2, 2), "伊藤さくら");
    EXPECT_EQ(selectedRows(f.uctGridList0), std::vector<int32_t>{2});
    EXPECT_EQ(selectedRows(f.uctGridList), std::vector<int32_t>{4});
    EXPECT_EQ(cell(f.uctGridList, 5, 4), "-");
    EXPECT_EQ(f.lblEntryNum.Caption(), "参加 4名、1ﾁｰﾑ");
    EXPECT_EQ(forms::Screen::MousePointer(), forms::vbDefault);

    // Below the last participant is the end.
    clickCell(f.uctGridList0, 2, 4);
    addDialog(10, AddBelow);
    sim::click(f.btnAddMember0);
    EXPECT_EQ(offered, Ids{10});
    EXPECT_EQ(rowIds(), (Ids{7, 7, 7, 11, 11, 11, 8, 8, 8, 9, 9, 9, 10, 10, 10}));
    EXPECT_EQ(selectedRows(f.uctGridList0), std::vector<int32_t>{5});
}

TEST_F(MembersTest, WithoutASelectionOnlyTheTopAndTheEndAreOfferedAndCancelChangesNothing) {
    frmBrenmoor& f = openMembers();
    addDialog(0, 0);
    sim::click(f.btnAddMember0);
    EXPECT_EQ(enabled, (std::vector<bool>{false, false, true, true}));
    EXPECT_EQ(rowIds(), (Ids{7, 7, 7, 8, 8, 8, 9, 9, 9}));
    EXPECT_FALSE(marked(f));

    addDialog(10, AddAtTop);
    sim::click(f.btnAddMember0);
    EXPECT_EQ(rowIds(), (Ids{10, 10, 10, 7, 7, 7, 8, 8, 8, 9, 9, 9}));
    EXPECT_EQ(selectedRows(f.uctGridList0), std::vector<int32_t>{1});
    EXPECT_EQ(selectedRows(f.uctGridList), std::vector<int32_t>{1});
    EXPECT_TRUE(marked(f));
}

TEST_F(MembersTest, WithdrawingAsksFirstThenRebuildsBothListsUnselected) {
    frmBrenmoor& f = openMembers();
    sim::click(f.btnDeleteMember0);
    EXPECT_EQ(desk.lastMessage().prompt, "取消すプレイヤーを選択してください。");
    EXPECT_EQ(desk.lastMessage().title, "エラー");

    clickCell(f.uctGridList0, 2, 3);
    desk.boxes.answer(forms::vbCancel);
    sim::click(f.btnDeleteMember0);
    EXPECT_EQ(desk.lastMessage().prompt, "佐藤一郎　（男、-歳） さんの参加を取り消します。");
    EXPECT_EQ(desk.lastMessage().title, "参加取消し確認");
    EXPECT_EQ(desk.lastMessage().flags, forms::vbOKCancel);
    EXPECT_EQ(rowIds(), (Ids{7, 7, 7, 8, 8, 8, 9, 9, 9}));
    EXPECT_FALSE(marked(f));

    clickCell(f.uctGridList0, 2, 2);
    desk.boxes.answer(forms::vbOK);
    sim::click(f.btnDeleteMember0);
    EXPECT_EQ(desk.lastMessage().prompt, "鈴木花子　（女、58歳） さんの参加を取り消します。");
    EXPECT_EQ(rowIds(), (Ids{7, 7, 7, 9, 9, 9}));
    EXPECT_TRUE(marked(f));
    EXPECT_EQ(f.uctGridList0.gfRowCount(), 3);
    EXPECT_EQ(cell(f.uctGridList0, 2, 2), "佐藤一郎");
    EXPECT_TRUE(selectedRows(f.uctGridList0).empty());
    EXPECT_TRUE(selectedRows(f.uctGridList).empty());
    EXPECT_EQ(f.uctGridList.gfRowCount(), 7);

    // The withdrawn player can be added again.
    addDialog(8, AddAtEnd);
    sim::click(f.btnAddMember0);
    EXPECT_EQ(offered, (Ids{8, 10, 11}));
    EXPECT_EQ(rowIds(), (Ids{7, 7, 7, 9, 9, 9, 8, 8, 8}));
}

// Another number of courses moves every player's first row: the participant
// list follows, so a withdrawal or a team names the player the user chose.
TEST_F(MembersTest, AfterTheCoursesChangeTheParticipantListNamesTheRightPlayers) {
    frmBrenmoor& f = openMembers();
    desk.modal.add<frmGameInfo>([](frmGameInfo& d) {
        sim::chooseItem(d.cobRoundNum, 3); // four courses
        sim::typeText(d.txtRoundName[3], "D");
        sim::click(d.btnOK);
    });
    sim::click(f.btnGameInfo);
    ASSERT_EQ(rowIds(), (Ids{7, 7, 7, 7, 8, 8, 8, 8, 9, 9, 9, 9}));
    EXPECT_EQ(column(f.uctGridList0, 2), (std::vector<std::string>{"山田太郎", "鈴木花子", "佐藤一郎"}));

    teamDialog("B");
    clickCell(f.uctGridList0, 1, 3);
    EXPECT_EQ(proposed, (std::vector<std::string>{""}));
    EXPECT_EQ(gtypScores[8].TeamID, "B");
    EXPECT_EQ(gtypScores[0].TeamID, "A");

    clickCell(f.uctGridList0, 2, 2);
    desk.boxes.answer(forms::vbOK);
    sim::click(f.btnDeleteMember0);
    EXPECT_EQ(desk.lastMessage().prompt, "鈴木花子　（女、58歳） さんの参加を取り消します。");
    EXPECT_EQ(rowIds(), (Ids{7, 7, 7, 7, 9, 9, 9, 9}));
}

// A player whose rows were cut short cannot be withdrawn: the failure is
// shown and every row stays.
TEST_F(MembersTest, AFailedWithdrawalLeavesTheRowsAsTheyWere) {
    frmBrenmoor& f = openMembers();
    gtypScores.pop_back();
    clickCell(f.uctGridList0, 2, 3);
    desk.boxes.answer(forms::vbOK);
    sim::click(f.btnDeleteMember0);
    EXPECT_EQ(desk.lastMessage().title, "エラー");
    EXPECT_EQ(desk.lastMessage().prompt.find("インデックスが有効範囲にありません。") != std::string::npos, true)
        << desk.lastMessage().prompt;
    EXPECT_EQ(rowIds(), (Ids{7, 7, 7, 8, 8, 8, 9, 9}));
}

TEST_F(MembersTest, BothListsScrollSoThatTheNewParticipantIsInView) {
    std::vector<testsupport::PlayerEntry> players;
    game.scores.clear();
    for (int32_t id = 1; id <= 42; ++id) {
        players.push_back({id, "選手" + std::to_string(id), "", 1, 0, "", ""});
        if (id <= 40) game.scores.push_back({id, "", "", 0});
    }
    game.round = 2;
    data.writePlayers(players);
    loadPlayers();
    frmBrenmoor& f = openMembers();
    const int32_t visible = (f.uctGridList.gfGetListSpaceHeight() - 350) / 350;
    ASSERT_GT(visible, 3);
    ASSERT_LT(visible, 40);

    // At the end: the new participant is the last row in view, its first
    // score row (81) the second-to-last.
    addDialog(41, AddAtEnd);
    sim::click(f.btnAddMember0);
    EXPECT_EQ(f.uctGridList0.gfGetTopIndexOfRowsY(), 41 - visible + 1);
    EXPECT_EQ(f.uctGridList.gfGetTopIndexOfRowsY(), 81 - visible + 2);

    // Above the second participant, whose score rows lie above the score
    // table's view: the new rows come to its top.
    f.uctGridList0.gsSetTopIndexOfRowsY(1);
    f.uctGridList0.gsUpdate();
    clickCell(f.uctGridList0, 2, 2);
    addDialog(42, AddAbove);
    sim::click(f.btnAddMember0);
    EXPECT_EQ(f.uctGridList.gfGetTopIndexOfRowsY(), 3);
    EXPECT_EQ(f.uctGridList0.gfGetTopIndexOfRowsY(), 1);
    EXPECT_EQ(selectedRows(f.uctGridList), std::vector<int32_t>{3});
    EXPECT_EQ(selectedRows(f.uctGridList0), std::vector<int32_t>{2});

    // Withdrawing keeps both lists where they were.
    f.uctGridList0.gsSetTopIndexOfRowsY(2);
    f.uctGridList0.gsUpdate();
    desk.boxes.answer(forms::vbOK);
    sim::click(f.btnDeleteMember0);
    EXPECT_EQ(glngScoresMax(), 81);
    EXPECT_EQ(f.uctGridList.gfGetTopIndexOfRowsY(), 3);
    EXPECT_EQ(f.uctGridList0.gfGetTopIndexOfRowsY(), 2);
}

TEST_F(MembersTest, AGameWithoutParticipantsTakesItsFirstAtTheTopOrTheEnd) {
    for (int16_t place : {AddAtTop, AddAtEnd}) {
        newGame(2, {});
        frmBrenmoor& f = open();
        sim::selectTab(f.tabBody, 1);
        addDialog(10, place);
        sim::click(f.btnAddMember0);
        EXPECT_EQ(enabled, (std::vector<bool>{false, false, true, true}));
        EXPECT_EQ(rowIds(), (Ids{10, 10})) << place;
        EXPECT_EQ(f.uctGridList0.gfRowCount(), 2);
        EXPECT_EQ(selectedRows(f.uctGridList0), std::vector<int32_t>{1});
        EXPECT_EQ(selectedRows(f.uctGridList), std::vector<int32_t>{1});
        EXPECT_EQ(f.uctGridList0.gfGetTopIndexOfRowsY(), 1);
        desk.boxes.answer(forms::vbNo); // keep nothing when it closes
        sim::closeBox(f);
    }
}

// A game file that lists a player twice: each listing is a participant of
// its own, and a team, a withdrawal or an addition above acts on the listing
// chosen in the list, never on the player's other one.
TEST_F(MembersTest, APlayerListedTwiceIsChangedOnlyWhereChosen) {
    const std::string course = "4,4,4,4,4,4,4,4,4,", other = "5,5,5,5,5,5,5,5,5,";
    game.scores = {{7, course + course + course, "A", 0}, {8, course + course + course, "", 0},
                   {7, other + other + other, "B", 0}};
    frmBrenmoor& f = openMembers();
    auto teams = [] {
        std::vector<std::string> out;
        for (const typScoreData& r : gtypScores) out.push_back(r.TeamID);
        return out;
    };

    clickCell(f.uctGridList0, 2, 3);
    teamDialog("C");
    sim::click(f.btnTeam);
    EXPECT_EQ(teams(), (std::vector<std::string>{"A", "A", "A", "", "", "", "C", "C", "C"}));
    EXPECT_EQ(column(f.uctGridList0, 1), (std::vector<std::string>{"A", "", "C"}));

    clickCell(f.uctGridList0, 2, 3);
    addDialog(10, AddAbove);
    sim::click(f.btnAddMember0);
    EXPECT_EQ(rowIds(), (Ids{7, 7, 7, 8, 8, 8, 10, 10, 10, 7, 7, 7}));

    clickCell(f.uctGridList0, 2, 4);
    desk.boxes.answer(forms::vbOK);
    sim::click(f.btnDeleteMember0);
    EXPECT_EQ(rowIds(), (Ids{7, 7, 7, 8, 8, 8, 10, 10, 10}));
    EXPECT_EQ(gtypScores[0].Holes[0], "4");
    EXPECT_EQ(gtypScores[0].TeamID, "A");
}
