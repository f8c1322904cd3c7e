#pragma once
#include "core/dialogWindow.h"
#include "platform/forms/Buttons.h"
#include "platform/forms/Containers.h"
#include "platform/forms/ControlArray.h"
#include "platform/forms/Label.h"
#include "platform/forms/ListControls.h"
#include "platform/forms/TextBox.h"

#include <cstdint>

// The header of the current game: date, title, series, course, holes and
// courses, course names, handicap kind, team basis and the birthday
// tie-break.
// In: gtypGame; glngDlgIndex 0 for a new game, any other value for a change
// from the tally window. Out: gintDlgRet 0 after OK, with those fields of
// gtypGame written (Date as "yyyy/mm/dd", Hole 9 to 12 or the stored count
// kept in change mode, Round 1 to 10, the names of courses 1 to Round not
// blank); -1 after Cancel or the close box, gtypGame untouched. Reads the
// series and course registries each time it opens.
class frmGameInfo : public DialogWindow {
public:
    frmGameInfo();

    forms::Label Label1;
    forms::ComboBox cobSeries;
    forms::Label Label2;
    forms::ComboBox cobCource;
    forms::Label Label3;
    forms::TextBox txtDate;
    forms::CommandButton btnHelpDate;
    forms::Label Label4;
    forms::TextBox txtTittle;
    forms::Frame Frame1; // "ゲーム形式"
    forms::ComboBox cobHoleNum;
    forms::Label Label5;
    forms::ComboBox cobRoundNum;
    forms::Label Label6;
    forms::Label lblHoles;
    forms::Frame Frame2; // "コース識別文字"
    forms::ControlArray<forms::TextBox> txtRoundName;
    forms::ControlArray<forms::CommandButton> btnSetCourceName;
    forms::Frame Frame3; // "ハンディキャップ"
    forms::ControlArray<forms::OptionButton> optHandicap;
    forms::Frame Frame4; // "同点時の順位判定方法"
    forms::CheckBox chkBirthday;
    forms::Frame Frame5; // "団体戦（チーム戦）の判定"
    forms::ControlArray<forms::OptionButton> optTeamHowtoRank;
    forms::CommandButton btnOK, btnCancel;

protected:
    void Form_Load() override;
    void Form_Activate() override;

private:
    void psSetSeriesList();
    void psSetCourceList();
    void cobHoleNum_Click();
    void cobRoundNum_Click();
    void btnSetCourceName_Click(int Index);
    void txtDate_LostFocus();
    void btnHelpDate_Click();
    void btnOK_Click();
    void btnCancel_Click();
    void entry_KeyPress(int16_t& KeyAscii);
    void txtTittle_KeyPress(int16_t& KeyAscii);
    void showShape();

    // 1 opened for a new game, 2 for a change, 100 once the first
    // activation has placed the focus.
    int16_t mintOpenMode = 0;
};
