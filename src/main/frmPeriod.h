#pragma once
#include "main/registryDialog.h"
#include "platform/forms/Buttons.h"
#include "platform/forms/Label.h"
#include "platform/forms/TextBox.h"

// The period of the main window's game list: a first and a last date, each
// optional. In: gstrDlgParam, gstrDlgParam2 ("yyyy/mm/dd" or empty). Out
// after OK (gintDlgRet 0): the same globals; Cancel or the close box leave
// them as they came and gintDlgRet -1.
class frmPeriod : public RegistryWindow {
public:
    frmPeriod();

    forms::TextBox txtFromDate;
    forms::Label Label1;
    forms::TextBox txtToDate;
    forms::CommandButton btnHelpDate, btnOK, btnCancel;

protected:
    void Form_Load() override;

private:
    void txtDate_GotFocus(forms::TextBox& box);
    void txtDate_KeyPress(int16_t& KeyAscii);
    void txtDate_LostFocus(forms::TextBox& box);
    void btnOK_Click();
    void btnCancel_Click();
    void btnHelpDate_Click();
};
