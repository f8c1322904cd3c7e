// Mouse input and the other input of controls and windows: the press moves
// the focus first, the pressed control keeps the mouse until release, and a
// double click is press, release, Click, DblClick, release.
#include "platform/forms/Boundary.h"
#include "platform/forms/Buttons.h"
#include "platform/forms/Containers.h"
#include "platform/forms/Form.h"
#include "platform/forms/ListControls.h"
#include "platform/forms/Menu.h"
#include "platform/forms/ScrollBar.h"
#include "platform/forms/TabStrip.h"
#include "platform/forms/TextBox.h"
#include "platform/forms/Timer.h"

#include <algorithm>
#include <cmath>

namespace forms {

namespace {

bool isCancelButton(const Control& c) {
    return c.kind() == ControlKind::CommandButton && static_cast<const CommandButton&>(c).Cancel();
}

bool inside(const Control& c, double x, double y) { return x >= 0 && y >= 0 && x < c.Width() && y < c.Height(); }

bool usable(const Control& c) { return c.visibleOnForm() && c.enabledOnForm(); }

} // namespace

void Form::clickAction(Control& c) {
    switch (c.kind()) {
    case ControlKind::CheckBox: {
        auto& box = static_cast<CheckBox&>(c);
        box.setValue(box.Value() == vbChecked ? vbUnchecked : vbChecked);
        break;
    }
    case ControlKind::OptionButton:
        static_cast<OptionButton&>(c).setValue(true);
        break;
    case ControlKind::ComboBox: case ControlKind::ListBox: case ControlKind::HScrollBar:
    case ControlKind::VScrollBar: case ControlKind::TabStrip: case ControlKind::Menu:
    case ControlKind::Line: case ControlKind::Shape: case ControlKind::Timer:
        break; // their Click is a choice, or they have none
    default:
        raise(c.Click);
        break;
    }
}

void Form::dispatchMouseDown(Control& c, int16_t Button, int16_t Shift, double X, double Y, int clicks) {
    detail::boundary([&] {
        pressLost_ = secondClick_ = false;
        captured_ = nullptr;
        if (!usable(c)) return;
        // A Cancel button is pressed without taking the focus, so the focused
        // box's LostFocus validation does not run.
        if (takesFocus(c.kind()) && !isCancelButton(c) && !focusForInput(c)) {
            pressLost_ = true; // the focus was kept elsewhere: the press is lost
            return;
        }
        captured_ = &c;
        if (clicks >= 2 && c.kind() != ControlKind::CommandButton) {
            secondClick_ = true;
            raise(c.DblClick);
        } else {
            raise(c.MouseDown, Button, Shift, X, Y);
        }
    });
}

void Form::dispatchMouseMove(Control& c, int16_t Button, int16_t Shift, double X, double Y) {
    detail::boundary([&] {
        Control* target = captured_ ? captured_ : &c;
        if (usable(*target)) raise(target->MouseMove, Button, Shift, X, Y);
    });
}

void Form::dispatchMouseUp(Control& c, int16_t Button, int16_t Shift, double X, double Y) {
    detail::boundary([&] {
        if (pressLost_) {
            pressLost_ = false;
            return;
        }
        Control* target = captured_ ? captured_ : &c;
        captured_ = nullptr;
        if (!usable(*target)) return;
        raise(target->MouseUp, Button, Shift, X, Y);
        if (secondClick_) {
            secondClick_ = false;
            return;
        }
        if (Button == vbLeftButton && inside(*target, X, Y) && usable(*target)) clickAction(*target);
    });
}

void Form::dispatchChoose(ListControl& list, int index, int16_t Shift) {
    detail::boundary([&] {
        if (!usable(list) || !focusForInput(list)) return;
        if (index >= 0 && index < list.ListCount()) list.choose(index, Shift);
    });
}

void Form::dispatchListDblClick(ListControl& list, int index) {
    detail::boundary([&] {
        if (!usable(list) || !focusForInput(list)) return;
        if (index >= 0 && index < list.ListCount()) list.choose(index, 0);
        raise(list.DblClick);
    });
}

void Form::dispatchTopIndex(ListBox& list, int index) {
    detail::boundary([&] { list.setTopIndex(index); });
}

void Form::dispatchSelection(Control& box, long start, long length) {
    detail::boundary([&] {
        if (box.kind() == ControlKind::TextBox) {
            auto& t = static_cast<TextBox&>(box);
            t.edit().select(start, length);
        } else if (box.kind() == ControlKind::ComboBox) {
            static_cast<ComboBox&>(box).edit().select(start, length);
        }
    });
}

void Form::dispatchScroll(ScrollBar& bar, int value) {
    detail::boundary([&] {
        if (!usable(bar)) return;
        const int low = std::min(bar.Min(), bar.Max()), high = std::max(bar.Min(), bar.Max());
        bar.setValue(static_cast<int16_t>(std::clamp(value, low, high)));
    });
}

void Form::dispatchTab(TabStrip& strip, int tab) {
    detail::boundary([&] {
        if (!usable(strip) || !focusForInput(strip)) return;
        if (tab >= 1 && tab <= strip.TabsCount()) strip.SelectTab(tab);
    });
}

void Form::dispatchMenu(Menu& menu) {
    detail::boundary([&] {
        if (usable(menu)) raise(menu.Click);
    });
}

void Form::dispatchTimer(Timer& timer) {
    detail::boundary([&] {
        if (timer.running()) raise(timer.Tick);
    });
}

void Form::dispatchPaint(Control& c) {
    detail::boundary([&] {
        if (c.kind() == ControlKind::PictureBox) raise(static_cast<PictureBox&>(c).Paint);
        else if (c.kind() == ControlKind::UserControl) raise(static_cast<UserControl&>(c).Paint);
    });
}

void Form::dispatchClose(int16_t unloadMode) {
    detail::boundary([&] { unloadWith(unloadMode); });
}

void Form::dispatchActivate() {
    detail::boundary([&] {
        if (visible_) activate();
    });
}

void Form::dispatchResize(double clientWidth, double clientHeight) {
    detail::boundary([&] {
        if (clientWidth == clientWidth_ && clientHeight == clientHeight_) return;
        // Maximising says nothing of the size asked for the normal window,
        // nor does coming back to the size it gave.
        const auto pixels = [](double twips) { return std::lround(twips / TwipsPerPixel); };
        const bool backToAsked = pixels(clientWidth) == pixels(askedClient_.first) &&
                                 pixels(clientHeight) == pixels(askedClient_.second);
        if (windowState_ == vbNormal && !backToAsked) outerAsked_.reset();
        clientWidth_ = clientWidth;
        clientHeight_ = clientHeight;
        if (loaded_) Form_Resize();
    });
}

void Form::dispatchMoved(double left, double top) {
    left_ = left;
    top_ = top;
}

void Form::dispatchWindowState(int16_t state) {
    detail::boundary([&] {
        if (state == windowState_) return;
        windowState_ = state;
        if (loaded_) Form_Resize();
    });
}

} // namespace forms
