#pragma once
#include "main/registryDialog.h"
#include "platform/forms/Buttons.h"
#include "platform/forms/Label.h"
#include "platform/forms/TextBox.h"

// The one-line name dialog of the series and course registries. In:
// gstrDlgParam2 the caption, gstrDlgParam the name shown. Out after OK
// (gintDlgRet 0): gstrDlgParam the name, trimmed; otherwise gintDlgRet -1.
class frmGetName : public RegistryWindow {
public:
    frmGetName();

    forms::Label lblItemName;
    forms::TextBox txtAddGroup;
    forms::CommandButton btnOK, btnCancel;

protected:
    void Form_Load() override;

private:
    void txtAddGroup_GotFocus();
    void txtAddGroup_KeyPress(int16_t& KeyAscii);
    void btnOK_Click();
    void btnCancel_Click();
};
