#include "core/textBoxHelpers.h"

#include "platform/forms/Keys.h"
#include "platform/forms/Services.h"
#include "platform/forms/TextBox.h"
#include "platform/text/Cp932.h"
#include "platform/text/Strings.h"

void gsTextSelectAll(forms::TextBox& box) {
    box.setSelStart(0);
    box.setSelLength(text::Len(box.Text()));
}

void gsKeyNumOnly(int16_t& KeyAscii) {
    if (KeyAscii == 13 || KeyAscii == 8 || (KeyAscii >= 48 && KeyAscii <= 57)) return;
    forms::Beep();
    KeyAscii = 0;
}

void limitValueBytes(const forms::TextBox& box, int16_t& KeyAscii) {
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
