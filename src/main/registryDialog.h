#pragma once
#include "platform/forms/Form.h"

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>

namespace forms {
class TextBox;
}

// What the registry windows and their dialogs share: a fixed-size window
// without minimise or maximise box, centred on its owner, whose controls use
// "ＭＳ Ｐゴシック" 11.25 pt.
class RegistryWindow : public forms::Form {
protected:
    RegistryWindow(std::string name, std::string caption, double clientWidth, double clientHeight);
};

// Puts the controls into this tab order, first to last.
void gsSetTabOrder(std::initializer_list<forms::Control*> order);

// Enter in an entry box moves the focus on as Tab would; the key itself is
// dropped. Other keys pass.
void gsEnterAsTab(forms::Form& form, int16_t& KeyAscii);

// A name box whose value goes through the value layer holds at most 255
// bytes of code page 932: a character that would make it longer is refused
// with a beep (typing, paste and input method all come through KeyPress).
void gsLimitValueBytes(const forms::TextBox& box, int16_t& KeyAscii);

// The trimmed text of a name box that must not be empty; "" after the
// message "名称が未入力です。" with the focus put back on the box.
std::string gfRequiredName(forms::TextBox& box);

// Runs one add, edit or delete of a registry with the hourglass shown. A
// run-time error abandons the operation without a message; any other
// exception passes on. The default pointer comes back either way.
void gsRegistryOperation(const std::function<void()>& operation);
