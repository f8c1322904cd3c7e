#pragma once
#include <cstdint>
#include <string>

#include "core/rowText.h"
#include "core/vbArray.h"

// The records of a game, the registered players and affiliations, and the
// shared arrays that hold them for the whole run.

// The header of one game.
struct typGameInfo {
    std::string Date;            // "yyyy/mm/dd"
    std::string Tittle;
    int32_t MaxScoreNo = 0;      // score sections in the game file
    int32_t SeriesID = 0;        // 0 = none
    int32_t CourceID = 0;        // 0 = none
    int16_t Hole = 0;            // holes per course (at most 18 stored)
    int16_t Round = 0;           // courses per game (at most 10)
    int16_t TeamHowtoRank = 0;   // 0 total strokes, 1 average per course
    int16_t CategoryGender = 0;  // 0 none, 1 male, 2 female
    int16_t CategoryAgeLow = 0;  // -1 = open
    int16_t CategoryAgeHigh = 0; // -1 = open
    int16_t JudgeDaSu = 0;
    int16_t JudgeBirthday = 0;   // 1 = the older player first on equal results
    int16_t HandiCapKind = 0;    // 0 none, 1 per course, 2 per game
    FixedArray<std::string, 10> RoundName{};
    std::string FileName;        // "game00012.lmg"; empty until first saved
};

// One player's one course in the current game.
struct typScoreData {
    int32_t IDNo = 0;
    int16_t RoundNo = 0;                  // 1 to Round
    FixedArray<RowText, 18> Holes{};      // typed strokes; "" = not entered
    RowText TeamID;                       // "" = no team
    int32_t Handicap = 0;                 // tenths of a stroke
};

// The row's hole texts into the texts of a result row.
inline void copyHoleTexts(const typScoreData& row, FixedArray<std::string, 18>& holes) {
    for (std::size_t k = 0; k < holes.size(); ++k) holes[k] = row.Holes[k].view();
}

// One player's line of a game file.
struct typScorePack {
    int32_t IDNo = 0;
    std::string Holes;  // every cell, course-major, each followed by ","
    std::string TeamID;
    int32_t Handicap = 0;
};

// A registered player.
struct typPlayerInfo {
    int32_t ID = 0;
    std::string Name;
    std::string Birthday;  // "yyyy/mm/dd" or ""
    int16_t State = 0;     // 2 = deleted
    int16_t Gender = 0;    // 1 male, 2 female
    int16_t Entered = 0;   // work flag of the game windows, never stored
    int32_t BelongID = 0;  // 0 = none
    std::string TeamID;    // work field of the entrant choice, never stored
    std::string Sort;
    std::string Location;
};

// An affiliation.
struct typBelongInfo {
    int32_t ID = 0;
    std::string Name;
    std::string ShortName;
    int16_t State = 0;   // 2 = deleted
    int16_t Listed = 0;  // work flag of the player chooser, never stored
};

// One entrant of a new game.
struct typEntryInfo {
    int32_t IDNo = 0;
    std::string TeamID;
};

extern typGameInfo gtypGame;                 // the current game
extern VbArray<typGameInfo> gtypGames;       // headers of all stored games
extern VbArray<typScoreData> gtypScores;     // score rows of the current game
extern VbArray<typScorePack> gtypScorePacks; // packs of the current game
extern VbArray<typPlayerInfo> gtypPlayers;
extern VbArray<typBelongInfo> gtypBelongs;
extern VbArray<typEntryInfo> gtypEntries;
extern typPlayerInfo gtypEditPlayer;         // carried between the registry and its dialog

inline int32_t glngGamesMax() { return gtypGames.ubound(); }
inline int32_t glngScoresMax() { return gtypScores.ubound(); }
inline int32_t glngScorePacksMax() { return gtypScorePacks.ubound(); }
inline int32_t glngPlayersMax() { return gtypPlayers.ubound(); }
inline int32_t glngBelongsMax() { return gtypBelongs.ubound(); }
inline int32_t glngEntriesMax() { return gtypEntries.ubound(); }
