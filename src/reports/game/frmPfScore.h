#pragma once
#include "reports/game/reportWindow.h"

// The score sheet of the current game: a block of one line per course for
// every player in entry order, with the course name, every hole, the raw
// strokes, the handicap and subtotal where the game has handicaps, and on
// the block's middle line the player's number, name, age and gender, team
// and total. A block is never split across pages.
// Reads gtypGame (Hole, Round, HandiCapKind, RoundName), gtypScores, the
// registries, the titles, gstrPrintGameDate, gintEntryCount and the paging
// globals; writes gintMaxPageNo.
class frmPfScore : public ReportWindow {
public:
    frmPfScore();

    // Header captions.
    forms::Label lblNoNo{*this, "lblNoNo"};
    forms::Label Label7{*this, "Label7"};
    forms::Label Label8{*this, "Label8"};
    forms::Label Label3{*this, "Label3"};
    forms::Label lblHcTittle{*this, "lblHcTittle"};
    forms::Label lblSyokeiTittle{*this, "lblSyokeiTittle"};
    forms::Label Label13{*this, "Label13"};
    // Row templates.
    forms::ControlArray<forms::Label> lblNo{*this, "lblNo", {0}};
    forms::ControlArray<forms::Label> lblName{*this, "lblName", {0}};
    forms::ControlArray<forms::Label> lblAge{*this, "lblAge", {0}};
    forms::ControlArray<forms::Label> lblRound{*this, "lblRound", {0}};
    // Hole numbers of the header (1 .. Hole) and then the strokes.
    forms::ControlArray<forms::Label> lblScore{*this, "lblScore", {0}};
    forms::ControlArray<forms::Label> lblJituDa{*this, "lblJituDa", {0}};
    forms::ControlArray<forms::Label> lblHits{*this, "lblHits", {0}};
    forms::ControlArray<forms::Label> lblSyokei{*this, "lblSyokei", {0}};
    forms::ControlArray<forms::Label> lblGoukei{*this, "lblGoukei", {0}};
    // Rules between the hole columns and between the course lines of a block.
    forms::ControlArray<forms::Line> linScoreTate{*this, "linScoreTate", {0}};
    forms::ControlArray<forms::Line> linHoso1{*this, "linHoso1", {0}};

    // The hole column width of the last load.
    int32_t holeWidth() const { return w_; }

private:
    void design() override;
    bool pfDataSet() override;
    void setUpHoles();
    void layOutBlock(int32_t first, int16_t number);

    int32_t w_ = 0;
};
