#include "preview/frmPpPrintSetup.h"

#include "core/globals.h"
#include "core/textBoxHelpers.h"
#include "platform/forms/Services.h"
#include "platform/text/Numbers.h"
#include "platform/text/RuntimeError.h"

#include <cmath>

namespace {
void error(const std::string& prompt) { forms::MsgBox(prompt, forms::vbOKOnly, std::string("エラー")); }
} // namespace

frmPpPrintSetup::frmPpPrintSetup() : DialogWindow("frmPpPrintSetup", "印刷設定", 4800, 1860) {
    Label1.Move(60, 480, 1215, 255);
    Label1.setCaption("印刷ﾍﾟｰｼﾞ：");
    Label1.setAlignment(forms::vbRightJustify);
    cobStartPage.Move(1380, 420, 1335, 345);
    cobStartPage.setStyle(forms::vbComboDropdownList);
    Label2.Move(2760, 480, 375, 195);
    Label2.setCaption("～");
    Label2.setAlignment(forms::vbCenter);
    cobEndPage.Move(3180, 420, 1335, 345);
    cobEndPage.setStyle(forms::vbComboDropdownList);
    Label3.Move(240, 960, 1035, 255);
    Label3.setCaption("部数：");
    Label3.setAlignment(forms::vbRightJustify);
    txtCopy.Move(1380, 900, 555, 345);
    txtCopy.setMaxLength(3);
    txtCopy.setIMEMode(forms::vbIMEDisable);
    btnOK.Move(2040, 1380, 1275, 375);
    btnOK.setCaption("印刷");
    btnOK.setDefault(true);
    btnCancel.Move(3420, 1380, 1035, 375);
    btnCancel.setCaption("ｷｬﾝｾﾙ");
    btnCancel.setCancel(true);
    setKeyPreview(true);

    txtCopy.GotFocus = [this] { gsTextSelectAll(txtCopy); };
    txtCopy.KeyPress = [](int16_t& k) { gsKeyNumOnly(k); };
    btnOK.Click = [this] { btnOK_Click(); };
    btnCancel.Click = [this] { btnCancel_Click(); };
}

void frmPpPrintSetup::Form_Load() {
    gintDlgRet = -1;
    psInitDsp();
}

// Both lists offer every page (" 5 ﾍﾟｰｼﾞ", item data 5); the whole report
// and one copy to begin with.
void frmPpPrintSetup::psInitDsp() {
    try {
        cobStartPage.Clear();
        cobEndPage.Clear();
        for (int p = 1; p <= gintPageMax; ++p) {
            const std::string item = " " + text::Str(p) + " ﾍﾟｰｼﾞ";
            for (forms::ComboBox* list : {&cobStartPage, &cobEndPage}) {
                list->AddItem(item);
                list->setItemData(list->NewIndex(), p);
            }
        }
        if (cobStartPage.ListCount() == 0) {
            cobStartPage.setEnabled(false);
            cobEndPage.setEnabled(false);
            btnOK.setEnabled(false);
        } else {
            cobStartPage.setListIndex(0);
            cobEndPage.setListIndex(cobEndPage.ListCount() - 1);
        }
        txtCopy.setMaxLength(3);
        txtCopy.setText("1");
        gintCopy = 1;
    } catch (const text::RuntimeError& e) {
        error("psInitDsp(): " + e.Description);
    }
}

void frmPpPrintSetup::btnOK_Click() {
    if (cobStartPage.ListIndex() < 0) return error("開始ﾍﾟｰｼﾞが指定されてません。");
    if (cobEndPage.ListIndex() < 0) return error("最終ﾍﾟｰｼﾞが指定されてません。");
    if (cobEndPage.ListIndex() < cobStartPage.ListIndex()) return error("開始ﾍﾟｰｼﾞ > 最終ﾍﾟｰｼﾞになってます。");
    gintStartPage = static_cast<int16_t>(cobStartPage.ItemData(cobStartPage.ListIndex()));
    gintEndPage = static_cast<int16_t>(cobEndPage.ItemData(cobEndPage.ListIndex()));
    const double copies = text::Val(txtCopy.Text());
    if (!(copies > 0 && copies <= 999)) {
        error("部数は1～999を指定してください。");
        txtCopy.SetFocus();
        return;
    }
    gintCopy = static_cast<int16_t>(std::lround(copies));
    gintDlgRet = 0;
    Unload();
}

void frmPpPrintSetup::btnCancel_Click() {
    gintDlgRet = -1;
    Unload();
}

// F8 prints (when there is something to print); F9 and F12 cancel.
void frmPpPrintSetup::Form_KeyDown(int16_t& KeyCode, int16_t) {
    if (KeyCode == forms::vbKeyF8) {
        KeyCode = 0;
        if (btnOK.Enabled()) btnOK_Click();
    } else if (KeyCode == forms::vbKeyF9 || KeyCode == forms::vbKeyF12) {
        KeyCode = 0;
        btnCancel_Click();
    }
}
