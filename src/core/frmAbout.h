#pragma once
#include "platform/forms/Buttons.h"
#include "platform/forms/Form.h"
#include "platform/forms/Graphics.h"
#include "platform/forms/Label.h"

// The About box: the program's name, version and the maker's addresses.
class frmAbout : public forms::Form {
public:
    frmAbout();

    forms::Image imgThisIcon;
    forms::Label Label1, Label7, Label3, Label2, Label4, lblEmail, Label6, lblURL;
    forms::CommandButton btnOK;

protected:
    void Form_Load() override;

private:
    void btnOK_Click();
    void lblURL_Click();
};
