#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "core/gameRecords.h"
#include "core/globals.h"
#include "core/resultRecords.h"
#include "tally/listTable.h"

// One small game for the result lists: 9 holes by 3 courses ("A", "B",
// "C") on 2010/10/10, five registered players in entry order:
//   1 青木  M 1950/03/12 北クラブ  team A  30 32 31 (a hole in one on A)
//   2 井上  F 1960/05/01 南クラブ  team A  30 32 31
//   3 上田  M no birthday          team A  35 36 34
//   4 江藤  F 1945/01/20 北クラブ  team B   - 40 42 (course A incomplete)
//   5 大野  M 1970/07/07           team B   -  -  - (nothing complete)
// No category, no handicap, teams ranked by total strokes.
class ResultGame : public ::testing::Test {
protected:
    void SetUp() override {
        resetSharedGlobals();
        gtypGame.Date = "2010/10/10";
        gtypGame.Hole = 9;
        gtypGame.Round = 3;
        gtypGame.CategoryAgeLow = gtypGame.CategoryAgeHigh = -1;
        gtypGame.RoundName(0) = "A";
        gtypGame.RoundName(1) = "B";
        gtypGame.RoundName(2) = "C";
        belong(1, "北クラブ");
        belong(2, "南クラブ");
        player(1, "青木", "1950/03/12", 1, 1);
        player(2, "井上", "1960/05/01", 2, 2);
        player(3, "上田", "", 1, 0);
        player(4, "江藤", "1945/01/20", 2, 1);
        player(5, "大野", "1970/07/07", 1, 0);
        scores(1, "A", {{"1", "4", "4", "3", "3", "4", "4", "3", "4"}, spread(32), spread(31)});
        scores(2, "A", {spread(30), spread(32), spread(31)});
        scores(3, "A", {spread(35), spread(36), spread(34)});
        scores(4, "B", {{"5", "5", "5", "", "5"}, spread(40), spread(42)});
        scores(5, "B", {{"4", "4"}, {}, {}});
    }
    void TearDown() override { resetSharedGlobals(); }

    // Hole texts of a complete course of `strokes`, as even as possible.
    static std::vector<std::string> spread(int strokes) {
        std::vector<std::string> holes;
        for (int h = 0; h < 9; ++h) holes.push_back(std::to_string(strokes / 9 + (h < strokes % 9 ? 1 : 0)));
        return holes;
    }
    static void belong(int32_t id, const std::string& name) {
        typBelongInfo& b = gtypBelongs.append();
        b.ID = id;
        b.Name = name;
    }
    static void player(int32_t id, const std::string& name, const std::string& birthday, int16_t gender,
                       int32_t belongId) {
        typPlayerInfo& p = gtypPlayers.append();
        p.ID = id;
        p.Name = name;
        p.Birthday = birthday;
        p.Gender = gender;
        p.BelongID = belongId;
    }
    static void scores(int32_t id, const std::string& team, const std::vector<std::vector<std::string>>& courses) {
        for (size_t c = 0; c < courses.size(); ++c) {
            typScoreData& row = gtypScores.append();
            row.IDNo = id;
            row.RoundNo = static_cast<int16_t>(c + 1);
            row.TeamID = team;
            for (size_t h = 0; h < courses[c].size(); ++h) row.Holes[h] = courses[c][h];
        }
    }
    // Every score row of player `id` gets `handicap` tenths.
    static void handicap(int32_t id, int32_t tenths) {
        for (typScoreData& row : gtypScores)
            if (row.IDNo == id) row.Handicap = tenths;
    }
};

// What a list shows, for comparing whole rows.
inline std::vector<std::string> headers(const ListTable& t) {
    std::vector<std::string> out;
    for (const ListColumn& c : t.columns) out.push_back(c.header);
    return out;
}
inline std::vector<int32_t> widths(const ListTable& t) {
    std::vector<int32_t> out;
    for (const ListColumn& c : t.columns) out.push_back(c.width);
    return out;
}
inline std::vector<std::string> texts(const ListRow& r) {
    std::vector<std::string> out;
    for (const ListCell& c : r.cells) out.push_back(c.text);
    return out;
}
// One letter per cell: F button face, G grey, B `band`, . none, ? another.
inline std::string backs(const ListRow& r, forms::Color band) {
    std::string out;
    for (const ListCell& c : r.cells) {
        if (!c.back) out += '.';
        else if (*c.back == forms::vbButtonFace) out += 'F';
        else if (*c.back == kListGrey) out += 'G';
        else if (*c.back == band) out += 'B';
        else out += '?';
    }
    return out;
}
// The columns (header and cells) shown bold, as header names.
inline std::vector<std::string> boldColumns(const ListTable& t) {
    std::vector<std::string> out;
    for (size_t c = 0; c < t.columns.size(); ++c) {
        bool cells = !t.rows.empty();
        for (const ListRow& r : t.rows) cells = cells && r.cells[c].bold;
        if (t.columns[c].headerBold || cells) out.push_back(t.columns[c].header + (cells ? "" : "(header)"));
    }
    return out;
}
// The row of player `id` (the name in `nameCol`).
inline const ListRow& rowOf(const ListTable& t, const std::string& name, size_t nameCol = 1) {
    for (const ListRow& r : t.rows)
        if (r.cells.at(nameCol).text == name) return r;
    throw std::runtime_error("no row of " + name);
}
