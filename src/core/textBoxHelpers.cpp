#include "core/textBoxHelpers.h"

#include "platform/forms/Services.h"
#include "platform/forms/TextBox.h"
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
