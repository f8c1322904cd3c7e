#include "tally/frmCategory.h"

#include "core/gameRecords.h"
#include "core/globals.h"
#include "platform/forms/ComboChoice.h"

#include <cstdio>
#include <string>

namespace {

constexpr int kOldestAge = 120;
constexpr int32_t kNoBound = -1;
const char* const kNoBoundText = " 指定なし";

// "  65 歳": the age right-aligned in four characters.
std::string ageItemText(int age) {
    char digits[12]; // wide enough for any int
    std::snprintf(digits, sizeof digits, "%4d", age);
    return std::string(digits) + " 歳";
}

// Adds one item and selects it when it carries the stored bound.
void addAgeItem(forms::ComboBox& list, const std::string& text, int32_t value, int32_t stored) {
    list.AddItem(text);
    list.setItemData(list.NewIndex(), value);
    if (value == stored) list.setListIndex(list.NewIndex());
}

// The bound a list stands for; open while nothing is selected (a stored
// bound outside the lists).
int32_t chosenBound(const forms::ComboBox& list) { return forms::choice(list).value_or(kNoBound); }

} // namespace

frmCategory::frmCategory()
    : DialogWindow("frmCategory", "部門別の設定", 4800, 2700), Frame1(*this, "Frame1"),
      optGender(Frame1, "optGender", 3), Frame2(*this, "Frame2"), cobAge(Frame2, "cobAge", 2),
      Label1(Frame2, "Label1"), btnFullEntry(*this, "btnFullEntry"), btnOK(*this, "btnOK"),
      btnCancel(*this, "btnCancel") {
    Frame1.Move(240, 120, 4320, 735);
    Frame1.setCaption("性別");
    const char* const genders[] = {"指定なし", "男子", "女子"};
    for (int i = 0; i < 3; ++i) {
        optGender[i].Move(240 + i * 1320, 330, 1215, 255);
        optGender[i].setCaption(genders[i]);
    }
    Frame2.Move(240, 960, 4320, 855);
    Frame2.setCaption("年代別");
    cobAge[0].Move(240, 330, 1695, 360);
    Label1.Move(1980, 390, 360, 255);
    Label1.setCaption("～");
    Label1.setAlignment(forms::vbCenter);
    cobAge[1].Move(2385, 330, 1695, 360);
    for (int i = 0; i < 2; ++i) cobAge[i].setStyle(forms::vbComboDropdownList);
    btnFullEntry.Move(240, 2040, 1335, 435);
    btnFullEntry.setCaption("総合");
    btnOK.Move(1733, 2040, 1335, 435);
    btnOK.setCaption("OK");
    btnCancel.Move(3225, 2040, 1335, 435);
    btnCancel.setCaption("ｷｬﾝｾﾙ");
    btnCancel.setCancel(true);

    int tab = 0;
    for (int i = 0; i < 3; ++i) optGender[i].setTabIndex(tab++);
    for (int i = 0; i < 2; ++i) cobAge[i].setTabIndex(tab++);
    for (forms::Control* c : {&btnFullEntry, &btnOK, &btnCancel}) c->setTabIndex(tab++);

    cobAge.on(&forms::Control::Click, [this](int Index) { cobAge_Click(Index); });
    btnFullEntry.Click = [this] { btnFullEntry_Click(); };
    btnOK.Click = [this] { btnOK_Click(); };
    btnCancel.Click = [this] { btnCancel_Click(); };
}

void frmCategory::Form_Load() {
    mintLoading = 1;
    const int16_t gender = gtypGame.CategoryGender;
    optGender[optGender.exists(gender) ? gender : 0].setValue(true);

    cobAge[0].Clear();
    cobAge[1].Clear();
    addAgeItem(cobAge[0], kNoBoundText, kNoBound, gtypGame.CategoryAgeLow);
    for (int age = 0; age <= kOldestAge; ++age) {
        addAgeItem(cobAge[0], ageItemText(age), age, gtypGame.CategoryAgeLow);
        addAgeItem(cobAge[1], ageItemText(age), age, gtypGame.CategoryAgeHigh);
    }
    addAgeItem(cobAge[1], kNoBoundText, kNoBound, gtypGame.CategoryAgeHigh);
    gintDlgRet = -1;
}

void frmCategory::Form_Activate() { mintLoading = 0; }

// Keeps the lower bound at or below the upper one: when a change crosses
// them, the other list follows to the age just chosen. Position p of the
// upper list holds the age of position p + 1 of the lower one. Moving the
// other list raises its click, which then finds the bounds equal.
void frmCategory::cobAge_Click(int Index) {
    if (mintLoading != 0) return;
    const int32_t low = chosenBound(cobAge[0]), high = chosenBound(cobAge[1]);
    if (low == kNoBound || high == kNoBound || low <= high) return;
    if (Index == 0) cobAge[1].setListIndex(cobAge[0].ListIndex() - 1);
    else cobAge[0].setListIndex(cobAge[1].ListIndex() + 1);
}

void frmCategory::btnFullEntry_Click() {
    optGender[0].setValue(true);
    cobAge[0].setListIndex(0);
    cobAge[1].setListIndex(cobAge[1].ListCount() - 1);
}

void frmCategory::btnOK_Click() {
    int16_t gender = 0;
    for (int16_t i = 0; i < 3; ++i)
        if (optGender[i].Value()) {
            gender = i;
            break;
        }
    gtypGame.CategoryGender = gender;
    gtypGame.CategoryAgeLow = static_cast<int16_t>(chosenBound(cobAge[0]));
    gtypGame.CategoryAgeHigh = static_cast<int16_t>(chosenBound(cobAge[1]));
    gintDlgRet = 0;
    Unload();
}

void frmCategory::btnCancel_Click() {
    gintDlgRet = -1;
    Unload();
}
