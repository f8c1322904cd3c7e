#pragma once
#include "reports/game/reportWindow.h"

// The season's team list: every team with its members, each member's
// completed courses, strokes, handicap, total and average per course summed
// over the member's games for that team. A team opens with a thick rule and
// its number and name, repeated at the top of a page it runs onto; the column
// the season's teams are ranked on prints bold.
// Reads gtypSeasonTeamRows, gtypSeasonGame.TeamHowtoRank, gstrSeasonPeriodEnd
// (the date of ages), the players, the titles and the paging globals; writes
// gintTeamCount (the teams in the rows) and gintMaxPageNo.
class frmPfSeasonTeamList : public ReportWindow {
public:
    frmPfSeasonTeamList();

    // Header captions.
    forms::Label lblNoNo{*this, "lblNoNo"};
    forms::ControlArray<forms::Label> lblSPTotal{*this, "lblSPTotal", {1, 81, 82, 83, 84}};
    forms::Label Label7{*this, "Label7"};
    forms::Label Label1{*this, "Label1"};
    forms::Label lblTotalT{*this, "lblTotalT"};
    forms::Label lblRAveT{*this, "lblRAveT"};
    // Row templates, one per column.
    forms::ControlArray<forms::Label> lblNo{*this, "lblNo", {0}};
    forms::ControlArray<forms::Label> lblTeamID{*this, "lblTeamID", {0}};
    forms::ControlArray<forms::Label> lblMNo{*this, "lblMNo", {0}};
    forms::ControlArray<forms::Label> lblName{*this, "lblName", {0}};
    forms::ControlArray<forms::Label> lblAge{*this, "lblAge", {0}};
    forms::ControlArray<forms::Label> lblRoundNum{*this, "lblRoundNum", {0}};
    forms::ControlArray<forms::Label> lblRHits{*this, "lblRHits", {0}};
    forms::ControlArray<forms::Label> lblHits{*this, "lblHits", {0}};
    forms::ControlArray<forms::Label> lblGoukei{*this, "lblGoukei", {0}};
    forms::ControlArray<forms::Label> lblRoundAve{*this, "lblRoundAve", {0}};
    forms::ControlArray<forms::Label> lblBelong{*this, "lblBelong", {0}};

private:
    void design() override;
    bool pfDataSet() override;
};
