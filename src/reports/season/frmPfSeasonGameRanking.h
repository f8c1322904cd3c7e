#pragma once
#include "reports/season/seasonBestReport.h"

// The season's best games: each ranked player's best game of the season
// with the strokes of each course under C1, C2 ... Rows whose best games have
// the same number of completed courses form a group opened by a thick rule.
// Reads gtypSeasonGameRows, gtypGames, gtypSeasonGame (Round, JudgeBirthday),
// the players, the titles and the paging globals; writes gtypGame (each
// row's own game header in turn) and gintMaxPageNo.
class frmPfSeasonGameRanking : public SeasonBestReport {
public:
    frmPfSeasonGameRanking();

    forms::ControlArray<forms::Label> lblRoundNo{*this, "lblRoundNo", {0}};
    forms::ControlArray<forms::Label> lblRound{*this, "lblRound", {0}};

private:
    void design() override;
    bool pfDataSet() override;
};
