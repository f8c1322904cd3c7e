// Definitions of the shared records, arrays and globals.
#include "core/gameRecords.h"
#include "core/globals.h"
#include "core/iniFile.h"
#include "core/resultRecords.h"

typGameInfo gtypGame;
VbArray<typGameInfo> gtypGames;
VbArray<typScoreData> gtypScores;
VbArray<typScorePack> gtypScorePacks;
VbArray<typPlayerInfo> gtypPlayers;
VbArray<typBelongInfo> gtypBelongs;
VbArray<typEntryInfo> gtypEntries;
typPlayerInfo gtypEditPlayer;

VbArray<typRankRow> gtypRankRows;
VbArray<typBestCourseRow> gtypBestCourseRows;
VbArray<typTeamRankRow> gtypTeamRankRows;
VbArray<typSeasonScore> gtypSeasonScores;
VbArray<typSeasonScore> gtypSeasonTotalRows;
VbArray<typSeasonScore> gtypSeasonGameRows;
VbArray<typSeasonScore> gtypSeasonEntryRows;
VbArray<typSeasonScore> gtypSeasonTeamRows;
VbArray<typSeasonRoundScore> gtypSeasonRoundRows;
VbArray<int32_t> glngSeasonGames;
typGameInfo gtypSeasonGame;
typGameInfo gtypPersonalGame;

int16_t gintSeriesHandicap = 0;
int16_t gintTotalRankingMode = 0;
int32_t glngKiteiRound = 0, glngKiteiGame = 0, glngKiteiHole = 0, glngKitei9H = 0;
std::string gstrSeasonPeriodStart, gstrSeasonPeriodEnd;
std::string gstrGamesFormatMix = "00";

std::string gstrUserFolder, gstrDocFolder, gstrDataFolder, gstrGamesFolder, gstrTempFolder;
std::string gstrIniFile, gstrReExecFile, gstrPlayerFile, gstrSeriesFile, gstrGroupFile,
    gstrCourceFile, gstrLocationFile, gstrManagerFile;

int16_t gintDlgRet = -1;
int32_t glngDlgIndex = 0;
std::string gstrDlgParam, gstrDlgParam2, gstrDlgParam3;
int16_t gintGameSaved = -1;

int16_t gintPrintPageNo = -1;
int16_t gintPrintPageCount = 0;
std::string gstrPrintTitle1, gstrPrintTitle2;
std::string gstrPrintGameDate;
int16_t gintEntryCount = 0;
int16_t gintTeamCount = 0;

void setPathGlobals(const std::string& userFolder, const std::string& docFolder) {
    gstrUserFolder = userFolder;
    gstrDocFolder = docFolder;
    gstrDataFolder = docFolder + "/data";
    gstrGamesFolder = docFolder + "/data/games";
    gstrTempFolder = userFolder + "/temp";
    gstrIniFile = userFolder + "/Lumora.ini";
    gstrReExecFile = userFolder + "/Lumora.rex";
    gstrPlayerFile = gstrDataFolder + "/playsers.dat";
    gstrSeriesFile = gstrDataFolder + "/series.dat";
    gstrGroupFile = gstrDataFolder + "/group.dat";
    gstrCourceFile = gstrDataFolder + "/cource.dat";
    gstrLocationFile = gstrDataFolder + "/location.dat";
    gstrManagerFile = gstrGamesFolder + "/manager.dat";
}

void resetSharedGlobals() {
    gtypGame = {};
    gtypGames.clear();
    gtypScores.clear();
    gtypScorePacks.clear();
    gtypPlayers.clear();
    gtypBelongs.clear();
    gtypEntries.clear();
    gtypEditPlayer = {};

    gtypRankRows.clear();
    gtypBestCourseRows.clear();
    gtypTeamRankRows.clear();
    gtypSeasonScores.clear();
    gtypSeasonTotalRows.clear();
    gtypSeasonGameRows.clear();
    gtypSeasonEntryRows.clear();
    gtypSeasonTeamRows.clear();
    gtypSeasonRoundRows.clear();
    glngSeasonGames.clear();
    gtypSeasonGame = {};
    gtypPersonalGame = {};

    gintSeriesHandicap = 0;
    gintTotalRankingMode = 0;
    glngKiteiRound = glngKiteiGame = glngKiteiHole = glngKitei9H = 0;
    gstrSeasonPeriodStart.clear();
    gstrSeasonPeriodEnd.clear();
    gstrGamesFormatMix = "00";

    for (std::string* path : {&gstrUserFolder, &gstrDocFolder, &gstrDataFolder, &gstrGamesFolder,
                              &gstrTempFolder, &gstrIniFile, &gstrReExecFile, &gstrPlayerFile,
                              &gstrSeriesFile, &gstrGroupFile, &gstrCourceFile, &gstrLocationFile,
                              &gstrManagerFile})
        path->clear();

    gintDlgRet = -1;
    glngDlgIndex = 0;
    gstrDlgParam.clear();
    gstrDlgParam2.clear();
    gstrDlgParam3.clear();
    gintGameSaved = -1;

    gintPrintPageNo = -1;
    gintPrintPageCount = 0;
    gstrPrintTitle1.clear();
    gstrPrintTitle2.clear();
    gstrPrintGameDate.clear();
    gintEntryCount = gintTeamCount = 0;

    gsClearIniEx();
}
