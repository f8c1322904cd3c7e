#pragma once
#include "core/helpers.h"
#include "core/resultRecords.h"
#include "core/resultTexts.h"
#include "platform/text/Format.h"
#include "platform/text/Strings.h"
#include "reports/game/reportWindow.h"

#include <algorithm>

// What the team ranking of a game and that of a season share: one row per
// team of gtypTeamRankRows in rank order with its rank, team text, members,
// complete courses, total and course average, then one cell per member (the
// first ten) on the ranking basis. The member columns, 5 to 10, are sized
// from the largest team; the column the teams are ranked by stays bold.
class TeamRankingReport : public ReportWindow {
public:
    // Header captions; the member captions are copies of lblMNo(0).
    forms::Label lblNoNo{*this, "lblNoNo"};
    forms::ControlArray<forms::Label> lblSPTotal{*this, "lblSPTotal", {0, 83, 84}};
    forms::Label lblTotalT{*this, "lblTotalT"};
    forms::Label lblRAveT{*this, "lblRAveT"};
    // Row templates; lblMNo(0) also stands for every member cell.
    forms::ControlArray<forms::Label> lblNo{*this, "lblNo", {0}};
    forms::ControlArray<forms::Label> lblTeamID{*this, "lblTeamID", {0}};
    forms::ControlArray<forms::Label> lblTeamMemberNum{*this, "lblTeamMemberNum", {0}};
    forms::ControlArray<forms::Label> lblRoundNum{*this, "lblRoundNum", {0}};
    forms::ControlArray<forms::Label> lblGoukei{*this, "lblGoukei", {0}};
    forms::ControlArray<forms::Label> lblRoundAve{*this, "lblRoundAve", {0}};
    forms::ControlArray<forms::Label> lblMNo{*this, "lblMNo", {0}};
    // Rules between the member columns.
    forms::ControlArray<forms::Line> linMNoTate{*this, "linMNoTate", {0}};

    // The member column width of the last load.
    int32_t memberWidth() const { return w_; }

protected:
    using ReportWindow::ReportWindow;

    // The templates of the member captions, cells and rules.
    void designMembers();
    // After startWalk: the member columns, the bold basis column, and the
    // walk over the teams, each team's members taken from `members`
    // (FirstMember on); `byAverage` is the basis (TeamHowtoRank not 0).
    template <class Member>
    void layOutTeams(const VbArray<Member>& members, bool byAverage) {
        setUpMembers(byAverage);
        for (int32_t i = 0; i <= glngTeamRankRowsMax(); ++i) {
            const typTeamRankRow& team = gtypTeamRankRows.item(i);
            if (beginRow()) {
                teamCells(team);
                for (int32_t s = 0; s < std::min(team.Members, MostColumns); ++s) {
                    const Member& m = members.item(static_cast<long long>(team.FirstMember) + s);
                    const std::string score = byAverage ? courseAverageText(m.Total, m.RoundsDone, "0.00")
                                              : m.Strokes == 0 ? "-"
                                                               : gfFormatTenths(m.Total);
                    cell(lblMNo, score, MembersLeft + s * w_, w_);
                }
            }
            endRow(i == glngTeamRankRowsMax());
        }
    }

private:
    static constexpr int32_t MembersLeft = 4320, MembersBand = 6720;
    static constexpr int32_t FewestColumns = 5, MostColumns = 10;

    void setUpMembers(bool byAverage);
    void teamCells(const typTeamRankRow& team);

    int32_t w_ = 0;
};
