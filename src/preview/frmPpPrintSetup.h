#pragma once
#include "core/dialogWindow.h"
#include "platform/forms/Buttons.h"
#include "platform/forms/Label.h"
#include "platform/forms/ListControls.h"
#include "platform/forms/TextBox.h"

#include <cstdint>

// The print range dialog of the preview: the first and the last page from
// two lists and the number of copies. In: gintPageMax. Out after "印刷"
// (gintDlgRet 0): gintStartPage, gintEndPage, gintCopy; cancelling leaves
// gintDlgRet -1. The three outputs outlive the window.
class frmPpPrintSetup : public DialogWindow {
public:
    frmPpPrintSetup();

    static inline int16_t gintPageMax = 0;
    static inline int16_t gintStartPage = 0;
    static inline int16_t gintEndPage = 0;
    static inline int16_t gintCopy = 1;

    forms::Label Label1{*this, "Label1"};
    forms::ComboBox cobStartPage{*this, "cobStartPage"};
    forms::Label Label2{*this, "Label2"};
    forms::ComboBox cobEndPage{*this, "cobEndPage"};
    forms::Label Label3{*this, "Label3"};
    forms::TextBox txtCopy{*this, "txtCopy"};
    forms::CommandButton btnOK{*this, "btnOK"};
    forms::CommandButton btnCancel{*this, "btnCancel"};

protected:
    void Form_Load() override;
    void Form_KeyDown(int16_t& KeyCode, int16_t Shift) override;

private:
    void psInitDsp();
    void btnOK_Click();
    void btnCancel_Click();
};
