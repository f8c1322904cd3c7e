// Look-ups of registered players and affiliations, and the counts of the
// current game's entrants and teams.
#include "core/players.h"

#include <algorithm>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "core/helpers.h"
#include "platform/text/Dates.h"
#include "platform/text/Numbers.h"
#include "platform/text/Strings.h"

const typPlayerInfo* findPlayer(int32_t ID) {
    for (const typPlayerInfo& p : gtypPlayers)
        if (p.ID == ID) return &p;
    return nullptr;
}

namespace {

// The player's affiliation (deleted ones included); none when the player has
// no affiliation or its ID is not registered.
const typBelongInfo* findBelong(int32_t playerID) {
    const typPlayerInfo* p = findPlayer(playerID);
    if (!p || p->BelongID == 0) return nullptr;
    for (const typBelongInfo& b : gtypBelongs)
        if (b.ID == p->BelongID) return &b;
    return nullptr;
}

} // namespace

std::string gfGetPlayerName(int32_t ID) {
    const typPlayerInfo* p = findPlayer(ID);
    return p ? p->Name : std::string();
}

std::string gfGetPlayerGender(int32_t ID, int16_t latin) { return playerGenderText(findPlayer(ID), latin); }

std::string gfGetPlayerBirthday(int32_t ID) { return playerBirthdayText(findPlayer(ID)); }

std::string gfGetPlayerAge(int32_t ID, const std::string& refDate) {
    const typPlayerInfo* p = findPlayer(ID);
    return p ? gfCalAge(p->Birthday, refDate, 0) : std::string();
}

std::string playerGenderText(const typPlayerInfo* player, int16_t latin) {
    if (!player) return "";
    switch (player->Gender) {
    case 1: return latin != 0 ? "M" : "男";
    case 2: return latin != 0 ? "F" : "女";
    default: return "-";
    }
}

std::string playerBirthdayText(const typPlayerInfo* player) {
    const auto date = playerBirthDate(player);
    return date ? text::FormatDate(*date, "yyyy/mm/dd") : std::string();
}

std::optional<text::Date> playerBirthDate(const typPlayerInfo* player) {
    return player ? text::parseDate(player->Birthday) : std::nullopt;
}

PlayerIndex::PlayerIndex() {
    const std::size_t count = gtypPlayers.size();
    int32_t lowest = 0, highest = 0;
    for (const typPlayerInfo& p : gtypPlayers) {
        lowest = std::min(lowest, p.ID);
        highest = std::max(highest, p.ID);
    }
    byTable_ = lowest >= 0 && static_cast<std::size_t>(highest) <= 4 * count + 1024;
    if (byTable_) {
        table_.assign(static_cast<std::size_t>(highest) + 1, -1);
        for (std::size_t i = count; i-- > 0;) table_[static_cast<std::size_t>(gtypPlayers[i].ID)] = static_cast<int32_t>(i);
        return;
    }
    byID_.reserve(count);
    for (std::size_t i = 0; i < count; ++i) byID_.emplace_back(gtypPlayers[i].ID, i);
    // Sorted by ID and then by index, so the first of equal IDs is the first player.
    std::sort(byID_.begin(), byID_.end());
}

const typPlayerInfo* PlayerIndex::find(int32_t ID) const {
    if (byTable_) {
        if (ID < 0 || static_cast<std::size_t>(ID) >= table_.size() || table_[static_cast<std::size_t>(ID)] < 0)
            return nullptr;
        return &gtypPlayers[static_cast<std::size_t>(table_[static_cast<std::size_t>(ID)])];
    }
    const auto it = std::lower_bound(byID_.begin(), byID_.end(), std::pair<int32_t, std::size_t>(ID, 0));
    return it != byID_.end() && it->first == ID ? &gtypPlayers[it->second] : nullptr;
}

int16_t gfGetPlayerIndex(int32_t ID) {
    for (std::size_t i = 0; i < gtypPlayers.size(); ++i)
        if (gtypPlayers[i].ID == ID) return text::CInt(static_cast<double>(i)); // 16-bit index
    return -1;
}

std::string gfGetPlayerBelongName(int32_t ID) {
    const typBelongInfo* b = findBelong(ID);
    return b ? b->Name : std::string();
}

std::string gfGetPlayerBelongShort(int32_t ID) {
    const typBelongInfo* b = findBelong(ID);
    if (!b) return "";
    return text::Trim(b->ShortName).empty() ? text::Left(b->Name, 5) : b->ShortName;
}

std::string gfGetPlayerLocation(int32_t ID) {
    const typPlayerInfo* p = findPlayer(ID);
    return p ? text::Left(p->Location, 5) : std::string();
}

namespace {

// Distinct player IDs of rows in any order.
int16_t countEntriesInAnyOrder() {
    std::vector<int32_t> ids;
    ids.reserve(gtypScores.size());
    for (const typScoreData& row : gtypScores)
        if (ids.empty() || ids.back() != row.IDNo) ids.push_back(row.IDNo);
    std::sort(ids.begin(), ids.end());
    return text::CInt(static_cast<double>(std::unique(ids.begin(), ids.end()) - ids.begin()));
}

} // namespace

// A game has a few thousand rows, and the counts are taken each time a list
// is shown. A player's rows follow each other, so a value equal to the one
// before is left out at once; the rows are kept in rising IDs, so while each
// new ID is above the one before, it is a new one.
int16_t gfCountEntry() {
    std::size_t rising = 0;
    int32_t last = 0;
    for (const typScoreData& row : gtypScores) {
        if (rising > 0 && row.IDNo == last) continue;
        if (rising > 0 && row.IDNo < last) return countEntriesInAnyOrder();
        ++rising;
        last = row.IDNo;
    }
    return text::CInt(static_cast<double>(rising));
}

int16_t gfCountTeam() {
    std::unordered_set<std::string_view> teams;
    std::string_view previous;
    for (const typScoreData& row : gtypScores) {
        const std::string_view textAsIs = row.TeamID.view();
        if (textAsIs == previous) continue;
        previous = textAsIs;
        const std::string_view team = text::TrimmedView(textAsIs);
        if (!team.empty()) teams.insert(team);
    }
    return text::CInt(static_cast<double>(teams.size()));
}
