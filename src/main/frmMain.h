#pragma once
#include "grid/uctMyGrid.h"
#include "platform/forms/Buttons.h"
#include "platform/forms/Containers.h"
#include "platform/forms/Form.h"
#include "platform/forms/Label.h"
#include "platform/forms/ListControls.h"
#include "platform/forms/Menu.h"
#include "platform/forms/Timer.h"
#include "tally/frmBrenmoor.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// The main window: the stored games listed by series, game shape, course and
// period, the commands on them (new, open, delete, print, season tally), the
// registries, the menus, and the watch that answers a second start. Loaded
// once for the whole run; it hides while a game's tally window is open.
class frmMain : public forms::Form {
public:
    frmMain();

    // The tally window calls this when it closes: shows the main window again
    // and, after a save, lists the saved game.
    void gsShowMain();

    // The tally window while a game is open in it; nullptr when none is.
    frmBrenmoor* tallyWindow() const { return tally_ && tally_->Visible() ? tally_.get() : nullptr; }

    forms::CommandButton btnBelong, btnMember, btnSeries, btnCource, btnNewGame;
    forms::Frame Frame1;
    forms::Label Label1;
    forms::ComboBox cobSeason;
    forms::Label Label3;
    forms::ComboBox cobCource;
    forms::Label Label2;
    forms::ComboBox cobHoleRound;
    forms::CommandButton btnPeriod;
    forms::Label lblPeriod;
    forms::CommandButton btnSeasonPrint;
    forms::Label lblGameListCount;
    forms::PictureBox picGameListBody;
    uctMyGrid uctGameList;
    forms::CommandButton btnSyukeiClear, btnSyukeiCheckedAll, btnOpenGame, btnGamePrint, btnDeleteGame, btnClose;
    forms::Timer timMain;

    forms::Menu mnuFile, mnuFile_ExitApp;
    forms::Menu mnuTool, mnuTool_Backup;
    forms::Menu mnuHelp, mnuHelp_AboutLumora, mnuHelp_OnlineHelp, mnuHelp_Line1, mnuHelp_ReadMe,
        mnuHelp_Line2, mnuHelp_About;

protected:
    void Form_Load() override;
    void Form_Unload(int16_t& Cancel) override;

private:
    // Registries and filters (frmMain.cpp, frmMainFilters.cpp).
    void psLoadPlayers();
    void psLoadGroups();
    void psSetSeasonCombo();
    void cobSeason_Click();
    void cobHoleRound_Click();
    void cobCource_Click();
    void psSetHoleRoundCombo();
    void psSetCourceCombo();
    void psSetPeriodFromGames();
    void psShowPeriod();

    // The game list (frmMainList.cpp).
    void psSetGamesList();
    void buildGamesList();
    void psSetButtons();
    void uctGameList_MGCellClick(int32_t lngCol, int32_t lngRow);
    void uctGameList_MGCellDblClick(int32_t lngCol, int32_t lngRow);
    void uctGameList_MGCellCheckBoxClick(int32_t lngCol, int32_t lngRow, int32_t lngValue);
    // The first selected game row, 0 when none.
    int32_t selectedRow() const;
    // The index in gtypGames of the selected row's game. Without a selected
    // row, "ゲームを選択してください。" is shown when `reportNone`; nothing
    // comes back then, nor for an item data outside gtypGames.
    std::optional<int32_t> selectedGame(bool reportNone);
    // File names (trimmed) of the games whose tally box is not ticked.
    std::vector<std::string> untickedGames();
    // Clears the tally boxes of those games after a rebuild.
    void untickGames(const std::vector<std::string>& names);

    // Game commands (frmMainCommands.cpp, frmMainSeason.cpp).
    void btnNewGame_Click();
    void btnOpenGame_Click();
    void btnDeleteGame_Click();
    void btnGamePrint_Click();
    void btnPeriod_Click();
    void btnSeasonPrint_Click();
    void prepareSeason();
    void btnSyukeiCheckedAll_Click();
    void btnSyukeiClear_Click();
    void btnMember_Click();
    void btnBelong_Click();
    void btnSeries_Click();
    void btnCource_Click();
    void btnClose_Click();
    void psResetLostSeriesCource();
    void showMainAfterSave();
    // Opens the tally window on gtypGame and hides the main window.
    void openTally();

    // Second-start watch and menus (frmMainWatch.cpp).
    void timMain_Timer();
    void mnuFile_ExitApp_Click();
    void mnuTool_Backup_Click();
    void mnuHelp_AboutLumora_Click();
    void mnuHelp_OnlineHelp_Click();
    void mnuHelp_ReadMe_Click();
    void mnuHelp_About_Click();

    int16_t mintMainHidden = 0;
    int16_t mintNoSetList = 0;
    int16_t mintOpenedGame = 0;
    std::string mstrPeriodFrom, mstrPeriodTo;
    int32_t mlngTopRow = -1;
    // The re-run file already answered whose deletion failed: it is not
    // answered again while it stays (identified by its time of writing).
    std::optional<std::filesystem::file_time_type> reExecHandled_;
    // The tally window opened last. It is let go when the next one opens,
    // never from inside its own unload.
    std::unique_ptr<frmBrenmoor> tally_;
};
