// The season team list (each player's sums per team) and team ranking.
#include <string>
#include <vector>

#include "core/courseRules.h"
#include "core/season.h"
#include "core/seasonShared.h"
#include "platform/text/Format.h"
#include "platform/text/Strings.h"

namespace {

// The team part of every team key: right-aligned in two characters, so that
// one-character teams come first.
std::string teamKey(const std::string& teamID) { return text::FormatText(teamID, "@@"); }

// A member within the team: more courses then the lower total, or the better
// average per course.
std::string memberKey(const typSeasonScore& m) {
    if (gtypSeasonGame.TeamHowtoRank == 0)
        return keyNumber(99999LL - m.RoundsDone, "00000") + keyNumber(m.Total + 10000000LL, "000000000");
    return averageKeyPiece(m.Total, m.RoundsDone, "00000.000");
}

// Courses counted down, then the total: the total basis of teams and members.
std::string totalPart(int32_t roundsDone, int32_t total) {
    return keyNumber(999999LL - roundsDone, "000000") + keyNumber(total + 10000000LL, "000000000");
}

// The team's own figure, then its first ten members, then the empty places.
std::string teamRankKey(const typTeamRankRow& team) {
    const bool byTotal = gtypSeasonGame.TeamHowtoRank == 0;
    std::string key = byTotal ? totalPart(team.RoundsDone, team.Total)
                              : averageKeyPiece(team.Total, team.RoundsDone, "00000.000");
    for (int32_t n = 0; n < 10; ++n) {
        if (n >= team.Members) {
            key += byTotal ? "999999" "999999999" : "99999.99";
            continue;
        }
        const typSeasonScore& m = gtypSeasonTeamRows.item(team.FirstMember + n);
        if (byTotal)
            key += totalPart(m.RoundsDone, m.Total);
        else
            key += averageKeyPiece(m.Total, m.RoundsDone, "00000.00");
    }
    return key;
}

} // namespace

bool gsCalSeasonTeamList() {
    gtypSeasonTeamRows.clear();
    if (glngSeasonScoresMax() < 0) return true;
    return season::trapped("gsCalSeasonTeamList", [] {
        std::vector<int32_t> withTeam;
        std::vector<std::string> rowKeys;
        for (int32_t i = 0; i <= glngSeasonScoresMax(); ++i) {
            const typSeasonScore& row = gtypSeasonScores[static_cast<std::size_t>(i)];
            if (text::Trim(row.TeamID).empty()) continue;
            withTeam.push_back(i);
            rowKeys.push_back(teamKey(row.TeamID) + text::Format(row.IDNo, "00000000") +
                              text::Format(row.GameIndex, "000000"));
        }
        if (withTeam.empty()) return true;
        // One member row per run of the same team and player.
        std::vector<typSeasonScore> members;
        std::string previousTeam;
        for (int32_t k : sortByKeys(rowKeys)) {
            const typSeasonScore& row = gtypSeasonScores[static_cast<std::size_t>(withTeam[static_cast<std::size_t>(k)])];
            const std::string team = text::Trim(row.TeamID);
            if (members.empty() || team != previousTeam || row.IDNo != members.back().IDNo) {
                typSeasonScore& member = members.emplace_back();
                member.IDNo = row.IDNo;
                member.TeamID = row.TeamID;
                member.GameIndex = row.GameIndex;
                previousTeam = team;
            }
            season::addSeasonSums(members.back(), row);
        }
        std::vector<std::string> keys;
        keys.reserve(members.size());
        for (typSeasonScore& m : members) {
            m.HolesDone = 0; // the team reports show no holes
            keys.push_back(teamKey(m.TeamID) + memberKey(m));
        }
        season::appendRanked(gtypSeasonTeamRows, std::move(members), keys);
        return false;
    });
}

bool gsCalSeasonTeamRanking() {
    return season::trapped("gsCalSeasonTeamRanking", [] {
        std::vector<typTeamRankRow> teams;
        std::string previousTeam;
        for (int32_t i = 0; i <= glngSeasonTeamRowsMax(); ++i) {
            const typSeasonScore& m = gtypSeasonTeamRows[static_cast<std::size_t>(i)];
            const std::string team = text::Trim(m.TeamID);
            if (teams.empty() || team != previousTeam) {
                typTeamRankRow& t = teams.emplace_back();
                t.TeamID = m.TeamID;
                t.FirstMember = i;
                previousTeam = team;
            }
            typTeamRankRow& t = teams.back();
            t.Members = checkedSum(t.Members, 1);
            t.RoundsDone = checkedSum(t.RoundsDone, m.RoundsDone);
            t.Total = checkedSum(t.Total, m.Total);
        }
        gtypTeamRankRows.clear();
        if (teams.empty()) return true;
        std::vector<std::string> keys;
        keys.reserve(teams.size());
        for (const typTeamRankRow& t : teams) keys.push_back(teamRankKey(t));
        season::appendRanked(gtypTeamRankRows, std::move(teams), keys);
        return false;
    });
}
