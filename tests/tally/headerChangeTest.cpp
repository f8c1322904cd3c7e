#include "tally/headerChange.h"

#include "core/gameFile.h"
#include "core/gameRecords.h"
#include "core/globals.h"
#include "platform/forms/testing/TestDesktop.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr const char* kClearing = "ハンディキャップをクリアします。再設定してください。";

typGameInfo header(int16_t holes, int16_t courses, int16_t kind) {
    typGameInfo g;
    g.Hole = holes;
    g.Round = courses;
    g.HandiCapKind = kind;
    g.Date = "2010/10/10";
    for (int k = 0; k < 10; ++k) g.RoundName[static_cast<size_t>(k)] = std::string(1, char('A' + k));
    return g;
}

// Two players of a game in `before`'s shape: player 7 (team "A", handicap
// 25) has strokes 1, 2, 3 ... hole after hole, course after course; player
// 8 has 9s throughout. The rows are packed, as the tally window does before
// the header dialog opens.
class HeaderChangeTest : public ::testing::Test {
protected:
    HeaderChangeTest() { resetSharedGlobals(); }
    void play(const typGameInfo& before) {
        gtypGame = before;
        gtypScores.clear();
        int stroke = 1;
        for (int32_t id : {7, 8}) {
            for (int16_t c = 1; c <= before.Round; ++c) {
                typScoreData& row = gtypScores.append();
                row.IDNo = id;
                row.RoundNo = c;
                row.TeamID = id == 7 ? "A" : "";
                row.Handicap = id == 7 ? 25 : -10;
                for (int h = 0; h < before.Hole; ++h)
                    row.Holes[static_cast<size_t>(h)] = std::to_string(id == 7 ? stroke++ : 9);
            }
        }
        gsPackScoreData();
    }
    // The hole texts of one score row, holes 1 to 18.
    static std::vector<std::string> holes(size_t row) {
        const auto& h = gtypScores[row].Holes;
        return {h.begin(), h.end()};
    }

    forms::doubles::TestDesktop desk;
};

} // namespace

TEST(headerChange, WhatTheRowsNeedFollowsShapeKindAndUsedCourseNames) {
    const typGameInfo before = header(9, 3, 1);
    const struct {
        const char* what;
        void (*change)(typGameInfo&);
        RowsAfterHeaderChange rows;
    } cases[] = {
        {"title, series, options", [](typGameInfo& g) {
             g.Tittle = "新";
             g.SeriesID = 3;
             g.TeamHowtoRank = 1;
             g.JudgeBirthday = 1;
         }, RowsAfterHeaderChange::Kept},
        {"date padded", [](typGameInfo& g) { g.Date = " 2010/10/10 "; }, RowsAfterHeaderChange::Kept},
        {"date", [](typGameInfo& g) { g.Date = "2011/01/01"; }, RowsAfterHeaderChange::Redrawn},
        {"name of course 5 of 3", [](typGameInfo& g) { g.RoundName[4] = "Z"; }, RowsAfterHeaderChange::Kept},
        {"name of course 3 padded", [](typGameInfo& g) { g.RoundName[2] = " C "; }, RowsAfterHeaderChange::Kept},
        {"name of course 3", [](typGameInfo& g) { g.RoundName[2] = "c"; }, RowsAfterHeaderChange::Redrawn},
        {"courses", [](typGameInfo& g) { g.Round = 4; }, RowsAfterHeaderChange::Relaid},
        {"holes", [](typGameInfo& g) { g.Hole = 10; }, RowsAfterHeaderChange::Relaid},
        {"kind", [](typGameInfo& g) { g.HandiCapKind = 0; }, RowsAfterHeaderChange::Relaid},
    };
    for (const auto& c : cases) {
        typGameInfo after = before;
        c.change(after);
        EXPECT_EQ(rowsAfterHeaderChange(before, after), c.rows) << c.what;
    }
}

TEST(headerChange, HandicapsSurviveOnlyACourseCountChangeOfAPerCourseHandicap) {
    const struct {
        int16_t holes, courses, kind;
        int16_t newHoles, newCourses, newKind;
        HandicapsAfterRelay fate;
    } cases[] = {
        {9, 3, 1, 9, 4, 1, HandicapsAfterRelay::Kept},
        {9, 3, 1, 10, 3, 1, HandicapsAfterRelay::ClearedWithNotice},
        {9, 3, 1, 9, 3, 2, HandicapsAfterRelay::ClearedWithNotice},
        {9, 3, 2, 9, 4, 2, HandicapsAfterRelay::ClearedWithNotice},
        {9, 3, 1, 9, 3, 0, HandicapsAfterRelay::Cleared},
        {9, 3, 0, 9, 3, 1, HandicapsAfterRelay::Cleared},
        {9, 3, 0, 9, 4, 0, HandicapsAfterRelay::Cleared},
    };
    for (const auto& c : cases)
        EXPECT_EQ(handicapsAfterRelay(header(c.holes, c.courses, c.kind), header(c.newHoles, c.newCourses, c.newKind)),
                  c.fate)
            << c.holes << "x" << c.courses << " kind " << c.kind << " -> " << c.newHoles << "x" << c.newCourses
            << " kind " << c.newKind;
}

TEST_F(HeaderChangeTest, MoreHolesPerCourseMoveStrokesAcrossCourseBoundaries) {
    const typGameInfo before = header(9, 2, 1);
    play(before);
    gtypGame.Hole = 10;
    relayScoreRows(before);

    ASSERT_EQ(gtypScores.size(), 4u);
    // Course 1 takes old course 1 and the first hole of old course 2; course
    // 2 takes old course 2's holes 2 to 9 and two empty holes.
    EXPECT_EQ(holes(0), (std::vector<std::string>{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "", "", "", "", "",
                                                  "", "", ""}));
    EXPECT_EQ(holes(1), (std::vector<std::string>{"11", "12", "13", "14", "15", "16", "17", "18", "", "", "", "", "",
                                                  "", "", "", "", ""}));
    EXPECT_EQ(gtypScores[1].RoundNo, 2);
    EXPECT_EQ(gtypScores[2].IDNo, 8);
    EXPECT_EQ(gtypScores[3].TeamID, "");
    EXPECT_EQ(gtypScores[1].TeamID, "A");
    // Per course before and after, but the holes changed: cleared, and said so.
    ASSERT_EQ(desk.messages().size(), 1u);
    EXPECT_EQ(desk.lastMessage().prompt, kClearing);
    EXPECT_EQ(desk.lastMessage().title, "ハンディキャップのクリア");
    EXPECT_EQ(desk.lastMessage().flags, forms::vbOKOnly);
    for (const typScoreData& row : gtypScores) EXPECT_EQ(row.Handicap, 0);
}

TEST_F(HeaderChangeTest, AnotherCourseKeepsStrokesAndPerCourseHandicaps) {
    const typGameInfo before = header(9, 3, 1);
    play(before);
    const std::vector<std::string> course3 = holes(2);
    gtypGame.Round = 4;
    relayScoreRows(before);

    ASSERT_EQ(gtypScores.size(), 8u);
    EXPECT_EQ(holes(2), course3);
    EXPECT_EQ(holes(3), std::vector<std::string>(18, ""));
    EXPECT_EQ(gtypScores[3].RoundNo, 4);
    EXPECT_EQ(gtypScores[4].IDNo, 8);
    EXPECT_EQ(gtypScores[3].Handicap, 25);
    EXPECT_EQ(gtypScores[7].Handicap, -10);
    EXPECT_TRUE(desk.messages().empty());

    // Fewer courses drop the strokes of the last ones.
    const typGameInfo four = gtypGame;
    gsPackScoreData();
    gtypGame.Round = 1;
    relayScoreRows(four);
    ASSERT_EQ(gtypScores.size(), 2u);
    EXPECT_EQ(gtypScores[1].IDNo, 8);
    EXPECT_EQ(gtypScores[1].Holes[8], "9");
}

TEST_F(HeaderChangeTest, ATurnedOffHandicapIsClearedWithoutAWord) {
    for (auto [kind, newKind] : {std::pair<int16_t, int16_t>{1, 0}, {0, 1}}) {
        const typGameInfo before = header(9, 2, kind);
        play(before);
        gtypGame.HandiCapKind = newKind;
        relayScoreRows(before);
        ASSERT_EQ(gtypScores.size(), 4u);
        EXPECT_EQ(gtypScores[0].Holes[0], "1"); // same shape: the strokes stay
        for (const typScoreData& row : gtypScores) EXPECT_EQ(row.Handicap, 0);
    }
    EXPECT_TRUE(desk.messages().empty());
}
