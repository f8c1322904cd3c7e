#pragma once
#include "reports/game/scoreCardReport.h"

// The score sheet of the current game: a block of one line per course for
// every player in entry order, with the course name, every hole, the raw
// strokes, the handicap and subtotal where the game has handicaps, and on
// the block's middle line the player's number, name, age and gender, team
// and total. A block is never split across pages.
// Reads gtypGame (Hole, Round, HandiCapKind, RoundName), gtypScores, the
// registries, the titles, gstrPrintGameDate, gintEntryCount and the paging
// globals; writes gintMaxPageNo.
class frmPfScore : public ScoreCardReport {
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
    // The age and gender beside the name.
    forms::ControlArray<forms::Label> lblAge{*this, "lblAge", {0}};

private:
    void design() override;
    bool pfDataSet() override;
};
