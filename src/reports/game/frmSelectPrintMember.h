#pragma once
#include "core/dialogWindow.h"
#include "platform/forms/Buttons.h"
#include "platform/forms/ListControls.h"

// The player chooser of the personal season reports: the candidates are the
// players flagged Entered = 1 (and not deleted), filtered by affiliation and
// optionally sorted by reading. Out after a choice (gintDlgRet 0):
// glngDlgIndex the player's ID; otherwise gintDlgRet -1. Sets Listed of
// every affiliation (1 when a candidate belongs to it). The filter is kept in
// [Setup] "SelectPrintMember" as soon as it changes, the sort in
// "Sort_at_SelectPrinterMember" when a player is chosen.
class frmSelectPrintMember : public DialogWindow {
public:
    frmSelectPrintMember();

    forms::ComboBox cobBelong;
    forms::ListBox lstMember;
    forms::CheckBox chkSort;
    forms::CommandButton btnOK, btnCancel;

protected:
    void Form_Load() override;

private:
    void cobBelong_Click();
    void chkSort_Click();
    void lstMember_DblClick();
    void btnOK_Click();
    void btnCancel_Click();
};
