#pragma once
#include "core/dialogWindow.h"
#include "platform/forms/Buttons.h"
#include "platform/forms/Containers.h"
#include "platform/forms/ControlArray.h"
#include "platform/forms/Label.h"
#include "platform/forms/ListControls.h"

#include <cstdint>
#include <string>

// The entrants of a new game: registered players chosen from the candidates
// (filtered by affiliation, sorted or in registry order), put in order and
// given teams.
// Out: gintDlgRet 0 after OK with gtypEntries holding the entrants in list
// order (possibly none); -1 after Cancel, Esc or the close box, gtypEntries
// empty. Works on the marks Entered and TeamID of gtypPlayers while open.
// Settings: [Setup] "Sort_at_NewGame", "LastBelong_at_NewGame" and
// "KeepMemberEntry", and the kept entry list [ScoreEntry] "player" & n and
// "team" & n, all read at load and written only by OK. The team dialog
// frmSetTeam answers through gstrDlgParam and gintDlgRet.
class frmNewScoreSetup : public DialogWindow {
public:
    frmNewScoreSetup();

    forms::Frame Frame1; // "プレイヤー一覧"
    forms::Frame Frame2; // "参加"
    forms::ComboBox cobBelong;
    forms::CheckBox chkSort;
    forms::CheckBox chkKeepMemberEntry;
    forms::ControlArray<forms::ListBox> lstMember; // 0 candidates, 1 entrants
    forms::ControlArray<forms::CommandButton> btnSelectAll;
    forms::CommandButton btnEntry;
    forms::ControlArray<forms::CommandButton> btnUpDown; // 0 up, 1 down
    forms::CommandButton btnOutEntry, btnSetTeam, btnOffsetTeam;
    forms::Label lblEntryNum, lblTeamNum;
    forms::CommandButton btnOK, btnCancel;

protected:
    void Form_Load() override;

private:
    void restoreKeptEntries();
    void cobBelong_Click();
    void chkSort_Click();
    void btnEntry_Click();
    void btnOutEntry_Click();
    void btnSetTeam_Click();
    void btnOffsetTeam_Click();
    void btnUpDown_Click(int Index);
    void btnSelectAll_Click(int Index);
    void lstMember_Click(int Index);
    void lstMember_DblClick(int Index);
    void btnOK_Click();
    void btnCancel_Click();

    void psSetEntryButtons();
    std::string pfEntryText(int16_t player) const;
    void psMoveEntry(int direction);
    void psShowEntryCount();
    // The player of entry i; -1 when the registry has none with its ID.
    int16_t entryPlayer(int i) const;
    void appendEntry(int16_t player);

    // True while a button selects many items from code: each selection
    // raises Click, and counting the entrants after every one of thousands
    // of them takes seconds; the button shows the counts once at the end.
    bool selectingInBulk = false;
};
