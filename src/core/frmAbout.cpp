#include "core/frmAbout.h"

#include "core/openURL.h"
#include "core/productInfo.h"
#include "core/programFiles.h"
#include "platform/forms/Services.h"

frmAbout::frmAbout()
    : Form("frmAbout"), imgThisIcon(*this, "imgThisIcon"), Label1(*this, "Label1"),
      Label7(*this, "Label7"), Label3(*this, "Label3"), Label2(*this, "Label2"),
      Label4(*this, "Label4"), lblEmail(*this, "lblEmail"), Label6(*this, "Label6"),
      lblURL(*this, "lblURL"), btnOK(*this, "btnOK") {
    setCaption("バージョン情報");
    setBorderStyle(forms::vbFixedDialog);
    setMinButton(false);
    setMaxButton(false);
    setStartUpPosition(forms::vbStartUpOwner);
    setShowInTaskbar(false);
    setClientSize(5760, 3180);

    imgThisIcon.Move(240, 240, 720, 720);
    imgThisIcon.setStretch(true);
    Label1.Move(1200, 210, 4320, 420);
    Label1.setFont({"ＭＳ Ｐゴシック", 15.75, true});
    Label1.setCaption(product::Title);
    Label7.Move(1200, 660, 4320, 300);
    Label7.setFont({"ＭＳ Ｐゴシック", 11.25});
    Label7.setCaption(product::JapaneseTitle);
    Label3.Move(1200, 990, 4320, 255);
    Label3.setCaption(std::string("Version ") + product::Version);
    Label2.Move(240, 1500, 5280, 255);
    Label2.setCaption(product::MakerNotice);
    Label4.Move(240, 1860, 720, 255);
    Label4.setCaption("email: ");
    lblEmail.Move(960, 1860, 4560, 255);
    lblEmail.setCaption(product::MakerEmail);
    Label6.Move(240, 2160, 1920, 255);
    Label6.setCaption("Quillon Software URL: ");
    lblURL.Move(2160, 2160, 3360, 255);
    lblURL.setCaption(product::MakerURL);
    lblURL.setForeColor(forms::RGB(0, 0, 255));
    lblURL.setFontUnderline(true);
    for (forms::Label* l : {&Label1, &Label7, &Label3, &Label2, &Label4, &lblEmail, &Label6, &lblURL})
        l->setBackStyle(0);
    btnOK.Move(4320, 2640, 1200, 375);
    btnOK.setCaption("OK");

    btnOK.Click = [this] { btnOK_Click(); };
    lblURL.Click = [this] { lblURL_Click(); };
}

void frmAbout::Form_Load() { imgThisIcon.setPicture(programFile(forms::App::Path(), "lumora.png")); }

void frmAbout::btnOK_Click() { Unload(); }

void frmAbout::lblURL_Click() { openURLOrCopy(product::MakerURL); }
