#pragma once
#include <cstdint>
#include <string>

#include "core/gameRecords.h"

// Cells and column geometry shared by the season report windows.
namespace seasoncells {

// gtypGame = the header of stored game `gameIndex` (the season reports read
// each row's own game from it); an index outside gtypGames is an error.
const typGameInfo& takeGameHeader(int32_t gameIndex);

// The age at `date` in years with three decimals, "-" without a birth date.
std::string exactAge(int32_t id, const std::string& date);

// The handicap that went into a total: "-" when no stroke counts, empty for
// a game without handicaps, else in tenths.
std::string handicapCell(int32_t strokes, int16_t handicapKind, int32_t handicap);

// A total in tenths, "-" when no stroke counts.
std::string totalCell(int32_t strokes, int32_t total);

// The second title line of a personal report: gstrPrintTitle2 & " ： 【" &
// the player's name & "】".
std::string titleWithPlayer(int32_t id);

// The count of a personal report: "参加 5回".
std::string gamesCount(long long games);

// A game date with its era and weekday: "平成20年12月26日(金)".
std::string longDate(const std::string& date);

} // namespace seasoncells
