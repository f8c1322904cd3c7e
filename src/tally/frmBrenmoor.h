#pragma once
#include <cstdint>
#include <functional>
#include <string>

#include "core/gameRecords.h"
#include "grid/uctMyGrid.h"
#include "platform/forms/Buttons.h"
#include "platform/forms/Containers.h"
#include "platform/forms/Form.h"
#include "platform/forms/Label.h"
#include "platform/forms/TabStrip.h"

// The tally window of one game: the participants, the score table and the
// four result lists on six tabs, with saving and the game's dialogs. Shown
// modeless by the main window, for a stored game (gtypGame with FileName) or
// a new one (gtypGame without FileName, its entrants in gtypEntries).
//
// Holds the game in gtypGame and gtypScores while open. Writes gintGameSaved
// (-1 from opening until a save succeeds, then 0), gintEntryCount and
// gintTeamCount (the count label), and gtypPlayers' Entered and TeamID
// (cleared at opening). Settings: "Score_Width", "Score_Height",
// "Score_Top", "Score_Left" and "Score_WindowState" of section "WindowSize".
//
// The window reaches the main window and the report chooser only through
// the two callbacks its creator gives: `closed` runs when the window has
// unloaded; `printScores` shows the report chooser of the game, modal, owned
// by the window it is given.
class frmBrenmoor : public forms::Form {
public:
    using PrintScores = std::function<void(forms::Form& owner)>;
    explicit frmBrenmoor(std::function<void()> closed = {}, PrintScores printScores = {});

    // Top band (the right panel first, so that the left one lies on top
    // where a narrow window makes them overlap).
    forms::PictureBox picTopR;
    forms::Label lblEntryNum;
    forms::PictureBox picTop;
    forms::Label lblDateCaption, lblDate, lblTittleCaption, lblTittle;
    forms::CommandButton btnGameInfo, btnCategory;
    // The lists.
    forms::PictureBox picBody;
    forms::TabStrip tabBody;
    uctMyGrid uctGridList0; // tab 1, participants
    uctMyGrid uctGridList;  // tab 2, scores
    uctMyGrid uctGridList2; // tab 3, category ranking
    uctMyGrid uctGridList4; // tab 4, best course
    uctMyGrid uctGridList6; // tab 5, team list
    uctMyGrid uctGridList7; // tab 6, team results
    // Bottom band: one of the three left panels at a time, by tab.
    forms::PictureBox picBottomL0;
    forms::CommandButton btnAddMember0, btnDeleteMember0, btnTeam, btnGotoScore;
    forms::PictureBox picBottomL1;
    forms::CommandButton btnScore;
    forms::PictureBox picBottomL3;
    forms::CommandButton btnGotoScore2;
    forms::PictureBox picBottomR;
    forms::CommandButton btnSave, btnPrint, btnExit;

    // The form state, read by tests.
    int16_t changed() const { return mintChanged; }
    int16_t tabIndex() const { return mintTabIndex; }

    // The score table built anew, and only the rows of the player of score
    // row lngIndex rewritten (after a score entry or a team change); the
    // participant list built anew.
    void psSetList1();
    void psSetList1_After_ScoreEntry(int32_t lngIndex);
    void psSetList0();

protected:
    void Form_Load() override;
    void Form_Resize() override;
    void Form_QueryUnload(int16_t& Cancel, int16_t UnloadMode) override;
    void Form_Unload(int16_t& Cancel) override;

private:
    // Opening, caption, count label, saving and closing (frmBrenmoor.cpp).
    // Reads the stored game or makes the new one's rows and shows the lists;
    // false when the game cannot be read and the window has closed.
    bool loadGame();
    void buildNewGameRows();
    void restoreGeometry();
    void storeGeometry();
    void psSetCaption();
    void psSetEntryNum();
    void psSetEntryNumTeam();
    void psScoreDataSave();
    bool pfConfirmSave();
    void btnSave_Click();
    void btnExit_Click();
    void psResizeForm();

    // Tabs, grid events, row memory and printing (frmBrenmoorTabs.cpp).
    void ResetTabCaption();
    void tabBody_Click();
    void uctGridList_MGCellClick(int32_t lngCol, int32_t lngRow);
    void uctGridList0_MGCellClick(int32_t lngCol, int32_t lngRow);
    void psRefreshScoreList(int16_t keep);
    void psRefreshMemberList(int16_t keep);
    void psKeepScoreRow();
    void psSelectScoreRow();
    void psSelectMemberRow();
    void btnPrint_Click();
    void psMsgNoPrintData();

    // The score table, score entry, the participant list and the game header
    // (frmBrenmoorScores.cpp).
    void psScoreEntry(int16_t intMode);
    void btnScore_Click();
    void btnGameInfo_Click();
    // What every build of the two editable lists ends with: the remembered
    // row and top row applied once, one repaint, the count label.
    void finishScoreList();
    void finishMemberList();

    // The result tabs 3 to 6, the jumps to the score table and the category
    // (frmBrenmoorResults.cpp).
    void psSetList2(int16_t intMode);
    void psSetList4();
    void psSetList6();
    void psSetList7();
    void btnGotoScore_Click();
    void btnGotoScore2_Click();
    void btnCategory_Click();
    // After the report chooser, which computes the shared result rows for
    // its own report: the shown result tab (3 to 6) is built again.
    void psRefreshResultTab();
    // Selects score-table row `lngRow` (a player's first course), scrolls the
    // player before it into view and shows the score tab; `procedure` names
    // the handler in the error box.
    void jumpToScoreRow(int32_t lngRow, const char* procedure);

    // Participants and teams (frmBrenmoorMembers.cpp).
    void btnTeam_Click();
    void btnAddMember0_Click();
    void btnDeleteMember0_Click();

    // Our own helpers.
    void designControls();
    void wireEvents();
    // Shows the grid of a tab and its bottom panel, the others hidden.
    void showTabList(uctMyGrid& grid, forms::PictureBox* panel);
    uctMyGrid* gridOfTab(int tab);
    // Remembers the normal-state bounds while the window is in normal state,
    // so that a window closed maximised stores them.
    void keepNormalBounds();

    std::function<void()> closed_;
    PrintScores printScores_;
    bool refused_ = false; // the game could not be read: the window closes at once
    bool countsDeferred_ = false; // the count label waits for the end of the loading
    double normalLeft_ = 0, normalTop_ = 0, normalWidth_ = 0, normalHeight_ = 0;

    typScoreData mtypSelScore;      // the score row to select after the next build (IDNo 0 = none)
    int32_t mlngScoreTopIndex = 0;  // the score table's top row after the next build (0 = none)
    int32_t mlngSelMemberID = 0;    // the participant to select after the next build (0 = none)
    int32_t mlngMemberTopIndex = 0; // the participant list's top row after the next build (0 = none)
    int16_t mintChanged = 0;        // 1 while the game has changes not saved
    int16_t mintTabCount = 0;       // tabs of the strip: 6
    int16_t mintTabIndex = 0;       // the tab last shown, 1 to 6
};
