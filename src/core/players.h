#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/gameRecords.h"
#include "platform/text/Dates.h"

namespace forms {
class ListBox;
}

// Look-ups by player ID: the first player in gtypPlayers with the ID
// (deleted players included); "" when no player has it.
std::string gfGetPlayerName(int32_t ID);
// "男" / "女" ("M" / "F" when latin is nonzero), "-" for any other gender.
std::string gfGetPlayerGender(int32_t ID, int16_t latin);
// "yyyy/mm/dd", or "" when the stored birthday is not a date.
std::string gfGetPlayerBirthday(int32_t ID);
// Whole years at refDate, or "-" when either is not a date.
std::string gfGetPlayerAge(int32_t ID, const std::string& refDate);
// The first player in gtypPlayers with the ID; nullptr when none has it.
const typPlayerInfo* findPlayer(int32_t ID);

// The same texts from a player's record found already (nullptr: no player
// has the ID), for lists that show several of them per player.
std::string playerGenderText(const typPlayerInfo* player, int16_t latin);
std::string playerBirthdayText(const typPlayerInfo* player);
// The player's date of birth; none without a player or a valid date.
std::optional<text::Date> playerBirthDate(const typPlayerInfo* player);

// Finds players by ID through an index made once, for a list that looks up
// every entrant of a game: it finds what the look-ups above find (the first
// player with the ID) while gtypPlayers stays as it was when it was made.
class PlayerIndex {
public:
    PlayerIndex();
    const typPlayerInfo* find(int32_t ID) const;

private:
    // Registered IDs are small whole numbers, so usually a table by ID holds
    // the index of each ID's first player (-1: none); otherwise the pairs
    // (ID, index of its first player) are kept sorted by ID.
    bool byTable_ = false;
    std::vector<int32_t> table_;
    std::vector<std::pair<int32_t, std::size_t>> byID_;
};

// The index in gtypPlayers, -1 when missing.
int16_t gfGetPlayerIndex(int32_t ID);
// The player's affiliation's name; "" without one.
std::string gfGetPlayerBelongName(int32_t ID);
// The affiliation's short name, or the first 5 characters of its name when
// the short name is blank; "" without one.
std::string gfGetPlayerBelongShort(int32_t ID);
// The first 5 characters of the player's place.
std::string gfGetPlayerLocation(int32_t ID);

// The lines of a player in list boxes, ages taken at today's date:
// " 山田太郎 (男、昭和25年6月15日生　59歳：札幌市)" and "山田太郎 (男、59歳：札幌市)".
std::string gfGetPlayerListText(const typPlayerInfo& player);
std::string gfGetPlayerListTextShort(const typPlayerInfo& player);

// Over the score rows of the current game: distinct player IDs, and distinct
// team names (trimmed, blank ones not counted).
int16_t gfCountEntry();
int16_t gfCountTeam();

// Fills the list box afresh with the players that are not deleted and pass
// both filters (-1 = no filter; affiliation 0 = players without one), in
// registry order or, when sorted is 1, by Sort then Name; text kind 1 gives
// the long line, any other the short one. Each line's item data is the ID.
void gsSetPlayerList(int16_t sorted, int16_t textKind, forms::ListBox& list, int32_t belongFilter,
                     int16_t enteredFilter);
