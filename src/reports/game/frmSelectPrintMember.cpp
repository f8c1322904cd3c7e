#include "reports/game/frmSelectPrintMember.h"

#include "core/belongFilter.h"
#include "core/gameRecords.h"
#include "core/globals.h"
#include "core/iniFile.h"
#include "core/players.h"
#include "platform/forms/Services.h"
#include "platform/text/Format.h"
#include "platform/text/Numbers.h"

frmSelectPrintMember::frmSelectPrintMember()
    : DialogWindow("frmSelectPrintMember", "プレイヤー選択", 4560, 6375), cobBelong(*this, "cobBelong"),
      lstMember(*this, "lstMember"), chkSort(*this, "chkSort"), btnOK(*this, "btnOK"), btnCancel(*this, "btnCancel") {
    cobBelong.setStyle(forms::vbComboDropdownList);
    cobBelong.Move(120, 120, 4335, 345);
    lstMember.Move(120, 540, 4275, 5010);
    chkSort.setCaption("ｿｰﾄ");
    chkSort.Move(180, 5640, 735, 255);
    btnOK.setCaption("選択");
    btnOK.Move(1320, 5760, 1455, 435);
    btnCancel.setCaption("ｷｬﾝｾﾙ");
    btnCancel.Move(2940, 5760, 1455, 435);
    btnCancel.setCancel(true);

    cobBelong.Click = [this] { cobBelong_Click(); };
    chkSort.Click = [this] { chkSort_Click(); };
    lstMember.DblClick = [this] { lstMember_DblClick(); };
    btnOK.Click = [this] { btnOK_Click(); };
    btnCancel.Click = [this] { btnCancel_Click(); };
}

void frmSelectPrintMember::Form_Load() {
    chkSort.setValue(text::Val(gfReadIniFile(gstrIniFile, "Setup", "Sort_at_SelectPrinterMember")) != 0
                         ? forms::vbChecked
                         : forms::vbUnchecked);

    // An affiliation is offered when a candidate belongs to it.
    for (typBelongInfo& belong : gtypBelongs) belong.Listed = 0;
    for (const typPlayerInfo& player : gtypPlayers) {
        if (player.Entered != 1) continue;
        for (typBelongInfo& belong : gtypBelongs)
            if (belong.ID == player.BelongID) belong.Listed = 1;
    }

    fillBelongFilter(cobBelong, text::Val(gfReadIniFile(gstrIniFile, "Setup", "SelectPrintMember")), true);
    gintDlgRet = -1;
}

void frmSelectPrintMember::cobBelong_Click() {
    if (cobBelong.ListIndex() < 0) return;
    const int32_t filter = cobBelong.ItemData(cobBelong.ListIndex());
    gsSetPlayerList(chkSort.Value() == forms::vbChecked ? 1 : 0, 0, lstMember, filter, 1);
    gfWriteIniFile(gstrIniFile, "Setup", "SelectPrintMember", text::Format(filter, "0"));
}

void frmSelectPrintMember::chkSort_Click() { cobBelong_Click(); }

void frmSelectPrintMember::lstMember_DblClick() { btnOK_Click(); }

void frmSelectPrintMember::btnOK_Click() {
    if (lstMember.ListIndex() < 0) {
        forms::MsgBox("集計するプレイヤーを選択してください。", forms::vbOKOnly, std::string("エラー"));
        return;
    }
    gfWriteIniFile(gstrIniFile, "Setup", "Sort_at_SelectPrinterMember",
                   chkSort.Value() == forms::vbChecked ? "1" : "0");
    glngDlgIndex = lstMember.ItemData(lstMember.ListIndex());
    gintDlgRet = 0;
    Unload();
}

void frmSelectPrintMember::btnCancel_Click() {
    gintDlgRet = -1;
    Unload();
}
