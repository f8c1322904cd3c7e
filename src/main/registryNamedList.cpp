#include "main/registryNamedList.h"

#include "core/globals.h"
#include "core/iniFile.h"
#include "core/registryFile.h"
#include "core/registryNames.h"
#include "main/frmGetName.h"
#include "platform/files/Profile.h"
#include "platform/forms/Services.h"
#include "platform/text/Numbers.h"

NamedRegistryWindow::NamedRegistryWindow(NamedRegistryKind kind)
    : RegistryWindow(kind.name, kind.caption, 5325, 5250), lstList(*this, "lstList"), btnAdd(*this, "btnAdd"),
      btnEdit(*this, "btnEdit"), btnDelete(*this, "btnDelete"), btnClose(*this, "btnClose"),
      kind_(std::move(kind)) {
    lstList.Move(180, 180, 4935, 4335);
    btnAdd.Move(180, 4680, 1155, 435);
    btnAdd.setCaption("新規登録");
    btnEdit.Move(1500, 4680, 915, 435);
    btnEdit.setCaption("編集");
    btnDelete.Move(2580, 4680, 915, 435);
    btnDelete.setCaption("削除");
    btnDelete.setTabStop(false);
    btnClose.Move(4020, 4680, 1095, 435);
    btnClose.setCaption("閉じる");

    btnAdd.Click = [this] { btnAdd_Click(); };
    btnEdit.Click = [this] { btnEdit_Click(); };
    btnDelete.Click = [this] { btnDelete_Click(); };
    btnClose.Click = [this] { btnClose_Click(); };
}

std::string NamedRegistryWindow::sectionOf(int32_t number) const {
    return kind_.registry->sectionPrefix + text::Str(number);
}

void NamedRegistryWindow::Form_Load() {
    lstList.Clear();
    lstList.setListIndex(-1);
    for (const RegistryEntry& entry : activeNamedEntries(*kind_.registry)) {
        lstList.AddItem(entry.name);
        lstList.setItemData(lstList.NewIndex(), entry.number);
    }
}

bool NamedRegistryWindow::askName(const std::string& name) {
    gstrDlgParam = name;
    gstrDlgParam2 = kind_.dialogCaption;
    frmGetName dialog;
    dialog.Show(forms::vbModal, this);
    return gintDlgRet != -1;
}

void NamedRegistryWindow::btnAdd_Click() {
    const std::string& file = kind_.registry->file();
    if (!registryWritable(file) || !askName("")) return;
    registryOperation([&] {
        const auto n = nextRegistryNumber(*kind_.registry);
        if (!n) return;
        if (!writeIniValues(file, {{"Management", kind_.registry->counterKey, text::Str(*n)},
                                     {sectionOf(*n), "Name", gstrDlgParam},
                                     {sectionOf(*n), "State", "0"}})) {
            showWriteFailed(file);
            return;
        }
        lstList.AddItem(gstrDlgParam);
        lstList.setItemData(lstList.NewIndex(), *n);
        lstList.setListIndex(lstList.NewIndex());
    });
}

void NamedRegistryWindow::btnEdit_Click() {
    if (lstList.ListIndex() == -1) {
        forms::MsgBox(kind_.editMessage, forms::vbOKOnly, std::string("エラー"));
        lstList.SetFocus();
        return;
    }
    const int16_t num = text::CInt(lstList.ItemData(lstList.ListIndex()));
    const std::string& file = kind_.registry->file();
    if (!registryWritable(file) || !askName(lstList.List(lstList.ListIndex()))) return;
    registryOperation([&] {
        if (!writeIniValues(file, {{sectionOf(num), "Name", gstrDlgParam}})) {
            showWriteFailed(file);
            return;
        }
        lstList.setList(lstList.ListIndex(), gstrDlgParam);
    });
}

void NamedRegistryWindow::btnDelete_Click() {
    if (lstList.ListIndex() == -1) {
        forms::MsgBox(kind_.deleteMessage, forms::vbOKOnly, std::string("エラー"));
        lstList.SetFocus();
        return;
    }
    const int16_t num = text::CInt(lstList.ItemData(lstList.ListIndex()));
    const std::string& file = kind_.registry->file();
    if (!registryWritable(file)) return;
    if (forms::MsgBox(kind_.deletePrefix + lstList.List(lstList.ListIndex()) + "\r\nを削除します。",
                      forms::vbOKCancel, std::string("削除確認")) != forms::vbOK)
        return;
    registryOperation([&] {
        if (!writeIniValues(file, {{sectionOf(num), "State", "2"}})) {
            showWriteFailed(file);
            return;
        }
        lstList.RemoveItem(lstList.ListIndex());
    });
}

void NamedRegistryWindow::btnClose_Click() { Unload(); }
