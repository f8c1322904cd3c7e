#pragma once
#include "core/resultRecords.h"
#include "reports/game/reportWindow.h"

// One player's season as score cards: for every game a block of one line
// per course (gtypSeasonRoundRows, games in date order) with the course name,
// the strokes of every hole ("／" beyond the game's holes), raw strokes and,
// by the stored game's own handicap kind, handicap and subtotal; beside the
// block the game's number, its date, the player's team and the game total.
// Blocks are never split across pages. The hole columns come from the
// largest hole count of the player's games (gtypPersonalGame.Hole).
// Reads gtypSeasonRoundRows, gtypPersonalGame, gtypGames, the players, the
// titles and the paging globals; writes gtypGame (each game's header in
// turn) and gintMaxPageNo.
class frmPfSeasonPersonalRoundScore : public ReportWindow {
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
    // Row templates; lblScore also holds the hole numbers of the header.
    forms::ControlArray<forms::Label> lblNo{*this, "lblNo", {0}};
    forms::ControlArray<forms::Label> lblName{*this, "lblName", {0}};
    forms::ControlArray<forms::Label> lblRound{*this, "lblRound", {0}};
    forms::ControlArray<forms::Label> lblScore{*this, "lblScore", {0}};
    forms::ControlArray<forms::Label> lblJituDa{*this, "lblJituDa", {0}};
    forms::ControlArray<forms::Label> lblHits{*this, "lblHits", {0}};
    forms::ControlArray<forms::Label> lblSyokei{*this, "lblSyokei", {0}};
    forms::ControlArray<forms::Label> lblGoukei{*this, "lblGoukei", {0}};
    forms::ControlArray<forms::Line> linScoreTate{*this, "linScoreTate", {0}};
    forms::ControlArray<forms::Line> linHoso1{*this, "linHoso1", {0}};

private:
    void design() override;
    bool pfDataSet() override;
    // The block of the game whose first course row is `first`, at the cursor.
    void gameBlock(int32_t first, int16_t gameNumber, int32_t w);
    // One course line of a block; adds a complete course to `total` (tenths)
    // and `complete`.
    void courseLine(const typSeasonRoundScore& row, double top, int32_t w, long long& total, int32_t& complete);
};
