#pragma once
#include "reports/game/reportWindow.h"

// The season's best courses: one row per ranked player (gtypSeasonGameRows,
// in rank order) with the player's best single course of the season hole by
// hole, the date and course name of its own game, strokes, handicap, total
// and, when the season breaks ties by age, the exact age at that game.
// Reads gtypSeasonGameRows, gtypGames, gtypSeasonGame (Hole, JudgeBirthday),
// the players, the titles and the paging globals; writes gtypGame (each
// row's own game header in turn) and gintMaxPageNo.
class frmPfSeasonRoundRanking : public ReportWindow {
public:
    frmPfSeasonRoundRanking();

    // Header captions.
    forms::Label lblNoNo{*this, "lblNoNo"};
    forms::Label Label7{*this, "Label7"};
    forms::Label Label2{*this, "Label2"};
    forms::Label Label8{*this, "Label8"};
    forms::ControlArray<forms::Label> lblHoleNo{*this, "lblHoleNo", {0}};
    forms::Label Label3{*this, "Label3"};
    forms::ControlArray<forms::Label> lblSPTotal{*this, "lblSPTotal", {81}};
    forms::Label Label13{*this, "Label13"};
    forms::Label Label1{*this, "Label1"};
    forms::ControlArray<forms::Line> linRoundTate{*this, "linRoundTate", {0}};
    // Row templates, one per column.
    forms::ControlArray<forms::Label> lblNo{*this, "lblNo", {0}};
    forms::ControlArray<forms::Label> lblName{*this, "lblName", {0}};
    forms::ControlArray<forms::Label> lblAge{*this, "lblAge", {0}};
    forms::ControlArray<forms::Label> lblDate{*this, "lblDate", {0}};
    forms::ControlArray<forms::Label> lblRound{*this, "lblRound", {0}};
    forms::ControlArray<forms::Label> lblScore{*this, "lblScore", {0}};
    forms::ControlArray<forms::Label> lblJituDa{*this, "lblJituDa", {0}};
    forms::ControlArray<forms::Label> lblHits{*this, "lblHits", {0}};
    forms::ControlArray<forms::Label> lblGoukei{*this, "lblGoukei", {0}};
    forms::ControlArray<forms::Label> lblBirthday{*this, "lblBirthday", {0}};

private:
    void design() override;
    bool pfDataSet() override;
};
