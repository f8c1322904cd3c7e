#include "main/registryDialog.h"

#include "platform/forms/Keys.h"
#include "platform/forms/Services.h"
#include "platform/forms/TextBox.h"
#include "platform/text/Cp932.h"
#include "platform/text/RuntimeError.h"
#include "platform/text/Strings.h"

RegistryWindow::RegistryWindow(std::string name, std::string caption, double clientWidth,
                               double clientHeight)
    : Form(std::move(name)) {
    setFont({"ＭＳ Ｐゴシック", 11.25});
    setCaption(std::move(caption));
    setBorderStyle(forms::vbFixedDialog);
    setMinButton(false);
    setMaxButton(false);
    setShowInTaskbar(false);
    setStartUpPosition(forms::vbStartUpOwner);
    setClientSize(clientWidth, clientHeight);
}

void gsSetTabOrder(std::initializer_list<forms::Control*> order) {
    int i = 0;
    for (forms::Control* c : order) c->setTabIndex(i++);
}

void gsEnterAsTab(forms::Form& form, int16_t& KeyAscii) {
    if (KeyAscii != 13) return;
    KeyAscii = 0;
    form.sendTab();
}

void gsLimitValueBytes(const forms::TextBox& box, int16_t& KeyAscii) {
    constexpr std::size_t kValueBytes = 255;
    const char32_t ch = forms::charOfKeyAscii(KeyAscii);
    if (ch < 0x20) return; // Enter, Backspace and the editing keys
    const std::string& t = box.Text();
    const std::string after = text::Left(t, box.SelStart()) + text::fromCodePoint(ch) +
                              text::Mid(t, box.SelStart() + box.SelLength() + 1);
    if (text::byteLength932(after) <= kValueBytes) return;
    forms::Beep();
    KeyAscii = 0;
}

std::string gfRequiredName(forms::TextBox& box) {
    std::string name = text::Trim(box.Text());
    if (name.empty()) {
        forms::MsgBox("名称が未入力です。", forms::vbOKOnly, std::string("エラー"));
        box.SetFocus();
    }
    return name;
}

void gsRegistryOperation(const std::function<void()>& operation) {
    forms::HourglassScope hourglass;
    try {
        operation();
    } catch (const text::RuntimeError&) {
        // Abandoned where it failed, as every registry operation is; any
        // other exception passes on, with the pointer back to the default.
    }
}
