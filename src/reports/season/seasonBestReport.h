#pragma once
#include "core/resultRecords.h"
#include "reports/game/reportWindow.h"

// What the season's best games and best courses share: one row per ranked
// player (gtypSeasonGameRows, in rank order) opening with the rank, the
// player, the age and gender and the date of the player's best game or
// course, and closing with its strokes, handicap, total and, when the season
// breaks ties by age, the exact age at that game. Each row reads its own
// game's header into gtypGame. The columns between are the report's own,
// laid out at run time across a band.
class SeasonBestReport : public ReportWindow {
public:
    // Header captions.
    forms::Label lblNoNo{*this, "lblNoNo"};
    forms::Label Label7{*this, "Label7"};
    forms::Label Label2{*this, "Label2"};
    forms::Label Label3{*this, "Label3"};
    forms::ControlArray<forms::Label> lblSPTotal{*this, "lblSPTotal", {81}};
    forms::Label Label13{*this, "Label13"};
    forms::Label Label1{*this, "Label1"};
    // Rules between the band's columns.
    forms::ControlArray<forms::Line> linRoundTate{*this, "linRoundTate", {0}};
    // Row templates of the shared columns.
    forms::ControlArray<forms::Label> lblNo{*this, "lblNo", {0}};
    forms::ControlArray<forms::Label> lblName{*this, "lblName", {0}};
    forms::ControlArray<forms::Label> lblAge{*this, "lblAge", {0}};
    forms::ControlArray<forms::Label> lblDate{*this, "lblDate", {0}};
    forms::ControlArray<forms::Label> lblJituDa{*this, "lblJituDa", {0}};
    forms::ControlArray<forms::Label> lblHits{*this, "lblHits", {0}};
    forms::ControlArray<forms::Label> lblGoukei{*this, "lblGoukei", {0}};
    forms::ControlArray<forms::Label> lblBirthday{*this, "lblBirthday", {0}};

protected:
    using ReportWindow::ReportWindow;

    // Where the closing columns stand (header and cell apart where they differ).
    struct ClosingColumns {
        double strokesLeft, strokesWidth;
        double handicapHeaderLeft, handicapHeaderWidth, handicapLeft, handicapWidth;
        double totalLeft, totalWidth;
        double ageHeaderWidth;
    };
    // The frame, the shared headers and templates, and the band's rule template at `bandLeft`.
    void designShared(double pageTitleLeft, const ClosingColumns& c, double bandLeft);
    // Before the rows: titles, the count of ranked players, the page title word.
    void startRows(const std::string& pageTitleWord);
    // Cells of the requested page.
    void openingCells(const typSeasonScore& row);
    void closingCells(const typSeasonScore& row, const typGameInfo& game);
};
