#include "main/frmBelong.h"
#include "core/helpers.h"

#include "core/gameRecords.h"
#include "core/globals.h"
#include "core/iniFile.h"
#include "core/registryFile.h"
#include "main/frmRegiGroup.h"
#include "platform/forms/Services.h"
#include "platform/forms/TabOrder.h"
#include "platform/text/Numbers.h"
#include "platform/text/RuntimeError.h"
#include "platform/text/Strings.h"

#include <cmath>

namespace {

constexpr int32_t kRowHeight = 350;
const forms::Color kStripe = forms::RGB(250, 250, 250);

std::string groupSection(int32_t id) { return groupRegistry.sectionPrefix + text::Str(id); }

void writeSelectedBelong(const std::string& value) { gfWriteIniFile(gstrIniFile, "Setup", "SelectedBlong", value); }

} // namespace

frmBelong::frmBelong()
    : RegistryWindow("frmBelong", "所属一覧", 6585, 5250), picBody(*this, "picBody"),
      uctGroupList(picBody, "uctGroupList"), btnAdd(*this, "btnAdd"), btnEdit(*this, "btnEdit"),
      btnDelete(*this, "btnDelete"), btnClose(*this, "btnClose") {
    picBody.Move(180, 240, 6195, 4215);
    picBody.setBorderStyle(0);
    picBody.setTabStop(false);
    btnAdd.Move(240, 4680, 1215, 435);
    btnAdd.setCaption("新規登録");
    btnEdit.Move(1680, 4680, 975, 435);
    btnEdit.setCaption("編集");
    btnDelete.Move(2880, 4680, 975, 435);
    btnDelete.setCaption("削除");
    btnDelete.setTabStop(false);
    btnClose.Move(5100, 4680, 1275, 435);
    btnClose.setCaption("閉じる");
    forms::setTabOrder({&btnAdd, &btnEdit, &btnClose, &picBody, &uctGroupList, &btnDelete});

    btnAdd.Click = [this] { btnAdd_Click(); };
    btnEdit.Click = [this] { btnEdit_Click(); };
    btnDelete.Click = [this] { btnDelete_Click(); };
    btnClose.Click = [this] { btnClose_Click(); };
    uctGroupList.MGCellClick = [this](int32_t c, int32_t r) { uctGroupList_MGCellClick(c, r); };
    uctGroupList.MGCellDblClick = [this](int32_t c, int32_t r) { uctGroupList_MGCellDblClick(c, r); };
}

void frmBelong::Form_Load() {
    mlngTopRow = -1;
    uctGroupList.Move(0, 0, picBody.ScaleWidth(), picBody.ScaleHeight());
    for (const typBelongInfo& b : gtypBelongs) {
        if (b.State == 2) continue;
        mlngTopRow = 1; // open scrolled to the first row
        break;
    }
    writeSelectedBelong("");
    psSetGroupList();
}

// The grid lets its row views go as it ends (its gsClear), before the
// window's run-time controls are removed.
void frmBelong::Form_Unload(int16_t&) { uctGroupList.gsClear(); }

void frmBelong::psSetGroupList() {
    try {
        buildGroupList();
    } catch (const text::RuntimeError& e) {
        forms::MsgBox("psSetGroupList() : " + e.Description, forms::vbCritical, std::string("エラー"));
    }
}

void frmBelong::buildGroupList() {
    uctMyGrid& g = uctGroupList;
    int32_t m = 0;
    for (const typBelongInfo& b : gtypBelongs)
        if (b.State != 2) ++m;

    g.gsClear();
    g.gsSetFixedTopRow(true, false);
    g.gsSetSelectRowColor(forms::vbHighlight, forms::vbHighlightText);
    g.gsCreateColsRows(2, m + 1);
    g.gsSetColInfo(0, "Width", 4500);
    g.gsSetColInfo(1, "Width", 1200);
    g.gsSetText(0, 0, "所属名");
    g.gsSetCellData(0, 0, "Alignment", 0);
    g.gsSetText(1, 0, "略名");
    g.gsSetCellData(1, 0, "Alignment", 0);
    g.gsSetRowInfo(0, "Height", kRowHeight);

    int32_t r = 0;
    for (const typBelongInfo& b : gtypBelongs) {
        if (b.State == 2) continue;
        ++r;
        g.gsSetRowInfo(r, "Height", kRowHeight);
        g.gsSetRowInfo(r, "RowItemData", b.ID);
        g.gsSetText(0, r, text::Trim(b.Name));
        g.gsSetCellData(0, r, "Alignment", 0);
        g.gsSetText(1, r, text::Trim(b.ShortName));
        g.gsSetCellData(1, r, "Alignment", 0);
        if (r % 2 == 0) {
            g.gsSetCellData(0, r, "BackColor", kStripe);
            g.gsSetCellData(1, r, "BackColor", kStripe);
        }
    }

    // Reselect the affiliation last clicked or added.
    const double sel = fieldValue32(gfReadIniFile(gstrIniFile, "Setup", "SelectedBlong"));
    int32_t selRow = -1;
    for (int32_t row = 1; row < g.gfRowCount(); ++row) {
        const int32_t id = g.gfGetRowItemData(row);
        if (id < 0) break;
        if (id != sel) continue;
        if (!g.gfGetRowSelected(row)) {
            g.gsSetSelectRow(row);
            selRow = row;
        }
        break;
    }
    g.gsUpdate();

    if (mlngTopRow != -1) {
        g.gsSetTopIndexOfRowsY(mlngTopRow);
        mlngTopRow = -1;
    } else if (selRow != -1) {
        // Bring the selected row into view, a few rows above the bottom.
        const int32_t visible = text::CLng(g.Height() / kRowHeight);
        const int32_t top = selRow - (visible - 3);
        if (top >= 1) g.gsSetTopIndexOfRowsY(top);
    }
    g.gsUpdate();
}

int32_t frmBelong::selectedBelong(const std::string& message) {
    int32_t row = 1;
    while (row < uctGroupList.gfRowCount() && !uctGroupList.gfGetRowSelected(row)) ++row;
    if (row >= uctGroupList.gfRowCount()) {
        forms::MsgBox(message, forms::vbOKOnly, std::string("エラー"));
        return -1;
    }
    const int32_t id = uctGroupList.gfGetRowItemData(row);
    if (id < 1) return -1;
    for (int32_t i = 0; i <= glngBelongsMax(); ++i)
        if (gtypBelongs[static_cast<size_t>(i)].ID == id) return i;
    return -1;
}

bool frmBelong::askGroup(const std::string& name, const std::string& shortName) {
    gstrDlgParam3 = "所属登録/編集";
    gstrDlgParam = name;
    gstrDlgParam2 = shortName;
    frmRegiGroup dialog;
    dialog.Show(forms::vbModal, this);
    return gintDlgRet != -1;
}

void frmBelong::btnAdd_Click() {
    if (!registryWritable(gstrGroupFile) || !askGroup("", "")) return;
    registryOperation([&] {
        const auto n = nextRegistryNumber(groupRegistry);
        if (!n) return;
        const std::string name = text::Trim(gstrDlgParam), shortName = text::Trim(gstrDlgParam2);
        if (!writeIniValues(gstrGroupFile, {{"Management", groupRegistry.counterKey, text::Str(*n)},
                                              {groupSection(*n), "Name", name},
                                              {groupSection(*n), "ShortName", shortName},
                                              {groupSection(*n), "State", "0"}})) {
            showWriteFailed(gstrGroupFile);
            return;
        }
        gtypBelongs.append({*n, name, shortName, 0, 0});
        writeSelectedBelong(text::Str(*n));
        psSetGroupList();
    });
}

void frmBelong::btnEdit_Click() {
    const int32_t i = selectedBelong("編集する所属を選択してください。");
    if (i < 0 || !registryWritable(gstrGroupFile)) return;
    typBelongInfo& b = gtypBelongs.item(i);
    if (!askGroup(b.Name, b.ShortName)) return;
    registryOperation([&] {
        const std::string name = text::Trim(gstrDlgParam), shortName = text::Trim(gstrDlgParam2);
        if (!writeIniValues(gstrGroupFile,
                              {{groupSection(b.ID), "Name", name}, {groupSection(b.ID), "ShortName", shortName}})) {
            showWriteFailed(gstrGroupFile);
            return;
        }
        b.Name = name;
        b.ShortName = shortName;
        mlngTopRow = uctGroupList.gfGetTopIndexOfRowsY();
        psSetGroupList();
    });
}

void frmBelong::btnDelete_Click() {
    const int32_t i = selectedBelong("削除する所属を選択してください。");
    if (i < 0 || !registryWritable(gstrGroupFile)) return;
    typBelongInfo& b = gtypBelongs.item(i);
    if (forms::MsgBox("所属：" + b.Name + "\r\nを削除します。", forms::vbOKCancel, std::string("所属削除確認")) !=
        forms::vbOK)
        return;
    registryOperation([&] {
        if (!writeIniValues(gstrGroupFile, {{groupSection(b.ID), "State", "2"}})) {
            showWriteFailed(gstrGroupFile);
            return;
        }
        b.State = 2;
        mlngTopRow = uctGroupList.gfGetTopIndexOfRowsY();
        psSetGroupList();
    });
}

void frmBelong::btnClose_Click() { Unload(); }

void frmBelong::uctGroupList_MGCellClick(int32_t, int32_t lngRow) {
    const int32_t id = uctGroupList.gfGetRowItemData(lngRow);
    if (id > 0) writeSelectedBelong(text::Str(id));
}

void frmBelong::uctGroupList_MGCellDblClick(int32_t, int32_t) { btnEdit_Click(); }
