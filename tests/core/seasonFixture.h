#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "core/gameFile.h"
#include "core/gameRecords.h"
#include "core/globals.h"
#include "core/resultRecords.h"
#include "core/season.h"
#include "platform/forms/testing/TestDesktop.h"
#include "support/DataFolder.h"
#include "support/TempHome.h"

// One season shared by every season test: four stored games of different
// shapes and handicap kinds, with teams, incomplete courses, holes in one,
// two games on one date and a player (105) missing from the registry.
//
//   index file            date        holes x courses  handicap
//   0     game00001.lmg   2010/04/10  9 x 2            none
//   1     game00002.lmg   2010/05/15  8 x 2            per course
//   2     game00003.lmg   2010/05/15  6 x 3            per game
//   3     game00004.lmg   2010/06/20  9 x 1            none
//
// Players: 101 (born 1950/04/01, affiliation 3), 102 (1960/06/15, 12),
// 103 (1955/01/20, 3), 104 (no date of birth, none), 105 (not registered).
// Every expected figure in the tests was worked out by hand from the scores
// below.
class SeasonFixture : public testing::Test {
protected:
    SeasonFixture() {
        using testsupport::GameEntry;
        data.writeManager("4");
        // Game 1, 9 x 2, no handicap. 101 has a hole in one on course 2;
        // 102 misses a hole of course 2; 105 has holes of 6 and 7 strokes.
        GameEntry g1 = game("2010/04/10", "春季大会", 9, 2, 0);
        g1.scores = {{101, pack({same("3", 9), "4,3,3,3,3,3,3,3,1"}), "A", 0},
                     {102, pack({same("4", 9), "4,4,4,4,,4,4,4,4"}), "A", 0},
                     {103, pack({same("3", 9), same("3", 9)}), "B", 0},
                     {105, pack({same("5", 9), "6,6,6,6,6,6,6,6,7"}), "B", 0}};
        // Game 2, 8 x 2, per-course handicap. 104's course 2 has a "0".
        GameEntry g2 = game("2010/05/15", "五月杯", 8, 2, 1);
        g2.scores = {{101, pack({same("3", 8), same("3", 8)}), "A", 5},
                     {104, pack({same("4", 8), "4,4,4,4,4,4,4,0"}), "", -15},
                     {103, pack({same("4", 8), same("2", 8)}), "AB", -10}};
        // Game 3, 6 x 3, per-game handicap, on the same date as game 2.
        // 101 misses the last hole of course 2; 105 completes no course.
        GameEntry g3 = game("2010/05/15", "五月杯 午後", 6, 3, 2);
        g3.scores = {{101, pack({same("4", 6), "4,4,4,4,4,", same("3", 6)}), "A", 30},
                     {102, pack({same("3", 6), same("3", 6), same("3", 6)}), "A", 15},
                     {104, pack({same("4", 6), same("4", 6), same("5", 6)}), "", -25},
                     {105, pack({"5,5,5,5,5,", "5,5,5,5,5,", "5,5,5,5,5,"}), "B", -5}};
        // Game 4, 9 x 1, no handicap. 102 has a hole in one.
        GameEntry g4 = game("2010/06/20", "夏季大会", 9, 1, 0);
        g4.scores = {{101, pack({same("3", 9)}), "", 0},
                     {104, pack({same("4", 9)}), "", 0},
                     {102, pack({"1,3,3,3,3,3,3,3,3"}), "A", 0}};
        data.writeGame(1, g1);
        data.writeGame(2, g2);
        data.writeGame(3, g3);
        data.writeGame(4, g4);
        gsReadGameList();

        gtypPlayers.clear();
        gtypPlayers.append(player(101, "1950/04/01", 3, "あおき"));
        gtypPlayers.append(player(102, "1960/06/15", 12, "ばば"));
        gtypPlayers.append(player(103, "1955/01/20", 3, "ちば"));
        gtypPlayers.append(player(104, "", 0, "どい"));

        // The season as the main window hands it over: every game, the
        // largest shape, the latest date.
        glngSeasonGames = {0, 1, 2, 3};
        gtypSeasonGame = typGameInfo{};
        gtypSeasonGame.Date = "2010/06/20";
        gtypSeasonGame.Hole = 9;
        gtypSeasonGame.Round = 3;
        gtypSeasonGame.TeamHowtoRank = 0;
        gtypSeasonGame.CategoryAgeLow = -1;
        gtypSeasonGame.CategoryAgeHigh = -1;
        gintSeriesHandicap = 0;
        gintTotalRankingMode = 0;
        glngKiteiRound = glngKiteiGame = glngKiteiHole = glngKitei9H = 0;
        gsClearResults();
    }
    ~SeasonFixture() override {
        resetSharedGlobals();
    }

    // What the season window does before a computation.
    void gather(int16_t kind) {
        gsClearResults();
        ASSERT_FALSE(gfSetSeasonVarnel(kind, skipped));
    }

    // n cells of the same strokes: "3,3,3".
    static std::string same(const std::string& strokes, int n) {
        std::string cells;
        for (int k = 0; k < n; ++k) cells += (k > 0 ? "," : "") + strokes;
        return cells;
    }
    // A player's stored cells: each course's cells, each cell followed by ",".
    static std::string pack(std::initializer_list<std::string> courses) {
        std::string cells;
        for (const std::string& c : courses) cells += c + ",";
        return cells;
    }
    static testsupport::GameEntry game(const char* date, const char* title, int hole, int round, int handicapKind) {
        testsupport::GameEntry g;
        g.date = date;
        g.title = title;
        g.hole = hole;
        g.round = round;
        g.handiCapKind = handicapKind;
        return g;
    }
    static typPlayerInfo player(int32_t id, const char* birthday, int32_t belong, const char* sort) {
        typPlayerInfo p;
        p.ID = id;
        p.Name = "player" + std::to_string(id);
        p.Birthday = birthday;
        p.Gender = 1;
        p.BelongID = belong;
        p.Sort = sort;
        return p;
    }

    // A row in one line, for comparing whole tables: ID, date, game index,
    // team, games, courses, holes, strokes, handicap, total and rank.
    static std::string show(const typSeasonScore& r) {
        return std::to_string(r.IDNo) + " " + (r.Date.empty() ? "-" : std::string(r.Date)) + " g" + std::to_string(r.GameIndex) +
               " [" + std::string(r.TeamID) + "] n" + std::to_string(r.Games) + " c" + std::to_string(r.RoundsDone) + " h" +
               std::to_string(r.HolesDone) + " s" + std::to_string(r.Strokes) + " hc" + std::to_string(r.Handicap) +
               " t" + std::to_string(r.Total) + " #" + std::to_string(r.Rank);
    }
    static std::vector<std::string> show(const VbArray<typSeasonScore>& rows) {
        std::vector<std::string> out;
        for (const typSeasonScore& r : rows) out.push_back(show(r));
        return out;
    }
    // The per-position sums: hole positions, course positions, stroke counts.
    template <std::size_t N>
    static std::vector<int32_t> list(const FixedArray<int32_t, N>& a) {
        return std::vector<int32_t>(a.begin(), a.end());
    }

    testsupport::TempHome home;
    testsupport::DataFolder data{home};
    forms::doubles::TestDesktop desk; // records the message boxes
    std::vector<SeasonSkippedGame> skipped; // what the last gathering left out
};
