#pragma once
#include <gtest/gtest.h>

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

// Loading a report window and reading what one load laid out.
namespace seasonreport {

// Lays out one page of `frm`.
inline void load(ReportWindow& frm, int16_t page, int16_t count = 1) {
    gintPrintPageNo = page;
    gintPrintPageCount = count;
    frm.Load();
}
inline int32_t countPages(ReportWindow& frm) {
    load(frm, -1, -1);
    const int32_t pages = frm.gintMaxPageNo;
    frm.Unload();
    return pages;
}
// The captions of a column's elements created by the last load.
inline std::vector<std::string> column(const forms::ControlArray<forms::Label>& cells, int from = 1) {
    std::vector<std::string> out;
    for (int i = from; i <= cells.UBound(); ++i) out.push_back(cells[i].Caption());
    return out;
}
// The y of the rules of an array created by the last load.
inline std::vector<double> ys(const forms::ControlArray<forms::Line>& rules) {
    std::vector<double> out;
    for (int i = 1; i <= rules.UBound(); ++i) out.push_back(rules[i].Y1());
    return out;
}

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
