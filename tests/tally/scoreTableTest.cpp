// The score table and the participant list as plain data, without a window.
#include "core/gameRecords.h"
#include "core/globals.h"
#include "platform/text/RuntimeError.h"
#include "platform/text/Strings.h"
#include "tally/wholeList.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class ListBuilders : public ::testing::Test {
protected:
    ListBuilders() {
        resetSharedGlobals();
        gtypPlayers.append({7, "山田太郎", "1950/06/15", 0, 1, 0, 1, "", "やまだ", "札幌市中央区"});
        gtypPlayers.append({8, "鈴木花子", "1952/03/08", 0, 2, 0, 0, "", "すずき", "旭川"});
        gtypBelongs.append({1, "札幌中央パークゴルフ協会", "札幌", 0, 0});
        game.Date = "2010/10/10";
        game.Hole = 9;
        game.Round = 3;
        game.RoundName[0] = "A";
        game.RoundName[1] = "B";
        game.RoundName[2] = "C";
    }

    // A player's courses, each a comma list of hole texts ("4,4,,5").
    void player(int32_t id, const std::vector<std::string>& courses, const std::string& team = "",
                int32_t handicap = 0) {
        for (size_t k = 0; k < courses.size(); ++k) {
            typScoreData& row = rows.append();
            row.IDNo = id;
            row.RoundNo = static_cast<int16_t>(k + 1);
            row.TeamID = team;
            row.Handicap = handicap;
            const std::vector<std::string> holes = text::Split(courses[k], ",");
            for (size_t h = 0; h < holes.size() && h < 18; ++h) row.Holes[h] = holes[h];
        }
    }

    static std::vector<std::string> column(const ListTable& t, size_t col) {
        std::vector<std::string> out;
        for (const ListRow& r : t.rows) out.push_back(r.cells.at(col).text);
        return out;
    }
    static std::vector<std::string> headers(const ListTable& t) {
        std::vector<std::string> out;
        for (const ListColumn& c : t.columns) out.push_back(c.header);
        return out;
    }

    typGameInfo game;
    VbArray<typScoreData> rows;
};

// Course 1: 40 strokes; course 2: 42 with a hole in one; course 3: a hole
// not entered and one entered as 0.
const std::vector<std::string> kThreeCourses = {"4,4,4,4,4,4,4,4,8", "1,5,4,4,4,4,4,8,8", "4,,4,4,4,4,0,4,4"};

} // namespace

TEST_F(ListBuilders, ScoreTotalsByHandicapKind) {
    struct Case {
        int16_t kind;
        int16_t round;
        int32_t handicap;
        std::vector<std::string> courses;
        std::vector<std::string> strokes, hc, subtotal;
        std::string total;
    };
    const std::vector<Case> cases = {
        {0, 3, 0, kThreeCourses, {"40", "42", "-"}, {}, {}, "82"},
        {1, 3, -25, kThreeCourses, {"40", "42", "-"}, {"-2.5", "-2.5", "-2.5"}, {"37.5", "39.5", "-"}, "77"},
        {2, 3, 55, kThreeCourses, {"40", "42", "-"}, {"5.5", "", ""}, {}, "85.7"},
        // 400 + 6.5 rounds to the even 406.
        {2, 2, 13, {"4,4,4,4,4,4,4,4,8", "4,4,4,4,4,4,4,4,"}, {"40", "-"}, {"1.3", ""}, {}, "40.6"},
        {1, 1, 0, {"4,4,4,4,4,4,4,4,8"}, {"40"}, {"0"}, {"40"}, "40"},
        // No complete course: no total.
        {2, 2, 13, {"4,4,4,4,4,4,4,4,", ""}, {"-", "-"}, {"1.3", ""}, {}, "-"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "kind " << c.kind << " round " << c.round << " hc " << c.handicap);
        game.HandiCapKind = c.kind;
        game.Round = c.round;
        rows.clear();
        player(7, c.courses, "", c.handicap);
        const ListTable t = scoreTable(game, rows);
        const size_t strokesCol = 5 + 9;
        EXPECT_EQ(t.columns.size(), static_cast<size_t>(9 + (c.kind == 0 ? 7 : c.kind == 1 ? 9 : 8)));
        EXPECT_EQ(column(t, strokesCol), c.strokes);
        if (c.kind != 0) {
            EXPECT_EQ(column(t, strokesCol + 1), c.hc);
        }
        if (c.kind == 1) {
            EXPECT_EQ(column(t, strokesCol + 2), c.subtotal);
        }
        std::vector<std::string> totals(static_cast<size_t>(c.round), "");
        totals[0] = c.total;
        EXPECT_EQ(column(t, t.columns.size() - 1), totals);
        EXPECT_EQ(t.columns.back().header, "合計");
    }
}

TEST_F(ListBuilders, ScoreColumnsAndCells) {
    game.HandiCapKind = 1;
    player(7, kThreeCourses, "X");
    player(8, {"", "", ""}, " B ");
    player(99, {"3", "", ""}); // not in the registry
    const ListTable t = scoreTable(game, rows);
    EXPECT_EQ(headers(t), (std::vector<std::string>{"No.", "名前", "年令", "性別", "", "1", "2", "3", "4", "5", "6",
                                                    "7", "8", "9", "実打", "Hc", "小計", "合計"}));
    for (size_t c = 5; c < 14; ++c) EXPECT_EQ(t.columns[c].width, 500);
    EXPECT_TRUE(t.columns.back().headerBold);
    EXPECT_FALSE(t.columns[14].headerBold);

    ASSERT_EQ(t.rows.size(), 9u);
    for (size_t r = 0; r < 9; ++r) EXPECT_EQ(t.rows[r].itemData, static_cast<int32_t>(r) + 1);
    EXPECT_EQ(column(t, 0), (std::vector<std::string>{"1", "", "", "2", "", "", "3", "", ""}));
    // The team in grey on the second course row only.
    EXPECT_EQ(column(t, 1), (std::vector<std::string>{"山田太郎", "[ X ]", "", "鈴木花子", "[ B ]", "", "", "", ""}));
    EXPECT_EQ(t.rows[1].cells[1].fore, forms::vbGrayText);
    EXPECT_EQ(column(t, 2), (std::vector<std::string>{"60", "", "", "58", "", "", "", "", ""}));
    EXPECT_EQ(column(t, 3), (std::vector<std::string>{"男", "", "", "女", "", "", "", "", ""}));
    EXPECT_EQ(column(t, 4), (std::vector<std::string>{"A", "B", "C", "A", "B", "C", "A", "B", "C"}));
    // "①" for a hole in one, "-" for a hole not entered or 0.
    EXPECT_EQ(t.rows[1].cells[5].text, "①");
    EXPECT_EQ(t.rows[1].cells[6].text, "5");
    EXPECT_EQ(t.rows[2].cells[6].text, "-");
    EXPECT_EQ(t.rows[2].cells[11].text, "-");
    // A player missing from the registry still shows the strokes.
    EXPECT_EQ(t.rows[6].cells[5].text, "3");
    EXPECT_EQ(t.rows[6].cells.back().text, "-");

    // The second player's rows are shaded; columns with a colour of their own keep it.
    for (size_t r : {0u, 3u, 6u}) {
        const bool shaded = r == 3;
        SCOPED_TRACE(r);
        EXPECT_EQ(t.rows[r].cells[1].back.has_value(), shaded);
        EXPECT_EQ(t.rows[r + 1].cells[5].back.has_value(), shaded);
        EXPECT_EQ(t.rows[r].cells[0].back, forms::vbButtonFace);
        EXPECT_EQ(t.rows[r].cells[4].back, kListGrey);
        EXPECT_EQ(t.rows[r].cells[14].back, kListGrey);
        EXPECT_EQ(t.rows[r].cells[16].back, kListGrey);
        EXPECT_EQ(t.rows[r].cells[17].back, kListGrey);
        EXPECT_TRUE(t.rows[r + 2].cells[17].bold);
    }
    EXPECT_EQ(t.rows[3].cells[1].back, kScoreShade);
    EXPECT_EQ(t.rows[1].cells[1].alignment, AlignLeft);
    EXPECT_EQ(t.rows[1].cells[2].alignment, AlignCentre);
}

TEST_F(ListBuilders, ScoreColumnWidthsFollowTheHoles) {
    for (const auto& [hole, width] : std::vector<std::pair<int16_t, int32_t>>{{9, 500}, {12, 500}, {13, 500}, {18, 361}}) {
        game.Hole = hole;
        rows.clear();
        const ListTable t = scoreTable(game, rows);
        EXPECT_TRUE(t.rows.empty());
        EXPECT_EQ(t.columns.size(), static_cast<size_t>(hole + 7));
        EXPECT_EQ(t.columns[5].width, width) << hole;
    }
}

TEST_F(ListBuilders, EachRowIsWorkedOutAloneFromTheScoresAsTheyAreThen) {
    game.HandiCapKind = 1;
    player(7, kThreeCourses, "X", -25);
    player(8, kThreeCourses, "", 10);
    EXPECT_EQ(scoreFirstRow(rows, 5), 3);
    EXPECT_EQ(scoreFirstRow(rows, 3), 3);
    EXPECT_EQ(scoreFirstRow(rows, 2), 0);
    EXPECT_EQ(scoreLastRow(rows, 0), 2);
    EXPECT_EQ(scoreLastRow(rows, 3), 5);
    const ListTable whole = scoreTable(game, rows);
    const ListRows list = scoreRows(game, rows);
    EXPECT_EQ(list.itemData, (std::vector<int32_t>{1, 2, 3, 4, 5, 6}));
    // In any order, each row as the whole table has it.
    for (int32_t j : {5, 3, 0, 4, 1, 2}) {
        const std::vector<ListCell> cells = rowCellsOf(list, j);
        ASSERT_EQ(cells.size(), whole.columns.size());
        for (size_t c = 0; c < cells.size(); ++c) {
            const ListCell& want = whole.rows[static_cast<size_t>(j)].cells[c];
            EXPECT_EQ(cells[c].text, want.text) << j << "," << c;
            EXPECT_EQ(cells[c].back, want.back) << j << "," << c;
            EXPECT_EQ(cells[c].fore, want.fore) << j << "," << c;
            EXPECT_EQ(cells[c].bold, want.bold) << j << "," << c;
        }
    }
    EXPECT_EQ(rowCellsOf(list, 3).back().text, "84"); // 41 + 43
    // Changed since: the third course completed (36 + 1) and the team cleared.
    rows[5].Holes[1] = rows[5].Holes[6] = "4";
    rows[1].TeamID = "";
    EXPECT_EQ(rowCellsOf(list, 3).back().text, "121");
    EXPECT_EQ(rowCellsOf(list, 1)[1].text, "");
}

TEST_F(ListBuilders, AGameHandicapShareThatCannotFitFailsBeforeAnyRowIsAskedFor) {
    game.HandiCapKind = 2;
    const std::string course = "4,4,4,4,4,4,4,4,4";
    player(7, {course, course, course, course}, "", 2000000000);
    player(8, {course, course, course}, "", 2000000000);
    // A damaged game: player 7 holds four complete courses, the last two numbered 3.
    rows[3].RoundNo = 3;
    EXPECT_THROW(scoreRows(game, rows), text::RuntimeError);
    EXPECT_THROW(checkScoreTotals(game, rows, 0, 3), text::RuntimeError);
    // Player 8's rows alone, and any course shape without the game handicap, are sound.
    EXPECT_NO_THROW(checkScoreTotals(game, rows, 4, 6));
    game.HandiCapKind = 1;
    EXPECT_NO_THROW(scoreRows(game, rows));
    // Three courses share the whole handicap: it fits.
    game.HandiCapKind = 2;
    rows.erase(rows.begin() + 2);
    EXPECT_EQ(scoreTable(game, rows).rows[0].cells.back().text, "200000108"); // 3 x 36 strokes + 200000000
}

TEST_F(ListBuilders, ParticipantsAreOneRowPerPlayer) {
    player(7, {"", "", ""}, " A ");
    player(8, {"", "", ""});
    player(99, {"", "", ""}, "B");
    player(7, {"", "", ""});
    const ListTable t = memberList(game, rows);
    EXPECT_EQ(headers(t), (std::vector<std::string>{"No.", "チーム", "名前", "年令", "性別", "地域", "所属"}));
    std::vector<int32_t> widths;
    for (const ListColumn& c : t.columns) widths.push_back(c.width);
    EXPECT_EQ(widths, (std::vector<int32_t>{550, 800, 2500, 550, 550, 1300, 4500}));
    ASSERT_EQ(t.rows.size(), 4u);
    std::vector<int32_t> items;
    for (const ListRow& r : t.rows) items.push_back(r.itemData);
    EXPECT_EQ(items, (std::vector<int32_t>{1, 4, 7, 10}));
    EXPECT_EQ(column(t, 0), (std::vector<std::string>{"1", "2", "3", "4"}));
    EXPECT_EQ(column(t, 1), (std::vector<std::string>{"A", "", "B", ""}));
    EXPECT_EQ(column(t, 2), (std::vector<std::string>{"山田太郎", "鈴木花子", "", "山田太郎"}));
    EXPECT_EQ(column(t, 3), (std::vector<std::string>{"60", "58", "", "60"}));
    EXPECT_EQ(column(t, 4), (std::vector<std::string>{"男", "女", "", "男"}));
    // The region is cut to five characters; no affiliation shows nothing.
    EXPECT_EQ(column(t, 5), (std::vector<std::string>{"札幌市中央", "旭川", "", "札幌市中央"}));
    EXPECT_EQ(column(t, 6), (std::vector<std::string>{"札幌中央パークゴルフ協会", "", "", "札幌中央パークゴルフ協会"}));
    // Every second row light blue, the ordinal and team columns keeping their own colour.
    EXPECT_FALSE(t.rows[0].cells[2].back.has_value());
    EXPECT_EQ(t.rows[1].cells[2].back, kMemberShade);
    EXPECT_EQ(t.rows[3].cells[6].back, kMemberShade);
    EXPECT_EQ(t.rows[1].cells[0].back, forms::vbButtonFace);
    EXPECT_EQ(t.rows[1].cells[1].back, kListGrey);

    game.Round = 1;
    EXPECT_EQ(memberList(game, rows).rows.size(), 12u);
    rows.clear();
    EXPECT_TRUE(memberList(game, rows).rows.empty());
}
