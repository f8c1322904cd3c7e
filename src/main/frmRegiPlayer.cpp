#include "main/frmRegiPlayer.h"

#include "core/dateBox.h"
#include "core/gameRecords.h"
#include "core/globals.h"
#include "core/helpers.h"
#include "core/iniFile.h"
#include "core/registryFile.h"
#include "core/textBoxHelpers.h"
#include "platform/files/Profile.h"
#include "platform/forms/Services.h"
#include "platform/forms/TabOrder.h"
#include "platform/text/Dates.h"
#include "platform/text/Numbers.h"
#include "platform/text/Strings.h"

#include <algorithm>
#include <vector>

namespace {

constexpr const char* kLocationSection = "PlayerLocation";
// The history keeps this many regions: location1 to location301.
constexpr int kLocationsKept = 301;
// A region is at most this many characters.
constexpr long kLocationLength = 5;
constexpr double kComboHeight = 360;

} // namespace

frmRegiPlayer::frmRegiPlayer()
    : RegistryWindow("frmRegiPlayer", "プレイヤー登録/変更", 4935, 5100), Label1(*this, "Label1"),
      txtName(*this, "txtName"), Label4(*this, "Label4"), txtSortStr(*this, "txtSortStr"),
      btnHelpSporMoji(*this, "btnHelpSporMoji"), Frame1(*this, "Frame1"), optGender(Frame1, "optGender", 2),
      Label2(*this, "Label2"), txtBirthday(*this, "txtBirthday"), btnHelpDate(*this, "btnHelpDate"),
      lblBirthday(*this, "lblBirthday"), Label3(*this, "Label3"), cobBelong(*this, "cobBelong"),
      Label5(*this, "Label5"), cobLocation(*this, "cobLocation"), Label6(*this, "Label6"), btnOK(*this, "btnOK"),
      btnCancel(*this, "btnCancel") {
    Label1.Move(180, 300, 975, 315);
    Label1.setCaption("名前：");
    txtName.Move(1260, 240, 3135, 375);
    txtName.setMaxLength(128);
    txtName.setIMEMode(forms::vbIMEHiragana);
    Label4.Move(180, 840, 1215, 315);
    Label4.setCaption("順ｿｰﾄ文字：");
    txtSortStr.Move(1380, 780, 1695, 375);
    txtSortStr.setMaxLength(128);
    txtSortStr.setIMEMode(forms::vbIMEHiragana);
    btnHelpSporMoji.Move(3180, 780, 315, 375);
    btnHelpSporMoji.setCaption("?");
    btnHelpSporMoji.setTabStop(false);
    Frame1.Move(660, 1320, 3795, 675);
    Frame1.setCaption("性別");
    optGender[0].Move(1020, 300, 855, 225);
    optGender[0].setCaption("男性");
    optGender[1].Move(2160, 300, 855, 225);
    optGender[1].setCaption("女性");
    Label2.Move(180, 2340, 1035, 315);
    Label2.setCaption("生年月日：");
    txtBirthday.Move(1260, 2280, 1575, 375);
    txtBirthday.setMaxLength(15);
    txtBirthday.setIMEMode(forms::vbIMEDisable);
    btnHelpDate.Move(2940, 2280, 315, 375);
    btnHelpDate.setCaption("?");
    btnHelpDate.setTabStop(false);
    lblBirthday.Move(1380, 2700, 3075, 255);
    Label3.Move(180, 3240, 675, 315);
    Label3.setCaption("所属：");
    cobBelong.Move(900, 3180, 3675, kComboHeight);
    cobBelong.setStyle(forms::vbComboDropdownList);
    Label5.Move(60, 3840, 795, 315);
    Label5.setCaption("地域：");
    cobLocation.Move(900, 3780, 1695, kComboHeight);
    cobLocation.setStyle(forms::vbComboDropdown);
    cobLocation.setIMEMode(forms::vbIMEHiragana);
    Label6.Move(2640, 3840, 2055, 255);
    Label6.setCaption("（５文字以内で入力）");
    btnOK.Move(1500, 4500, 1455, 375);
    btnOK.setCaption("OK");
    btnCancel.Move(3120, 4500, 1455, 375);
    btnCancel.setCaption("ｷｬﾝｾﾙ");
    btnCancel.setCancel(true);

    btnOK.Click = [this] { btnOK_Click(); };
    btnCancel.Click = [this] { btnCancel_Click(); };
    btnHelpDate.Click = [this] { btnHelpDate_Click(); };
    btnHelpSporMoji.Click = [this] { btnHelpSporMoji_Click(); };
    txtBirthday.LostFocus = [this] { txtBirthday_LostFocus(); };
    cobLocation.LostFocus = [this] { cobLocation_LostFocus(); };
    for (forms::TextBox* box : {&txtName, &txtSortStr, &txtBirthday}) {
        box->GotFocus = [box] { gsTextSelectAll(*box); };
        box->KeyPress = [this](int16_t& k) { anyBox_KeyPress(k); };
    }
    for (forms::ComboBox* combo : {&cobBelong, &cobLocation})
        combo->KeyPress = [this](int16_t& k) { anyBox_KeyPress(k); };
    optGender.on(&forms::Control::KeyPress, [this](int, int16_t& k) { anyBox_KeyPress(k); });
}

void frmRegiPlayer::Form_Load() {
    txtName.setText(gtypEditPlayer.Name);
    txtSortStr.setText(gtypEditPlayer.Sort);
    txtBirthday.setText("");
    lblBirthday.setCaption("");
    if (gtypEditPlayer.Gender == 1) optGender[0].setValue(true);
    else if (gtypEditPlayer.Gender == 2) optGender[1].setValue(true);
    if (!text::Trim(gtypEditPlayer.Birthday).empty()) {
        // Only dates are stored; any other text is shown as it is, for OK to refuse.
        if (boxDate(gtypEditPlayer.Birthday)) psDspBirthday(gtypEditPlayer.Birthday);
        else txtBirthday.setText(gtypEditPlayer.Birthday);
    }

    cobBelong.Clear();
    cobBelong.AddItem("なし（未設定）");
    cobBelong.setItemData(cobBelong.NewIndex(), 0);
    cobBelong.setListIndex(cobBelong.NewIndex());
    for (const typBelongInfo& b : gtypBelongs) {
        if (b.State == 2) continue;
        cobBelong.AddItem(b.Name);
        cobBelong.setItemData(cobBelong.NewIndex(), b.ID);
        if (b.ID == gtypEditPlayer.BelongID) cobBelong.setListIndex(cobBelong.NewIndex());
    }

    readLocations();
    cobLocation.setText(gtypEditPlayer.Location);
    gintDlgRet = -1;
}

void frmRegiPlayer::readLocations() {
    cobLocation.Clear();
    files::ProfileReadBatch batch; // the history file is read once, not once per place
    for (long k = 1;; ++k) {
        const std::string v = gfReadIniFile(gstrLocationFile, kLocationSection, "location" + text::Str(k));
        if (text::Trim(v).empty()) break;
        cobLocation.AddItem(text::Left(v, kLocationLength));
    }
}

void frmRegiPlayer::writeLocations() {
    std::vector<IniValue> values;
    const int count = std::min(cobLocation.ListCount(), kLocationsKept);
    for (int k = 1; k <= count; ++k)
        values.push_back({kLocationSection, "location" + text::Str(k), cobLocation.List(k - 1)});
    if (!writeIniValues(gstrLocationFile, values)) showWriteFailed(gstrLocationFile);
}

void frmRegiPlayer::psDspBirthday(const std::string& date) {
    const auto d = boxDate(date);
    if (!d) return;
    txtBirthday.setText(text::FormatDate(*d, "ge/m/d"));
    lblBirthday.setCaption(text::FormatDate(*d, "gggee年m月d日生") + "\u3000" +
                           gfCalAge(txtBirthday.Text(), text::FormatDate(forms::Today(), "yyyy/mm/dd"), 0) + "歳");
}

void frmRegiPlayer::anyBox_KeyPress(int16_t& KeyAscii) { forms::enterAsTab(*this, KeyAscii); }

void frmRegiPlayer::txtBirthday_LostFocus() {
    const std::string t = text::Trim(txtBirthday.Text());
    if (t.empty()) {
        lblBirthday.setCaption("");
        return;
    }
    if (boxDate(t)) {
        psDspBirthday(t);
        return;
    }
    showDateError();
    lblBirthday.setCaption("");
    txtBirthday.SetFocus();
}

void frmRegiPlayer::cobLocation_LostFocus() {
    const std::string t = text::Trim(cobLocation.Text());
    if (t.empty()) return;
    const std::string s = text::Left(t, kLocationLength);
    cobLocation.AddItem(s, 0);
    for (int i = cobLocation.ListCount() - 1; i >= 1; --i)
        if (cobLocation.List(i) == s) cobLocation.RemoveItem(i);
    cobLocation.setText(s);
}

void frmRegiPlayer::btnOK_Click() {
    const std::string name = text::Trim(txtName.Text());
    if (name.empty()) {
        forms::MsgBox("名前が未入力です。", forms::vbOKOnly, std::string("エラー"));
        txtName.SetFocus();
        return;
    }
    if (!optGender[0].Value() && !optGender[1].Value()) {
        forms::MsgBox("性別が未選択です。", forms::vbOKOnly, std::string("エラー"));
        optGender[0].SetFocus();
        return;
    }
    const std::string date = text::Trim(txtBirthday.Text());
    const auto birthday = boxDate(date);
    if (!date.empty() && !birthday) {
        showDateError();
        txtBirthday.SetFocus();
        return;
    }
    gtypEditPlayer.Name = name;
    gtypEditPlayer.Sort = text::Trim(txtSortStr.Text());
    gtypEditPlayer.Gender = optGender[0].Value() ? 1 : 2;
    gtypEditPlayer.Birthday = birthday ? text::FormatDate(*birthday, "yyyy/mm/dd") : std::string();
    gtypEditPlayer.BelongID = cobBelong.ItemData(cobBelong.ListIndex());
    writeLocations();
    gtypEditPlayer.Location = cobLocation.Text();
    gintDlgRet = 0;
    Unload();
}

void frmRegiPlayer::btnCancel_Click() {
    gintDlgRet = -1;
    Unload();
}

void frmRegiPlayer::btnHelpDate_Click() { showDateHelp(17); }

void frmRegiPlayer::btnHelpSporMoji_Click() {
    forms::MsgBox("名前の順ソート（並び順判断）に使用します。\r\n"
                  "ひらがなで入力してください。\r\n"
                  "名前の先頭１文字か２文字でも入力してください。\r\n"
                  "長ければそれだけ精度は増します。",
                  forms::vbOKOnly, std::string("順ソート文字ヘルプ"));
}
