#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "core/gameRecords.h"
#include "core/globals.h"
#include "core/resultRecords.h"

// Small games for the ranking tests: a current game header, score rows built
// from stroke counts, and registered players for the birthday and category
// look-ups.
class RankGame : public ::testing::Test {
protected:
    void SetUp() override { resetSharedGlobals(); }
    void TearDown() override { resetSharedGlobals(); }

    // A game of `hole` holes and `round` courses, no category, no handicap.
    static void newGame(int16_t hole, int16_t round) {
        gtypGame = typGameInfo{};
        gtypGame.Hole = hole;
        gtypGame.Round = round;
        gtypGame.CategoryAgeLow = -1;
        gtypGame.CategoryAgeHigh = -1;
    }

    // Hole texts of one course of `strokes` over the game's holes: as even
    // as possible, the larger values first; 0 strokes = nothing entered.
    static std::vector<std::string> holesOf(int strokes) {
        std::vector<std::string> holes;
        const int hole = gtypGame.Hole;
        for (int h = 0; h < hole && strokes > 0; ++h)
            holes.push_back(std::to_string(strokes / hole + (h < strokes % hole ? 1 : 0)));
        return holes;
    }

    // One player's rows from the hole texts of each course.
    static void addPlayerTexts(int32_t id, const std::vector<std::vector<std::string>>& courses,
                               const std::string& team = "", int32_t handicap = 0) {
        for (std::size_t c = 0; c < courses.size(); ++c) {
            typScoreData& row = gtypScores.append();
            row.IDNo = id;
            row.RoundNo = static_cast<int16_t>(c + 1);
            row.TeamID = team;
            row.Handicap = handicap;
            for (std::size_t h = 0; h < courses[c].size(); ++h) row.Holes[h] = courses[c][h];
        }
    }

    // One player's rows from the strokes of each course (0 = not entered).
    static void addPlayer(int32_t id, const std::vector<int>& strokes, const std::string& team = "",
                          int32_t handicap = 0) {
        std::vector<std::vector<std::string>> courses;
        for (int s : strokes) courses.push_back(holesOf(s));
        addPlayerTexts(id, courses, team, handicap);
    }

    // A registered player (birthday "yyyy/mm/dd" or "", gender 1 or 2).
    static void registerPlayer(int32_t id, const std::string& birthday, int16_t gender = 1) {
        typPlayerInfo& p = gtypPlayers.append();
        p.ID = id;
        p.Name = "選手" + std::to_string(id);
        p.Birthday = birthday;
        p.Gender = gender;
    }

    // The IDs of gtypRankRows in order, and their ranks.
    static std::vector<int32_t> rankedIDs() {
        std::vector<int32_t> ids;
        for (const typRankRow& r : gtypRankRows) ids.push_back(r.IDNo);
        return ids;
    }
    static std::vector<int32_t> ranks() {
        std::vector<int32_t> out;
        for (const typRankRow& r : gtypRankRows) out.push_back(r.Rank);
        return out;
    }
};
