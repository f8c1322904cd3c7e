// The tally window's result tabs 3 to 6, the jumps from a list to the
// player's rows in the score table, and the ranking category.
#include "tally/frmBrenmoor.h"

#include "core/gameFile.h"
#include "core/globals.h"
#include "core/resultRecords.h"
#include "platform/forms/Services.h"
#include "platform/text/RuntimeError.h"
#include "tally/frmCategory.h"
#include "tally/resultLists.h"

using namespace forms;

namespace {

// The first selected data row of a list; 0 when none is.
int32_t firstSelectedRow(uctMyGrid& grid) {
    for (int32_t r = 1; r < grid.gfRowCount(); ++r)
        if (grid.gfGetRowSelected(r)) return r;
    return 0;
}

} // namespace

void frmBrenmoor::psSetList2(int16_t intMode) {
    try {
        showListTable(uctGridList2, rankingList(gtypGame, gtypRankRows, intMode));
        uctGridList2.gsUpdate();
        psSetEntryNum();
    } catch (const text::RuntimeError& e) {
        showBuildError("psSetList2", e);
    }
}

void frmBrenmoor::psSetList4() {
    try {
        showListTable(uctGridList4, bestCourseList(gtypGame, gtypBestCourseRows));
        uctGridList4.gsUpdate();
        psSetEntryNum();
    } catch (const text::RuntimeError& e) {
        showBuildError("psSetList4", e);
    }
}

void frmBrenmoor::psSetList6() {
    try {
        showListTable(uctGridList6, teamList(gtypGame, gtypRankRows));
        uctGridList6.gsUpdate();
        psSetEntryNumTeam();
    } catch (const text::RuntimeError& e) {
        showBuildError("psSetList6", e);
    }
}

void frmBrenmoor::psSetList7() {
    try {
        showListTable(uctGridList7, teamResultList(gtypGame, gtypTeamRankRows, gtypRankRows));
        uctGridList7.gsUpdate();
        psSetEntryNumTeam();
    } catch (const text::RuntimeError& e) {
        showBuildError("psSetList7", e);
    }
}

// The report chooser computes the shared result rows for its own report;
// the shown result list is computed and built again, so that what it shows
// and what a jump from it reads stay the same rows.
void frmBrenmoor::psRefreshResultTab() {
    if (mintTabIndex >= 3 && mintTabIndex <= 6) tabBody.SelectTab(mintTabIndex);
}

void frmBrenmoor::jumpToScoreRow(int32_t lngRow, const char* procedure) {
    try {
        Screen::setMousePointer(vbHourglass);
        mlngScoreTopIndex = jumpTopRow(lngRow, gtypGame.Round);
        mtypSelScore = gtypScores.item(lngRow - 1);
        // Selecting a selected row again would clear it.
        if (!uctGridList.gfGetRowSelected(lngRow)) uctGridList.gsSetSelectRow(lngRow);
        uctGridList.gsSetTopIndexOfRowsY(mlngScoreTopIndex);
        uctGridList.gsUpdate();
        tabBody.SelectTab(2);
        Screen::setMousePointer(vbDefault);
    } catch (const text::RuntimeError& e) {
        Screen::setMousePointer(vbDefault);
        MsgBox(std::string(procedure) + "():" + e.Description, vbOKOnly, std::string("System error"));
    }
}

void frmBrenmoor::btnGotoScore_Click() {
    const int32_t r = firstSelectedRow(uctGridList0);
    if (r == 0) {
        tabBody.SelectTab(2);
        Screen::setMousePointer(vbDefault);
        return;
    }
    const int32_t f = uctGridList0.gfGetRowItemData(r);
    if (f - 1 < 0 || f - 1 > glngScoresMax()) return;
    jumpToScoreRow(f, "btnGotoScore_Click");
}

void frmBrenmoor::btnGotoScore2_Click() {
    uctMyGrid* list = nullptr;
    int32_t id = 0;
    switch (mintTabIndex) {
    case 3: list = &uctGridList2; break;
    case 4: list = &uctGridList4; break;
    case 5: list = &uctGridList6; break;
    default: return;
    }
    const int32_t r = firstSelectedRow(*list);
    if (r == 0) {
        tabBody.SelectTab(2);
        Screen::setMousePointer(vbDefault);
        return;
    }
    const int32_t j = list->gfGetRowItemData(r) - 1;
    if (mintTabIndex == 4) {
        if (j < 0 || j > glngBestCourseRowsMax()) return;
        id = gtypBestCourseRows[static_cast<size_t>(j)].IDNo;
    } else {
        if (j < 0 || j > glngRankRowsMax()) return;
        id = gtypRankRows[static_cast<size_t>(j)].IDNo;
    }
    const int32_t f = firstScoreTableRow(gtypScores, id);
    if (f > 0) jumpToScoreRow(f, "btnGotoScore2_Click");
}

void frmBrenmoor::btnCategory_Click() {
    const typGameInfo before = gtypGame;
    frmCategory dialog;
    dialog.Show(vbModal, this);
    if (gintDlgRet == -1) return;
    if (gfIsGameInfoChanged(before, gtypGame) != 0) {
        mintChanged = 1;
        psSetCaption();
        ResetTabCaption();
    }
    tabBody.SelectTab(3);
}
