#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "core/gameRecords.h"
#include "core/players.h"
#include "core/resultTexts.h"
#include "platform/text/Dates.h"
#include "tally/listTable.h"

// Cells the result lists share.

// Appends a cell with its text to the row; `back` unset keeps the grid's
// (or the band's) colour.
void addResultCell(ListRow& row, std::string text, int32_t alignment = AlignCentre,
                   std::optional<forms::Color> back = std::nullopt, bool bold = false);

// The handicap kind the lists are laid out for: 1 or 2 show an "Hc" column,
// any other kind counts as none.
bool showsHandicap(const typGameInfo& game);

// The handicap share a player's total holds, for the "Hc" column: the sum of
// the complete courses' handicaps (kind 1), or the game handicap scaled to
// the complete courses, rounded half to even (kind 2).
std::string handicapShareText(const typGameInfo& game, int32_t handicap, int32_t roundsDone);


// Appends row k of a list (item data k + 1) with its first cell: the rank
// or number on button face.
ListRow& newResultRow(ListTable& table, size_t k, std::string first);

// A listed player: the registry record from a PlayerIndex (nullptr: not
// registered) and the date of birth, read once for the age and birthday cells.
struct ListedPlayer {
    ListedPlayer(const PlayerIndex& players, int32_t id);
    const typPlayerInfo* record;
    std::optional<text::Date> born;
};

// Name (left), age at the game's date (read once per list) and gender mark,
// with the band.
void addPlayerCells(ListRow& row, const std::optional<text::Date>& gameDate, const ListedPlayer& player,
                    std::optional<forms::Color> band);
