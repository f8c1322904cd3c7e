#pragma once
#include "core/resultRecords.h"
#include "reports/game/reportWindow.h"

// What the two lists of one player's games share: one row per game of
// gtypSeasonGameRows opening with its number in the list, its date and its
// shape; the count of games; and the second title line ending with the
// player's name on every page.
class SeasonPersonalReport : public ReportWindow {
public:
    // Header captions.
    forms::Label lblNoNo{*this, "lblNoNo"};
    forms::Label Label2{*this, "Label2"};
    forms::Label lblHR{*this, "lblHR"};
    // Row templates of the shared columns.
    forms::ControlArray<forms::Label> lblNo{*this, "lblNo", {0}};
    forms::ControlArray<forms::Label> lblDate{*this, "lblDate", {0}};
    forms::ControlArray<forms::Label> lblHandR{*this, "lblHandR", {0}};

protected:
    using ReportWindow::ReportWindow;

    // Where the shared columns stand apart from the frame.
    struct SharedColumns {
        double title2Width;
        double numberLeft, numberWidth;
        double shapeHeaderWidth, shapeLeft, shapeWidth;
    };
    void designShared(const SharedColumns& c);
    // Before the rows: titles, the count of games, the page title word.
    void startRows(const std::string& pageTitleWord);
    // The row's rule and its opening cells on the requested page; the
    // shape cell is the caller's.
    void openingCells(int32_t j, const typSeasonScore& row);
};
