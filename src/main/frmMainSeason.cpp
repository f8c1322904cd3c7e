// The hand-over of the ticked games to the season tally window: the season
// record, the period and format mix of the games, and the two subtitles.
#include "main/frmMain.h"

#include "core/gameFile.h"
#include "core/gameRecords.h"
#include "core/globals.h"
#include "core/registryNames.h"
#include "core/resultRecords.h"
#include "main/windowSeams.h"
#include "platform/forms/ComboChoice.h"
#include "platform/forms/Services.h"
#include "platform/text/Dates.h"
#include "platform/text/Numbers.h"
#include "platform/text/RuntimeError.h"

#include <algorithm>

using namespace forms;

// A failure before the season window opens ends the hand-over silently.
void frmMain::btnSeasonPrint_Click() {
    for (const ComboBox* c : {&cobSeason, &cobHoleRound, &cobCource})
        if (!hasChoice(*c)) return;
    bool ready = false;
    try {
        HourglassScope hourglass;
        prepareSeason();
        ready = glngSeasonGamesMax() >= 0;
    } catch (const text::RuntimeError&) {
    }
    if (ready) {
        gameWindows().showPrintTotalGames(*this);
        gsClearResults();
    }
    glngSeasonGames.clear();
}

void frmMain::prepareSeason() {
    const int32_t season = chosenData(cobSeason);
    const int32_t cource = chosenData(cobCource);
    // Every field but the course letters, which the season window never reads.
    const auto roundNames = gtypSeasonGame.RoundName;
    gtypSeasonGame = typGameInfo{};
    gtypSeasonGame.RoundName = roundNames;
    gtypSeasonGame.SeriesID = season;
    gtypSeasonGame.CourceID = cource;
    gtypSeasonGame.TeamHowtoRank = 1;
    gtypSeasonGame.CategoryAgeLow = gtypSeasonGame.CategoryAgeHigh = -1;

    glngSeasonGames.clear();
    for (int32_t row = 1; row < uctGameList.gfRowCount(); ++row)
        if (uctGameList.gfGetCellData(0, row, "Value").toInt32() != 0)
            glngSeasonGames.append(uctGameList.gfGetRowItemData(row));

    // A game whose shape the tally cannot take is left out of every season
    // report, so it does not shape the season's columns either.
    gstrSeasonPeriodStart = "9999/99/99";
    gstrSeasonPeriodEnd = "0000/00/00";
    for (int32_t index : glngSeasonGames) {
        const typGameInfo& g = gtypGames.item(index);
        gstrSeasonPeriodStart = std::min(gstrSeasonPeriodStart, g.Date);
        gstrSeasonPeriodEnd = std::max(gstrSeasonPeriodEnd, g.Date);
        if (!isPlayableShape(g)) continue;
        gtypSeasonGame.Hole = std::max(gtypSeasonGame.Hole, g.Hole);
        gtypSeasonGame.Round = std::max(gtypSeasonGame.Round, g.Round);
    }
    gtypSeasonGame.Date = gstrSeasonPeriodEnd;

    bool holesDiffer = false, roundsDiffer = false;
    for (int32_t index : glngSeasonGames) {
        const typGameInfo& g = gtypGames.item(index);
        if (!isPlayableShape(g)) continue;
        holesDiffer = holesDiffer || g.Hole != gtypSeasonGame.Hole;
        roundsDiffer = roundsDiffer || g.Round != gtypSeasonGame.Round;
    }
    gstrGamesFormatMix = std::string(holesDiffer ? "1" : "0") + (roundsDiffer ? "1" : "0");

    gstrDlgParam2.clear();
    if (season > 0) gstrDlgParam2 = "* " + seriesName(season) + " * ";
    if (cource > 0) gstrDlgParam2 += courseName(cource);

    const int16_t hole = gtypSeasonGame.Hole, round = gtypSeasonGame.Round;
    gstrDlgParam3.clear();
    if (gstrGamesFormatMix == "00")
        gstrDlgParam3 = text::Str(hole * round) + "ﾎｰﾙ (" + text::Str(hole) + "H x " + text::Str(round) + ") ： ";
    gstrDlgParam3 += text::FormatDateText(gstrSeasonPeriodStart, "ggge年m月d日(aaa)") + "～" +
                     text::FormatDateText(gstrSeasonPeriodEnd, "ggge年m月d日(aaa)");
}
