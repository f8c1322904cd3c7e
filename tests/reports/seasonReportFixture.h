#pragma once
#include <gtest/gtest.h>

#include "core/gameFile.h"
#include "core/gameRecords.h"
#include "core/globals.h"
#include "core/resultRecords.h"
#include "platform/forms/testing/TestDesktop.h"
#include "preview/modPpPreview.h"
#include "reports/game/modPfPreparePrint.h"
#include "support/DataFolder.h"
#include "support/TempHome.h"

#include <cstdint>
#include <string>
#include <vector>

// The season window's choice of both stored games of 9 x 2, the first
// played on 2010/04/10 and the second on 2010/06/20.
inline void chooseBothGames() {
    glngSeasonGames = {0, 1};
    gtypSeasonGame = typGameInfo{};
    gtypSeasonGame.Date = gstrSeasonPeriodEnd = "2010/06/20";
    gstrSeasonPeriodStart = "2010/04/10";
    gtypSeasonGame.Hole = 9;
    gtypSeasonGame.Round = 2;
    gtypSeasonGame.TeamHowtoRank = 1;
    gtypSeasonGame.CategoryAgeLow = gtypSeasonGame.CategoryAgeHigh = -1;
    gstrGamesFormatMix = "00";
}

// A season of two stored games of 2 courses of 9 holes, as the main window
// hands it to the season window, with six registered players who played
// every hole of both games in the same strokes each:
//
//   ID   gender  born        age at 2010/06/20  strokes a hole  rank
//   101  man     1945/01/01  65                 2               1
//   102  woman   1950/06/20  60                 3               2
//   104  woman   1940/06/21  69                 3               2
//   103  woman   1950/06/21  59                 4               4
//   105  woman   1940/06/20  70                 5               5
//   106  woman   (none)      -                  6               6
//
// Teams: 101 and 102 play for "A", 103 for "B", the others for none.
class SeasonReportFixture : public testing::Test {
protected:
    SeasonReportFixture() : data(home) {
        data.writeManager("2");
        data.writeGame(1, game("2010/04/10", "春季大会"));
        data.writeGame(2, game("2010/06/20", "夏季大会"));
        gsReadGameList();
        const struct {
            int32_t id;
            const char* name;
            int16_t gender;
            const char* born;
        } players[] = {{101, "青木", 1, "1945/01/01"}, {102, "馬場", 2, "1950/06/20"}, {103, "千葉", 2, "1950/06/21"},
                       {104, "土井", 2, "1940/06/21"}, {105, "江口", 2, "1940/06/20"}, {106, "藤田", 2, ""}};
        for (const auto& p : players) {
            typPlayerInfo info;
            info.ID = p.id;
            info.Name = p.name;
            info.Gender = p.gender;
            info.Birthday = p.born;
            info.BelongID = p.id % 2;
            info.Location = "札幌市中央区";
            info.Sort = std::to_string(200 - p.id);
            gtypPlayers.append(info);
        }
        gtypBelongs.append({1, "北山パークゴルフ協会", "北山", 0, 0});

        chooseBothGames();
        gstrDlgParam2 = "* 春季リーグ * ";
        gstrDlgParam3 = "18ﾎｰﾙ (9H x 2) ： 平成22年4月10日(土)～平成22年6月20日(日)";
    }
    ~SeasonReportFixture() override {
        setPreviewWindow(nullptr);
        resetSharedGlobals();
    }

    static testsupport::GameEntry game(const char* date, const char* title) {
        testsupport::GameEntry g;
        g.date = date;
        g.title = title;
        g.hole = 9;
        g.round = 2;
        const struct {
            int32_t id;
            const char* strokes;
            const char* team;
        } rows[] = {{101, "2", "A"}, {102, "3", "A"}, {103, "4", "B"}, {104, "3", ""}, {105, "5", ""}, {106, "6", ""}};
        for (const auto& r : rows) {
            std::string cells;
            for (int k = 0; k < 18; ++k) cells += std::string(r.strokes) + ",";
            g.scores.push_back({r.id, cells, r.team, 0});
        }
        return g;
    }

    testsupport::TempHome home;
    testsupport::DataFolder data;
    forms::doubles::TestDesktop desk;
};
