#pragma once
#include "reports/game/scoreCardReport.h"

// One player's season as score cards: for every game a block of one line
// per course (gtypSeasonRoundRows, games in date order) under the stored
// game's own handicap kind, beside it the game's number in the season, its
// date, the player's team and the game total. Blocks are never split across
// pages. The hole columns come from the largest hole count of the player's
// games (gtypPersonalGame.Hole).
// Reads gtypSeasonRoundRows, gtypPersonalGame, gtypGames, the players, the
// titles and the paging globals; writes gtypGame (each game's header in
// turn) and gintMaxPageNo.
class frmPfSeasonPersonalRoundScore : public ScoreCardReport {
public:
    frmPfSeasonPersonalRoundScore();

    // Header captions.
    forms::Label lblNoNo{*this, "lblNoNo"};
    forms::Label Label7{*this, "Label7"};
    forms::Label Label8{*this, "Label8"};
    forms::Label Label3{*this, "Label3"};
    forms::ControlArray<forms::Label> lblSPTotal{*this, "lblSPTotal", {81}};
    forms::Label Label9{*this, "Label9"};
    forms::Label Label13{*this, "Label13"};

private:
    void design() override;
    bool pfDataSet() override;
};
