#include "preview/frmPpPreview.h"

#include "core/globals.h"
#include "core/helpers.h"
#include "core/iniFile.h"
#include "preview/modPpFormBmp.h"
#include "preview/modPpPreview.h"
#include "platform/forms/Services.h"
#include "platform/text/Numbers.h"
#include "platform/text/RuntimeError.h"
#include "platform/text/Strings.h"

#include <algorithm>

namespace {

constexpr forms::Color Grey = forms::RGB(128, 128, 128);
constexpr forms::Color Red = forms::RGB(255, 0, 0);
constexpr double ScrollBarSize = 255;
const char* const Section = "WindowSize";

// A saved value that counts: non-blank and not zero.
bool given(const std::string& saved) { return !text::Trim(saved).empty() && fieldValue32(saved) != 0; }

} // namespace

frmPpPreview::frmPpPreview() : Form("frmPpPreview") {
    setCaption("ﾌﾟﾚﾋﾞｭｰ");
    setBackColor(Grey);
    setBorderStyle(forms::vbSizable);
    setClientSize(12390, 9105);
    setKeyPreview(true);

    picPaper.setBorderStyle(0);
    picPaper.setBackColor(forms::vbWhite);
    picPrintArea.setBorderStyle(0);
    picPrintArea.setBackColor(forms::vbWhite);
    imgForm.setStretch(false);
    for (int i = 0; i < 8; ++i) {
        linMark[i].setBorderColor(Red);
        linMark[i].setBorderWidth(1);
    }
    VScroll1.Move(12390 - ScrollBarSize, 0, ScrollBarSize, 9105);
    HScroll1.Move(0, 9105 - ScrollBarSize, 12390, ScrollBarSize);
    VScroll1.setVisible(false);
    HScroll1.setVisible(false);
    picCorner.setBorderStyle(0);
    picCorner.setBackColor(Grey);
    picCorner.setVisible(false);
    picBmp.setBorderStyle(0);
    picBmp.setBackColor(forms::vbWhite);
    picBmp.setVisible(false);

    mnuEnd.setCaption("閉じる(F12)");
    mnuSize.setCaption("サイズ");
    mnu100Per.setCaption("100%");
    mnu75Per.setCaption("75%");
    mnu50Per.setCaption("50%");
    mnuPrint.setCaption("印刷");
    mnuPrint_Setup.setCaption("ﾌﾟﾘﾝﾀ設定");
    mnuPrint_Print.setCaption("印刷");
    mnuPrintAdjust.setCaption("印刷位置調整");
    mnuPrinterSetup.setCaption("ﾌﾟﾘﾝﾀ設定");
    for (forms::Menu* hidden : {&mnuPrintAdjust, &mnuPrinterSetup}) {
        hidden->setVisible(false);
        hidden->setEnabled(false);
    }
    mnuSpace1.setCaption(std::string(20, ' '));
    mnuBPage.setCaption("前ページ(F8)");
    mnuNPage.setCaption("次ページ(F9)");
    mnuSpace2.setCaption(std::string(5, ' '));
    mnuPageNo.setCaption("(1/**)");

    mnuEnd.Click = [this] { mnuEnd_Click(); };
    mnu100Per.Click = [this] { psZoom(0); };
    mnu75Per.Click = [this] { psZoom(1); };
    mnu50Per.Click = [this] { psZoom(2); };
    mnuPrint_Setup.Click = [this] { mnuPrint_Setup_Click(); };
    mnuPrint_Print.Click = [this] { mnuPrint_Print_Click(); };
    mnuPrintAdjust.Click = [this] { mnuPrintAdjust_Click(); };
    mnuPrinterSetup.Click = [this] { mnuPrinterSetup_Click(); };
    mnuBPage.Click = [this] { mnuBPage_Click(); };
    mnuNPage.Click = [this] { mnuNPage_Click(); };
    VScroll1.Change = [this] { VScroll1_Change(); };
    HScroll1.Change = [this] { HScroll1_Change(); };
}

// A failure while opening ends the opening quietly: the window shows what
// was done by then.
void frmPpPreview::Form_Load() {
    const forms::HourglassScope hourglass;
    keepNormalBounds();
    try {
        psLoadGeometry();
        gintPrintPageNo = 1;
        const bool paged = gintPrintPageCount >= 2;
        for (forms::Menu* m : {&mnuSpace1, &mnuBPage, &mnuNPage, &mnuSpace2, &mnuPageNo}) m->setVisible(paged);
        if (paged) psDspPageNo();
        psKillBmpFiles();
        psGetPrinterInfo();
        gintPrinting = 0;
        picPaper.setBackColor(forms::vbWhite);
        picPrintArea.setBackColor(forms::vbWhite);
        mintZoom = 0;
        picCorner.setVisible(false);
        glngOffsetY = text::CLng(gintOffsetYmm * TwipsPerMillimetre);
        glngOffsetX = text::CLng(gintOffsetXmm * TwipsPerMillimetre);
        mintPlaced = 0;
        psDspPage();
    } catch (const text::RuntimeError&) {
    }
}

// The saved geometry applies only with a saved width; sizes are capped to
// the screen and the place kept on it; a minimised window opens normal.
// Without one the design size stays, unless the screen is smaller than that.
void frmPpPreview::psLoadGeometry() {
    const std::string width = gfReadIniFile(gstrIniFile, Section, "Preview_Width");
    const bool saved = given(width);
    double w = Width(), h = Height(), l = Left(), t = Top();
    if (saved) {
        w = fieldValue32(width);
        const std::string height = gfReadIniFile(gstrIniFile, Section, "Preview_Height");
        const std::string top = gfReadIniFile(gstrIniFile, Section, "Preview_Top");
        const std::string left = gfReadIniFile(gstrIniFile, Section, "Preview_Left");
        if (given(height)) h = fieldValue32(height);
        // A size that leaves no inner area (only a hand-edited file holds one)
        // would show no window at all: the design size stays.
        if (w <= frameWidth()) w = Width();
        if (h <= frameHeight()) h = Height();
        if (given(top)) t = fieldValue32(top);
        if (given(left)) l = fieldValue32(left);
    } else if (w <= forms::Screen::Width() && h <= forms::Screen::Height()) {
        return; // the desktop places the design size
    }
    w = std::min(w, forms::Screen::Width());
    h = std::min(h, forms::Screen::Height());
    const auto onScreen = [](double v, double size, double screen) { return std::max(0.0, std::min(v, screen - size)); };
    setStartUpPosition(forms::vbStartUpManual);
    Move(onScreen(l, w, forms::Screen::Width()), onScreen(t, h, forms::Screen::Height()), w, h);
    keepNormalBounds();
    if (!saved) return;
    const std::string state = gfReadIniFile(gstrIniFile, Section, "Preview_WindowState");
    if (!text::Trim(state).empty() && fieldValue16(state) == forms::vbMaximized) setWindowState(forms::vbMaximized);
}

// The state, then the bounds the window has when normal (taken before going
// back to normal, which may pass through other sizes).
void frmPpPreview::psSaveGeometry() {
    const int16_t state = WindowState();
    gfWriteIniFile(gstrIniFile, Section, "Preview_WindowState", text::Str(state));
    keepNormalBounds();
    const double left = normalLeft_, top = normalTop_, width = normalWidth_, height = normalHeight_;
    setWindowState(forms::vbNormal);
    gfWriteIniFile(gstrIniFile, Section, "Preview_Width", text::Str(text::CLng(width)));
    gfWriteIniFile(gstrIniFile, Section, "Preview_Height", text::Str(text::CLng(height)));
    gfWriteIniFile(gstrIniFile, Section, "Preview_Top", text::Str(text::CLng(top)));
    gfWriteIniFile(gstrIniFile, Section, "Preview_Left", text::Str(text::CLng(left)));
}

void frmPpPreview::keepNormalBounds() {
    if (WindowState() != forms::vbNormal) return;
    normalLeft_ = Left();
    normalTop_ = Top();
    normalWidth_ = Width();
    normalHeight_ = Height();
}

void frmPpPreview::Form_Resize() {
    keepNormalBounds();
    if (!displayed_) return;
    psSetScrollBar();
    picPaper.setVisible(false);
    psPlacePaper();
    picPaper.setVisible(true);
    psSetScrollValue();
}

// Esc and F12 close; F8 and F9 page only when there are pages to go to.
void frmPpPreview::Form_KeyDown(int16_t& KeyCode, int16_t) {
    switch (KeyCode) {
    case forms::vbKeyEscape:
    case forms::vbKeyF12:
        KeyCode = 0;
        Unload();
        break;
    case forms::vbKeyF8:
    case forms::vbKeyF9:
        if (gintPrintPageCount < 2) break;
        if (KeyCode == forms::vbKeyF8) mnuBPage_Click();
        else mnuNPage_Click();
        KeyCode = 0;
        break;
    default: break;
    }
}

void frmPpPreview::mnuEnd_Click() { Unload(); }

void frmPpPreview::Form_Unload(int16_t&) {
    try {
        psSaveGeometry();
    } catch (const text::RuntimeError&) {
    }
    psKillBmpFiles();
}
