#pragma once
#include "reports/game/reportWindow.h"

// The entry list of the current game: one row per player (the first course
// row of each, every gtypGame.Round-th score row) with a running number, the
// team, name, age at the game date, gender, region and affiliation.
// Reads gtypGame.Round, gtypScores, gtypPlayers, gtypBelongs, the titles
// gstrPrintTitle1/2, gstrPrintGameDate, gintEntryCount, gintTeamCount and
// the paging globals; writes gintMaxPageNo.
class frmPfEntryList : public ReportWindow {
public:
    frmPfEntryList();

    // Header captions.
    forms::Label lblNoNo{*this, "lblNoNo"};
    forms::ControlArray<forms::Label> lblSPTotal{*this, "lblSPTotal", {82, 83}};
    forms::Label Label7{*this, "Label7"};
    forms::Label Label13{*this, "Label13"};
    forms::Label Label3{*this, "Label3"};
    forms::Label Label1{*this, "Label1"};
    // Row templates, one per column.
    forms::ControlArray<forms::Label> lblNo{*this, "lblNo", {0}};
    forms::ControlArray<forms::Label> lblTeamID{*this, "lblTeamID", {0}};
    forms::ControlArray<forms::Label> lblName{*this, "lblName", {0}};
    forms::ControlArray<forms::Label> lblAge{*this, "lblAge", {0}};
    forms::ControlArray<forms::Label> lblGender{*this, "lblGender", {0}};
    forms::ControlArray<forms::Label> lblLocation{*this, "lblLocation", {0}};
    forms::ControlArray<forms::Label> lblBelong{*this, "lblBelong", {0}};
    // Unused design rules.
    forms::ControlArray<forms::Line> linYokoFutoS{*this, "linYokoFutoS", {0}};
    forms::ControlArray<forms::Line> linHoso{*this, "linHoso", {0}};

private:
    void design() override;
    bool pfDataSet() override;
};
