#include "main/frmPlayers.h"
#include "core/helpers.h"

#include "core/belongFilter.h"
#include "core/gameRecords.h"
#include "core/globals.h"
#include "core/iniFile.h"
#include "core/players.h"
#include "core/registryFile.h"
#include "main/frmRegiPlayer.h"
#include "platform/forms/Services.h"
#include "platform/forms/TabOrder.h"
#include "platform/text/Numbers.h"

namespace {

constexpr double kComboHeight = 360;

std::string playerSection(int32_t id) { return playerRegistry.sectionPrefix + text::Str(id); }

// The keys an edit writes, in order; an add writes "State" after "Name".
std::vector<IniValue> playerValues(const typPlayerInfo& p, bool withState) {
    const std::string section = playerSection(p.ID);
    std::vector<IniValue> values{{section, "Name", p.Name}};
    if (withState) values.push_back({section, "State", "0"});
    values.insert(values.end(), {{section, "Birthday", p.Birthday},
                                 {section, "Gender", text::Str(p.Gender)},
                                 {section, "BelongID", text::Str(p.BelongID)},
                                 {section, "Sort", p.Sort},
                                 {section, "Location", p.Location}});
    return values;
}

} // namespace

frmPlayers::frmPlayers()
    : RegistryWindow("frmPlayers", "プレイヤー一覧", 7560, 8490), Label1(*this, "Label1"),
      cobBelong(*this, "cobBelong"), lblNumMembers(*this, "lblNumMembers"), lstPlayers(*this, "lstPlayers"),
      btnAdd(*this, "btnAdd"), btnEdit(*this, "btnEdit"), btnDelete(*this, "btnDelete"),
      btnClose(*this, "btnClose") {
    Label1.Move(240, 180, 795, 255);
    Label1.setCaption("所属：");
    cobBelong.Move(1080, 120, 4695, kComboHeight);
    cobBelong.setStyle(forms::vbComboDropdownList);
    lblNumMembers.Move(5880, 240, 1335, 255);
    lstPlayers.Move(180, 540, 7155, 7035);
    btnAdd.Move(300, 7800, 1275, 495);
    btnAdd.setCaption("新規登録");
    btnEdit.Move(1740, 7800, 1335, 495);
    btnEdit.setCaption("変更");
    btnDelete.Move(3240, 7800, 1155, 495);
    btnDelete.setCaption("削除");
    btnDelete.setTabStop(false);
    btnClose.Move(6240, 7800, 1155, 495);
    btnClose.setCaption("閉じる");
    forms::setTabOrder({&lstPlayers, &btnAdd, &btnEdit, &btnDelete, &btnClose, &cobBelong});

    cobBelong.Click = [this] { cobBelong_Click(); };
    lstPlayers.DblClick = [this] { btnEdit_Click(); };
    btnAdd.Click = [this] { btnAdd_Click(); };
    btnEdit.Click = [this] { btnEdit_Click(); };
    btnDelete.Click = [this] { btnDelete_Click(); };
    btnClose.Click = [this] { btnClose_Click(); };
}

void frmPlayers::Form_Load() {
    const double last = fieldValue32(gfReadIniFile(gstrIniFile, "Setup", "LastBelong_at_Member"));
    fillBelongFilter(cobBelong, last);
}

void frmPlayers::Form_Unload(int16_t&) {
    if (cobBelong.ListIndex() == -1) return;
    gfWriteIniFile(gstrIniFile, "Setup", "LastBelong_at_Member",
                   text::Str(cobBelong.ItemData(cobBelong.ListIndex())));
}

void frmPlayers::cobBelong_Click() {
    gsSetPlayerList(0, 1, lstPlayers, cobBelong.ItemData(cobBelong.ListIndex()), -1);
    showCount();
}

void frmPlayers::showCount() { lblNumMembers.setCaption(text::Str(lstPlayers.ListCount()) + " 名"); }

bool frmPlayers::selectPlayer(int32_t id) {
    for (int i = 0; i < lstPlayers.ListCount(); ++i) {
        if (lstPlayers.ItemData(i) != id) continue;
        lstPlayers.setListIndex(i);
        return true;
    }
    return false;
}

void frmPlayers::btnAdd_Click() {
    if (!registryWritable(gstrPlayerFile)) return;
    const int32_t filter = cobBelong.ItemData(cobBelong.ListIndex());
    gtypEditPlayer = typPlayerInfo{};
    gtypEditPlayer.BelongID = filter;
    {
        frmRegiPlayer dialog;
        dialog.Show(forms::vbModal, this);
    }
    if (gintDlgRet == -1) return;
    registryOperation([&] {
        const auto n = nextRegistryNumber(playerRegistry);
        if (!n) return;
        gtypEditPlayer.ID = *n;
        gtypEditPlayer.State = 0;
        std::vector<IniValue> values{{"Management", playerRegistry.counterKey, text::Str(*n)}};
        for (IniValue& v : playerValues(gtypEditPlayer, true)) values.push_back(std::move(v));
        if (!writeIniValues(gstrPlayerFile, values)) {
            showWriteFailed(gstrPlayerFile);
            return;
        }
        gtypPlayers.append(gtypEditPlayer);

        if (filter == gtypEditPlayer.BelongID) {
            lstPlayers.AddItem(gfGetPlayerListText(gtypEditPlayer));
            lstPlayers.setItemData(lstPlayers.NewIndex(), *n);
            lstPlayers.setListIndex(lstPlayers.NewIndex());
        } else {
            // Switch the filter to the new player's own affiliation (a rebuild).
            for (int i = 0; i < cobBelong.ListCount(); ++i) {
                if (cobBelong.ItemData(i) != gtypEditPlayer.BelongID) continue;
                cobBelong.setListIndex(i);
                break;
            }
            selectPlayer(*n);
        }
        showCount();
    });
}

void frmPlayers::btnEdit_Click() {
    if (lstPlayers.ListIndex() == -1) {
        forms::MsgBox("変更するプレイヤーを選択してください。", forms::vbOKOnly, std::string("エラー"));
        lstPlayers.SetFocus();
        return;
    }
    const int32_t id = lstPlayers.ItemData(lstPlayers.ListIndex());
    const int16_t i = gfGetPlayerIndex(id);
    if (i < 0 || !registryWritable(gstrPlayerFile)) return;
    gtypEditPlayer = gtypPlayers.item(i);
    {
        frmRegiPlayer dialog;
        dialog.Show(forms::vbModal, this);
    }
    if (gintDlgRet == -1) return;
    registryOperation([&] {
        const typPlayerInfo& edited = gtypEditPlayer;
        if (!writeIniValues(gstrPlayerFile, playerValues(edited, false))) {
            showWriteFailed(gstrPlayerFile);
            return;
        }
        typPlayerInfo& p = gtypPlayers.item(i);
        p.Name = edited.Name;
        p.Birthday = edited.Birthday;
        p.Gender = edited.Gender;
        p.BelongID = edited.BelongID;
        p.Sort = edited.Sort;
        p.Location = edited.Location;

        const int top = lstPlayers.TopIndex();
        cobBelong_Click();
        selectPlayer(id);
        if (top >= 0 && top <= lstPlayers.ListCount() - 1) lstPlayers.setTopIndex(top);
    });
}

void frmPlayers::btnDelete_Click() {
    if (lstPlayers.ListIndex() == -1) {
        forms::MsgBox("削除するプレイヤーを選択してください。", forms::vbOKOnly, std::string("エラー"));
        lstPlayers.SetFocus();
        return;
    }
    const int16_t i = gfGetPlayerIndex(lstPlayers.ItemData(lstPlayers.ListIndex()));
    if (i < 0 || !registryWritable(gstrPlayerFile)) return;
    if (forms::MsgBox("プレイヤー：" + lstPlayers.List(lstPlayers.ListIndex()) + "\r\nを削除します。",
                      forms::vbOKCancel, std::string("プレイヤー削除確認")) != forms::vbOK)
        return;
    registryOperation([&] {
        typPlayerInfo& p = gtypPlayers.item(i);
        if (!writeIniValues(gstrPlayerFile, {{playerSection(p.ID), "State", "2"}})) {
            showWriteFailed(gstrPlayerFile);
            return;
        }
        p.State = 2;
        lstPlayers.RemoveItem(lstPlayers.ListIndex());
        showCount();
    });
}

void frmPlayers::btnClose_Click() { Unload(); }
