#pragma once
#include <gtest/gtest.h>

#include "reportPages.h"

#include "core/gameRecords.h"
#include "core/globals.h"
#include "core/resultRecords.h"
#include "platform/forms/testing/RecordingPrinter.h"
#include "platform/forms/testing/TestDesktop.h"
#include "preview/modPpPreview.h"
#include "reports/game/modPfPreparePrint.h"
#include "reports/game/reportWindow.h"
#include "support/DataFolder.h"
#include "support/TempHome.h"

#include <initializer_list>
#include <string>
#include <vector>

// Season rows, games and players written by hand.
namespace seasonreport {

using reportfixture::captions;
using reportfixture::countPages;
using reportfixture::loadPage;
using reportfixture::ys;

inline typGameInfo& addGame(const char* date, int16_t hole, int16_t round, int16_t handicapKind,
                            const std::string& names) {
    typGameInfo g;
    g.Date = date;
    g.Hole = hole;
    g.Round = round;
    g.HandiCapKind = handicapKind;
    g.Tittle = std::string("大会") + date;
    for (std::size_t k = 0; k < names.size() && k < 10; ++k) g.RoundName[k] = std::string(1, names[k]);
    return gtypGames.append(g);
}
inline void addPlayer(int32_t id, const char* name, const char* birthday, int16_t gender) {
    typPlayerInfo p;
    p.ID = id;
    p.Name = name;
    p.Birthday = birthday;
    p.Gender = gender;
    gtypPlayers.append(p);
}
// A player's row of one stored game: each course's strokes (0 = not
// completed), the handicap that went into the total, and the rank.
inline typSeasonScore row(int32_t id, int32_t game, std::initializer_list<int32_t> courses, int32_t handicap = 0,
                          int32_t rank = 1) {
    typSeasonScore r;
    r.IDNo = id;
    r.GameIndex = game;
    r.Date = gtypGames.item(game).Date;
    int k = 0;
    for (int32_t s : courses) {
        r.RoundScore[static_cast<std::size_t>(k++)] = s;
        if (s > 0) {
            ++r.RoundsDone;
            r.Strokes += s;
        }
    }
    r.Handicap = handicap;
    r.Total = r.Strokes * 10 + handicap;
    r.Rank = rank;
    return r;
}

// Season report windows over rows written by hand. Stored game headers:
//
//   index  date        holes x courses  handicap   course names
//   0      2009/10/12  9 x 3            none       A B C
//   1      1993/05/05  9 x 3            per course D E F
//   2      2008/12/26  9 x 3            per game   G H I
//
// Players: 101 青木一郎 (man, born 1950/04/01), 102 馬場花子 (woman, no
// date of birth), 103 千葉次郎 (man, born 1955/01/20), 104 土井三郎 (man,
// born 1947/06/01); 105 is not registered.
inline void makeSeason() {
    addGame("2009/10/12", 9, 3, 0, "ABC");
    addGame("1993/05/05", 9, 3, 1, "DEF");
    addGame("2008/12/26", 9, 3, 2, "GHI");
    addPlayer(101, "青木一郎", "1950/04/01", 1);
    addPlayer(102, "馬場花子", "", 2);
    addPlayer(103, "千葉次郎", "1955/01/20", 1);
    addPlayer(104, "土井三郎", "1947/06/01", 1);
    gtypSeasonGame.Date = gstrSeasonPeriodEnd = "2009/10/12";
    gstrSeasonPeriodStart = "1993/05/05";
    gtypSeasonGame.Hole = 9;
    gtypSeasonGame.Round = 3;
    gstrPrintTitle1 = "* 秋季リーグ * 青空コース";
    gstrPrintTitle2 = "平成5年5月5日(水)～平成21年10月12日(月)";
}

using Strings = std::vector<std::string>;

} // namespace seasonreport

// A test of a season report window over the season above, with the
// program's folders in a temporary home.
class SeasonReport : public testing::Test {
protected:
    SeasonReport() { seasonreport::makeSeason(); }
    ~SeasonReport() override {
        setPreviewWindow(nullptr);
        resetSharedGlobals();
    }

    testsupport::TempHome home;
    testsupport::DataFolder data{home}; // every shared global starts afresh
    forms::doubles::TestDesktop desk;
    forms::doubles::RecordingPrinter rec;
};
