#include "platform/forms/Simulation.h"

#include "platform/forms/Form.h"
#include "platform/forms/Keys.h"
#include "platform/forms/ListControls.h"
#include "platform/forms/Menu.h"
#include "platform/forms/ScrollBar.h"
#include "platform/forms/TabStrip.h"
#include "platform/forms/Timer.h"
#include "platform/text/Strings.h"

#include <vector>

namespace forms::sim {

namespace {

// The characters a key types (none for function, caret and editing keys).
std::string typedBy(int16_t keyCode, int16_t shift) {
    switch (keyCode) {
    case vbKeyReturn: return "\r";
    case vbKeyBack: return "\b";
    case vbKeyEscape: return "\x1b";
    case vbKeySpace: return " ";
    default: break;
    }
    if (keyCode >= 'A' && keyCode <= 'Z') {
        if (shift & vbCtrlMask) return std::string(1, static_cast<char>(keyCode - 'A' + 1));
        return std::string(1, static_cast<char>((shift & vbShiftMask) ? keyCode : keyCode - 'A' + 'a'));
    }
    if (keyCode >= '0' && keyCode <= '9') return std::string(1, static_cast<char>(keyCode));
    return {};
}

void collectTimers(const Container& c, std::vector<Timer*>& out) {
    for (Control* child : c.children()) {
        if (child->kind() == ControlKind::Timer) out.push_back(static_cast<Timer*>(child));
        if (auto* inner = dynamic_cast<Container*>(child)) collectTimers(*inner, out);
    }
}

} // namespace

void click(Control& c) {
    if (c.kind() == ControlKind::Menu) {
        c.form().dispatchMenu(static_cast<Menu&>(c));
        return;
    }
    const double x = c.Width() / 2, y = c.Height() / 2;
    c.form().dispatchMouseDown(c, vbLeftButton, 0, x, y);
    c.form().dispatchMouseUp(c, vbLeftButton, 0, x, y);
}

void dblClick(Control& c) {
    const double x = c.Width() / 2, y = c.Height() / 2;
    Form& f = c.form();
    f.dispatchMouseDown(c, vbLeftButton, 0, x, y, 1);
    f.dispatchMouseUp(c, vbLeftButton, 0, x, y);
    f.dispatchMouseDown(c, vbLeftButton, 0, x, y, 2);
    f.dispatchMouseUp(c, vbLeftButton, 0, x, y);
}

void typeText(Control& c, std::string_view text) {
    Form& f = c.form();
    f.dispatchFocus(c);
    for (char32_t ch : text::toUtf32(text)) {
        if (ch == '\t') {
            f.dispatchKeyDown(vbKeyTab, 0);
            f.dispatchKeyUp(vbKeyTab, 0);
            continue;
        }
        if (ch == '\n') ch = '\r';
        const int16_t code = keyCodeOf(ch);
        const int16_t shift = (ch >= 'A' && ch <= 'Z') ? vbShiftMask : 0;
        f.dispatchKeyDown(code, shift, text::fromCodePoint(ch));
        f.dispatchKeyUp(code, shift);
    }
}

void pressKey(Form& f, int16_t keyCode, int16_t shift) {
    f.dispatchKeyDown(keyCode, shift, typedBy(keyCode, shift));
    f.dispatchKeyUp(keyCode, shift);
}

void pressKey(Control& c, int16_t keyCode, int16_t shift) {
    c.form().dispatchFocus(c);
    pressKey(c.form(), keyCode, shift);
}

void inputText(Control& c, std::string_view text) {
    c.form().dispatchFocus(c);
    c.form().dispatchText(text);
}

void editMenu(Control& c, EditCommand command) {
    c.form().dispatchFocus(c);
    c.form().dispatchEditCommand(c, command);
}

void paste(Control& c) { editMenu(c, EditCommand::Paste); }

void chooseItem(ListControl& list, int index, int16_t shift) { list.form().dispatchChoose(list, index, shift); }

void dblClickItem(ListControl& list, int index) { list.form().dispatchListDblClick(list, index); }

void selectTab(TabStrip& strip, int tab) { strip.form().dispatchTab(strip, tab); }

void scroll(ScrollBar& bar, int value) { bar.form().dispatchScroll(bar, value); }

void scrollList(ListBox& list, int topIndex) { list.form().dispatchTopIndex(list, topIndex); }

void closeBox(Form& f) { f.dispatchClose(vbFormControlMenu); }

void focus(Control& c) { c.form().dispatchFocus(c); }

void mouseDown(Control& c, double x, double y, int16_t button, int16_t shift) {
    c.form().dispatchMouseDown(c, button, shift, x, y);
}

void mouseMove(Control& c, double x, double y, int16_t button, int16_t shift) {
    c.form().dispatchMouseMove(c, button, shift, x, y);
}

void mouseUp(Control& c, double x, double y, int16_t button, int16_t shift) {
    c.form().dispatchMouseUp(c, button, shift, x, y);
}

void tickTimers() {
    const std::vector<Form*> forms = Form::loadedForms();
    for (Form* f : forms) {
        std::vector<Timer*> timers;
        collectTimers(*f, timers);
        for (Timer* t : timers)
            if (t->running()) f->dispatchTimer(*t);
    }
}

} // namespace forms::sim
