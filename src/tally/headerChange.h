#pragma once
#include "core/gameRecords.h"

// What a changed game header means for the score rows of the open game (the
// tally window's header button). `before` is the header as it was; the
// score rows were packed in its shape before the header dialog opened.

// What the score rows need.
enum class RowsAfterHeaderChange {
    Kept,    // nothing a score row shows changed
    Redrawn, // a used course was renamed or the date moved: the lists are rebuilt
    Relaid,  // holes, courses or handicap kind changed: rows re-laid, then rebuilt
};
RowsAfterHeaderChange rowsAfterHeaderChange(const typGameInfo& before, const typGameInfo& after);

// What becomes of the handicaps when the rows are re-laid: kept when only
// the number of courses of a per-course handicap changed; cleared with a
// word to the user when a handicap kind stays in use; else cleared silently.
enum class HandicapsAfterRelay { Kept, ClearedWithNotice, Cleared };
HandicapsAfterRelay handicapsAfterRelay(const typGameInfo& before, const typGameInfo& after);

// Re-lays gtypScores from gtypScorePacks in gtypGame's shape: every player's
// old cells, course after course, fill the new courses in the same order
// (so with other holes per course strokes move across course boundaries),
// empty where the old ones run out. Then the handicaps as above, the
// clearing box shown first when it is due.
void relayScoreRows(const typGameInfo& before);
