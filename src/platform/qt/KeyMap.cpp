#include "platform/qt/KeyMap.h"

#include "platform/forms/Types.h"

#include <QKeyEvent>

namespace qtui {

using namespace forms;

int16_t shiftOf(Qt::KeyboardModifiers m) {
    int16_t s = 0;
    if (m & Qt::ShiftModifier) s |= vbShiftMask;
    if (m & Qt::ControlModifier) s |= vbCtrlMask;
    if (m & Qt::AltModifier) s |= vbAltMask;
    return s;
}

int16_t buttonOf(Qt::MouseButton b) {
    switch (b) {
    case Qt::LeftButton: return vbLeftButton;
    case Qt::RightButton: return vbRightButton;
    case Qt::MiddleButton: return vbMiddleButton;
    default: return 0;
    }
}

int16_t buttonsOf(Qt::MouseButtons b) {
    int16_t out = 0;
    if (b & Qt::LeftButton) out |= vbLeftButton;
    if (b & Qt::RightButton) out |= vbRightButton;
    if (b & Qt::MiddleButton) out |= vbMiddleButton;
    return out;
}

namespace {

int16_t codeOf(int key, bool keypad) {
    if (key >= Qt::Key_A && key <= Qt::Key_Z) return static_cast<int16_t>(key);
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return static_cast<int16_t>(keypad ? 96 + (key - Qt::Key_0) : key);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return static_cast<int16_t>(vbKeyF1 + (key - Qt::Key_F1));
    switch (key) {
    case Qt::Key_Backspace: return vbKeyBack;
    case Qt::Key_Tab: case Qt::Key_Backtab: return vbKeyTab;
    case Qt::Key_Return: case Qt::Key_Enter: return vbKeyReturn;
    case Qt::Key_Shift: return vbKeyShift;
    case Qt::Key_Control: return vbKeyControl;
    case Qt::Key_Alt: return 18;
    case Qt::Key_Pause: return 19;
    case Qt::Key_CapsLock: return 20;
    case Qt::Key_Escape: return vbKeyEscape;
    case Qt::Key_Space: return vbKeySpace;
    case Qt::Key_PageUp: return vbKeyPageUp;
    case Qt::Key_PageDown: return vbKeyPageDown;
    case Qt::Key_End: return vbKeyEnd;
    case Qt::Key_Home: return vbKeyHome;
    case Qt::Key_Left: return vbKeyLeft;
    case Qt::Key_Up: return vbKeyUp;
    case Qt::Key_Right: return vbKeyRight;
    case Qt::Key_Down: return vbKeyDown;
    case Qt::Key_Insert: return 45;
    case Qt::Key_Delete: return vbKeyDelete;
    case Qt::Key_Asterisk: return keypad ? 106 : 186;
    case Qt::Key_Plus: return keypad ? 107 : 187;
    case Qt::Key_Minus: return keypad ? 109 : 189;
    case Qt::Key_Period: return keypad ? 110 : 190;
    case Qt::Key_Slash: return keypad ? 111 : 191;
    case Qt::Key_Semicolon: case Qt::Key_Colon: return 186;
    case Qt::Key_Equal: return 187;
    case Qt::Key_Comma: case Qt::Key_Less: return 188;
    case Qt::Key_Underscore: return 189;
    case Qt::Key_Greater: return 190;
    case Qt::Key_Question: return 191;
    case Qt::Key_At: case Qt::Key_QuoteLeft: return 192;
    case Qt::Key_BracketLeft: case Qt::Key_BraceLeft: return 219;
    case Qt::Key_Backslash: case Qt::Key_Bar: case Qt::Key_yen: return 220;
    case Qt::Key_BracketRight: case Qt::Key_BraceRight: return 221;
    case Qt::Key_Apostrophe: case Qt::Key_QuoteDbl: return 222;
    case Qt::Key_AsciiCircum: return 222;
    default: return 229; // a key without a code of its own (as the input method's)
    }
}

} // namespace

KeyStroke keyStrokeOf(const QKeyEvent& e) {
    KeyStroke k;
    const int key = e.key();
    const Qt::KeyboardModifiers mods = e.modifiers();
    k.shift = shiftOf(mods);
    k.code = codeOf(key, mods & Qt::KeypadModifier);
    switch (key) {
    case Qt::Key_Return: case Qt::Key_Enter: k.typed = "\r"; return k;
    case Qt::Key_Backspace: k.typed = "\b"; return k;
    case Qt::Key_Escape: k.typed = "\x1b"; return k;
    case Qt::Key_Tab: case Qt::Key_Backtab: case Qt::Key_Delete: return k;
    default: break;
    }
    const bool ctrl = mods & Qt::ControlModifier, alt = mods & Qt::AltModifier;
    if (alt) return k; // Alt combinations belong to menus and access keys
    if (ctrl) {
        // Ctrl+letter types the control codes 1–26 (Ctrl+V is 22).
        if (key >= Qt::Key_A && key <= Qt::Key_Z) k.typed = std::string(1, static_cast<char>(key - Qt::Key_A + 1));
        return k;
    }
    QString text = e.text();
    if (text.isEmpty() && key >= Qt::Key_Space && key <= Qt::Key_AsciiTilde) {
        QChar ch(key);
        text = (mods & Qt::ShiftModifier) ? QString(ch) : QString(ch.toLower());
    }
    // Other control characters type nothing.
    if (!text.isEmpty() && text.at(0).unicode() >= 0x20 && text.at(0).unicode() != 0x7F) k.typed = text.toStdString();
    return k;
}

} // namespace qtui
