#pragma once
#include "reports/game/reportWindow.h"

// The season's best games: one row per ranked player (gtypSeasonGameRows,
// in rank order) with the player's best game of the season, its date, the
// strokes of each course under C1, C2 ..., strokes, handicap, total and, when
// the season breaks ties by age, the exact age at that game. Rows whose best
// games have the same number of completed courses form a group opened by a
// thick rule.
// Reads gtypSeasonGameRows, gtypGames, gtypSeasonGame (Round, JudgeBirthday),
// the players, the titles and the paging globals; writes gtypGame (each
// row's own game header in turn) and gintMaxPageNo.
class frmPfSeasonGameRanking : public ReportWindow {
public:
    frmPfSeasonGameRanking();

    // Header captions.
    forms::Label lblNoNo{*this, "lblNoNo"};
    forms::Label Label7{*this, "Label7"};
    forms::Label Label2{*this, "Label2"};
    forms::ControlArray<forms::Label> lblRoundNo{*this, "lblRoundNo", {0}};
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
    forms::ControlArray<forms::Label> lblJituDa{*this, "lblJituDa", {0}};
    forms::ControlArray<forms::Label> lblHits{*this, "lblHits", {0}};
    forms::ControlArray<forms::Label> lblGoukei{*this, "lblGoukei", {0}};
    forms::ControlArray<forms::Label> lblBirthday{*this, "lblBirthday", {0}};

private:
    void design() override;
    bool pfDataSet() override;
};
