#pragma once
#include "reports/game/reportWindow.h"

// The season entry list: one row per player of gtypSeasonEntryRows in their
// order, with a running number, the games entered, name, age at the end of
// the season, gender, region and affiliation.
// Reads the rows, gtypPlayers, gtypBelongs, gstrSeasonPeriodEnd, the titles
// and the paging globals; writes gintMaxPageNo.
class frmPfSeasonEntryList : public ReportWindow {
public:
    frmPfSeasonEntryList();

    // Header captions.
    forms::Label lblNoNo{*this, "lblNoNo"};
    forms::ControlArray<forms::Label> lblSPTotal{*this, "lblSPTotal", {82, 83}};
    forms::Label Label7{*this, "Label7"};
    forms::Label Label13{*this, "Label13"};
    forms::Label Label3{*this, "Label3"};
    forms::Label Label1{*this, "Label1"};
    // Row templates, one per column.
    forms::ControlArray<forms::Label> lblNo{*this, "lblNo", {0}};
    forms::ControlArray<forms::Label> lblEntryGameNum{*this, "lblEntryGameNum", {0}};
    forms::ControlArray<forms::Label> lblName{*this, "lblName", {0}};
    forms::ControlArray<forms::Label> lblAge{*this, "lblAge", {0}};
    forms::ControlArray<forms::Label> lblGender{*this, "lblGender", {0}};
    forms::ControlArray<forms::Label> lblLocation{*this, "lblLocation", {0}};
    forms::ControlArray<forms::Label> lblBelong{*this, "lblBelong", {0}};

private:
    void design() override;
    bool pfDataSet() override;
};
