// Keys: Tab, Default and Cancel buttons, KeyDown / KeyPress / KeyUp with
// codes a handler can change or drop (0), and what each control does with a
// key nobody dropped.
#include "platform/forms/Keys.h"

#include "platform/forms/Boundary.h"
#include "platform/forms/Buttons.h"
#include "platform/forms/Form.h"
#include "platform/forms/ListControls.h"
#include "platform/forms/Services.h"
#include "platform/forms/TabStrip.h"
#include "platform/forms/TextBox.h"
#include "platform/text/Cp932.h"
#include "platform/text/Strings.h"

#include <algorithm>

namespace forms {

int16_t keyAsciiOf(char32_t ch) {
    if (ch < 0x80) return static_cast<int16_t>(ch);
    if (!text::isStorable932(ch)) return 0;
    const auto bytes = text::encode932(text::fromCodePoint(ch));
    if (!bytes || bytes->empty() || bytes->size() > 2) return 0;
    const auto b = [&](size_t i) { return static_cast<unsigned char>((*bytes)[i]); };
    if (bytes->size() == 1) return static_cast<int16_t>(b(0));
    return static_cast<int16_t>(static_cast<uint16_t>((b(0) << 8) | b(1)));
}

char32_t charOfKeyAscii(int16_t KeyAscii) {
    if (KeyAscii == 0) return 0;
    if (KeyAscii > 0 && KeyAscii < 0x80) return static_cast<char32_t>(KeyAscii);
    const auto code = static_cast<uint16_t>(KeyAscii);
    std::string bytes;
    if (code < 0x100) bytes.push_back(static_cast<char>(code));
    else {
        bytes.push_back(static_cast<char>(code >> 8));
        bytes.push_back(static_cast<char>(code & 0xFF));
    }
    const std::u32string decoded = text::toUtf32(text::decode932(bytes));
    if (decoded.size() != 1 || decoded[0] == 0xFFFD) return 0;
    return decoded[0];
}

int16_t keyCodeOf(char32_t ch) {
    if (ch >= 'a' && ch <= 'z') return static_cast<int16_t>(ch - 'a' + 'A');
    switch (ch) {
    case '\r': case '\n': return vbKeyReturn;
    case '\t': return vbKeyTab;
    case '\b': return vbKeyBack;
    case 0x1B: return vbKeyEscape;
    default: break;
    }
    if ((ch >= '0' && ch <= '9') || (ch >= 'A' && ch <= 'Z') || ch == ' ') return static_cast<int16_t>(ch);
    return 229; // a character from the input method
}

namespace {

bool editsText(const Control& c) {
    return c.kind() == ControlKind::TextBox ||
           (c.kind() == ControlKind::ComboBox && static_cast<const ComboBox&>(c).Style() == vbComboDropdown);
}

// The items a page key moves over: one fewer than the list shows whole, so
// the last item of the page stays in sight; at least one.
int listPage(const Control& list) {
    const double item = TextHeight(list.font(), "");
    return item > 0 ? std::max(1, static_cast<int>(list.Height() / item) - 1) : 1;
}

TextEdit& textEdit(Control& c) {
    return c.kind() == ControlKind::TextBox ? static_cast<TextBox&>(c).edit() : static_cast<ComboBox&>(c).edit();
}

// Runs an edit on a text box or the edit part of a drop-down combo.
template <class F>
void edit(Control& c, const F& f) {
    const bool changed = f(textEdit(c));
    if (c.kind() == ControlKind::TextBox) static_cast<TextBox&>(c).editDone(changed);
    else static_cast<ComboBox&>(c).editDone(changed);
}

void clickButton(Control& b) { raise(b.Click); }

} // namespace

Control* Form::keyTarget() const { return active_ && active_->canFocus() ? active_ : nullptr; }

Control* Form::findButton(bool cancel) const {
    for (Control* c : tabSequence()) {
        if (c->kind() != ControlKind::CommandButton) continue;
        auto* b = static_cast<CommandButton*>(c);
        if ((cancel ? b->Cancel() : b->Default()) && b->visibleOnForm() && b->enabledOnForm()) return b;
    }
    return nullptr;
}

void Form::dispatchKeyDown(int16_t KeyCode, int16_t Shift, std::string_view typed) {
    detail::boundary([&] {
        Control* target = keyTarget();
        if (KeyCode == vbKeyTab && !(Shift & (vbCtrlMask | vbAltMask))) {
            tabMove((Shift & vbShiftMask) != 0);
            return;
        }
        const bool onButton = target && target->kind() == ControlKind::CommandButton;
        if ((KeyCode == vbKeyReturn && !onButton) || KeyCode == vbKeyEscape) {
            if (Control* b = findButton(KeyCode == vbKeyEscape)) {
                clickButton(*b);
                return;
            }
        }
        int16_t code = KeyCode;
        if (keyPreview_ || !target) Form_KeyDown(code, Shift);
        if (code != 0 && target) raise(target->KeyDown, code, Shift);
        // A KeyDown handler that sets KeyCode to 0 consumes the whole key.
        if (code == 0 || !loaded_) return;
        if (target) keyAction(*target, code, Shift);
        for (char32_t ch : text::toUtf32(typed)) {
            if (ch == '\n') ch = '\r';
            const int16_t k = keyAsciiOf(ch);
            if (k == 0) {
                Beep(); // a character code page 932 cannot store
                continue;
            }
            pressChar(target, k);
        }
    });
}

void Form::dispatchKeyUp(int16_t KeyCode, int16_t Shift) {
    detail::boundary([&] {
        Control* target = keyTarget();
        int16_t code = KeyCode;
        if (keyPreview_ || !target) Form_KeyUp(code, Shift);
        if (code != 0 && target) raise(target->KeyUp, code, Shift);
    });
}

void Form::dispatchText(std::string_view text) {
    detail::boundary([&] {
        Control* target = keyTarget();
        for (char32_t ch : text::toUtf32(text)) {
            const int16_t k = keyAsciiOf(ch);
            if (k == 0) {
                Beep();
                continue;
            }
            pressChar(target, k);
        }
    });
}

void Form::dispatchEditCommand(Control& box, EditCommand command) {
    detail::boundary([&] {
        if (&box == keyTarget() && editsText(box)) editCommand(box, command);
    });
}

// What an edit box does for a command of its edit menu, or for the control
// character of its key (Ctrl+Z, Ctrl+X, Ctrl+C, Ctrl+V) that nobody dropped.
void Form::editCommand(Control& c, EditCommand command) {
    switch (command) {
    case EditCommand::Undo: edit(c, [](TextEdit& e) { return e.undo(); }); break;
    case EditCommand::Cut:
        editCommand(c, EditCommand::Copy);
        edit(c, [](TextEdit& e) { return e.deleteSelection(); });
        break;
    case EditCommand::Copy: Clipboard::SetText(textEdit(c).selText()); break;
    case EditCommand::Paste: pasteInto(c); break;
    case EditCommand::Delete: edit(c, [](TextEdit& e) { return e.deleteSelection(); }); break;
    case EditCommand::SelectAll:
        edit(c, [](TextEdit& e) {
            e.select(0, e.length());
            return false;
        });
        break;
    }
}

void Form::pressChar(Control* target, int16_t KeyAscii) {
    int16_t k = KeyAscii;
    if (keyPreview_ || !target) Form_KeyPress(k);
    if (k != 0 && target) raise(target->KeyPress, k);
    if (k != 0 && target && loaded_) charAction(*target, k);
}

void Form::charAction(Control& c, int16_t KeyAscii) {
    if (editsText(c)) {
        switch (KeyAscii) {
        case 8: edit(c, [](TextEdit& e) { return e.backspace(); }); return;
        case 3: editCommand(c, EditCommand::Copy); return;
        case 24: editCommand(c, EditCommand::Cut); return;
        case 22: editCommand(c, EditCommand::Paste); return;
        case 26: editCommand(c, EditCommand::Undo); return;
        default: break;
        }
        if (KeyAscii > 0 && KeyAscii < 32) return; // Enter, Esc and other control codes type nothing
        const char32_t ch = charOfKeyAscii(KeyAscii);
        if (ch == 0) return;
        edit(c, [ch](TextEdit& e) {
            const auto typed = e.typeChar(ch);
            if (typed == TextEdit::Typed::Refused) Beep();
            return typed == TextEdit::Typed::Inserted;
        });
        return;
    }
    switch (c.kind()) {
    case ControlKind::CommandButton:
        if (KeyAscii == 13 || KeyAscii == 32) clickButton(c);
        break;
    case ControlKind::CheckBox:
        if (KeyAscii == 32) {
            auto& box = static_cast<CheckBox&>(c);
            box.setValue(box.Value() == vbChecked ? vbUnchecked : vbChecked);
        }
        break;
    case ControlKind::OptionButton:
        if (KeyAscii == 32) static_cast<OptionButton&>(c).setValue(true);
        break;
    default:
        break;
    }
}

// A paste: the clipboard's first line, each character through KeyPress;
// what it types is one undo step.
void Form::pasteInto(Control& c) {
    std::string text = Clipboard::GetText();
    if (auto cut = text.find_first_of("\r\n"); cut != std::string::npos) text.resize(cut);
    textEdit(c).endRun();
    for (char32_t ch : text::toUtf32(text)) {
        const int16_t k = keyAsciiOf(ch);
        if (k == 0) {
            Beep();
            continue;
        }
        pressChar(&c, k);
    }
    textEdit(c).endRun();
}

// The arrows walk an option group (the options of one container, in tab
// order, round the end) and choose the option they reach: the only way to
// change a group from the keyboard, since Tab stops on its chosen option only.
void Form::optionArrow(Control& c, int16_t KeyCode) {
    int step = 0;
    if (KeyCode == vbKeyRight || KeyCode == vbKeyDown) step = 1;
    else if (KeyCode == vbKeyLeft || KeyCode == vbKeyUp) step = -1;
    else return;
    std::vector<Control*> group;
    for (Control* other : tabSequence())
        if (other->kind() == ControlKind::OptionButton && &other->parent() == &c.parent()) group.push_back(other);
    const auto at = std::find(group.begin(), group.end(), &c);
    if (at == group.end()) return;
    const auto n = static_cast<long>(group.size());
    long i = at - group.begin();
    for (long tried = 1; tried < n; ++tried) {
        i = (i + step + n) % n;
        Control* next = group[static_cast<size_t>(i)];
        if (!next->canFocus()) continue;
        if (moveFocus(next) && active_ == next) static_cast<OptionButton*>(next)->setValue(true);
        return;
    }
}

void Form::keyAction(Control& c, int16_t KeyCode, int16_t Shift) {
    if (editsText(c)) {
        switch (KeyCode) {
        case vbKeyDelete: edit(c, [](TextEdit& e) { return e.deleteForward(); }); break;
        case vbKeyLeft: case vbKeyRight: case vbKeyHome: case vbKeyEnd:
            edit(c, [&](TextEdit& e) {
                e.moveCaret(KeyCode, (Shift & vbShiftMask) != 0);
                return false;
            });
            break;
        default: break;
        }
        if (c.kind() == ControlKind::TextBox) return;
    }
    if (c.kind() == ControlKind::OptionButton) {
        optionArrow(c, KeyCode);
        return;
    }
    if (c.kind() == ControlKind::TabStrip) {
        // Left and Right choose the neighbouring tab, as a click on it would.
        auto& strip = static_cast<TabStrip&>(c);
        int to = strip.SelectedIndex();
        if (KeyCode == vbKeyLeft) --to;
        else if (KeyCode == vbKeyRight) ++to;
        else return;
        if (to >= 1 && to <= strip.TabsCount()) strip.SelectTab(to);
        return;
    }
    if (c.kind() == ControlKind::ComboBox || c.kind() == ControlKind::ListBox) {
        auto& list = static_cast<ListControl&>(c);
        const int last = list.ListCount() - 1;
        if (last < 0) return;
        const int at = list.ListIndex();
        int to;
        switch (KeyCode) {
        case vbKeyDown: to = at + 1; break;
        case vbKeyUp: if (at <= 0) return; to = at - 1; break;
        // In a combo's edit these keys move the caret (above).
        case vbKeyHome: if (editsText(c)) return; to = 0; break;
        case vbKeyEnd: if (editsText(c)) return; to = last; break;
        case vbKeyPageDown: case vbKeyPageUp:
            if (c.kind() != ControlKind::ListBox) return;
            to = at + (KeyCode == vbKeyPageDown ? 1 : -1) * listPage(c);
            break;
        default: return;
        }
        to = std::clamp(to, 0, last);
        // Shift stretches an extended selection from its anchor, as with a click.
        if (to != at) list.choose(to, Shift & vbShiftMask);
    }
}

} // namespace forms
