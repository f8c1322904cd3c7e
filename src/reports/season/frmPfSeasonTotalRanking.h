#pragma once
#include "reports/game/reportWindow.h"

#include <string>

// "総合通算順位表", or "部門別（…）通算順位表" for the category of the season
// header gtypSeasonGame, which it copies into gtypGame (the category title
// reads the current game).
std::string seasonRankingTitle();

// The season total ranking: one row per ranked player of gtypSeasonTotalRows
// in ranking order, with games, courses, holes, strokes, hole-in-ones,
// handicap, total and the average of the basis gintTotalRankingMode. Players
// below the basis's minimum (glngKitei*) are set off by a double rule; under
// the total basis each run of equal games, courses and holes is a group.
// Reads the rows, gintTotalRankingMode, the minima, gintBelongOrLocation,
// gtypSeasonGame (JudgeBirthday and the category of the title),
// gstrSeasonPeriodEnd (ages), the titles and the paging globals; writes
// gintMaxPageNo and gtypGame.
class frmPfSeasonTotalRanking : public ReportWindow {
public:
    frmPfSeasonTotalRanking();

    // Header captions.
    forms::Label lblNoNo{*this, "lblNoNo"};
    forms::Label Label7{*this, "Label7"};
    forms::Label lblBelongOrLocation{*this, "lblBelongOrLocation"};
    forms::Label lblGNum{*this, "lblGNum"};
    forms::Label lblRNum{*this, "lblRNum"};
    forms::Label lblHNum{*this, "lblHNum"};
    forms::ControlArray<forms::Label> Label3{*this, "Label3", {1}};
    forms::Label lblH1Tittle{*this, "lblH1Tittle"};
    forms::Label Label2{*this, "Label2"};
    forms::Label lblTotalTittle{*this, "lblTotalTittle"};
    forms::Label lblRGAverage{*this, "lblRGAverage"};
    forms::ControlArray<forms::Label> Label13{*this, "Label13", {0}};
    // Row templates, one per column.
    forms::ControlArray<forms::Label> lblNo{*this, "lblNo", {0}};
    forms::ControlArray<forms::Label> lblName{*this, "lblName", {0}};
    forms::ControlArray<forms::Label> lblAge{*this, "lblAge", {0}};
    forms::ControlArray<forms::Label> lblGroupName{*this, "lblGroupName", {0}};
    forms::ControlArray<forms::Label> lblGameNum{*this, "lblGameNum", {0}};
    forms::ControlArray<forms::Label> lblRoundNum{*this, "lblRoundNum", {0}};
    forms::ControlArray<forms::Label> lblHoleNum{*this, "lblHoleNum", {0}};
    forms::ControlArray<forms::Label> lblJituDa{*this, "lblJituDa", {0}};
    forms::ControlArray<forms::Label> lblHoleIn1Num{*this, "lblHoleIn1Num", {0}};
    forms::ControlArray<forms::Label> lblHandicap{*this, "lblHandicap", {0}};
    forms::ControlArray<forms::Label> lblGoukei{*this, "lblGoukei", {0}};
    forms::ControlArray<forms::Label> lblRoundAve{*this, "lblRoundAve", {0}};
    forms::ControlArray<forms::Label> lblBirthday{*this, "lblBirthday", {0}};

    // The page title: the ranking title of the season's category.
    static std::string pfGetRankingTitle() { return seasonRankingTitle(); }

private:
    void design() override;
    bool pfDataSet() override;
    // The layout of the basis: its headers, bold columns and rules; the tag
    // of the page title.
    std::string layOutBasis();
};
