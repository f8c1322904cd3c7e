#include "tally/frmNewScoreSetup.h"

#include "core/belongFilter.h"
#include "core/gameRecords.h"
#include "core/globals.h"
#include "core/helpers.h"
#include "core/iniFile.h"
#include "core/players.h"
#include "platform/forms/ComboChoice.h"
#include "platform/forms/Services.h"
#include "platform/forms/TabOrder.h"
#include "platform/text/Format.h"
#include "platform/text/Numbers.h"
#include "platform/text/Strings.h"
#include "tally/entrantTexts.h"
#include "tally/frmSetTeam.h"

#include <optional>

namespace {

constexpr const char* kKept = "ScoreEntry";

// Holds a flag up for the life of a block, also when it ends in an error.
class BulkSelection {
public:
    explicit BulkSelection(bool& flag) : flag_(flag) { flag_ = true; }
    ~BulkSelection() { flag_ = false; }
    BulkSelection(const BulkSelection&) = delete;
    BulkSelection& operator=(const BulkSelection&) = delete;

private:
    bool& flag_;
};

std::string setting(const std::string& key) { return gfReadIniFile(gstrIniFile, "Setup", key); }

void writeSetting(const std::string& key, const std::string& value) {
    gfWriteIniFile(gstrIniFile, "Setup", key, value);
}

std::string checkText(const forms::CheckBox& box) { return box.Value() == forms::vbChecked ? "1" : "0"; }

} // namespace

frmNewScoreSetup::frmNewScoreSetup()
    : DialogWindow("frmNewScoreSetup", "新しいゲーム", 11445, 7200), Frame1(*this, "Frame1"),
      Frame2(*this, "Frame2"), cobBelong(Frame1, "cobBelong"), chkSort(Frame1, "chkSort"),
      chkKeepMemberEntry(Frame2, "chkKeepMemberEntry"), lstMember(*this, "lstMember", 2),
      btnSelectAll(*this, "btnSelectAll", 2), btnEntry(*this, "btnEntry"), btnUpDown(Frame2, "btnUpDown", 2),
      btnOutEntry(Frame2, "btnOutEntry"), btnSetTeam(Frame2, "btnSetTeam"), btnOffsetTeam(Frame2, "btnOffsetTeam"),
      lblEntryNum(Frame2, "lblEntryNum"), lblTeamNum(Frame2, "lblTeamNum"), btnOK(*this, "btnOK"),
      btnCancel(*this, "btnCancel") {
    // The two lists are one control array, and so are their select-all
    // buttons: they lie over the frames but belong to the window itself.
    Frame1.Move(120, 120, 4455, 6255);
    Frame1.setCaption("プレイヤー一覧");
    Frame2.Move(5910, 120, 5415, 6255);
    Frame2.setCaption("参加");
    cobBelong.Move(120, 360, 3135, 360);
    cobBelong.setStyle(forms::vbComboDropdownList);
    chkSort.Move(3360, 405, 975, 255);
    chkSort.setCaption("ｿｰﾄ");
    lstMember[0].Move(240, 960, 4215, 4815);
    btnSelectAll[0].Move(240, 5880, 1215, 375);
    btnEntry.Move(4695, 3000, 1095, 495);
    btnEntry.setCaption("参加 =>");

    chkKeepMemberEntry.Move(120, 405, 5175, 255);
    chkKeepMemberEntry.setCaption("次回、この参加状態を利用する。");
    lstMember[1].Move(6030, 960, 3975, 4815);
    btnUpDown[0].Move(4200, 840, 1095, 435);
    btnUpDown[0].setCaption("↑");
    btnUpDown[1].Move(4200, 1320, 1095, 435);
    btnUpDown[1].setCaption("↓");
    btnOutEntry.Move(4200, 2280, 1095, 435);
    btnOutEntry.setCaption("参加取消");
    btnSetTeam.Move(4200, 3240, 1095, 435);
    btnSetTeam.setCaption("ﾁｰﾑ設定");
    btnOffsetTeam.Move(4200, 3720, 1095, 435);
    btnOffsetTeam.setCaption("ﾁｰﾑ取消");
    btnSelectAll[1].Move(6030, 5880, 1215, 375);
    // Room for a count of thousands: "参加 2970名".
    lblEntryNum.Move(1470, 5820, 1425, 255);
    lblTeamNum.Move(2910, 5820, 2385, 255);
    for (int i = 0; i < 2; ++i) {
        lstMember[i].setMultiSelect(forms::vbMultiSelectExtended);
        btnSelectAll[i].setCaption("全選択");
    }

    btnOK.Move(8280, 6600, 1455, 435);
    btnOK.setCaption("OK");
    btnCancel.Move(9870, 6600, 1455, 435);
    btnCancel.setCaption("ｷｬﾝｾﾙ");
    btnCancel.setCancel(true);
    // Tab follows the dialog as it reads, from the candidates across to the
    // entrants, rather than the order the controls were made in.
    forms::setTabOrder({&cobBelong, &chkSort, &lstMember[0], &btnSelectAll[0], &btnEntry, &chkKeepMemberEntry,
                        &lstMember[1], &btnUpDown[0], &btnUpDown[1], &btnOutEntry, &btnSetTeam, &btnOffsetTeam,
                        &btnSelectAll[1], &btnOK, &btnCancel});

    cobBelong.Click = [this] { cobBelong_Click(); };
    chkSort.Click = [this] { chkSort_Click(); };
    btnEntry.Click = [this] { btnEntry_Click(); };
    btnOutEntry.Click = [this] { btnOutEntry_Click(); };
    btnSetTeam.Click = [this] { btnSetTeam_Click(); };
    btnOffsetTeam.Click = [this] { btnOffsetTeam_Click(); };
    btnUpDown.on(&forms::Control::Click, [this](int Index) { btnUpDown_Click(Index); });
    btnSelectAll.on(&forms::Control::Click, [this](int Index) { btnSelectAll_Click(Index); });
    lstMember.on(&forms::Control::Click, [this](int Index) { lstMember_Click(Index); });
    lstMember.on(&forms::Control::DblClick, [this](int Index) { lstMember_DblClick(Index); });
    btnOK.Click = [this] { btnOK_Click(); };
    btnCancel.Click = [this] { btnCancel_Click(); };
}

void frmNewScoreSetup::Form_Load() {
    gintDlgRet = -1;
    lblEntryNum.setCaption("");
    lblTeamNum.setCaption("");
    gtypEntries.clear();
    chkSort.setValue(text::Val(setting("Sort_at_NewGame")) != 0 ? forms::vbChecked : forms::vbUnchecked);
    lstMember[0].Clear();
    lstMember[1].Clear();
    for (typPlayerInfo& p : gtypPlayers) {
        p.Entered = 0;
        p.TeamID.clear();
    }
    if (text::Val(setting("KeepMemberEntry")) == 1) {
        chkKeepMemberEntry.setValue(forms::vbChecked);
        restoreKeptEntries();
    } else {
        chkKeepMemberEntry.setValue(forms::vbUnchecked);
    }

    fillBelongFilter(cobBelong, text::Val(setting("LastBelong_at_NewGame")));
    // A remembered affiliation with nobody left to list opens on "すべて" too.
    if (lstMember[0].ListCount() == 0) cobBelong.setListIndex(0);
    psSetEntryButtons();
    psShowEntryCount();
}

// The entry list of the last new game, up to its first blank "player" key;
// players deleted since, or listed twice, are left out.
void frmNewScoreSetup::restoreKeptEntries() {
    for (long n = 1;; ++n) {
        const std::string id = text::Trim(gfReadIniFile(gstrIniFile, kKept, "player" + text::Str(n)));
        if (id.empty()) return;
        const int32_t ID = fieldValue32(id);
        const std::string team = text::Trim(gfReadIniFile(gstrIniFile, kKept, "team" + text::Str(n)));
        for (size_t i = 0; i < gtypPlayers.size(); ++i) {
            typPlayerInfo& p = gtypPlayers[i];
            if (p.ID != ID || p.State == 2) continue;
            if (p.Entered == 0) {
                p.Entered = 1;
                p.TeamID = team;
                appendEntry(static_cast<int16_t>(i));
            }
            break;
        }
    }
}

void frmNewScoreSetup::cobBelong_Click() {
    const std::optional<int32_t> filter = forms::choice(cobBelong);
    if (!filter) return;
    gsSetPlayerList(chkSort.Value() == forms::vbChecked ? 1 : 0, 0, lstMember[0], *filter, -1);
    psSetEntryButtons();
}

void frmNewScoreSetup::chkSort_Click() { cobBelong_Click(); }

void frmNewScoreSetup::btnEntry_Click() {
    forms::ListBox& candidates = lstMember[0];
    forms::ListBox& entries = lstMember[1];
    if (candidates.SelCount() == 0) return;
    BulkSelection bulk(selectingInBulk);
    for (int i = 0; i < entries.ListCount(); ++i) entries.setSelected(i, false);
    for (int c = 0; c < candidates.ListCount(); ++c) {
        if (!candidates.Selected(c)) continue;
        const int32_t ID = candidates.ItemData(c);
        int existing = -1;
        for (int i = 0; i < entries.ListCount() && existing < 0; ++i)
            if (entries.ItemData(i) == ID) existing = i;
        if (existing >= 0) {
            entries.setSelected(existing, true);
            continue;
        }
        const int16_t player = gfGetPlayerIndex(ID);
        if (player < 0) continue;
        gtypPlayers[static_cast<size_t>(player)].Entered = 1;
        gtypPlayers[static_cast<size_t>(player)].TeamID.clear();
        appendEntry(player);
        entries.setListIndex(entries.NewIndex());
        entries.setSelected(entries.NewIndex(), true);
    }
    psSetEntryButtons();
    psShowEntryCount();
}

void frmNewScoreSetup::btnOutEntry_Click() {
    forms::ListBox& entries = lstMember[1];
    for (int i = entries.ListCount() - 1; i >= 0; --i) {
        if (!entries.Selected(i)) continue;
        if (const int16_t player = entryPlayer(i); player >= 0) {
            gtypPlayers[static_cast<size_t>(player)].Entered = 0;
            gtypPlayers[static_cast<size_t>(player)].TeamID.clear();
        }
        entries.RemoveItem(i);
    }
    psSetEntryButtons();
    psShowEntryCount();
}

void frmNewScoreSetup::btnSetTeam_Click() {
    forms::ListBox& entries = lstMember[1];
    if (entries.SelCount() == 0) {
        forms::MsgBox("設定するプレイヤーを選択してください。", forms::vbOKOnly, std::string("エラー"));
        return;
    }
    gstrDlgParam = "";
    if (entries.SelCount() == 1) {
        for (int i = 0; i < entries.ListCount(); ++i) {
            const int16_t player = entryPlayer(i);
            if (entries.Selected(i) && player >= 0) gstrDlgParam = gtypPlayers[static_cast<size_t>(player)].TeamID;
        }
    }
    frmSetTeam dialog;
    dialog.Show(forms::vbModal, this);
    if (gintDlgRet == -1) return;
    for (int i = 0; i < entries.ListCount(); ++i) {
        const int16_t player = entryPlayer(i);
        if (!entries.Selected(i) || player < 0) continue;
        gtypPlayers[static_cast<size_t>(player)].TeamID = gstrDlgParam;
        entries.setList(i, pfEntryText(player));
    }
    psShowEntryCount();
}

void frmNewScoreSetup::btnOffsetTeam_Click() {
    forms::ListBox& entries = lstMember[1];
    if (entries.SelCount() == 0) {
        forms::MsgBox("取消すプレイヤーを選択してください。", forms::vbOKOnly, std::string("エラー"));
        return;
    }
    for (int i = 0; i < entries.ListCount(); ++i) {
        const int16_t player = entryPlayer(i);
        if (!entries.Selected(i) || player < 0) continue;
        gtypPlayers[static_cast<size_t>(player)].TeamID.clear();
        entries.setList(i, pfEntryText(player));
    }
    psShowEntryCount();
}

void frmNewScoreSetup::btnUpDown_Click(int Index) { psMoveEntry(Index); }

// A block of selected entries moves one place with its selection; a block
// that already touches the end it moves toward stays where it is.
void frmNewScoreSetup::psMoveEntry(int direction) {
    forms::ListBox& entries = lstMember[1];
    const int last = entries.ListCount() - 1;
    auto swap = [&entries](int a, int b) {
        const std::string text = entries.List(a);
        const int32_t data = entries.ItemData(a);
        const bool selected = entries.Selected(a);
        entries.setList(a, entries.List(b));
        entries.setItemData(a, entries.ItemData(b));
        entries.setSelected(a, entries.Selected(b));
        entries.setList(b, text);
        entries.setItemData(b, data);
        entries.setSelected(b, selected);
    };
    if (direction == 0) {
        for (int i = 0; i <= last; ++i) {
            if (!entries.Selected(i)) continue;
            if (i == 0) return;
            swap(i - 1, i);
        }
    } else {
        for (int i = last; i >= 0; --i) {
            if (!entries.Selected(i)) continue;
            if (i == last) return;
            swap(i, i + 1);
        }
    }
}

void frmNewScoreSetup::btnSelectAll_Click(int Index) {
    forms::ListBox& list = lstMember[Index];
    BulkSelection bulk(selectingInBulk);
    for (int i = 0; i < list.ListCount(); ++i) list.setSelected(i, true);
    psSetEntryButtons();
    psShowEntryCount();
}

// Every change of a selection, by mouse or keyboard, refreshes the counts
// and the buttons.
void frmNewScoreSetup::lstMember_Click(int Index) {
    (void)Index;
    if (selectingInBulk) return;
    psShowEntryCount();
    psSetEntryButtons();
}

void frmNewScoreSetup::lstMember_DblClick(int Index) {
    if (Index == 0) btnEntry_Click();
}

void frmNewScoreSetup::psSetEntryButtons() {
    btnEntry.setEnabled(lstMember[0].SelCount() > 0);
    const bool entrySelected = lstMember[1].SelCount() > 0;
    for (forms::CommandButton* b : {&btnOutEntry, &btnSetTeam, &btnOffsetTeam, &btnUpDown[0], &btnUpDown[1]})
        b->setEnabled(entrySelected);
}

std::string frmNewScoreSetup::pfEntryText(int16_t player) const {
    return entrantText(gtypPlayers[static_cast<size_t>(player)]);
}

void frmNewScoreSetup::psShowEntryCount() {
    const forms::ListBox& entries = lstMember[1];
    lblEntryNum.setCaption(entryCountText(entries.ListCount()));
    auto teamOf = [this](int i) {
        const int16_t player = entryPlayer(i);
        return player < 0 ? std::string() : text::Trim(gtypPlayers[static_cast<size_t>(player)].TeamID);
    };
    std::string team;
    for (int i = 0; i < entries.ListCount() && team.empty(); ++i)
        if (entries.Selected(i)) team = teamOf(i);
    if (team.empty()) {
        lblTeamNum.setCaption("");
        return;
    }
    int members = 0;
    for (int i = 0; i < entries.ListCount(); ++i)
        if (teamOf(i) == team) ++members;
    lblTeamNum.setCaption(teamCountText(team, members));
}

int16_t frmNewScoreSetup::entryPlayer(int i) const { return gfGetPlayerIndex(lstMember[1].ItemData(i)); }

void frmNewScoreSetup::appendEntry(int16_t player) {
    forms::ListBox& entries = lstMember[1];
    entries.AddItem(pfEntryText(player));
    entries.setItemData(entries.NewIndex(), gtypPlayers[static_cast<size_t>(player)].ID);
}

void frmNewScoreSetup::btnOK_Click() {
    // Each kept value rewrites the settings file: a big entry list takes a while.
    const forms::HourglassScope busy;
    const forms::ListBox& entries = lstMember[1];
    gtypEntries.clear();
    gfWriteIniFile(gstrIniFile, kKept, std::nullopt, std::nullopt);
    for (int i = 0; i < entries.ListCount(); ++i) {
        const int32_t ID = entries.ItemData(i);
        const int16_t player = entryPlayer(i);
        const std::string team = player < 0 ? std::string() : text::Trim(gtypPlayers[static_cast<size_t>(player)].TeamID);
        gfWriteIniFile(gstrIniFile, kKept, "player" + text::Str(i + 1), text::Format(ID, "0"));
        gfWriteIniFile(gstrIniFile, kKept, "team" + text::Str(i + 1), team);
        gtypEntries.append({ID, team});
    }
    writeSetting("KeepMemberEntry", checkText(chkKeepMemberEntry));
    writeSetting("LastBelong_at_NewGame", text::Str(forms::choice(cobBelong).value_or(-1)));
    writeSetting("Sort_at_NewGame", checkText(chkSort));
    gintDlgRet = 0;
    Unload();
}

void frmNewScoreSetup::btnCancel_Click() {
    gintDlgRet = -1;
    Unload();
}
