#pragma once
#include "reports/game/reportWindow.h"

// The season's team ranking: one row per team in rank order with its rank,
// name, members, completed courses, total and average per course, then one
// cell per member (at most ten) with the member's season score on the
// season's team basis. Member columns are laid out from the largest team.
// Reads gtypTeamRankRows, gtypSeasonTeamRows, gtypSeasonGame.TeamHowtoRank,
// the titles and the paging globals; writes gintEntryCount (the members of
// all teams, a player of two teams counted in each) and gintMaxPageNo.
class frmPfSeasonTeamRanking : public ReportWindow {
public:
    frmPfSeasonTeamRanking();

    // Header captions.
    forms::Label lblNoNo{*this, "lblNoNo"};
    forms::ControlArray<forms::Label> lblSPTotal{*this, "lblSPTotal", {0, 83, 84}};
    forms::Label lblTotalT{*this, "lblTotalT"};
    forms::Label lblRAveT{*this, "lblRAveT"};
    // Member captions and cells, and the rules between member columns.
    forms::ControlArray<forms::Label> lblMNo{*this, "lblMNo", {0}};
    forms::ControlArray<forms::Line> linMNoTate{*this, "linMNoTate", {0}};
    // Row templates, one per team column.
    forms::ControlArray<forms::Label> lblNo{*this, "lblNo", {0}};
    forms::ControlArray<forms::Label> lblTeamID{*this, "lblTeamID", {0}};
    forms::ControlArray<forms::Label> lblTeamMemberNum{*this, "lblTeamMemberNum", {0}};
    forms::ControlArray<forms::Label> lblRoundNum{*this, "lblRoundNum", {0}};
    forms::ControlArray<forms::Label> lblGoukei{*this, "lblGoukei", {0}};
    forms::ControlArray<forms::Label> lblRoundAve{*this, "lblRoundAve", {0}};

private:
    void design() override;
    bool pfDataSet() override;
};
