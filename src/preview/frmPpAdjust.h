#pragma once
#include "core/dialogWindow.h"
#include "platform/forms/Buttons.h"
#include "platform/forms/ControlArray.h"
#include "platform/forms/Label.h"
#include "platform/forms/ScrollBar.h"

#include <cstdint>

// The position adjustment of the printed page, in whole millimetres from
// -30 to 30 each way. In: gintOffsetXmm, gintOffsetYmm. Out after "戻る"
// (gintAdjustRet 0): the edited offsets; cancelling keeps them and leaves
// gintAdjustRet -1.
class frmPpAdjust : public DialogWindow {
public:
    frmPpAdjust();

    forms::ControlArray<forms::Label> Label1{*this, "Label1", {0, 1, 2, 3}};
    forms::Label lblYoko{*this, "lblYoko"};
    forms::VScrollBar scrYoko{*this, "scrYoko"};
    forms::Label lblTate{*this, "lblTate"};
    forms::VScrollBar scrTate{*this, "scrTate"};
    forms::CommandButton btnCancel{*this, "btnCancel"};
    forms::CommandButton btnReturn{*this, "btnReturn"};

protected:
    void Form_Load() override;
    void Form_KeyDown(int16_t& KeyCode, int16_t Shift) override;

private:
    void psDspValue();
    void btnReturn_Click();
    void btnCancel_Click();

    int16_t mintOffsetXmm = 0, mintOffsetYmm = 0;
    forms::Color yokoBack_ = 0, tateBack_ = 0;
};
