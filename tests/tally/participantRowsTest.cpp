#include "tally/participantRows.h"

#include "core/gameRecords.h"
#include "core/globals.h"
#include "platform/text/RuntimeError.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

namespace {

// `round` rows per player, in the given order; every row carries a team,
// a handicap and a first hole of its own so that moved rows can be told apart.
VbArray<typScoreData> rowsOf(std::initializer_list<int32_t> players, int16_t round) {
    VbArray<typScoreData> rows;
    for (int32_t id : players) {
        for (int16_t k = 1; k <= round; ++k) {
            typScoreData& row = rows.append();
            row.IDNo = id;
            row.RoundNo = k;
            row.TeamID = "T" + std::to_string(id);
            row.Handicap = id;
            row.Holes[0] = std::to_string(id * 10 + k);
        }
    }
    return rows;
}

// "id.course" of every row.
std::vector<std::string> shape(const VbArray<typScoreData>& rows) {
    std::vector<std::string> out;
    for (const typScoreData& r : rows) out.push_back(std::to_string(r.IDNo) + "." + std::to_string(r.RoundNo));
    return out;
}

class participantRowsTest : public ::testing::Test {
protected:
    participantRowsTest() { resetSharedGlobals(); }
    ~participantRowsTest() override { resetSharedGlobals(); }
};

} // namespace

TEST_F(participantRowsTest, InsertionIndexForEachPlace) {
    const VbArray<typScoreData> rows = rowsOf({10, 20, 30}, 2); // first rows 0, 2, 4
    struct Case {
        int16_t place;
        int32_t selected;
        int32_t index;
    } cases[] = {
        {AddAbove, 2, 2}, {AddAbove, 0, 0},  // above the first = the top
        {AddBelow, 2, 4}, {AddBelow, 4, 6},  // below the last = the end
        {AddBelow, 0, 2}, {AddAtTop, 4, 0},  {AddAtTop, -1, 0},
        {AddAtEnd, 0, 6}, {AddAtEnd, -1, 6},
    };
    for (const Case& c : cases)
        EXPECT_EQ(insertionIndex(rows, c.place, c.selected), c.index) << c.place << " " << c.selected;
    EXPECT_EQ(insertionIndex({}, AddAtTop, -1), 0);
    EXPECT_EQ(insertionIndex({}, AddAtEnd, -1), 0);
    // Above the second listing of a player that a game file lists twice.
    EXPECT_EQ(insertionIndex(rowsOf({10, 20, 10}, 2), AddAbove, 4), 4);
    // Below the first of two listings in a row: between them.
    EXPECT_EQ(insertionIndex(rowsOf({10, 10, 20}, 2), AddBelow, 0), 2);
}

TEST_F(participantRowsTest, ANewParticipantGetsEmptyNumberedRowsAndTheOthersKeepTheirs) {
    VbArray<typScoreData> rows = rowsOf({10, 20}, 3);
    const VbArray<typScoreData> before = rows;
    insertParticipant(rows, 3, 99, 3);
    EXPECT_EQ(shape(rows), (std::vector<std::string>{"10.1", "10.2", "10.3", "99.1", "99.2", "99.3", "20.1",
                                                     "20.2", "20.3"}));
    for (int i = 3; i < 6; ++i) {
        const typScoreData& row = rows[static_cast<size_t>(i)];
        EXPECT_EQ(row.TeamID, "");
        EXPECT_EQ(row.Handicap, 0);
        for (const RowText& hole : row.Holes) EXPECT_EQ(hole, "");
    }
    EXPECT_EQ(rows[2].Holes[0], before[2].Holes[0]);
    EXPECT_EQ(rows[6].TeamID, "T20");
    EXPECT_EQ(rows[8].Holes[0], before[5].Holes[0]);

    VbArray<typScoreData> empty;
    insertParticipant(empty, 0, 5, 1);
    EXPECT_EQ(shape(empty), std::vector<std::string>{"5.1"});
}

TEST_F(participantRowsTest, WithdrawingRemovesTheBlockAndKeepsTheOrder) {
    VbArray<typScoreData> rows = rowsOf({10, 20, 30}, 2);
    withdrawParticipant(rows, 2, 2);
    EXPECT_EQ(shape(rows), (std::vector<std::string>{"10.1", "10.2", "30.1", "30.2"}));
    EXPECT_EQ(rows[2].Holes[0], "301");
    withdrawParticipant(rows, 2, 2);
    EXPECT_EQ(shape(rows), (std::vector<std::string>{"10.1", "10.2"}));
    withdrawParticipant(rows, 0, 2);
    EXPECT_TRUE(rows.empty());

    // A player listed twice: only the chosen listing goes.
    rows = rowsOf({10, 20, 10}, 2);
    rows[4].Holes[0] = "other";
    withdrawParticipant(rows, 0, 2);
    EXPECT_EQ(shape(rows), (std::vector<std::string>{"20.1", "20.2", "10.1", "10.2"}));
    EXPECT_EQ(rows[2].Holes[0], "other");
}

// A failure leaves the rows as they were: an index past the end, a block
// cut short by the end of the rows.
TEST_F(participantRowsTest, AFailedChangeLeavesTheRowsAsTheyWere) {
    VbArray<typScoreData> rows = rowsOf({10, 20}, 2);
    rows.pop_back(); // 20 has one row of two
    const std::vector<std::string> before = shape(rows);
    EXPECT_THROW(insertParticipant(rows, 4, 99, 2), text::RuntimeError);
    EXPECT_THROW(insertParticipant(rows, -1, 99, 2), text::RuntimeError);
    EXPECT_THROW(withdrawParticipant(rows, 2, 2), text::RuntimeError);
    EXPECT_THROW(withdrawParticipant(rows, 3, 2), text::RuntimeError);
    EXPECT_THROW(withdrawParticipant(rows, -1, 2), text::RuntimeError);
    EXPECT_EQ(shape(rows), before);
    EXPECT_EQ(rows[2].TeamID, "T20");
}

TEST_F(participantRowsTest, ATeamGoesToThePlayersBlockOnly) {
    VbArray<typScoreData> rows = rowsOf({10, 20, 30}, 3);
    rows[6].TeamID = rows[3].TeamID = "A"; // 30 shares 20's old team
    setParticipantTeam(rows, 3, "B");
    std::vector<std::string> teams;
    for (const typScoreData& r : rows) teams.push_back(r.TeamID);
    EXPECT_EQ(teams, (std::vector<std::string>{"T10", "T10", "T10", "B", "B", "B", "A", "T30", "T30"}));
    setParticipantTeam(rows, 0, "");
    EXPECT_EQ(rows[0].TeamID, "");
    EXPECT_EQ(rows[2].TeamID, "");
    EXPECT_EQ(rows[3].TeamID, "B");

    // A player listed twice: only the chosen listing gets the team.
    rows = rowsOf({10, 20, 10}, 1);
    setParticipantTeam(rows, 2, "C");
    EXPECT_EQ(rows[0].TeamID, "T10");
    EXPECT_EQ(rows[2].TeamID, "C");
    // Two listings in a row: the second keeps its team.
    rows = rowsOf({10, 10, 20}, 2);
    setParticipantTeam(rows, 0, "C");
    teams.clear();
    for (const typScoreData& r : rows) teams.push_back(r.TeamID);
    EXPECT_EQ(teams, (std::vector<std::string>{"C", "C", "T10", "T10", "T20", "T20"}));
}

TEST_F(participantRowsTest, EnteredMarksFollowTheRows) {
    for (int32_t id : {1, 2, 3, 4}) {
        typPlayerInfo& p = gtypPlayers.append();
        p.ID = id;
        p.Entered = 1;
        p.TeamID = "X";
    }
    markEnteredPlayers(rowsOf({3, 1}, 2));
    std::vector<int> entered;
    for (const typPlayerInfo& p : gtypPlayers) {
        entered.push_back(p.Entered);
        EXPECT_EQ(p.TeamID, "");
    }
    EXPECT_EQ(entered, (std::vector<int>{1, 0, 1, 0}));
}

TEST_F(participantRowsTest, RowsInViewAreWholeRowsUnderTheHeader) {
    EXPECT_EQ(visibleRows(3850), 10);
    EXPECT_EQ(visibleRows(4199), 10);
    EXPECT_EQ(visibleRows(700), 1);
    EXPECT_EQ(visibleRows(350), 0);
}

// The view shows rows 5 to 14 (top 5, 10 rows).
TEST_F(participantRowsTest, TheScoreTableShowsTheNewRows) {
    struct Case {
        int32_t at; // the first new row is table row at + 1
        int32_t top;
    } cases[] = {
        {2, 3},   // above the view: shown at the top
        {3, 4},   // just above it
        {4, 5},   // on the top row: the view stays
        {12, 5},  // row 13, inside
        {13, 6},  // row 14, the last in view: moved up to the second-to-last
        {30, 23}, // far below
    };
    for (const Case& c : cases) EXPECT_EQ(scoreTopAfterAdding(c.at, 5, 10), c.top) << c.at;
    EXPECT_EQ(scoreTopAfterAdding(0, 1, 10), 1);
}

TEST_F(participantRowsTest, TheParticipantListShowsTheNewRow) {
    struct Case {
        int16_t place;
        int32_t selectedRow, rowCount, top, visible;
        int32_t result;
    } cases[] = {
        {AddAbove, 8, 31, 5, 10, 5},   // inside the view
        {AddAbove, 14, 31, 5, 10, 5},  // the last row in view
        {AddAbove, 15, 31, 5, 10, 6},  // below: becomes the last in view
        {AddAbove, 2, 31, 5, 10, 5},   // above: the view stays
        {AddBelow, 13, 31, 5, 10, 5},  // the new row 14 is in view
        {AddBelow, 14, 31, 5, 10, 6},  // the new row 15 is not
        {AddAtTop, 20, 31, 5, 10, 1},
        {AddAtEnd, -1, 31, 5, 10, 22}, // new row 31 the last in view
        {AddAtEnd, -1, 10, 1, 10, 1},  // new row 10 in view
        {AddAtEnd, -1, 1, 1, 10, 1},   // the first participant
        {AddAbove, 1, 2, 0, 10, 1},    // never above row 1
    };
    for (const Case& c : cases)
        EXPECT_EQ(memberTopAfterAdding(c.place, c.selectedRow, c.rowCount, c.top, c.visible), c.result)
            << c.place << " " << c.selectedRow << " " << c.rowCount;
}

TEST_F(participantRowsTest, TheWithdrawalQuestionNamesThePlayer) {
    typPlayerInfo& a = gtypPlayers.append();
    a.ID = 1;
    a.Name = "山田太郎";
    a.Birthday = "1950/06/15";
    a.Gender = 1;
    typPlayerInfo& b = gtypPlayers.append();
    b.ID = 2;
    b.Name = "鈴木花子";
    b.Gender = 2;
    EXPECT_EQ(withdrawQuestion(1, " 2010/10/10 "), "山田太郎　（男、60歳） さんの参加を取り消します。");
    EXPECT_EQ(withdrawQuestion(2, "2010/10/10"), "鈴木花子　（女、-歳） さんの参加を取り消します。");
    EXPECT_EQ(withdrawQuestion(1, ""), "山田太郎　（男、-歳） さんの参加を取り消します。");
}
