#pragma once
#include <cstdint>
#include <string>
#include <type_traits>

#include "core/gameRecords.h"
#include "core/rowText.h"
#include "core/vbArray.h"

// Result rows of the one-game rankings and of the season computations, and
// the season context they read. Filled by the computations, read by the
// tally window and the reports.

// One player's row of the individual ranking (and of the team member list).
struct typRankRow {
    int32_t IDNo = 0;
    FixedArray<int16_t, 10> RoundScore{}; // strokes of each complete course, else 0
    int16_t RoundsDone = 0;
    int32_t Strokes = 0;                  // complete courses, no handicap
    int32_t Total = 0;                    // tenths: Strokes x 10 + handicap
    int32_t Rank = 0;
    std::string TeamID;
    int32_t Handicap = 0;                 // tenths
};

// One player's best course.
struct typBestCourseRow {
    int32_t IDNo = 0;
    int16_t RoundNo = 0;
    FixedArray<std::string, 18> Holes{};
    int32_t Strokes = 0;
    int32_t Total = 0;
    int32_t Rank = 0;
    std::string SortKey;
    int32_t Handicap = 0;
};

// One team.
struct typTeamRankRow {
    std::string TeamID;
    int32_t FirstMember = 0;
    int32_t Members = 0;
    int32_t RoundsDone = 0;
    int32_t Total = 0;
    int32_t Rank = 0;
};

// One row of the season computations: plain bytes to copy and drop, as a
// season gathers tens of thousands of them.
struct typSeasonScore {
    RowText Date;
    int32_t GameIndex = 0;
    int32_t IDNo = 0;
    RowText TeamID;
    int32_t Games = 0;
    int32_t RoundsDone = 0;
    int32_t HolesDone = 0;
    FixedArray<int32_t, 18> HoleScore{};
    FixedArray<int32_t, 10> RoundScore{};
    FixedArray<int32_t, 5> StrokeCount{}; // holes played in 1..5 strokes
    int32_t Strokes = 0;
    int32_t Total = 0;
    int32_t Handicap = 0;
    int32_t Rank = 0;
};

// One course of one player in one game (the personal course report).
struct typSeasonRoundScore {
    std::string Date;
    int32_t IDNo = 0;
    int16_t RoundNo = 0;
    FixedArray<std::string, 18> Holes{};
    std::string TeamID;
    int32_t Handicap = 0;
    int32_t GameIndex = 0;
};

static_assert(std::is_trivially_copyable_v<typSeasonScore> && std::is_trivially_destructible_v<typSeasonScore>);

extern VbArray<typRankRow> gtypRankRows;
extern VbArray<typBestCourseRow> gtypBestCourseRows;
extern VbArray<typTeamRankRow> gtypTeamRankRows;
extern VbArray<typSeasonScore> gtypSeasonScores;
extern VbArray<typSeasonScore> gtypSeasonTotalRows;
extern VbArray<typSeasonScore> gtypSeasonGameRows;
extern VbArray<typSeasonScore> gtypSeasonEntryRows;
extern VbArray<typSeasonScore> gtypSeasonTeamRows;
extern VbArray<typSeasonRoundScore> gtypSeasonRoundRows;

inline int32_t glngRankRowsMax() { return gtypRankRows.ubound(); }
inline int32_t glngBestCourseRowsMax() { return gtypBestCourseRows.ubound(); }
inline int32_t glngTeamRankRowsMax() { return gtypTeamRankRows.ubound(); }
inline int32_t glngSeasonScoresMax() { return gtypSeasonScores.ubound(); }
inline int32_t glngSeasonTotalRowsMax() { return gtypSeasonTotalRows.ubound(); }
inline int32_t glngSeasonGameRowsMax() { return gtypSeasonGameRows.ubound(); }
inline int32_t glngSeasonEntryRowsMax() { return gtypSeasonEntryRows.ubound(); }
inline int32_t glngSeasonTeamRowsMax() { return gtypSeasonTeamRows.ubound(); }
inline int32_t glngSeasonRoundRowsMax() { return gtypSeasonRoundRows.ubound(); }

// Season context: the selected games and the season's own settings.
extern VbArray<int32_t> glngSeasonGames;   // indexes into gtypGames
inline int32_t glngSeasonGamesMax() { return glngSeasonGames.ubound(); }
extern typGameInfo gtypSeasonGame;
extern typGameInfo gtypPersonalGame;

// Season print settings.
extern int16_t gintSeriesHandicap;    // 1 = tally without handicaps
extern int16_t gintTotalRankingMode;  // 0..5
extern int32_t glngKiteiRound, glngKiteiGame, glngKiteiHole, glngKitei9H;
extern std::string gstrSeasonPeriodStart, gstrSeasonPeriodEnd;
extern std::string gstrGamesFormatMix; // "00", "10", "01", "11"
