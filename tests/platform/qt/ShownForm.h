#pragma once
#include "platform/forms/AllControls.h"

// The forms suite's window of every control kind, laid out so that no two
// controls overlap (a real click lands on the control it aims at), with
// Japanese captions and some items.
inline void layOut(AllControls& f) {
    f.setCaption("すべてのコントロール");
    f.txtA.Move(120, 120, 1500, 330);
    f.txtB.Move(1740, 120, 1500, 330);
    f.cobList.Move(3360, 120, 1500, 330);
    f.cobEdit.Move(4980, 120, 1500, 330);
    f.btnOK.Move(6600, 120, 1100, 375);
    f.btnCancel.Move(7800, 120, 1100, 375);
    f.lstSingle.Move(120, 600, 1500, 1200);
    f.lstMulti.Move(1740, 600, 1500, 1200);
    f.chkA.Move(3360, 600, 1500, 330);
    f.fraOne.Move(3360, 960, 1500, 1000);
    f.fraTwo.Move(4980, 600, 1500, 1100);
    for (auto* options : {&f.optOne, &f.optTwo}) {
        (*options)[0].Move(120, 300, 1260, 330);
        (*options)[1].Move(120, 660, 1260, 330);
    }
    f.picBox.Move(6600, 600, 2300, 1200);
    f.lblA.Move(120, 2000, 1500, 330);
    f.lblArr[0].Move(1740, 2000, 1500, 330);
    f.lblArr[3].Move(3360, 2000, 1500, 330);
    f.imgA.Move(4980, 2000, 600, 600);
    f.linA.setPoints(5700, 2000, 6600, 2600);
    f.shpA.Move(6700, 2000, 900, 600);
    f.hscA.Move(120, 2900, 3000, 255);
    f.vscA.Move(3300, 2900, 255, 1500);
    f.tabBody.Move(3800, 2900, 5000, 2000);

    f.txtA.setText("");
    f.btnOK.setCaption("OK");
    f.btnCancel.setCaption("キャンセル");
    f.chkA.setCaption("生年月日");
    f.fraOne.setCaption("性別");
    f.fraTwo.setCaption("ハンデ");
    f.optOne[0].setCaption("男性");
    f.optOne[1].setCaption("女性");
    f.optTwo[0].setCaption("あり");
    f.optTwo[1].setCaption("なし");
    f.lblA.setCaption("プレイヤー名");
    f.lblArr[0].setCaption("所属");
    f.lblArr[3].setCaption("地域");
    for (const char* item : {"パーク", "ゴルフ", "大会"}) {
        f.cobList.AddItem(item);
        f.cobEdit.AddItem(item);
        f.lstSingle.AddItem(item);
        f.lstMulti.AddItem(item);
    }
    f.hscA.setMax(10);
    f.hscA.setLargeChange(5);
    f.vscA.setMax(10);
    f.tabBody.TabsAdd(0, "参加者");
    f.tabBody.TabsAdd(0, "スコア");
    f.tabBody.TabsAdd(0, "順位");
    f.mnuFile.setCaption("ファイル(&F)");
    f.mnuFile_Exit.setCaption("終了(&X)");
}
