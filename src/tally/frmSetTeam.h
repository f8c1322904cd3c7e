#pragma once
#include "core/dialogWindow.h"
#include "platform/forms/Buttons.h"
#include "platform/forms/Label.h"
#include "platform/forms/ListControls.h"
#include "platform/forms/TextBox.h"

// The team identifier dialog: a box of at most two characters, or one of the
// 20 identifiers used most recently ([RecentTeam] "Team" & n, newest first).
// In: gstrDlgParam, the identifier of the player being edited ("" for none
// or for several players). Out: gintDlgRet 0 and the trimmed identifier in
// gstrDlgParam after OK ("" = no team); -1 after Cancel, Esc or the close
// box, gstrDlgParam as it came in. OK with an identifier puts it at the
// front of the recent ones.
class frmSetTeam : public DialogWindow {
public:
    frmSetTeam();

    forms::Label Label1;
    forms::TextBox txtTeam;
    forms::ListBox lstRecentTeam;
    forms::Label lblMsg;
    forms::CommandButton btnOK, btnCancel;

protected:
    void Form_Load() override;

private:
    void txtTeam_GotFocus();
    void lstRecentTeam_Click();
    void btnOK_Click();
    void btnCancel_Click();
};
