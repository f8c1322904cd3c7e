#pragma once
#include "main/registryDialog.h"
#include "platform/forms/Buttons.h"
#include "platform/forms/Containers.h"
#include "platform/forms/ControlArray.h"
#include "platform/forms/Label.h"
#include "platform/forms/ListControls.h"
#include "platform/forms/TextBox.h"

#include <string>

// One player's data, entered or changed. In: gtypEditPlayer (Name, Sort,
// Gender, Birthday, BelongID, Location). Out after OK (gintDlgRet 0): the
// same fields, validated; Cancel, Esc or the close box leave them and
// gintDlgRet -1. Owns the region history location.dat, written on OK.
class frmRegiPlayer : public RegistryWindow {
public:
    frmRegiPlayer();

    forms::Label Label1;
    forms::TextBox txtName;
    forms::Label Label4;
    forms::TextBox txtSortStr;
    forms::CommandButton btnHelpSporMoji;
    forms::Frame Frame1;
    forms::ControlArray<forms::OptionButton> optGender;
    forms::Label Label2;
    forms::TextBox txtBirthday;
    forms::CommandButton btnHelpDate;
    forms::Label lblBirthday, Label3;
    forms::ComboBox cobBelong;
    forms::Label Label5;
    forms::ComboBox cobLocation;
    forms::Label Label6;
    forms::CommandButton btnOK, btnCancel;

protected:
    void Form_Load() override;

private:
    void btnOK_Click();
    void btnCancel_Click();
    void txtBirthday_LostFocus();
    void cobLocation_LostFocus();
    void anyBox_KeyPress(int16_t& KeyAscii);
    void btnHelpDate_Click();
    void btnHelpSporMoji_Click();
    void psDspBirthday(const std::string& date);
    void readLocations();
    void writeLocations();
};
