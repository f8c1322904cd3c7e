// The tally window's tabs: their captions, showing the list of the chosen
// tab, the clicks in the lists, the remembered rows of the two editable lists
// and the print button.
#include "tally/frmBrenmoor.h"

#include "core/bestCourse.h"
#include "core/gameFile.h"
#include "core/globals.h"
#include "core/rankOneGame.h"
#include "core/teamRanking.h"
#include "platform/forms/Services.h"
#include "platform/text/RuntimeError.h"
#include "tally/memberList.h"
#include "tally/scoreTable.h"

using namespace forms;

void frmBrenmoor::ResetTabCaption() {
    try {
        tabBody.TabsClear();
        const std::string captions[] = {" 参加者一覧 ", " ☆　スコア　☆ ", " " + gfGetCategoryTitle() + "順位表" + " ",
                                        " ﾍﾞｽﾄ･ｺｰｽ ", " ﾁｰﾑ一覧 ", " ﾁｰﾑ成績 "};
        for (int i = 0; i < mintTabCount && i < 6; ++i) tabBody.TabsAdd(i + 1, captions[i]);
    } catch (const text::RuntimeError& e) {
        MsgBox("ResetTabCaption(): " + e.Description, vbOKOnly, std::string("エラー"));
    }
}

uctMyGrid* frmBrenmoor::gridOfTab(int tab) {
    switch (tab) {
    case 1: return &uctGridList0;
    case 2: return &uctGridList;
    case 3: return &uctGridList2;
    case 4: return &uctGridList4;
    case 5: return &uctGridList6;
    case 6: return &uctGridList7;
    default: return nullptr;
    }
}

void frmBrenmoor::showTabList(uctMyGrid& grid, PictureBox* panel) {
    // A hidden grid shows no rows until it is refreshed.
    grid.setVisible(true);
    grid.gsUpdate();
    if (panel) panel->setVisible(true);
}

void frmBrenmoor::tabBody_Click() {
    for (int tab = 1; tab <= 6; ++tab) gridOfTab(tab)->setVisible(false);
    for (PictureBox* p : {&picBottomL0, &picBottomL1, &picBottomL3}) p->setVisible(false);
    const int tab = tabBody.SelectedIndex();
    try {
        const HourglassScope hourglass;
        switch (tab) {
        case 1: showTabList(uctGridList0, &picBottomL0); break;
        case 2:
            showTabList(uctGridList, &picBottomL1);
            psSetEntryNum();
            break;
        case 3:
            gsCalPersonalRanking();
            gsFilterCategory(gtypGame.Date);
            psSetList2(1);
            showTabList(uctGridList2, &picBottomL3);
            break;
        case 4:
            gsCalBestCourse();
            psSetList4();
            showTabList(uctGridList4, &picBottomL3);
            break;
        case 5:
            gsCalTeamList();
            psSetList6();
            showTabList(uctGridList6, &picBottomL3);
            break;
        case 6:
            gsCalTeamRanking();
            psSetList7();
            showTabList(uctGridList7, nullptr);
            break;
        default: break;
        }
    } catch (const text::RuntimeError& e) {
        // The list builders report their own failures; one that reaches here
        // is the computation's, and an empty list must not pass for a result.
        MsgBox("tabBody_Click() : " + e.Description, vbCritical, std::string("エラー"));
    }
    if (tab >= 1) mintTabIndex = static_cast<int16_t>(tab);
}

void frmBrenmoor::uctGridList_MGCellClick(int32_t lngCol, int32_t) {
    psScoreEntry(gtypGame.HandiCapKind != 0 && lngCol == scoreHandicapCol(gtypGame) ? 1 : 0);
}

void frmBrenmoor::uctGridList0_MGCellClick(int32_t lngCol, int32_t lngRow) {
    if (lngRow > 0 && lngCol == kMemberTeamCol) btnTeam_Click();
}

// ---- remembered rows ----

void frmBrenmoor::psRefreshScoreList(int16_t) {
    try {
        const HourglassScope hourglass;
        uctGridList.gsInterruptResizeCol();
        mtypSelScore.IDNo = 0;
        mlngScoreTopIndex = uctGridList.gfGetTopIndexOfRowsY();
        psSetList1();
    } catch (const text::RuntimeError&) {
    }
}

void frmBrenmoor::psRefreshMemberList(int16_t) {
    try {
        const HourglassScope hourglass;
        uctGridList0.gsInterruptResizeCol();
        mlngSelMemberID = 0;
        mlngMemberTopIndex = uctGridList0.gfGetTopIndexOfRowsY();
        psSetList0();
    } catch (const text::RuntimeError&) {
    }
}

void frmBrenmoor::psKeepScoreRow() {
    mtypSelScore.IDNo = 0;
    for (int32_t r = 1; r < uctGridList.gfRowCount(); ++r) {
        if (!uctGridList.gfGetRowSelected(r)) continue;
        if (r - 1 <= glngScoresMax()) mtypSelScore = gtypScores.item(r - 1);
        return;
    }
}

void frmBrenmoor::psSelectScoreRow() {
    for (int32_t i = 0; i <= glngScoresMax(); ++i) {
        const typScoreData& row = gtypScores[static_cast<size_t>(i)];
        if (row.IDNo == mtypSelScore.IDNo && row.RoundNo == mtypSelScore.RoundNo) {
            // Selecting a selected row would unselect it (a score entry
            // rewrites the rows in place, selection and all).
            if (!uctGridList.gfGetRowSelected(i + 1)) uctGridList.gsSetSelectRow(i + 1);
            return;
        }
    }
}

void frmBrenmoor::psSelectMemberRow() {
    for (int32_t r = 1; r < uctGridList0.gfRowCount(); ++r) {
        const int32_t index = uctGridList0.gfGetRowItemData(r) - 1;
        if (index < 0 || index > glngScoresMax()) continue;
        if (gtypScores[static_cast<size_t>(index)].IDNo == mlngSelMemberID) {
            if (!uctGridList0.gfGetRowSelected(r)) uctGridList0.gsSetSelectRow(r);
            return;
        }
    }
}

void frmBrenmoor::finishScoreList() {
    if (mtypSelScore.IDNo > 0) psSelectScoreRow();
    mtypSelScore.IDNo = 0;
    if (mlngScoreTopIndex > 0) uctGridList.gsSetTopIndexOfRowsY(mlngScoreTopIndex);
    mlngScoreTopIndex = 0;
    uctGridList.gsUpdate();
    psSetEntryNum();
}

void frmBrenmoor::finishMemberList() {
    if (mlngSelMemberID > 0) psSelectMemberRow();
    mlngSelMemberID = 0;
    if (mlngMemberTopIndex > 0) uctGridList0.gsSetTopIndexOfRowsY(mlngMemberTopIndex);
    mlngMemberTopIndex = 0;
    uctGridList0.gsUpdate();
    psSetEntryNum();
}

// ---- printing ----

void frmBrenmoor::psMsgNoPrintData() { MsgBox("印刷データはありません。", vbOKOnly, std::string("ｴﾗｰ")); }

void frmBrenmoor::btnPrint_Click() {
    if (glngScoresMax() < 0) {
        psMsgNoPrintData();
        return;
    }
    const typGameInfo before = gtypGame;
    if (printScores_) printScores_(*this);
    if (gfIsGameInfoChanged(before, gtypGame) != 0) {
        // The category changed in the chooser: the ranking tab follows it.
        mintChanged = 1;
        psSetCaption();
        ResetTabCaption();
        tabBody.SelectTab(3);
    } else {
        psRefreshResultTab();
    }
}
