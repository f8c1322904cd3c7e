#pragma once
#include "core/gameRecords.h"
#include "core/globals.h"
#include "core/iniFile.h"
#include "platform/forms/Simulation.h"
#include "platform/forms/testing/TestDesktop.h"
#include "support/DataFolder.h"
#include "support/TempHome.h"
#include "tally/frmScore.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// A game of two players (IDs 7 and 8) in a temporary home, with score entry
// opened for the first one. Player 7 is in the registry, born 1950/06/15;
// player 8 is not.
class ScoreEntryTest : public ::testing::Test {
protected:
    ScoreEntryTest() : data(home) {
        typPlayerInfo p;
        p.ID = 7;
        p.Name = "山田太郎";
        p.Birthday = "1950/06/15";
        p.Gender = 1;
        gtypPlayers.append(p);
        game(9, 3, 1);
        glngDlgIndex = 0;
        gstrDlgParam = "2010/10/10";
        gintDlgRet = 0;
    }

    // A game of this shape; each player gets Round empty rows, team "A".
    void game(int16_t hole, int16_t round, int16_t kind) {
        gtypGame = typGameInfo{};
        gtypGame.Date = "2010/10/10";
        gtypGame.Hole = hole;
        gtypGame.Round = round;
        gtypGame.HandiCapKind = kind;
        const char* names[] = {"A", "B", "C", "D", "E", "F", "G", "H", "I", "J"};
        for (int r = 0; r < 10; ++r) gtypGame.RoundName[static_cast<std::size_t>(r)] = names[r];
        gtypScores.clear();
        for (int32_t id : {7, 8}) {
            for (int16_t r = 1; r <= round; ++r) {
                typScoreData row;
                row.IDNo = id;
                row.RoundNo = r;
                row.TeamID = "A";
                gtypScores.append(row);
            }
        }
    }

    // The stored holes of one course of a player ("4,4,,5"), and the handicap.
    static void stored(int32_t id, int16_t course, const std::string& holes) {
        for (auto& row : gtypScores) {
            if (row.IDNo != id || row.RoundNo != course) continue;
            std::size_t h = 0, start = 0;
            for (std::size_t i = 0; i <= holes.size(); ++i) {
                if (i == holes.size() || holes[i] == ',') {
                    row.Holes[h++] = holes.substr(start, i - start);
                    start = i + 1;
                }
            }
        }
    }
    static void storedHandicap(int32_t id, int32_t tenths) {
        for (auto& row : gtypScores)
            if (row.IDNo == id) row.Handicap = tenths;
    }
    // A course's holes 1..Hole as saved, joined by ",".
    static std::string saved(int32_t id, int16_t course) {
        for (const auto& row : gtypScores) {
            if (row.IDNo != id || row.RoundNo != course) continue;
            std::string out;
            for (int h = 0; h < 18; ++h) {
                if (h) out += ',';
                out += row.Holes[static_cast<std::size_t>(h)].view();
            }
            while (!out.empty() && out.back() == ',') out.pop_back();
            return out;
        }
        return "?";
    }

    static void setMode(const std::string& howTo) { gfWriteIniFile(gstrIniFile, "Score", "Howto", howTo); }
    static std::string mode() { return gfReadIniFile(gstrIniFile, "Score", "Howto"); }

    // Hole h of course r, both from 1.
    static forms::TextBox& hole(frmScore& f, int r, int h) { return f.txtScoreR(r - 1)[h - 1]; }
    // Types a course's holes ("4435" one digit each) box by box with Enter.
    static void typeCourse(frmScore& f, int r, const std::string& digits) {
        for (std::size_t h = 0; h < digits.size(); ++h)
            forms::sim::typeText(hole(f, r, static_cast<int>(h) + 1), std::string(1, digits[h]) + "\r");
    }

    testsupport::TempHome home;
    testsupport::DataFolder data;
    forms::doubles::TestDesktop desk;
};
