#include "preview/frmPpAdjust.h"

#include "preview/modPpPreview.h"
#include "platform/text/Numbers.h"

#include <algorithm>

namespace {
constexpr int16_t Furthest = 30; // millimetres each way
}

frmPpAdjust::frmPpAdjust() : DialogWindow("frmPpAdjust", "印刷位置調整", 4680, 2160) {
    // The two unit captions are equally wide: the font in use needs the
    // wider of the two for either.
    const struct {
        double left, top, width;
        const char* caption;
    } labels[] = {{855, 315, 870, "横位置"}, {855, 990, 870, "縦位置"},
                  {2835, 360, 1545, "ｍｍ（左－、右＋）"}, {2835, 1035, 1545, "ｍｍ（上－、下＋）"}};
    for (int i = 0; i < 4; ++i) {
        Label1[i].Move(labels[i].left, labels[i].top, labels[i].width, 240);
        Label1[i].setCaption(labels[i].caption);
    }
    for (forms::Label* value : {&lblYoko, &lblTate}) {
        value->setBorderStyle(1);
        value->setAlignment(forms::vbCenter);
        value->setFont({"ＭＳ Ｐゴシック", 11.25, true});
        value->setBackColor(forms::RGB(224, 224, 224));
        value->setCaption("0");
    }
    lblYoko.Move(1710, 270, 690, 330);
    scrYoko.Move(2430, 270, 330, 375);
    lblTate.Move(1710, 945, 690, 330);
    scrTate.Move(2430, 945, 330, 375);
    btnCancel.Move(1800, 1665, 1050, 375);
    btnCancel.setCaption("ｷｬﾝｾﾙ");
    btnCancel.setCancel(true);
    btnReturn.Move(3105, 1665, 1275, 375);
    btnReturn.setCaption("戻る（F12）");
    btnReturn.setDefault(true);
    setKeyPreview(true);

    scrYoko.Change = [this] {
        mintOffsetXmm = scrYoko.Value();
        psDspValue();
    };
    scrTate.Change = [this] {
        mintOffsetYmm = scrTate.Value();
        psDspValue();
    };
    // The value label of the spin button in use turns white.
    scrYoko.GotFocus = [this] { lblYoko.setBackColor(forms::vbWhite); };
    scrYoko.LostFocus = [this] { lblYoko.setBackColor(yokoBack_); };
    scrTate.GotFocus = [this] { lblTate.setBackColor(forms::vbWhite); };
    scrTate.LostFocus = [this] { lblTate.setBackColor(tateBack_); };
    btnReturn.Click = [this] { btnReturn_Click(); };
    btnCancel.Click = [this] { btnCancel_Click(); };
}

// Offsets beyond the spin buttons' range open at the nearer bound.
void frmPpAdjust::Form_Load() {
    yokoBack_ = lblYoko.BackColor();
    tateBack_ = lblTate.BackColor();
    gintAdjustRet = -1;
    mintOffsetXmm = gintOffsetXmm;
    mintOffsetYmm = gintOffsetYmm;
    for (forms::VScrollBar* bar : {&scrYoko, &scrTate}) {
        bar->setMin(-Furthest);
        bar->setMax(Furthest);
        bar->setSmallChange(1);
        bar->setLargeChange(1);
    }
    scrYoko.setValue(std::clamp<int16_t>(mintOffsetXmm, -Furthest, Furthest));
    scrTate.setValue(std::clamp<int16_t>(mintOffsetYmm, -Furthest, Furthest));
    psDspValue();
}

void frmPpAdjust::psDspValue() {
    lblYoko.setCaption(text::Str(mintOffsetXmm));
    lblTate.setCaption(text::Str(mintOffsetYmm));
}

void frmPpAdjust::btnReturn_Click() {
    gintOffsetXmm = mintOffsetXmm;
    gintOffsetYmm = mintOffsetYmm;
    gintAdjustRet = 0;
    Unload();
}

void frmPpAdjust::btnCancel_Click() { Unload(); }

void frmPpAdjust::Form_KeyDown(int16_t& KeyCode, int16_t) {
    if (KeyCode != forms::vbKeyF12) return;
    KeyCode = 0;
    btnReturn_Click();
}
