#pragma once
#include "core/resultRecords.h"
#include "reports/game/reportWindow.h"

// The team ranking of the current game: one row per team of
// gtypTeamRankRows in rank order with its rank, team text, members,
// complete courses, total and course average, then one cell per member (the
// first ten) on the game's ranking basis. The member columns, 5 to 10, are
// sized from the largest team.
// Reads gtypTeamRankRows, gtypRankRows (the members), gtypGame.TeamHowtoRank,
// the titles, gintTeamCount and the paging globals; writes gintMaxPageNo.
class frmPfTeamRanking : public ReportWindow {
public:
    frmPfTeamRanking();

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

private:
    void design() override;
    bool pfDataSet() override;
    void setUpMembers();
    void layOutRow(const typTeamRankRow& team);

    int32_t w_ = 0;
};
