#pragma once
#include "reports/season/seasonPersonalReport.h"

// One player's scores of the season game by game: one row per game
// (gtypSeasonGameRows, by date or by result as given) with its date, shape,
// the strokes of each course under C1, C2 ... ("／" where the game has no
// such course), strokes, handicap and total. The course columns come from the
// largest course count of the player's games (gtypPersonalGame.Round); the
// second title line ends with the player's name.
// Reads gtypSeasonGameRows, gtypPersonalGame, gtypGames, the players, the
// titles and the paging globals; writes gtypGame (each row's game header in
// turn) and gintMaxPageNo.
class frmPfSeasonPersonalGameScore : public SeasonPersonalReport {
public:
    frmPfSeasonPersonalGameScore();

    // Header captions.
    forms::ControlArray<forms::Label> lblRoundNo{*this, "lblRoundNo", {0}};
    forms::Label Label3{*this, "Label3"};
    forms::ControlArray<forms::Label> lblSPTotal{*this, "lblSPTotal", {81}};
    forms::Label Label13{*this, "Label13"};
    forms::ControlArray<forms::Line> linRoundTate{*this, "linRoundTate", {0}};
    // Row templates, one per column.
    forms::ControlArray<forms::Label> lblRound{*this, "lblRound", {0}};
    forms::ControlArray<forms::Label> lblJituDa{*this, "lblJituDa", {0}};
    forms::ControlArray<forms::Label> lblHits{*this, "lblHits", {0}};
    forms::ControlArray<forms::Label> lblGoukei{*this, "lblGoukei", {0}};

private:
    void design() override;
    bool pfDataSet() override;
};
