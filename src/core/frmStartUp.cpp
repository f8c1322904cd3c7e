#include "core/frmStartUp.h"

#include "core/productInfo.h"
#include "core/programFiles.h"
#include "platform/forms/Services.h"

frmStartUp::frmStartUp()
    : Form("frmStartUp"), Image2(*this, "Image2"), lblTittle(*this, "lblTittle"),
      lblVersion(*this, "lblVersion"), lblMsg(*this, "lblMsg") {
    setCaption(product::Title); // what the task bar and window lists show
    setBorderStyle(forms::vbBSNone);
    setControlBox(false);
    setShowInTaskbar(false);
    setStartUpPosition(forms::vbStartUpScreen);
    setClientSize(6000, 3000);
    setBackColor(forms::vbWhite);

    Image2.Move(240, 300, 960, 960);
    Image2.setStretch(true);

    for (forms::Label* l : {&lblTittle, &lblVersion, &lblMsg}) l->setBackStyle(0);
    lblTittle.Move(1440, 360, 4320, 720);
    lblTittle.setFont({"ＭＳ Ｐゴシック", 24, true});
    lblVersion.Move(1440, 1140, 4320, 300);
    lblVersion.setFont({"ＭＳ Ｐゴシック", 10});
    lblMsg.Move(240, 2400, 5520, 300);
    lblMsg.setFont({"ＭＳ Ｐゴシック", 10});
}

void frmStartUp::Form_Load() {
    Image2.setPicture(programFile(forms::App::Path(), "lumora.png"));
    lblTittle.setCaption(product::Title);
    lblVersion.setCaption(std::string("Version ") + product::Version);
    lblMsg.setCaption("");
}

void frmStartUp::gsSetMsg(const std::string& strMsg) {
    lblMsg.setCaption(strMsg);
    lblMsg.Refresh();
}
