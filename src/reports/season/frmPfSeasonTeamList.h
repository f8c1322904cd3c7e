#pragma once
#include "reports/game/teamListReport.h"

// The season's team list: every team with its members, each member's
// completed courses, strokes, handicap, total and average per course summed
// over the member's games for that team.
// Reads gtypSeasonTeamRows, gtypSeasonGame.TeamHowtoRank, gstrSeasonPeriodEnd
// (the date of ages), the players, the titles and the paging globals; writes
// gintTeamCount (the teams in the rows) and gintMaxPageNo.
class frmPfSeasonTeamList : public TeamListReport {
public:
    frmPfSeasonTeamList();

    // Header captions of its own.
    forms::ControlArray<forms::Label> lblSPTotal{*this, "lblSPTotal", {1, 81, 82, 83, 84}};

private:
    void design() override;
    bool pfDataSet() override;
};
