#pragma once
#include "core/dialogWindow.h"
#include "platform/forms/Buttons.h"
#include "platform/forms/Containers.h"
#include "platform/forms/ControlArray.h"
#include "platform/forms/Label.h"
#include "platform/forms/TextBox.h"

#include <cstdint>
#include <functional>
#include <string>

// The season tally window: two title lines, the options of each season report
// and the minima of the total ranking, one print button per report and the
// category of the total ranking.
// In: glngSeasonGames (at least one), gtypSeasonGame, gstrSeasonPeriodStart
// and End, gstrGamesFormatMix, the proposed titles gstrDlgParam2 and 3.
// Each print button copies the options into gstrPrintTitle1/2,
// gintTotalRankingMode, glngKitei*, gintBelongOrLocation, gintSeriesHandicap
// and gtypSeasonGame (TeamHowtoRank, JudgeDaSu, JudgeBirthday), writes the
// [Setup] "SeriesPrint_*" keys, gathers the selected games afresh, computes
// and previews its report. The category (set through frmCategory) lives in
// gtypSeasonGame until the window closes; gtypGame is a work copy of it.
class frmPrintTotalGames : public DialogWindow {
public:
    frmPrintTotalGames();

    forms::Label Label1;
    forms::TextBox txtTittle1;
    forms::Label Label3;
    forms::TextBox txtTittle2;

    forms::Frame fraEntryList;
    forms::CheckBox chkEntryBelong;
    forms::ControlArray<forms::OptionButton> optEntry;
    forms::CommandButton btnEntryList;

    forms::Frame fraTotalRanking;
    forms::CommandButton btnCategory;
    forms::ControlArray<forms::OptionButton> optTotalRankingMode;
    forms::Label lblKiteiGame;
    forms::TextBox txtKiteiGame;
    forms::Label lblKiteiRound;
    forms::TextBox txtKiteiRound;
    forms::Label Label4;
    forms::TextBox txtKitei9H;
    forms::Label Label2;
    forms::TextBox txtKiteiHole;
    forms::Frame Frame1; // "印刷する？"
    forms::ControlArray<forms::OptionButton> optBelongOrLocation;
    forms::CommandButton btnTotalRanking;

    forms::Frame Frame2; // "同点時の順位判定方法"
    forms::CheckBox chkJudgeBirthday;
    forms::Frame Frame3; // "ハンディキャップ"
    forms::ControlArray<forms::OptionButton> optHandicap;

    forms::Frame fraBestGame;
    forms::CommandButton btnBestGame;
    forms::Frame fraBestRound;
    forms::CommandButton btnBestRound;
    forms::Frame fraTeamList;
    forms::CommandButton btnTeamList;
    forms::Frame fraTeamRanking;
    forms::ControlArray<forms::OptionButton> optTeamHowtoRank;
    forms::CommandButton btnTeamRanking;
    forms::Frame fraPrivateRanking;
    forms::ControlArray<forms::OptionButton> optPrivateGames;
    forms::CommandButton btnPrivateRanking;
    forms::Frame fraPrivateScore;
    forms::CommandButton btnPrivateScore;

    forms::CommandButton btnOK;

    // Copies the window into the print globals and the season header and
    // writes the settings; every print button runs it first.
    void psGetPrintConditions();
    // "総合通算順位表" or "部門別（…）通算順位表" for the category of
    // gtypSeasonGame, which it copies into gtypGame.
    static std::string pfGetRankingTitle();

protected:
    void Form_Load() override;

private:
    void design();
    void designTotalRanking();
    void designRightColumn();
    void wireEvents();
    void restoreOptions();
    void writeDefaultMinima();
    void enableByFormatMix();

    // The print road (frmPrintTotalGamesRoad.cpp).
    void btnEntryList_Click();
    void btnTotalRanking_Click();
    void btnBestGame_Click();
    void btnBestRound_Click();
    void btnTeamList_Click();
    void btnTeamRanking_Click();
    void btnPrivateRanking_Click();
    void btnPrivateScore_Click();
    void btnCategory_Click();
    void btnOK_Click();
    void psMsgNoPrintData();
    int32_t pfSelectPrintMember();
    void psFilterTotalRankingByCategory();
    // The start of every press: the options in force, cleared results and
    // the selected games gathered with `kind`. True when the press ends.
    bool startPress(int16_t kind);
    // The default pointer and the no-data message.
    void endWithNoPrintData();
    // A press of a season report's button: startPress, then `compute`
    // (true: nothing to print) and `print` (the report's preparation,
    // previewing with this window as owner).
    void printSeasonReport(int16_t kind, const std::function<bool()>& compute,
                           const std::function<bool(int16_t, forms::Form*)>& print);
    // A press of a personal report up to the player's choice: startPress,
    // the rows ordered by player and date, and the chooser. The chosen ID, or
    // 0 when the press ends.
    int32_t chooseSeasonPlayer(int16_t kind);
    // gfSetSeasonVarnel, naming the games it left out in one box.
    bool gatherSeason(int16_t kind);

    int16_t mintSortBelong = 0;
    int16_t mintNameOrEntries = 0;
    int16_t mintPrivateGames = 0;
};
