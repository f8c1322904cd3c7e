#pragma once
#include <cstdint>
#include <string>

// Path globals, set once at start-up (none ends with "/").
extern std::string gstrUserFolder, gstrDocFolder, gstrDataFolder, gstrGamesFolder, gstrTempFolder;
extern std::string gstrIniFile, gstrReExecFile, gstrPlayerFile, gstrSeriesFile, gstrGroupFile,
    gstrCourceFile, gstrLocationFile, gstrManagerFile;

// Sets every path global from the per-user folder and the documents folder
// (each already ending in "Quillon Software/Lumora"). Start-up calls it; tests
// point it at a temporary data folder.
void setPathGlobals(const std::string& userFolder, const std::string& docFolder);

// Puts every shared record, array and global defined beside these (paths,
// dialog and print globals, games, players, score rows, results, the season
// settings and the in-memory INI tables) back to its value at start. Tests
// begin from it; a global added to the core is added here too.
void resetSharedGlobals();

// Dialog exchange.
extern int16_t gintDlgRet;     // -1 = cancelled
extern int32_t glngDlgIndex;
extern std::string gstrDlgParam, gstrDlgParam2, gstrDlgParam3;
extern int16_t gintGameSaved;  // -1 until the open game is saved

// Print paging.
extern int16_t gintPrintPageNo;    // page to lay out, -1 = count only
extern int16_t gintPrintPageCount;
extern std::string gstrPrintTitle1, gstrPrintTitle2;
extern std::string gstrPrintGameDate; // the printed game's date, the reference date of ages
// The counts of the open game, written by the tally window's count label
// and printed by the game reports.
extern int16_t gintEntryCount;        // distinct players
extern int16_t gintTeamCount;         // distinct non-blank teams
