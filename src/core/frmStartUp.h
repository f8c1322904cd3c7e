#pragma once
#include "platform/forms/Form.h"
#include "platform/forms/Graphics.h"
#include "platform/forms/Label.h"

// The splash window shown while the program starts.
class frmStartUp : public forms::Form {
public:
    frmStartUp();

    forms::Image Image2;
    forms::Label lblTittle;
    forms::Label lblVersion;
    forms::Label lblMsg;

    // Shows one line of progress and repaints it at once.
    void gsSetMsg(const std::string& strMsg);

protected:
    void Form_Load() override;
};
