#pragma once
#include "reports/season/seasonBestReport.h"

// The season's best courses: each ranked player's best single course of the
// season hole by hole, with the name of that course in its own game.
// Reads gtypSeasonGameRows, gtypGames, gtypSeasonGame (Hole, JudgeBirthday),
// the players, the titles and the paging globals; writes gtypGame (each
// row's own game header in turn) and gintMaxPageNo.
class frmPfSeasonRoundRanking : public SeasonBestReport {
public:
    frmPfSeasonRoundRanking();

    forms::Label Label8{*this, "Label8"};
    forms::ControlArray<forms::Label> lblHoleNo{*this, "lblHoleNo", {0}};
    forms::ControlArray<forms::Label> lblRound{*this, "lblRound", {0}};
    forms::ControlArray<forms::Label> lblScore{*this, "lblScore", {0}};

private:
    void design() override;
    bool pfDataSet() override;
};
