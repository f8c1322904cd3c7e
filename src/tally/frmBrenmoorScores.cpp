// The tally window's score table and participant list, score entry for the
// selected player, and the game header dialog.
#include "tally/frmBrenmoor.h"

#include "core/gameFile.h"
#include "core/globals.h"
#include "platform/forms/Services.h"
#include "platform/text/RuntimeError.h"
#include "platform/text/Strings.h"
#include "tally/frmGameInfo.h"
#include "tally/frmScore.h"
#include "tally/headerChange.h"
#include "tally/memberList.h"
#include "tally/scoreTable.h"

using namespace forms;

void frmBrenmoor::psSetList1() {
    try {
        showListRows(uctGridList, scoreRows(gtypGame, gtypScores));
        finishScoreList();
    } catch (const text::RuntimeError& e) {
        showBuildError("psSetList1", e);
    }
}

void frmBrenmoor::psSetList1_After_ScoreEntry(int32_t lngIndex) {
    try {
        const HourglassScope hourglass;
        uctGridList.gsInterruptResizeCol();
        mtypSelScore.IDNo = 0;
        psKeepScoreRow();
        mlngScoreTopIndex = uctGridList.gfGetTopIndexOfRowsY();
        // The player's rows are made again from the scores when next shown;
        // the other rows, the shading and the selection stay.
        const int32_t first = scoreFirstRow(gtypScores, lngIndex);
        const int32_t last = scoreLastRow(gtypScores, first);
        checkScoreTotals(gtypGame, gtypScores, first, last);
        uctGridList.refillRows(first + 1, last + 1);
        finishScoreList();
    } catch (const text::RuntimeError& e) {
        Screen::setMousePointer(vbDefault);
        showBuildError("psSetList1_After_ScoreEntry", e);
    }
}

void frmBrenmoor::psScoreEntry(int16_t intMode) {
    int32_t r = 1;
    while (r < uctGridList.gfRowCount() && !uctGridList.gfGetRowSelected(r)) ++r;
    if (r >= uctGridList.gfRowCount()) {
        MsgBox("行を選択してください。", vbOKOnly, std::string("エラー"));
        return;
    }
    const int32_t index = uctGridList.gfGetRowItemData(r) - 1;
    if (index < 0 || index > glngScoresMax()) return;
    glngDlgIndex = index;
    gstrDlgParam = text::Trim(gtypGame.Date);
    gintDlgRet = intMode;
    {
        frmScore entry;
        entry.Show(vbModal, this);
    }
    if (gintDlgRet != -1) {
        mintChanged = 1;
        psSetCaption();
    }
    psSetList1_After_ScoreEntry(index);
}

void frmBrenmoor::btnScore_Click() { psScoreEntry(0); }

void frmBrenmoor::psSetList0() {
    try {
        showListRows(uctGridList0, memberRows(gtypGame, gtypScores));
        finishMemberList();
    } catch (const text::RuntimeError& e) {
        showBuildError("psSetList0", e);
    }
}

void frmBrenmoor::btnGameInfo_Click() {
    const typGameInfo before = gtypGame;
    gsPackScoreData(); // in the old shape, before the dialog changes it
    glngDlgIndex = 1;
    {
        frmGameInfo header;
        header.Show(vbModal, this);
    }
    if (gintDlgRet == -1 || gfIsGameInfoChanged(before, gtypGame) == 0) return;
    const HourglassScope hourglass;
    mintChanged = 1;
    psSetCaption();
    const RowsAfterHeaderChange rows = rowsAfterHeaderChange(before, gtypGame);
    if (rows == RowsAfterHeaderChange::Relaid) relayScoreRows(before);
    if (rows != RowsAfterHeaderChange::Kept) {
        psSetList1();
        // Another number of courses moves every player's first row, which
        // the participant list's rows name; another date, its ages.
        psRefreshMemberList(0);
    }
    tabBody.SelectTab(mintTabIndex);
}
