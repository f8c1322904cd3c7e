#include "core/teamRanking.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "core/courseRules.h"
#include "core/gameRecords.h"
#include "core/rankOneGame.h"
#include "core/resultRecords.h"
#include "platform/text/Format.h"
#include "platform/text/Strings.h"

namespace {

constexpr int32_t pcKeyMembers = 10; // members that enter a team's key

// The team part of a member key. The team text is compared trimmed, as the
// team counts and the report walks compare it, so a stored "A " stays in
// team "A"; right-aligned in two characters, one-character teams come first.
std::string teamKeyPart(const std::string& teamID) { return text::FormatText(text::Trim(teamID), "@@"); }

std::string memberKey(const typRankRow& r) {
    std::string key = teamKeyPart(r.TeamID);
    if (gtypGame.TeamHowtoRank == 0)
        return key + keyNumber(999 - r.RoundsDone, "000") + keyNumber(r.Total + 1000000LL, "00000000");
    return key + averageKeyPiece(r.Total, r.RoundsDone, "0000000.00");
}

std::string teamKey(const typTeamRankRow& t) {
    const int32_t listed = std::min(t.Members, pcKeyMembers);
    std::string key;
    key.reserve(16 + 13 * pcKeyMembers);
    if (gtypGame.TeamHowtoRank == 0) {
        key += keyNumber(9999999LL - t.RoundsDone, "0000000");
        key += keyNumber(t.Total + 100000000LL, "000000000");
        for (int32_t j = 0; j < listed; ++j) {
            const typRankRow& m = gtypRankRows.item(t.FirstMember + j);
            key += keyNumber(99999 - m.RoundsDone, "00000");
            key += keyNumber(m.Total + 1000000LL, "00000000");
        }
        for (int32_t j = listed; j < pcKeyMembers; ++j) key += "99999" "99999999";
        return key;
    }
    key += averageKeyPiece(t.Total, t.RoundsDone, "00000.000");
    for (int32_t j = 0; j < listed; ++j) {
        const typRankRow& m = gtypRankRows.item(t.FirstMember + j);
        key += averageKeyPiece(m.Total, m.RoundsDone, "00000.00");
    }
    for (int32_t j = listed; j < pcKeyMembers; ++j) key += "99999.99";
    return key;
}

} // namespace

void gsCalTeamList() {
    gsCalPersonalRanking();
    std::vector<typRankRow> members;
    std::vector<std::string> keys;
    for (typRankRow& r : gtypRankRows) {
        if (text::Trim(r.TeamID).empty()) continue;
        keys.push_back(memberKey(r));
        members.push_back(std::move(r));
    }
    gtypRankRows.clear();
    for (int32_t i : sortByKeys(keys)) gtypRankRows.append(std::move(members[static_cast<std::size_t>(i)]));
}

void gsCalTeamRanking() {
    gsCalTeamList();
    std::vector<typTeamRankRow> teams;
    std::string previous;
    for (int32_t i = 0; i <= glngRankRowsMax(); ++i) {
        const typRankRow& r = gtypRankRows.item(i);
        const std::string team = text::Trim(r.TeamID);
        if (teams.empty() || team != previous) {
            typTeamRankRow& t = teams.emplace_back();
            t.TeamID = r.TeamID;
            t.FirstMember = i;
            previous = team;
        }
        typTeamRankRow& t = teams.back();
        t.Members += 1;
        t.RoundsDone = checkedSum(t.RoundsDone, r.RoundsDone);
        t.Total = checkedSum(t.Total, r.Total);
    }
    std::vector<std::string> keys;
    for (const typTeamRankRow& t : teams) keys.push_back(teamKey(t));
    const std::vector<int32_t> order = sortByKeys(keys);
    const std::vector<int32_t> ranks = sharedRanks(order, keys);
    gtypTeamRankRows.clear();
    for (std::size_t k = 0; k < order.size(); ++k) {
        typTeamRankRow& t = gtypTeamRankRows.append(std::move(teams[static_cast<std::size_t>(order[k])]));
        t.Rank = ranks[k];
    }
}
