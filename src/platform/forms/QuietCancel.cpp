#include "platform/forms/QuietCancel.h"

#include "platform/forms/Buttons.h"

#include <memory>
#include <utility>

namespace forms {

void makeQuietCancel(CommandButton& button, Handler pressed) {
    button.setCancel(true);
    // Set by the button's own press; Esc clicks it without one.
    auto ownPress = std::make_shared<bool>(false);
    CommandButton* b = &button;
    button.MouseUp = [ownPress, b](int16_t Button, int16_t, double X, double Y) {
        *ownPress = Button == vbLeftButton && X >= 0 && Y >= 0 && X < b->Width() && Y < b->Height();
    };
    button.KeyDown = [ownPress](int16_t& KeyCode, int16_t) {
        *ownPress = KeyCode == vbKeyReturn || KeyCode == vbKeySpace;
    };
    button.Click = [ownPress, pressed = std::move(pressed)] {
        if (std::exchange(*ownPress, false)) raise(pressed);
    };
}

} // namespace forms
