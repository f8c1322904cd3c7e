// The score entry window's shell: opening, the two entry modes, OK and
// Cancel, the help boxes and the first focus.
#include "tally/frmScore.h"

#include "core/gameRecords.h"
#include "core/globals.h"
#include "core/iniFile.h"
#include "platform/forms/Services.h"
#include "platform/text/Format.h"
#include "platform/text/Strings.h"

void frmScore::Form_Load() {
    mintActivated = 0;
    mintOpenMode = gintDlgRet;
    layoutForGame();
    // Nothing is selected yet, so selecting the mode runs its switch on the
    // empty boxes, which also writes the setting back.
    const std::string howTo = text::Trim(gfReadIniFile(gstrIniFile, "Score", "Howto"));
    if (howTo.empty() || howTo == "0") {
        mintHowTo = 0;
        optHowTo[0].setValue(true);
    } else {
        mintHowTo = 1;
        optHowTo[1].setValue(true);
    }
    mlngPlayerID = gtypScores.item(glngDlgIndex).IDNo;
    psLoadScore();
    psGridToEasyScore();
    psCheckHandicap();
    psCalScore();
    // Every way out but OK is a cancel.
    gintDlgRet = -1;
}

void frmScore::Form_Activate() {
    if (mintActivated != 0) return;
    const int16_t kind = gtypGame.HandiCapKind;
    if ((kind == 1 || kind == 2) && mintOpenMode == 1) txtHandicap.SetFocus();
    mintActivated = 1;
}

void frmScore::optHowTo_Click(int) {
    // From the mode being left into the one entered, before the display
    // changes.
    if (optHowTo[0].Value()) {
        psEasyScoreToGrid();
        mintHowTo = 0;
    } else {
        psGridToEasyScore();
        mintHowTo = 1;
        psCalScoreFromEasy();
    }
    gfWriteIniFile(gstrIniFile, "Score", "Howto", text::Format(mintHowTo, "0"));
    psSetDspHowTo();
}

void frmScore::psSetDspHowTo() {
    const bool quick = mintHowTo != 0;
    const int16_t hole = gtypGame.Hole, round = gtypGame.Round;
    for (int r = 0; r < round; ++r) txtEasyScoreR[r].setVisible(quick);
    for (int h = 0; h < hole; ++h) lblHole[h].setVisible(!quick);
    for (int r = 0; r < round; ++r)
        for (int h = 0; h < hole; ++h) txtScoreR(r)[h].setVisible(!quick);
}

void frmScore::btnOK_Click() {
    // What was typed in the quick boxes is what gets saved.
    if (mintHowTo == 1) psEasyScoreToGrid();
    psSaveScore();
    gintDlgRet = 0;
    Unload();
}

void frmScore::btnCancel_Click() {
    gintDlgRet = -1;
    Unload();
}

void frmScore::btnHelpEasyScore_Click() {
    forms::MsgBox("入力域の移動は Enterキー or Tabキーが便利です。\r\n"
                  "\r\n"
                  "快速入力では数字１文字を１ホール分の打数とします。\r\n"
                  "二桁の数字（10～99）を入力したい場合は先頭に'0'を付けます。\r\n"
                  "'0'直後の数字2文字を打数とします。\r\n"
                  "例). \"2340101234\" -> 2-3-4-10-1-2-3-4",
                  forms::vbOKOnly, std::string("スコア入力のヘルプ"));
}

void frmScore::btnHelpHandicap_Click() {
    const int32_t max = handicapBound(gtypGame.HandiCapKind, gtypGame.Hole, gtypGame.Round);
    forms::MsgBox("このゲームの入力可能範囲： 最小値= " + text::FormatRatio(-max, 10, "0.0") + " 、最大値= " +
                      text::FormatRatio(max, 10, "0.0") +
                      "\r\n"
                      "\r\n"
                      "ハンディキャップは１ホールあたり -4打 ～ +4打 が指定可能です。\r\n"
                      "ラウンド単位の場合はラウンドのホール数分が最小値、最大値になります。\r\n"
                      "ゲーム単位の場合は全ホール数分が最小値、最大値になります。\r\n"
                      "小数点は１桁まで可能です。範囲を超える値が入力された場合は、最小値、最大値に自動修正されます。",
                  forms::vbOKOnly, std::string("ハンディキャップのヘルプ"));
}
