#pragma once
#include <cstdint>
#include <string>

#include "core/gameRecords.h"

// The participants of the open game as its score rows see them: each
// participant owns `Round` consecutive rows, numbered 1 to `Round`, and the
// participants follow one another in entry order. Adding and withdrawing
// change the rows all at once or, on a failure, not at all.

// Where frmAddScoreMember puts the player it returns (its gintDlgRet).
enum AddPlace : int16_t { AddAbove = 1, AddBelow = 2, AddAtTop = 3, AddAtEnd = 4 };

// Every registered player's Entered mark: 1 for those with rows in `rows`,
// 0 for the others; the set-up teams are cleared.
void markEnteredPlayers(const VbArray<typScoreData>& rows);

// The index the new participant's first row takes: above or below the
// participant whose first row is `selectedRow` (-1: none selected, which
// only the top and the end allow), at the top, or after the last row.
// A player that a game file lists twice is two participants: the place is
// taken from the chosen one.
int32_t insertionIndex(const VbArray<typScoreData>& rows, int16_t place, int32_t selectedRow);

// Puts `round` new rows of the player at index `at`: courses 1 to `round`,
// no team, handicap 0, every hole empty. An index outside 0 to the row count
// raises the subscript error and changes nothing.
void insertParticipant(VbArray<typScoreData>& rows, int32_t at, int32_t playerID, int16_t round);

// Removes the `round` rows of the participant whose first row is `first`;
// the later participants keep their order. A first row outside the rows, or
// a block cut short by the end, raises the subscript error and changes
// nothing.
void withdrawParticipant(VbArray<typScoreData>& rows, int32_t first, int16_t round);

// Gives the team to each row of the participant whose first row is `first`
// (the player's rows up to the next course 1, and no other rows).
void setParticipantTeam(VbArray<typScoreData>& rows, int32_t first, const std::string& team);

// The list rows of 350 twips that fit under the header row of a list
// `listHeight` twips high (the fraction dropped).
int32_t visibleRows(double listHeight);

// The score table's top row after a participant's rows were put at index
// `at`, the table's top row having been `top` with `visible` rows in view:
// new rows above the view come to its top, rows inside it stay where they
// are, rows below it come up to the second-to-last row in view.
int32_t scoreTopAfterAdding(int32_t at, int32_t top, int32_t visible);

// The participant list's top row after adding at `place`: `selectedRow` is
// the list row of the selected participant, `rowCount` the list's rows
// (header included) and `top` its top row, all before the addition. A new
// row that would lie below the view becomes the last row in view.
int32_t memberTopAfterAdding(int16_t place, int32_t selectedRow, int32_t rowCount, int32_t top, int32_t visible);

// The question before a withdrawal: "山田太郎　（男、60歳） さんの参加を取り消します。",
// the age at the game date, "-" when a date is missing or not a date.
std::string withdrawQuestion(int32_t playerID, const std::string& gameDate);
