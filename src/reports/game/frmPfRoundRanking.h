#pragma once
#include "core/resultRecords.h"
#include "reports/game/reportWindow.h"

// The best-course ranking of the current game: one row per player of
// gtypBestCourseRows in rank order, with the course of the player's best
// score hole by hole, its strokes, handicap and total and, under the
// birthday rule, the date of birth.
// Reads gtypBestCourseRows, gtypGame (Hole, RoundName, HandiCapKind,
// JudgeBirthday), the registries, the titles, gstrPrintGameDate,
// gintEntryCount and the paging globals; writes gintMaxPageNo.
class frmPfRoundRanking : public ReportWindow {
public:
    frmPfRoundRanking();

    // Header captions; the hole numbers are copies of lblScore(0).
    forms::Label lblNoNo{*this, "lblNoNo"};
    forms::Label Label7{*this, "Label7"};
    forms::Label Label8{*this, "Label8"};
    forms::Label Label3{*this, "Label3"};
    forms::Label lblHcTittle{*this, "lblHcTittle"};
    forms::Label Label9{*this, "Label9"};
    forms::Label Label13{*this, "Label13"};
    // Row templates.
    forms::ControlArray<forms::Label> lblNo{*this, "lblNo", {0}};
    forms::ControlArray<forms::Label> lblName{*this, "lblName", {0}};
    forms::ControlArray<forms::Label> lblAge{*this, "lblAge", {0}};
    forms::ControlArray<forms::Label> lblRound{*this, "lblRound", {0}};
    forms::ControlArray<forms::Label> lblScore{*this, "lblScore", {0}};
    forms::ControlArray<forms::Label> lblJituDa{*this, "lblJituDa", {0}};
    forms::ControlArray<forms::Label> lblHits{*this, "lblHits", {0}};
    forms::ControlArray<forms::Label> lblSyokei{*this, "lblSyokei", {0}};
    forms::ControlArray<forms::Label> lblBirthday{*this, "lblBirthday", {0}};
    // Rules between the hole columns; thin row rules.
    forms::ControlArray<forms::Line> linScoreTate{*this, "linScoreTate", {0}};
    forms::ControlArray<forms::Line> linHoso1{*this, "linHoso1", {0}};

    // The hole column width of the last load.
    int32_t holeWidth() const { return w_; }

private:
    void design() override;
    bool pfDataSet() override;
    void layOutRow(const typBestCourseRow& row);

    int32_t w_ = 0;
};
