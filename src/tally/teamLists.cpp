// The team member list (tab 5) and the team results (tab 6).
#include <algorithm>

#include "core/helpers.h"
#include "core/players.h"
#include "platform/text/Numbers.h"
#include "tally/resultCells.h"
#include "tally/resultLists.h"

namespace {

constexpr int32_t kMostMemberColumns = 10;

// "C数": complete courses, "-" below 1.
std::string roundsText(long long rounds) { return rounds < 1 ? "-" : text::Str(rounds); }

// A member's result as the teams are ranked: the total (basis 0) or the
// average per course.
std::string memberResultText(const typGameInfo& game, const typRankRow& m) {
    if (game.TeamHowtoRank == 0) return m.Strokes == 0 ? "-" : gfFormatTenths(m.Total);
    return courseAverageText(m.Total, m.RoundsDone, "0.00");
}

} // namespace

ListTable teamList(const typGameInfo& game, const VbArray<typRankRow>& members) {
    const bool hc = showsHandicap(game);
    const bool byTotal = game.TeamHowtoRank == 0;
    ListTable table;
    table.columns = {{"No.", 550},  {"チーム", 800}, {"MNo.", 550}, {"名前", 2500},
                     {"年令", 550}, {"性別", 550},   {"所属", 3000}, {"C数", 600}, {"実打", 800}};
    if (hc) table.columns.push_back({"Hc", 800});
    table.columns.push_back({"合計", 1000, byTotal});
    table.columns.push_back({"C平均", 1000, !byTotal});

    int32_t teamNo = 0, memberNo = 0;
    const std::string* previous = nullptr; // the identifier of the row before
    bool banded = true;                    // flips on the first team: that one stays plain
    const PlayerIndex players;
    const auto gameDate = text::parseDate(game.Date);
    table.rows.reserve(members.size());
    for (size_t i = 0; i < members.size(); ++i) {
        const typRankRow& r = members[i];
        // Teams are told apart by their stored text, letter case included.
        const bool newTeam = previous == nullptr || r.TeamID != *previous;
        if (newTeam) {
            ++teamNo;
            memberNo = 0;
            banded = !banded;
            previous = &r.TeamID;
        }
        ++memberNo;
        const std::optional<forms::Color> shade = banded ? std::optional<forms::Color>(kTeamListBand) : std::nullopt;
        const bool played = r.Strokes != 0;
        ListRow& row = newResultRow(table, i, newTeam ? text::Str(teamNo) : "");
        addResultCell(row, newTeam ? r.TeamID : "", AlignCentre, shade);
        addResultCell(row, "M" + text::Str(memberNo), AlignCentre, kListGrey);
        addPlayerCells(row, gameDate, ListedPlayer(players, r.IDNo), shade);
        addResultCell(row, gfGetPlayerBelongName(r.IDNo), AlignLeft, shade);
        addResultCell(row, roundsText(r.RoundsDone), AlignCentre, kListGrey);
        addResultCell(row, numberOrDash(r.Strokes), AlignCentre, shade);
        if (hc)
            addResultCell(row, played ? handicapShareText(game, r.Handicap, r.RoundsDone) : "-", AlignCentre, shade);
        addResultCell(row, played ? gfFormatTenths(r.Total) : "-", AlignCentre, kListGrey, byTotal);
        addResultCell(row, courseAverageText(r.Total, r.RoundsDone, "0.00"), AlignCentre, kListGrey, !byTotal);
    }
    return table;
}

ListTable teamResultList(const typGameInfo& game, const VbArray<typTeamRankRow>& teams,
                         const VbArray<typRankRow>& members) {
    const bool byTotal = game.TeamHowtoRank == 0;
    int32_t memberColumns = 0;
    for (const typTeamRankRow& t : teams) memberColumns = std::max(memberColumns, t.Members);
    memberColumns = std::min(memberColumns, kMostMemberColumns);

    ListTable table;
    table.columns = {{"順位", 550}, {"チーム", 800},         {"人数", 600},
                     {"C数", 600},  {"合計", 1200, byTotal}, {"C平均", 1000, !byTotal}};
    for (int32_t c = 1; c <= memberColumns; ++c) table.columns.push_back({"M" + text::Str(c), 860});

    table.rows.reserve(teams.size());
    for (size_t k = 0; k < teams.size(); ++k) {
        const typTeamRankRow& t = teams[k];
        const std::optional<forms::Color> shade =
            k % 2 == 1 ? std::optional<forms::Color>(kTeamResultBand) : std::nullopt;
        ListRow& row = newResultRow(table, k, text::Str(t.Rank));
        addResultCell(row, t.TeamID, AlignCentre, shade);
        addResultCell(row, text::Str(t.Members), AlignCentre, shade);
        addResultCell(row, roundsText(t.RoundsDone), AlignCentre, kListGrey);
        addResultCell(row, t.RoundsDone == 0 ? "-" : gfFormatTenths(t.Total), AlignCentre, kListGrey, byTotal);
        addResultCell(row, courseAverageText(t.Total, t.RoundsDone, "0.000"), AlignCentre, kListGrey, !byTotal);
        for (int32_t c = 0; c < memberColumns; ++c) {
            const bool member = c < t.Members;
            addResultCell(row, member ? memberResultText(game, members.item(t.FirstMember + c)) : "",
                                           AlignCentre, shade);
        }
    }
    return table;
}
