#include "reports/game/teamRankingReport.h"

#include "reports/game/reportCells.h"

void TeamRankingReport::designMembers() {
    designLine(linMNoTate[0], MembersLeft, 840, MembersLeft, 1200, forms::RGB(255, 0, 0), 1, false);
    designCell(lblMNo[0], MembersLeft, 1344, forms::vbCenter);
    lblMNo[0].setCaption("M1");
}

// The member columns, the same on every page: as many as the largest team
// has members, at least 5 and at most 10, captioned as far as that team goes.
void TeamRankingReport::setUpMembers(bool byAverage) {
    int32_t largest = 0;
    for (const typTeamRankRow& team : gtypTeamRankRows) largest = std::max(largest, team.Members);
    const int32_t columns = std::clamp(largest, FewestColumns, MostColumns);
    w_ = columnWidth(MembersBand, columns);
    for (int32_t k = 1; k < columns; ++k) columnRule(linMNoTate, MembersLeft + k * w_);
    for (int32_t h = 0; h < std::min(largest, MostColumns); ++h)
        loadLabel(lblMNo, MembersLeft + h * w_, linTop.Y1() + TextOffset, w_, "M" + text::Format(h + 1, "0"));
    (byAverage ? lblTotalT : lblRAveT).setFontBold(false);
    (byAverage ? lblGoukei : lblRoundAve)[0].setFontBold(false);
}

void TeamRankingReport::teamCells(const typTeamRankRow& team) {
    rowRule(firstRowOfPage());
    const bool played = team.RoundsDone >= 1;
    cell(lblNo, text::Format(team.Rank, "0"));
    cell(lblTeamID, text::Trim(team.TeamID));
    cell(lblTeamMemberNum, text::Format(team.Members, "0"));
    cell(lblRoundNum, played ? text::Format(team.RoundsDone, "0") : "-");
    cell(lblGoukei, played ? gfFormatTenths(team.Total) : "-");
    cell(lblRoundAve, courseAverageText(team.Total, team.RoundsDone, "0.000"));
}
