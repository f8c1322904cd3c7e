#pragma once
#include "core/resultRecords.h"
#include "reports/game/reportWindow.h"

#include <string>

// The team list of the current game: the players of gtypRankRows team by
// team, each team opened by a thick rule with its number and team text
// (repeated at the top of a page it runs onto), each member with a member
// number, courses, raw strokes, handicap, total, course average and
// affiliation. The column the teams are ranked by is bold.
// Reads gtypRankRows, gtypGame (TeamHowtoRank, HandiCapKind, Round), the
// registries, the titles, gstrPrintGameDate, gintTeamCount and the paging
// globals; writes gintMaxPageNo.
class frmPfTeamList : public ReportWindow {
public:
    frmPfTeamList();

    // Header captions.
    forms::Label lblNoNo{*this, "lblNoNo"};
    forms::ControlArray<forms::Label> lblSPTotal{*this, "lblSPTotal", {1, 82, 83, 84}};
    forms::Label Label7{*this, "Label7"};
    forms::Label Label1{*this, "Label1"};
    forms::Label lblHcTittle{*this, "lblHcTittle"};
    forms::Label lblTotalT{*this, "lblTotalT"};
    forms::Label lblRAveT{*this, "lblRAveT"};
    // Row templates.
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
    void layOutRow(const typRankRow& row, bool startsTeam, int16_t team, int16_t member);
};
