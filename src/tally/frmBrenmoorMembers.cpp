// The tally window's participants: a player's team, and adding and
// withdrawing participants while the game is tallied.
#include "tally/frmBrenmoor.h"

#include "core/globals.h"
#include "platform/forms/Services.h"
#include "platform/text/RuntimeError.h"
#include "platform/text/Strings.h"
#include "tally/frmAddScoreMember.h"
#include "tally/frmSetTeam.h"
#include "tally/memberList.h"
#include "tally/participantRows.h"

#include <optional>
#include <string>

using namespace forms;

namespace {

// The first selected participant row; the row count when none is selected.
int32_t selectedMemberRow(const uctMyGrid& grid) {
    for (int32_t r = 1; r < grid.gfRowCount(); ++r)
        if (grid.gfGetRowSelected(r)) return r;
    return grid.gfRowCount();
}

// The first score row of the participant on list row `row`; -1 when the
// row names none.
int32_t firstScoreRow(const uctMyGrid& grid, int32_t row) {
    const int32_t index = grid.gfGetRowItemData(row) - 1;
    return index < 0 || index > glngScoresMax() ? -1 : index;
}

struct Participant {
    int32_t row;   // in the participant list
    int32_t index; // the first score row
};

// The selected participant; nothing when the row names none, or when no row
// is selected, after saying `noneSelected`.
std::optional<Participant> selectedParticipant(const uctMyGrid& grid, const char* noneSelected) {
    const int32_t row = selectedMemberRow(grid);
    if (row == grid.gfRowCount()) {
        MsgBox(noneSelected, vbOKOnly, std::string("エラー"));
        return std::nullopt;
    }
    const int32_t index = firstScoreRow(grid, row);
    if (index < 0) return std::nullopt;
    return Participant{row, index};
}

} // namespace

void frmBrenmoor::btnTeam_Click() {
    const std::optional<Participant> chosen =
        selectedParticipant(uctGridList0, "設定するプレイヤーを選択してください。");
    if (!chosen) return;
    const auto [row, index] = *chosen;
    gstrDlgParam = gtypScores[static_cast<size_t>(index)].TeamID;
    {
        frmSetTeam dialog;
        dialog.Show(vbModal, this);
    }
    if (gintDlgRet == -1) return;
    // Marked modified even when the identifier stayed the same.
    mintChanged = 1;
    psSetCaption();
    const std::string team = text::Trim(gstrDlgParam);
    setParticipantTeam(gtypScores, index, team);
    uctGridList0.gsSetText(kMemberTeamCol, row, team);
    uctGridList0.gsUpdate();
    psSetList1_After_ScoreEntry(index);
}

void frmBrenmoor::btnAddMember0_Click() {
    const int32_t rowCount = uctGridList0.gfRowCount();
    const int32_t selectedRow = selectedMemberRow(uctGridList0);
    int32_t selectedFirst = -1;
    if (selectedRow < rowCount) {
        selectedFirst = firstScoreRow(uctGridList0, selectedRow);
        if (selectedFirst < 0) return;
    }
    markEnteredPlayers(gtypScores);
    glngDlgIndex = selectedFirst;
    {
        frmAddScoreMember dialog;
        dialog.Show(vbModal, this);
    }
    if (gintDlgRet == -1) return;
    const int16_t place = gintDlgRet;
    const int32_t player = glngDlgIndex;
    mintChanged = 1;
    psSetCaption();

    std::string failure;
    {
        const HourglassScope hourglass;
        try {
            // Everything that can fail comes before the rows change, so that
            // a failure leaves the game as it was.
            const int32_t at = insertionIndex(gtypScores, place, selectedFirst);
            const int32_t visible = visibleRows(uctGridList.gfGetListSpaceHeight());
            const int32_t scoreTop = scoreTopAfterAdding(at, uctGridList.gfGetTopIndexOfRowsY(), visible);
            const int32_t memberTop =
                memberTopAfterAdding(place, selectedRow, rowCount, uctGridList0.gfGetTopIndexOfRowsY(), visible);
            insertParticipant(gtypScores, at, player, gtypGame.Round);
            // The new participant's first course, selected after the build.
            mtypSelScore.IDNo = player;
            mtypSelScore.RoundNo = 1;
            mlngScoreTopIndex = scoreTop;
            mlngSelMemberID = player;
            mlngMemberTopIndex = memberTop;
        } catch (const text::RuntimeError& e) {
            failure = e.Description;
        }
        if (failure.empty()) {
            psSetList1();
            psSetList0();
        }
    }
    if (!failure.empty()) MsgBox("btnAddMember0_Click():" + failure, vbOKOnly, std::string("System error"));
}

void frmBrenmoor::btnDeleteMember0_Click() {
    const std::optional<Participant> chosen = selectedParticipant(uctGridList0, "取消すプレイヤーを選択してください。");
    if (!chosen) return;
    const int32_t player = gtypScores[static_cast<size_t>(chosen->index)].IDNo;
    if (MsgBox(withdrawQuestion(player, gtypGame.Date), vbOKCancel, std::string("参加取消し確認")) != vbOK) return;
    mintChanged = 1;
    psSetCaption();
    withdrawParticipant(gtypScores, chosen->index, gtypGame.Round);
    psRefreshScoreList(0);
    psRefreshMemberList(0);
}
