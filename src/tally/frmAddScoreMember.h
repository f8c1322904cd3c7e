#pragma once
#include "core/dialogWindow.h"
#include "platform/forms/Buttons.h"
#include "platform/forms/ControlArray.h"
#include "platform/forms/ListControls.h"

#include <cstdint>

// Adding a participant during the tally: a registered player who does not
// take part yet (Entered = 0 in gtypPlayers), filtered by affiliation and
// sorted or in registry order, and where the player goes.
// In: glngDlgIndex, the first score row of the participant selected in the
// tally window, or -1 when none is (then only the top and the end are
// offered). Out: gintDlgRet 1 above the selected participant, 2 below it,
// 3 at the top, 4 at the end (see AddPlace), with the player's ID in
// glngDlgIndex; -1 after Cancel or the close box.
// Settings: [Setup] "LastBelong_at_AddScoreMember" and
// "Sort_at_AddScoreMember", read at load and written when a player is chosen.
class frmAddScoreMember : public DialogWindow {
public:
    frmAddScoreMember();

    forms::ComboBox cobBelong;
    forms::ListBox lstMember;
    // 0 "上に追加", 1 "下に追加", 2 "先頭に追加", 3 "最後尾に追加".
    forms::ControlArray<forms::CommandButton> btnAddPosition;
    forms::CheckBox chkSort;
    forms::CommandButton btnCancel;

protected:
    void Form_Load() override;

private:
    void cobBelong_Click();
    void chkSort_Click();
    void btnAddPosition_Click(int Index);
    void btnCancel_Click();

    int32_t mlngSelIndex = -1;
};
