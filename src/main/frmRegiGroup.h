#pragma once
#include "main/registryDialog.h"
#include "platform/forms/Buttons.h"
#include "platform/forms/Label.h"
#include "platform/forms/TextBox.h"

// One affiliation's name and short name. In: gstrDlgParam3 the caption,
// gstrDlgParam the name, gstrDlgParam2 the short name. Out after OK
// (gintDlgRet 0): both texts trimmed; otherwise gintDlgRet -1.
class frmRegiGroup : public RegistryWindow {
public:
    frmRegiGroup();

    forms::Label lblItemName;
    forms::TextBox txtAddGroup;
    forms::Label Label1;
    forms::TextBox txtShortName;
    forms::Label Label2;
    forms::CommandButton btnOK, btnCancel;

protected:
    void Form_Load() override;

private:
    void txtAddGroup_KeyPress(int16_t& KeyAscii);
    void txtShortName_KeyPress(int16_t& KeyAscii);
    void btnOK_Click();
    void btnCancel_Click();
};
