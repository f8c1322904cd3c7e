#pragma once
#include <cstdint>

namespace forms {
class TextBox;
}

// Selects the box's whole text: SelStart 0, SelLength = the length of its text.
void gsTextSelectAll(forms::TextBox& box);

// Lets Enter (13), Backspace (8) and the digits "0" to "9" through; any other
// key beeps and is dropped (KeyAscii = 0).
void gsKeyNumOnly(int16_t& KeyAscii);

// A name box whose value goes through the value layer holds at most 255
// bytes of code page 932: a character that would make it longer is refused
// with a beep (typing, paste and input method all come through KeyPress).
void limitValueBytes(const forms::TextBox& box, int16_t& KeyAscii);
