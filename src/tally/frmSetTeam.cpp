#include "tally/frmSetTeam.h"

#include "core/globals.h"
#include "core/textBoxHelpers.h"
#include "platform/text/Strings.h"
#include "tally/recentTeams.h"

#include <string>
#include <vector>

frmSetTeam::frmSetTeam()
    : DialogWindow("frmSetTeam", "チーム設定", 5160, 3135), Label1(*this, "Label1"), txtTeam(*this, "txtTeam"),
      lstRecentTeam(*this, "lstRecentTeam"), lblMsg(*this, "lblMsg"), btnOK(*this, "btnOK"),
      btnCancel(*this, "btnCancel") {
    Label1.Move(120, 180, 1335, 255);
    Label1.setCaption("チーム識別：");
    txtTeam.Move(1500, 120, 855, 375);
    txtTeam.setMaxLength(2);
    txtTeam.setIMEMode(forms::vbIMEDisable);
    lstRecentTeam.Move(1500, 540, 855, 1875);
    lblMsg.Move(2520, 180, 2520, 2235);
    btnOK.Move(960, 2580, 1455, 435);
    btnOK.setCaption("OK");
    btnOK.setDefault(true);
    btnCancel.Move(2640, 2580, 1455, 435);
    btnCancel.setCaption("ｷｬﾝｾﾙ");
    btnCancel.setCancel(true);

    txtTeam.GotFocus = [this] { txtTeam_GotFocus(); };
    lstRecentTeam.Click = [this] { lstRecentTeam_Click(); };
    btnOK.Click = [this] { btnOK_Click(); };
    btnCancel.Click = [this] { btnCancel_Click(); };
}

void frmSetTeam::Form_Load() {
    gintDlgRet = -1;
    lstRecentTeam.Clear();
    for (const std::string& team : readRecentTeams()) lstRecentTeam.AddItem(team);
    // The player's own team, else the one used last.
    std::string proposed = text::Trim(gstrDlgParam);
    if (proposed.empty() && lstRecentTeam.ListCount() > 0) proposed = lstRecentTeam.List(0);
    txtTeam.setText(proposed);
    lblMsg.setCaption("英数字、二文字以内で入力してください。\r\n"
                      "リストで、最近利用した20の識別文字が選択できます。\r\n"
                      "空白でﾁｰﾑ設定なしになります");
}

void frmSetTeam::txtTeam_GotFocus() { gsTextSelectAll(txtTeam); }

void frmSetTeam::lstRecentTeam_Click() {
    if (lstRecentTeam.ListIndex() >= 0) txtTeam.setText(lstRecentTeam.List(lstRecentTeam.ListIndex()));
}

void frmSetTeam::btnOK_Click() {
    gstrDlgParam = text::Trim(txtTeam.Text());
    if (!gstrDlgParam.empty()) {
        std::vector<std::string> kept;
        for (int i = 0; i < lstRecentTeam.ListCount(); ++i) kept.push_back(text::Trim(lstRecentTeam.List(i)));
        writeRecentTeams(recentTeamsAfter(kept, gstrDlgParam));
    }
    gintDlgRet = 0;
    Unload();
}

void frmSetTeam::btnCancel_Click() {
    gintDlgRet = -1;
    Unload();
}
