#include "main/frmGetName.h"

#include "core/globals.h"
#include "core/textBoxHelpers.h"
#include "platform/forms/TabOrder.h"

frmGetName::frmGetName()
    : RegistryWindow("frmGetName", "", 6480, 1575), lblItemName(*this, "lblItemName"),
      txtAddGroup(*this, "txtAddGroup"), btnOK(*this, "btnOK"), btnCancel(*this, "btnCancel") {
    lblItemName.Move(240, 360, 780, 255);
    lblItemName.setCaption("名称：");
    txtAddGroup.Move(1020, 300, 5235, 375);
    txtAddGroup.setIMEMode(forms::vbIMEHiragana);
    btnOK.Move(2580, 960, 1455, 375);
    btnOK.setCaption("OK");
    btnCancel.Move(4260, 960, 1455, 375);
    btnCancel.setCaption("ｷｬﾝｾﾙ");
    btnCancel.setCancel(true);

    txtAddGroup.GotFocus = [this] { txtAddGroup_GotFocus(); };
    txtAddGroup.KeyPress = [this](int16_t& k) { txtAddGroup_KeyPress(k); };
    btnOK.Click = [this] { btnOK_Click(); };
    btnCancel.Click = [this] { btnCancel_Click(); };
}

void frmGetName::Form_Load() {
    setCaption(gstrDlgParam2);
    gintDlgRet = -1;
    txtAddGroup.setText(gstrDlgParam);
}

void frmGetName::txtAddGroup_GotFocus() { gsTextSelectAll(txtAddGroup); }

void frmGetName::txtAddGroup_KeyPress(int16_t& KeyAscii) {
    forms::enterAsTab(*this, KeyAscii);
    limitValueBytes(txtAddGroup, KeyAscii);
}

void frmGetName::btnOK_Click() {
    const std::string name = requiredName(txtAddGroup);
    if (name.empty()) return;
    gstrDlgParam = name;
    gintDlgRet = 0;
    Unload();
}

void frmGetName::btnCancel_Click() {
    gintDlgRet = -1;
    Unload();
}
