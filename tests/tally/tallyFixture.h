#pragma once
#include "core/gameFile.h"
#include "core/gameRecords.h"
#include "core/globals.h"
#include "core/iniFile.h"
#include "core/registries.h"
#include "platform/forms/Simulation.h"
#include "platform/forms/testing/TestDesktop.h"
#include "support/DataFolder.h"
#include "support/TempHome.h"
#include "tally/frmBrenmoor.h"
#include "tally/frmScore.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

// A data folder with a series, three registered players (7, 8, 9; 9 without
// a date of birth) and stored game 1: 9 holes x 3 courses, "春季第1戦" of
// series 1, players 7 (team A), 8 (team A) and 9 (no team). The tally window
// is made by open() and its close is counted.
class TallyTest : public ::testing::Test {
protected:
    TallyTest() : data(home) {
        data.writeSeries({{1, "春季リーグ"}});
        data.writeGroups({{1, "札幌中央パークゴルフ協会", "札幌"}});
        data.writePlayers({{7, "山田太郎", "1950/06/15", 1, 1, "やまだ", "札幌市中央区"},
                           {8, "鈴木花子", "1952/03/08", 2, 0, "すずき", "旭川"},
                           {9, "佐藤一郎", "", 1, 1, "さとう", ""}});
        loadPlayers();
        loadGroups();
        game.title = "春季第1戦";
        game.seriesId = 1;
        game.hole = 9;
        game.round = 3;
        game.roundNames = {"A", "B", "C"};
        // As the program writes them: every cell, each followed by ",".
        const std::string course = "4,4,4,4,4,4,4,4,4,", none = ",,,,,,,,,"; // 36 strokes, nothing
        game.scores = {{7, course + course + course, "A", 0}, {8, course + course + none, "A", 0},
                       {9, none + none + none, "", 0}};
    }

    // Stores `game` as game 1 and makes it the current game.
    void storeGame() {
        data.writeGame(1, game);
        data.writeManager("1");
        gsReadGameList();
        ASSERT_EQ(gtypGames.size(), 1u);
        gtypGame = gtypGames[0];
    }

    // A new game of this shape for the entrants (ID, team).
    void newGame(int16_t round, const std::vector<std::pair<int32_t, std::string>>& entrants) {
        gtypGame = typGameInfo{};
        gtypGame.Date = "2010/10/10";
        gtypGame.Tittle = "秋季第1戦";
        gtypGame.SeriesID = 1;
        gtypGame.Hole = 9;
        gtypGame.Round = round;
        gtypGame.CategoryAgeLow = gtypGame.CategoryAgeHigh = -1;
        gtypEntries.clear();
        for (const auto& [id, team] : entrants) gtypEntries.append({id, team});
    }

    frmBrenmoor& open() {
        tally = std::make_unique<frmBrenmoor>([this] { ++closes; });
        tally->Show();
        return *tally;
    }

    // A person clicks a cell of the score table (row 1 and on, shown rows).
    void clickScore(int32_t col, int32_t row) {
        uctMGRow* view = tally->uctGridList.RowView(row);
        ASSERT_NE(view, nullptr) << "row " << row << " is not shown";
        forms::sim::click(view->lblObj(col));
    }
    // Score entry for the player of score-table row `row`, confirmed as it
    // opens: the game is modified.
    void confirmScoreEntry(int32_t row) {
        desk.modal.add<frmScore>([](frmScore& d) { forms::sim::click(d.btnOK); });
        clickScore(1, row);
    }

    void setGeometry(const std::string& key, const std::string& value) {
        gfWriteIniFile(gstrIniFile, "WindowSize", key, value);
    }
    static std::string geometry(const std::string& key) { return gfReadIniFile(gstrIniFile, "WindowSize", key); }

    // A cell text of a grid.
    static std::string cell(uctMyGrid& g, int32_t col, int32_t row) { return g.Cell(col, row).Text; }
    static std::vector<std::string> column(uctMyGrid& g, int32_t col) {
        std::vector<std::string> out;
        for (int32_t r = 1; r < g.gfRowCount(); ++r) out.push_back(cell(g, col, r));
        return out;
    }

    testsupport::TempHome home;
    testsupport::DataFolder data;
    forms::doubles::TestDesktop desk;
    testsupport::GameEntry game;
    std::unique_ptr<frmBrenmoor> tally;
    int closes = 0;
};
