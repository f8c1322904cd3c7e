#pragma once
#include <cstdint>
#include <string>

#include "core/globals.h"

namespace forms {
class Form;
} // namespace forms

// Print parameters that the report choosers set and the report windows read
// (the game's date and counts are core globals, core/globals.h; the season
// ones are declared with the season computations, core/resultRecords.h).
extern int16_t gintBelongOrLocation;  // season total ranking's extra column: 0 none, 1 affiliation, 2 region

// The preparation of each report: counts the report window's pages and hands
// it to the print engine. mode 0 previews, 1 prints at once, any other value
// only counts. `owner` owns the preview. False once the engine has returned
// (the preview closed); True after a failure whose message has been shown,
// or when the count failed (the window reported it) and nothing was shown.
bool gfPrintEntryList(int16_t mode, forms::Form* owner);
bool gfPrintScore(int16_t mode, forms::Form* owner);
bool gfPrintPersonRanking(int16_t mode, forms::Form* owner);
bool gfPrintRoundRanking(int16_t mode, forms::Form* owner);
bool gfPrintTeamList(int16_t mode, forms::Form* owner);
bool gfPrintTeamRanking(int16_t mode, forms::Form* owner);
bool gfPrintSeasonEntryList(int16_t mode, forms::Form* owner);
bool gfPrintSeasonTotalRanking(int16_t mode, forms::Form* owner);
bool gfPrintSeasonGameRanking(int16_t mode, forms::Form* owner);
bool gfPrintSeasonRoundRanking(int16_t mode, forms::Form* owner);
bool gfPrintSeasonTeamList(int16_t mode, forms::Form* owner);
bool gfPrintSeasonTeamRanking(int16_t mode, forms::Form* owner);
bool gfPrintSeasonPersonalGameScore(int16_t mode, forms::Form* owner);
bool gfPrintSeasonPersonalGameInfo(int16_t mode, forms::Form* owner);
bool gfPrintSeasonPersonalRoundScore(int16_t mode, forms::Form* owner);
