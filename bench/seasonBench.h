#pragma once
// The stored season that the season benchmarks share: 500 games of 100
// players (9 holes x 2 courses, the three handicap kinds in turn, teams "B"
// to "J" and none), written once per benchmark program and every game
// selected, as the main window hands a season over.
#include <string>
#include <vector>

#include "benchSupport.h"
#include "core/gameFile.h"
#include "core/gameRecords.h"
#include "core/resultRecords.h"
#include "support/DataFolder.h"
#include "support/TempHome.h"

namespace benchsupport {

constexpr int kGames = 500;
constexpr int kPlayers = 100;

// Every stored game selected for the season, as the main window hands them over.
inline void selectEveryGame() {
    gsReadGameList();
    glngSeasonGames.clear();
    for (int32_t g = 0; g <= glngGamesMax(); ++g) glngSeasonGames.append(g);
    gtypSeasonGame.Hole = 9;
    gtypSeasonGame.Round = 2;
}

struct Season {
    testsupport::TempHome home;
    testsupport::DataFolder data{home};
    std::vector<std::string> paths;

    Season() {
        for (int n = 1; n <= kGames; ++n) {
            testsupport::GameEntry game;
            game.date = "2010/" + std::to_string(n % 12 + 1) + "/" + std::to_string(n % 28 + 1);
            game.title = "秋季パークゴルフ大会";
            game.hole = 9;
            game.round = 2;
            game.handiCapKind = n % 3;
            for (int p = 0; p < kPlayers; ++p) {
                std::string holes;
                for (int cell = 0; cell < 18; ++cell) holes += std::to_string(2 + (n + p + cell) % 4) + ",";
                game.scores.push_back({1000 + p, holes, p % 10 == 0 ? "" : std::string(1, char('A' + p % 10)),
                                       (p % 7 - 3) * 5});
            }
            data.writeGame(n, game);
            paths.push_back(data.gamePath(n));
        }
        data.writeManager(std::to_string(kGames));
        ageFiles(data.gamesFolder());
        selectEveryGame();
    }
};

// Written on first use.
inline Season& season() {
    static Season s;
    return s;
}

} // namespace benchsupport
