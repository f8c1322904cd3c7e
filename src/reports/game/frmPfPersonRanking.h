#pragma once
#include "core/resultRecords.h"
#include "reports/game/reportWindow.h"

// The individual ranking of the current game, or of its category: one row
// per player of gtypRankRows in rank order, with the strokes of every
// course, raw strokes, handicap, total and, under the birthday rule, the
// date of birth. A thick rule opens each group of players who completed the
// same number of courses.
// Reads gtypRankRows, gtypGame (Round, RoundName, HandiCapKind,
// JudgeBirthday, the category), the registries, the titles,
// gstrPrintGameDate, gintEntryCount and the paging globals; writes
// gintMaxPageNo.
class frmPfPersonRanking : public ReportWindow {
public:
    frmPfPersonRanking();

    // Header captions; the course names are copies of lblRoundNo(0).
    forms::Label lblNoNo{*this, "lblNoNo"};
    forms::Label Label7{*this, "Label7"};
    forms::ControlArray<forms::Label> lblRoundNo{*this, "lblRoundNo", {0}};
    forms::Label Label3{*this, "Label3"};
    forms::Label lblHcTittle{*this, "lblHcTittle"};
    forms::Label Label13{*this, "Label13"};
    forms::Label Label1{*this, "Label1"};
    // Row templates.
    forms::ControlArray<forms::Label> lblNo{*this, "lblNo", {0}};
    forms::ControlArray<forms::Label> lblName{*this, "lblName", {0}};
    forms::ControlArray<forms::Label> lblAge{*this, "lblAge", {0}};
    forms::ControlArray<forms::Label> lblRound{*this, "lblRound", {0}};
    forms::ControlArray<forms::Label> lblJituDa{*this, "lblJituDa", {0}};
    forms::ControlArray<forms::Label> lblHits{*this, "lblHits", {0}};
    forms::ControlArray<forms::Label> lblGoukei{*this, "lblGoukei", {0}};
    forms::ControlArray<forms::Label> lblBirthday{*this, "lblBirthday", {0}};
    // Rules between the course columns.
    forms::ControlArray<forms::Line> linRoundTate{*this, "linRoundTate", {0}};

    // The course column width of the last load.
    int32_t courseWidth() const { return w_; }

private:
    void design() override;
    bool pfDataSet() override;
    void layOutRow(const typRankRow& row);

    int32_t w_ = 0;
    int32_t group_ = 0;
};
