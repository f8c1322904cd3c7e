// Look-ups of registered players and affiliations, and the counts of the
// current game's entrants and teams.
#include "core/players.h"

#include <set>

#include "core/helpers.h"
#include "platform/text/Dates.h"
#include "platform/text/Numbers.h"
#include "platform/text/Strings.h"

namespace {

// The first player with the ID, searched from index 0.
const typPlayerInfo* findPlayer(int32_t ID) {
    for (const typPlayerInfo& p : gtypPlayers)
        if (p.ID == ID) return &p;
    return nullptr;
}

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

std::string gfGetPlayerGender(int32_t ID, int16_t latin) {
    const typPlayerInfo* p = findPlayer(ID);
    if (!p) return "";
    switch (p->Gender) {
    case 1: return latin != 0 ? "M" : "男";
    case 2: return latin != 0 ? "F" : "女";
    default: return "-";
    }
}

std::string gfGetPlayerBirthday(int32_t ID) {
    const typPlayerInfo* p = findPlayer(ID);
    if (!p) return "";
    const auto date = text::parseDate(p->Birthday);
    return date ? text::FormatDate(*date, "yyyy/mm/dd") : std::string();
}

std::string gfGetPlayerAge(int32_t ID, const std::string& refDate) {
    const typPlayerInfo* p = findPlayer(ID);
    return p ? gfCalAge(p->Birthday, refDate, 0) : std::string();
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

int16_t gfCountEntry() {
    std::set<int32_t> seen;
    for (const typScoreData& row : gtypScores) seen.insert(row.IDNo);
    return text::CInt(static_cast<double>(seen.size()));
}

int16_t gfCountTeam() {
    std::set<std::string> seen;
    for (const typScoreData& row : gtypScores) {
        std::string team = text::Trim(row.TeamID);
        if (!team.empty()) seen.insert(std::move(team));
    }
    return text::CInt(static_cast<double>(seen.size()));
}
