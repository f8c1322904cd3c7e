#include "tally/frmAddScoreMember.h"

#include "core/belongFilter.h"
#include "core/globals.h"
#include "core/iniFile.h"
#include "core/players.h"
#include "core/rememberedChoices.h"
#include "platform/forms/ComboChoice.h"
#include "platform/forms/Services.h"
#include "platform/text/Numbers.h"

#include <optional>
#include <string>

namespace {

constexpr const char* kBelongKey = "LastBelong_at_AddScoreMember";
constexpr const char* kSortKey = "Sort_at_AddScoreMember";

double setting(const char* key) { return text::Val(gfReadIniFile(gstrIniFile, "Setup", key)); }

} // namespace

frmAddScoreMember::frmAddScoreMember()
    : DialogWindow("frmAddScoreMember", "参加追加", 5640, 6150), cobBelong(*this, "cobBelong"),
      lstMember(*this, "lstMember"), btnAddPosition(*this, "btnAddPosition", 4), chkSort(*this, "chkSort"),
      btnCancel(*this, "btnCancel") {
    cobBelong.Move(120, 120, 5400, 360);
    cobBelong.setStyle(forms::vbComboDropdownList);
    lstMember.Move(120, 600, 5400, 4290);
    const char* captions[] = {"上に追加", "下に追加", "先頭に追加", "最後尾に追加"};
    for (int i = 0; i < 4; ++i) {
        // Two rows: above/top over below/end.
        btnAddPosition[i].Move(120 + (i / 2) * 1680, 5040 + (i % 2) * 540, 1575, 435);
        btnAddPosition[i].setCaption(captions[i]);
    }
    chkSort.Move(3600, 5130, 1095, 255);
    chkSort.setCaption("ｿｰﾄ");
    btnCancel.Move(3960, 5580, 1455, 435);
    btnCancel.setCaption("ｷｬﾝｾﾙ");

    cobBelong.Click = [this] { cobBelong_Click(); };
    chkSort.Click = [this] { chkSort_Click(); };
    btnAddPosition.on(&forms::Control::Click, [this](int Index) { btnAddPosition_Click(Index); });
    btnCancel.Click = [this] { btnCancel_Click(); };
}

void frmAddScoreMember::Form_Load() {
    mlngSelIndex = glngDlgIndex;
    if (mlngSelIndex < 0) {
        btnAddPosition[0].setEnabled(false);
        btnAddPosition[1].setEnabled(false);
    }
    chkSort.setValue(setting(kSortKey) != 0 ? forms::vbChecked : forms::vbUnchecked);
    fillBelongFilter(cobBelong, setting(kBelongKey));
    // A remembered affiliation with nobody left to list opens on "すべて" too.
    if (lstMember.ListCount() == 0) cobBelong.setListIndex(0);
    gintDlgRet = -1;
}

// The players that can be added: not deleted, not taking part, and of the
// chosen affiliation.
void frmAddScoreMember::cobBelong_Click() {
    const std::optional<int32_t> filter = forms::choice(cobBelong);
    if (!filter) return;
    gsSetPlayerList(chkSort.Value() == forms::vbChecked ? 1 : 0, 0, lstMember, *filter, 0);
    const bool anyone = lstMember.ListCount() > 0;
    btnAddPosition[0].setEnabled(anyone && mlngSelIndex >= 0);
    btnAddPosition[1].setEnabled(anyone && mlngSelIndex >= 0);
    btnAddPosition[2].setEnabled(anyone);
    btnAddPosition[3].setEnabled(anyone);
}

void frmAddScoreMember::chkSort_Click() { cobBelong_Click(); }

void frmAddScoreMember::btnAddPosition_Click(int Index) {
    if (lstMember.ListIndex() < 0) {
        forms::MsgBox("追加するプレイヤーを選択してください。", forms::vbOKOnly, std::string("エラー"));
        return;
    }
    remember(kBelongKey, text::Str(forms::choice(cobBelong).value_or(-1)));
    glngDlgIndex = lstMember.ItemData(lstMember.ListIndex());
    remember(kSortKey, chkSort.Value() == forms::vbChecked ? "1" : "0");
    gintDlgRet = static_cast<int16_t>(Index + 1);
    Unload();
}

void frmAddScoreMember::btnCancel_Click() {
    gintDlgRet = -1;
    Unload();
}
