#pragma once
#include "reports/season/seasonPersonalReport.h"

// One player's games of the season, without scores: one 540-twip row per
// game (gtypSeasonGameRows, in the order given) with its date, shape
// ("36H" over "(9x4)"), title, course and series, the names read from their
// registry files. The second title line ends with the player's name.
// Reads gtypSeasonGameRows, gtypGames, gstrCourceFile, gstrSeriesFile, the
// players, the titles and the paging globals; writes gtypGame (each row's
// game header in turn) and gintMaxPageNo.
class frmPfSeasonPersonalGameInfo : public SeasonPersonalReport {
public:
    frmPfSeasonPersonalGameInfo();

    // Header captions.
    forms::Label Label1{*this, "Label1"};
    forms::Label Label3{*this, "Label3"};
    forms::Label Label4{*this, "Label4"};
    // Row templates, one per column.
    forms::ControlArray<forms::Label> lblGameTittle{*this, "lblGameTittle", {0}};
    forms::ControlArray<forms::Label> lblCource{*this, "lblCource", {0}};
    forms::ControlArray<forms::Label> lblSeries{*this, "lblSeries", {0}};

    static constexpr int32_t GameRowHeight = 540;

private:
    void design() override;
    bool pfDataSet() override;
};
