#pragma once
#include "core/gameRecords.h"
#include "core/globals.h"
#include "reports/game/modPfPreparePrint.h"

#include <string>

// A game of `players` players in entry order, `rounds` score rows each, with
// every player registered (names "選手1", "選手2" ...), teams "A".."E", two
// affiliations, and the print parameters the report chooser sets.
namespace reportfixture {

inline void clearGame() {
    gtypGame = typGameInfo{};
    gtypScores.clear();
    gtypPlayers.clear();
    gtypBelongs.clear();
    gstrPrintTitle1.clear();
    gstrPrintTitle2.clear();
    gstrPrintGameDate.clear();
    gintEntryCount = gintTeamCount = 0;
}

inline void makeGame(int players, int16_t rounds = 1) {
    clearGame();
    gtypGame.Date = "2009/10/12";
    gtypGame.Hole = 9;
    gtypGame.Round = rounds;
    gtypGame.CategoryAgeLow = gtypGame.CategoryAgeHigh = -1;
    gtypBelongs.append({1, "北山パークゴルフ協会", "北山", 0, 0});
    gtypBelongs.append({2, "南浜クラブ", "", 0, 0});
    for (int i = 1; i <= players; ++i) {
        typPlayerInfo p;
        p.ID = 100 + i;
        p.Name = "選手" + std::to_string(i);
        p.Birthday = "1950/04/01";
        p.Gender = static_cast<int16_t>(i % 2 == 0 ? 2 : 1);
        p.BelongID = i % 3;
        p.Location = "札幌市中央区";
        gtypPlayers.append(p);
        for (int16_t r = 1; r <= rounds; ++r) {
            typScoreData row;
            row.IDNo = p.ID;
            row.RoundNo = r;
            row.TeamID = std::string(1, static_cast<char>('A' + i % 5));
            gtypScores.append(row);
        }
    }
    gstrPrintTitle1 = "** 秋季リーグ **  青空コース";
    gstrPrintTitle2 = "平成21年10月12日(月) 「秋季大会」";
    gstrPrintGameDate = gtypGame.Date;
    gintEntryCount = static_cast<int16_t>(players);
    gintTeamCount = static_cast<int16_t>(players < 5 ? players : 5);
}

} // namespace reportfixture
