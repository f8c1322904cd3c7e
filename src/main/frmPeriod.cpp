#include "main/frmPeriod.h"

#include "core/dateBox.h"
#include "core/globals.h"
#include "core/textBoxHelpers.h"
#include "platform/forms/QuietCancel.h"
#include "platform/forms/Services.h"
#include "platform/forms/TabOrder.h"
#include "platform/text/Strings.h"

frmPeriod::frmPeriod()
    : RegistryWindow("frmPeriod", "期間", 5205, 2145), txtFromDate(*this, "txtFromDate"), Label1(*this, "Label1"),
      txtToDate(*this, "txtToDate"), btnHelpDate(*this, "btnHelpDate"), btnOK(*this, "btnOK"),
      btnCancel(*this, "btnCancel") {
    txtFromDate.Move(600, 480, 1455, 390);
    Label1.Move(2160, 540, 555, 255);
    Label1.setCaption("～");
    Label1.setAlignment(forms::vbCenter);
    txtToDate.Move(2820, 480, 1455, 390);
    btnHelpDate.Move(4560, 540, 315, 315);
    btnHelpDate.setCaption("?");
    btnHelpDate.setTabStop(false);
    btnOK.Move(1680, 1500, 1455, 435);
    btnOK.setCaption("OK");
    btnCancel.Move(3360, 1500, 1455, 435);
    btnCancel.setCaption("ｷｬﾝｾﾙ");
    // Pressing Cancel leaves without the date box's check; this dialog
    // answers no Esc key.

    for (forms::TextBox* box : {&txtFromDate, &txtToDate}) {
        box->setIMEMode(forms::vbIMEDisable);
        box->GotFocus = [this, box] { txtDate_GotFocus(*box); };
        box->KeyPress = [this](int16_t& k) { txtDate_KeyPress(k); };
        box->LostFocus = [this, box] { txtDate_LostFocus(*box); };
    }
    btnOK.Click = [this] { btnOK_Click(); };
    forms::makeQuietCancel(btnCancel, [this] { btnCancel_Click(); });
    btnHelpDate.Click = [this] { btnHelpDate_Click(); };
}

void frmPeriod::Form_Load() {
    txtFromDate.setText(text::FormatDateText(text::Trim(gstrDlgParam), "ge/m/d"));
    txtToDate.setText(text::FormatDateText(text::Trim(gstrDlgParam2), "ge/m/d"));
    gintDlgRet = -1;
}

void frmPeriod::txtDate_GotFocus(forms::TextBox& box) { gsTextSelectAll(box); }

void frmPeriod::txtDate_KeyPress(int16_t& KeyAscii) { forms::enterAsTab(*this, KeyAscii); }

void frmPeriod::txtDate_LostFocus(forms::TextBox& box) {
    if (text::Trim(box.Text()).empty()) return;
    if (auto d = boxDate(box.Text())) {
        box.setText(text::FormatDate(*d, "ge/m/d"));
        return;
    }
    showDateError();
    box.SetFocus();
}

void frmPeriod::btnOK_Click() {
    const std::string from = text::Trim(txtFromDate.Text()), to = text::Trim(txtToDate.Text());
    const auto fromDate = boxDate(from), toDate = boxDate(to);
    if (!from.empty() && !fromDate) {
        showDateError();
        txtFromDate.SetFocus();
        return;
    }
    if (!to.empty() && !toDate) {
        showDateError();
        txtToDate.SetFocus();
        return;
    }
    const std::string first = fromDate ? text::FormatDate(*fromDate, "yyyy/mm/dd") : std::string();
    const std::string last = toDate ? text::FormatDate(*toDate, "yyyy/mm/dd") : std::string();
    if (fromDate && toDate && first > last) {
        forms::MsgBox("前より後ろの方が後の日付になっています。", forms::vbOKOnly, std::string("エラー"));
        txtFromDate.SetFocus();
        return;
    }
    gstrDlgParam = first;
    gstrDlgParam2 = last;
    gintDlgRet = 0;
    Unload();
}

void frmPeriod::btnCancel_Click() {
    gintDlgRet = -1;
    Unload();
}

void frmPeriod::btnHelpDate_Click() { showDateHelp(8); }
