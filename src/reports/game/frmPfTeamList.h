#pragma once
#include "reports/game/teamListReport.h"

// The team list of the current game: the players of gtypRankRows team by
// team, each team opened by a thick rule with its number and team text
// (repeated at the top of a page it runs onto), each member with a member
// number, courses, raw strokes, handicap, total, course average and
// affiliation. The column the teams are ranked by is bold.
// Reads gtypRankRows, gtypGame (TeamHowtoRank, HandiCapKind, Round), the
// registries, the titles, gstrPrintGameDate, gintTeamCount and the paging
// globals; writes gintMaxPageNo.
class frmPfTeamList : public TeamListReport {
public:
    frmPfTeamList();

    // Header captions of its own.
    forms::ControlArray<forms::Label> lblSPTotal{*this, "lblSPTotal", {1, 82, 83, 84}};
    forms::Label lblHcTittle{*this, "lblHcTittle"};

private:
    void design() override;
    bool pfDataSet() override;
};
