#include "main/frmRegiGroup.h"

#include "core/globals.h"
#include "core/textBoxHelpers.h"
#include "platform/forms/TabOrder.h"
#include "platform/text/Strings.h"

frmRegiGroup::frmRegiGroup()
    : RegistryWindow("frmRegiGroup", "", 6480, 2070), lblItemName(*this, "lblItemName"),
      txtAddGroup(*this, "txtAddGroup"), Label1(*this, "Label1"), txtShortName(*this, "txtShortName"),
      Label2(*this, "Label2"), btnOK(*this, "btnOK"), btnCancel(*this, "btnCancel") {
    lblItemName.Move(240, 300, 780, 255);
    lblItemName.setCaption("名称：");
    txtAddGroup.Move(1020, 240, 5235, 375);
    txtAddGroup.setIMEMode(forms::vbIMEHiragana);
    Label1.Move(240, 840, 780, 255);
    Label1.setCaption("略称：");
    txtShortName.Move(1020, 780, 1155, 375);
    txtShortName.setMaxLength(5);
    txtShortName.setIMEMode(forms::vbIMEHiragana);
    Label2.Move(2280, 840, 1335, 255);
    Label2.setCaption("(5文字以内)");
    btnOK.Move(1680, 1500, 1455, 375);
    btnOK.setCaption("OK");
    btnCancel.Move(4500, 1500, 1455, 375);
    btnCancel.setCaption("ｷｬﾝｾﾙ");
    btnCancel.setCancel(true);

    txtAddGroup.GotFocus = [this] { gsTextSelectAll(txtAddGroup); };
    txtShortName.GotFocus = [this] { gsTextSelectAll(txtShortName); };
    txtAddGroup.KeyPress = [this](int16_t& k) { txtAddGroup_KeyPress(k); };
    txtShortName.KeyPress = [this](int16_t& k) { txtShortName_KeyPress(k); };
    btnOK.Click = [this] { btnOK_Click(); };
    btnCancel.Click = [this] { btnCancel_Click(); };
}

void frmRegiGroup::Form_Load() {
    setCaption(gstrDlgParam3);
    gintDlgRet = -1;
    txtAddGroup.setText(gstrDlgParam);
    txtShortName.setText(gstrDlgParam2);
}

void frmRegiGroup::txtAddGroup_KeyPress(int16_t& KeyAscii) {
    forms::enterAsTab(*this, KeyAscii);
    limitValueBytes(txtAddGroup, KeyAscii);
}

void frmRegiGroup::txtShortName_KeyPress(int16_t& KeyAscii) { forms::enterAsTab(*this, KeyAscii); }

void frmRegiGroup::btnOK_Click() {
    const std::string name = requiredName(txtAddGroup);
    if (name.empty()) return;
    gstrDlgParam = name;
    gstrDlgParam2 = text::Trim(txtShortName.Text());
    gintDlgRet = 0;
    Unload();
}

void frmRegiGroup::btnCancel_Click() {
    gintDlgRet = -1;
    Unload();
}
