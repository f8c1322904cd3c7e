#pragma once
#include "core/dialogWindow.h"
#include "platform/forms/Buttons.h"
#include "platform/forms/Containers.h"
#include "platform/forms/ControlArray.h"
#include "platform/forms/Label.h"
#include "platform/forms/ListControls.h"

#include <cstdint>

// The ranking category of a game: one gender and a band of ages.
// In: gtypGame.CategoryGender, CategoryAgeLow, CategoryAgeHigh. Out: gintDlgRet
// 0 after OK, with those three fields overwritten by the choice; -1 after
// Cancel, Esc or the close box, gtypGame untouched. Reads and writes no other
// global, so any window may show it: a caller that edits another header copies
// it into gtypGame first and back after OK.
class frmCategory : public DialogWindow {
public:
    frmCategory();

    forms::Frame Frame1; // "性別"
    forms::ControlArray<forms::OptionButton> optGender;
    forms::Frame Frame2; // "年代別"
    forms::ControlArray<forms::ComboBox> cobAge; // 0 lower bound, 1 upper bound
    forms::Label Label1;
    forms::CommandButton btnFullEntry, btnOK, btnCancel;

protected:
    void Form_Load() override;
    void Form_Activate() override;

private:
    void cobAge_Click(int Index);
    void btnFullEntry_Click();
    void btnOK_Click();
    void btnCancel_Click();

    // 1 while the load selects the stored bounds, so they do not pull each
    // other together; 0 from the first activation.
    int16_t mintLoading = 0;
};
