#pragma once
#include <QtCore/qnamespace.h>

#include <cstdint>
#include <string>

class QKeyEvent;

// A Qt key event as the platform delivers keys: a key code (vbKey...), the
// shift state (vbShiftMask | vbCtrlMask | vbAltMask) and the characters the
// key types ("\r" Enter, "\b" Backspace, "\x1b" Esc, Ctrl+letter 1–26);
// mouse buttons as the platform numbers them.
namespace qtui {

struct KeyStroke {
    int16_t code = 0;
    int16_t shift = 0;
    std::string typed;
};

KeyStroke keyStrokeOf(const QKeyEvent& event);
int16_t shiftOf(Qt::KeyboardModifiers modifiers);
// vbLeftButton, vbRightButton, vbMiddleButton (0 for others), and their sum.
int16_t buttonOf(Qt::MouseButton button);
int16_t buttonsOf(Qt::MouseButtons buttons);

} // namespace qtui
