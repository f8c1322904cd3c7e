#include "tally/frmGameInfo.h"

#include "core/dateBox.h"
#include "core/gameRecords.h"
#include "core/globals.h"
#include "core/registryFile.h"
#include "core/registryNames.h"
#include "core/textBoxHelpers.h"
#include "platform/forms/ComboChoice.h"
#include "platform/forms/QuietCancel.h"
#include "platform/forms/Services.h"
#include "platform/forms/TabOrder.h"
#include "platform/text/Dates.h"
#include "platform/text/Numbers.h"
#include "platform/text/Strings.h"
#include "tally/gameHeaderTexts.h"

#include <vector>

namespace {

constexpr double kComboHeight = 360;
constexpr int kCourses = 10;
constexpr int kPresets = 4;

// Fills a registry combo: "指定なし" (0), then the active entries; the entry
// of `current` is chosen, "指定なし" when it names none (a deleted entry).
void fillRegistryCombo(forms::ComboBox& combo, const std::vector<RegistryEntry>& entries, int32_t current) {
    combo.Clear();
    combo.AddItem("指定なし");
    combo.setItemData(combo.NewIndex(), 0);
    if (current == 0) combo.setListIndex(combo.NewIndex());
    for (const RegistryEntry& e : entries) {
        combo.AddItem(e.name);
        combo.setItemData(combo.NewIndex(), e.number);
        if (e.number == current) combo.setListIndex(combo.NewIndex());
    }
    if (combo.ListCount() > 0 && !forms::hasChoice(combo)) combo.setListIndex(0);
}

// The position of the first set option of a group; 0 when none is set.
int16_t setOption(const forms::ControlArray<forms::OptionButton>& group) {
    for (int i : group.indexes())
        if (group[i].Value()) return static_cast<int16_t>(i);
    return 0;
}

// Sets option `index` of a group, its first when the index is outside it.
void chooseOption(forms::ControlArray<forms::OptionButton>& group, int index) {
    group[group.exists(index) ? index : 0].setValue(true);
}

} // namespace

frmGameInfo::frmGameInfo()
    : DialogWindow("frmGameInfo", "", 7755, 7620), Label1(*this, "Label1"), cobSeries(*this, "cobSeries"),
      Label2(*this, "Label2"), cobCource(*this, "cobCource"), Label3(*this, "Label3"), txtDate(*this, "txtDate"),
      btnHelpDate(*this, "btnHelpDate"), Label4(*this, "Label4"), txtTittle(*this, "txtTittle"),
      Frame1(*this, "Frame1"), cobHoleNum(Frame1, "cobHoleNum"), Label5(Frame1, "Label5"),
      cobRoundNum(Frame1, "cobRoundNum"), Label6(Frame1, "Label6"), lblHoles(Frame1, "lblHoles"),
      Frame2(*this, "Frame2"), txtRoundName(Frame2, "txtRoundName", kCourses),
      btnSetCourceName(Frame2, "btnSetCourceName", kPresets), Frame3(*this, "Frame3"),
      optHandicap(Frame3, "optHandicap", 3), Frame4(*this, "Frame4"), chkBirthday(Frame4, "chkBirthday"),
      Frame5(*this, "Frame5"), optTeamHowtoRank(Frame5, "optTeamHowtoRank", 2), btnOK(*this, "btnOK"),
      btnCancel(*this, "btnCancel") {
    Label1.Move(240, 300, 1800, 255);
    Label1.setCaption("シリーズ＆大会：");
    cobSeries.Move(2100, 240, 5415, kComboHeight);
    Label2.Move(240, 780, 1800, 255);
    Label2.setCaption("コース（会場）：");
    cobCource.Move(2100, 720, 5415, kComboHeight);
    Label3.Move(240, 1260, 1800, 255);
    Label3.setCaption("ゲーム日付：");
    txtDate.Move(2100, 1200, 1695, 375);
    txtDate.setIMEMode(forms::vbIMEDisable);
    btnHelpDate.Move(3840, 1200, 315, 375);
    btnHelpDate.setCaption("?");
    btnHelpDate.setTabStop(false);
    Label4.Move(240, 1740, 1800, 255);
    Label4.setCaption("ゲームタイトル：");
    txtTittle.Move(2100, 1680, 5415, 375);
    txtTittle.setIMEMode(forms::vbIMEHiragana);

    Frame1.Move(240, 2220, 7275, 795);
    Frame1.setCaption("ゲーム形式");
    cobHoleNum.Move(240, 330, 1335, kComboHeight);
    Label5.Move(1620, 390, 315, 255);
    Label5.setCaption("x");
    Label5.setAlignment(forms::vbCenter);
    cobRoundNum.Move(1980, 330, 975, kComboHeight);
    Label6.Move(3000, 390, 315, 255);
    Label6.setCaption("=");
    Label6.setAlignment(forms::vbCenter);
    lblHoles.Move(3360, 390, 1095, 255);
    for (forms::ComboBox* combo : {&cobSeries, &cobCource, &cobHoleNum, &cobRoundNum})
        combo->setStyle(forms::vbComboDropdownList);

    Frame2.Move(240, 3120, 7275, 1335);
    Frame2.setCaption("コース識別文字");
    for (int i = 0; i < kCourses; ++i) {
        forms::TextBox& box = txtRoundName[i];
        box.Move(240 + i * 690, 330, 600, 375);
        box.setMaxLength(3);
        box.setAlignment(forms::vbCenter);
        box.setIMEMode(forms::vbIMEOff);
    }
    for (int k = 0; k < kPresets; ++k) {
        btnSetCourceName[k].Move(240 + k * 1620, 810, 1455, 375);
        btnSetCourceName[k].setCaption(coursePresetCaption(k));
        btnSetCourceName[k].setTabStop(false);
    }

    Frame3.Move(240, 4560, 7275, 675);
    Frame3.setCaption("ハンディキャップ");
    optHandicap[0].Move(240, 300, 1095, 255);
    optHandicap[0].setCaption("なし");
    optHandicap[1].Move(1500, 300, 2415, 255);
    optHandicap[1].setCaption("有り：コース単位");
    optHandicap[2].Move(4080, 300, 2415, 255);
    optHandicap[2].setCaption("有り：ゲーム単位");
    Frame4.Move(240, 5340, 7275, 675);
    Frame4.setCaption("同点時の順位判定方法");
    chkBirthday.Move(240, 300, 4815, 255);
    chkBirthday.setCaption("生年月日が先の人が上位");
    Frame5.Move(240, 6120, 7275, 675);
    Frame5.setCaption("団体戦（チーム戦）の判定");
    optTeamHowtoRank[0].Move(240, 300, 1695, 255);
    optTeamHowtoRank[0].setCaption("合計打数");
    optTeamHowtoRank[1].Move(2160, 300, 2415, 255);
    optTeamHowtoRank[1].setCaption("コース平均打数");

    btnOK.Move(4380, 6990, 1455, 435);
    btnOK.setCaption("OK");
    btnCancel.Move(6060, 6990, 1455, 435);
    btnCancel.setCaption("ｷｬﾝｾﾙ");

    // Series, course, date, title, shape, course names, handicap, birthday,
    // team basis, OK, Cancel.
    std::vector<forms::Control*> order{&cobSeries, &cobCource, &txtDate, &txtTittle, &cobHoleNum, &cobRoundNum};
    for (int i = 0; i < kCourses; ++i) order.push_back(&txtRoundName[i]);
    for (int i = 0; i < 3; ++i) order.push_back(&optHandicap[i]);
    order.push_back(&chkBirthday);
    for (int i = 0; i < 2; ++i) order.push_back(&optTeamHowtoRank[i]);
    order.push_back(&btnOK);
    order.push_back(&btnCancel);
    for (size_t i = 0; i < order.size(); ++i) order[i]->setTabIndex(static_cast<int>(i));

    // Enter moves on in every entry control; neither Enter nor Esc closes
    // the dialog.
    auto enter = [this](int16_t& k) { entry_KeyPress(k); };
    for (forms::Control* c : std::initializer_list<forms::Control*>{&cobSeries, &cobCource, &txtDate, &cobHoleNum,
                                                                    &cobRoundNum, &chkBirthday})
        c->KeyPress = enter;
    txtTittle.KeyPress = [this](int16_t& k) { txtTittle_KeyPress(k); };
    txtRoundName.on(&forms::Control::KeyPress, [this](int, int16_t& k) { entry_KeyPress(k); });
    optHandicap.on(&forms::Control::KeyPress, [this](int, int16_t& k) { entry_KeyPress(k); });
    optTeamHowtoRank.on(&forms::Control::KeyPress, [this](int, int16_t& k) { entry_KeyPress(k); });
    txtDate.GotFocus = [this] { gsTextSelectAll(txtDate); };
    txtTittle.GotFocus = [this] { gsTextSelectAll(txtTittle); };
    txtRoundName.on(&forms::Control::GotFocus, [this](int Index) { gsTextSelectAll(txtRoundName[Index]); });
    txtDate.LostFocus = [this] { txtDate_LostFocus(); };

    cobHoleNum.Click = [this] { cobHoleNum_Click(); };
    cobRoundNum.Click = [this] { cobRoundNum_Click(); };
    btnSetCourceName.on(&forms::Control::Click, [this](int Index) { btnSetCourceName_Click(Index); });
    btnHelpDate.Click = [this] { btnHelpDate_Click(); };
    btnOK.Click = [this] { btnOK_Click(); };
    // Cancel leaves without the date box's check; Esc does nothing.
    forms::makeQuietCancel(btnCancel, [this] { btnCancel_Click(); });
}

void frmGameInfo::Form_Load() {
    if (glngDlgIndex != 0) {
        setCaption("ゲーム情報 - 変更・確認");
        mintOpenMode = 2;
    } else {
        setCaption("ゲーム情報 - 新規登録");
        mintOpenMode = 1;
    }
    psSetSeriesList();
    psSetCourceList();
    txtDate.setText(text::FormatDateText(gtypGame.Date, "ge/m/d"));
    txtTittle.setText(gtypGame.Tittle);

    cobHoleNum.Clear();
    for (int16_t holes : holeChoices(gtypGame.Hole, mintOpenMode == 2)) {
        cobHoleNum.AddItem(holeItemText(holes));
        cobHoleNum.setItemData(cobHoleNum.NewIndex(), holes);
        if (holes == gtypGame.Hole) cobHoleNum.setListIndex(cobHoleNum.NewIndex());
    }
    if (!forms::hasChoice(cobHoleNum)) cobHoleNum.setListIndex(0);
    cobRoundNum.Clear();
    for (int16_t courses = 1; courses <= kCourses; ++courses) {
        cobRoundNum.AddItem(roundItemText(courses));
        cobRoundNum.setItemData(cobRoundNum.NewIndex(), courses);
        if (courses == gtypGame.Round) cobRoundNum.setListIndex(cobRoundNum.NewIndex());
    }
    if (!forms::hasChoice(cobRoundNum)) cobRoundNum.setListIndex(2);
    showShape();

    for (int i = 0; i < kCourses; ++i) txtRoundName[i].setText(text::Trim(gtypGame.RoundName[static_cast<size_t>(i)]));
    chooseOption(optTeamHowtoRank, gtypGame.TeamHowtoRank);
    chkBirthday.setValue(gtypGame.JudgeBirthday == 1 ? forms::vbChecked : forms::vbUnchecked);
    chooseOption(optHandicap, gtypGame.HandiCapKind);
    gintDlgRet = -1;
}

void frmGameInfo::Form_Activate() {
    if (mintOpenMode == 100) return;
    if (mintOpenMode == 1) cobSeries.SetFocus();
    else btnOK.SetFocus();
    mintOpenMode = 100;
}

void frmGameInfo::psSetSeriesList() {
    fillRegistryCombo(cobSeries, activeNamedEntries(seriesRegistry), gtypGame.SeriesID);
}

void frmGameInfo::psSetCourceList() {
    fillRegistryCombo(cobCource, activeNamedEntries(courseRegistry), gtypGame.CourceID);
}

void frmGameInfo::showShape() {
    if (!forms::hasChoice(cobHoleNum) || !forms::hasChoice(cobRoundNum)) return;
    lblHoles.setCaption(totalHolesText(static_cast<int16_t>(forms::chosenData(cobHoleNum)),
                                       static_cast<int16_t>(forms::chosenData(cobRoundNum))));
}

void frmGameInfo::cobHoleNum_Click() { showShape(); }

void frmGameInfo::cobRoundNum_Click() {
    showShape();
    if (!forms::hasChoice(cobRoundNum)) return;
    const int32_t courses = forms::chosenData(cobRoundNum);
    for (int i = 0; i < kCourses; ++i) txtRoundName[i].setEnabled(i < courses);
}

void frmGameInfo::btnSetCourceName_Click(int Index) {
    for (int i = 0; i < kCourses; ++i) txtRoundName[i].setText(presetCourseName(Index, i));
}

void frmGameInfo::txtDate_LostFocus() {
    if (const auto d = boxDate(txtDate.Text())) {
        txtDate.setText(text::FormatDate(*d, "ge/m/d"));
        return;
    }
    showDateError();
    txtDate.SetFocus();
}

void frmGameInfo::btnHelpDate_Click() { showDateHelp(8); }

void frmGameInfo::btnOK_Click() {
    const auto date = boxDate(txtDate.Text());
    if (!date) {
        showDateError();
        txtDate.SetFocus();
        return;
    }
    const int32_t courses = forms::chosenData(cobRoundNum);
    for (int i = 0; i < courses; ++i) {
        if (!text::Trim(txtRoundName[i].Text()).empty()) continue;
        forms::MsgBox("コース識別文字を入力してください。", forms::vbOKOnly, std::string("エラー"));
        txtRoundName[i].SetFocus();
        return;
    }

    gtypGame.SeriesID = forms::chosenData(cobSeries);
    gtypGame.CourceID = forms::chosenData(cobCource);
    gtypGame.Date = text::FormatDate(*date, "yyyy/mm/dd");
    gtypGame.Tittle = text::Trim(txtTittle.Text());
    gtypGame.Hole = static_cast<int16_t>(forms::chosenData(cobHoleNum));
    gtypGame.Round = static_cast<int16_t>(courses);
    gtypGame.TeamHowtoRank = setOption(optTeamHowtoRank);
    gtypGame.JudgeBirthday = chkBirthday.Value() == forms::vbChecked ? 1 : 0;
    gtypGame.HandiCapKind = setOption(optHandicap);
    for (int i = 0; i < kCourses; ++i) gtypGame.RoundName[static_cast<size_t>(i)] = text::Trim(txtRoundName[i].Text());
    gintDlgRet = 0;
    Unload();
}

void frmGameInfo::btnCancel_Click() {
    gintDlgRet = -1;
    Unload();
}

void frmGameInfo::entry_KeyPress(int16_t& KeyAscii) { forms::enterAsTab(*this, KeyAscii); }

void frmGameInfo::txtTittle_KeyPress(int16_t& KeyAscii) {
    limitValueBytes(txtTittle, KeyAscii);
    forms::enterAsTab(*this, KeyAscii);
}
