#pragma once
#include <cstdint>

#include "core/gameRecords.h"
#include "core/resultRecords.h"
#include "tally/listTable.h"

// The result lists of the tally window, worked out from the rows the core's
// one-game computations leave: one list row per result row, in the rows'
// order, its item data the row's index + 1. Each raises the run-time error
// of a row it cannot read (a course number or member index out of range).

inline constexpr forms::Color kRankingBand = forms::RGB(230, 250, 250);
inline constexpr forms::Color kBestCourseBand = forms::RGB(240, 240, 255);
inline constexpr forms::Color kTeamListBand = forms::RGB(240, 255, 240);
inline constexpr forms::Color kTeamResultBand = forms::RGB(240, 240, 255);

// The individual ranking within the game's category (rows as
// gsCalPersonalRanking and gsFilterCategory leave them): rank, name, age,
// gender, one column per course, "実打数", "Hc" with a handicap kind, a bold
// "合計" and "生年月日"; every second row banded in the player's columns.
// `bandVariant` 0 leaves the rows unbanded.
ListTable rankingList(const typGameInfo& game, const VbArray<typRankRow>& rows, int16_t bandVariant);

// Each player's best course (rows of gsCalBestCourse): rank, name, age,
// gender, the course's name, its holes ("①" for a hole in one), "実打",
// "Hc" with a handicap kind, a bold "合計" and "生年月日".
ListTable bestCourseList(const typGameInfo& game, const VbArray<typBestCourseRow>& rows);

// The members of every team (rows of gsCalTeamList), team by team: team
// number and identifier on the team's first row, "M1"... per member, name,
// age, gender, affiliation, "C数", "実打", "Hc" with a handicap kind, "合計"
// and "C平均", the column the teams are ranked by in bold; every second team
// banded.
ListTable teamList(const typGameInfo& game, const VbArray<typRankRow>& members);

// The teams in rank order (rows of gsCalTeamRanking, whose FirstMember
// indexes `members`): rank, team, members, "C数", "合計", "C平均" and one
// column per member position, as many as the largest team has (at most 10),
// each with that member's total or average by the team basis.
ListTable teamResultList(const typGameInfo& game, const VbArray<typTeamRankRow>& teams,
                         const VbArray<typRankRow>& members);

// The score-table row (index + 1) of the first course of player `id`; 0
// when the player has no score row.
int32_t firstScoreTableRow(const VbArray<typScoreData>& rows, int32_t id);

// The score table's top row when jumping to `row`: the first course row of
// the player before, so that block stays in view; row 1 at the top.
inline int32_t jumpTopRow(int32_t row, int16_t round) { return row - round < 1 ? 1 : row - round; }
