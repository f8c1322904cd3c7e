#pragma once
#include "platform/forms/Types.h"

#include <string_view>

// A person at the keyboard and mouse, for tests. Every action goes through
// the form's input pipeline (Form::dispatch...), exactly as real input from
// the backend does, so events come in the platform's order.
namespace forms {
enum class EditCommand;
class Control;
class Form;
class ListBox;
class ListControl;
class ScrollBar;
class TabStrip;
} // namespace forms

namespace forms::sim {

// Left press and release in the middle of the control (a menu item: chosen).
void click(Control& c);
// Press, release, Click, DblClick, release.
void dblClick(Control& c);
// Gives the control the focus as a person would (no click), then types each
// character: "\r" Enter, "\t" Tab, "\b" Backspace, "\x1b" Esc; other
// characters as typed keys (non-ASCII ones as input-method input).
void typeText(Control& c, std::string_view text);
// One key on the focused control of the form (KeyDown, KeyPress for the
// keys that type a character, KeyUp).
void pressKey(Form& f, int16_t keyCode, int16_t shift = 0);
// Focuses the control first.
void pressKey(Control& c, int16_t keyCode, int16_t shift = 0);
// Text committed by an input method into the box (focusing it first).
void inputText(Control& c, std::string_view text);
// A command of the box's edit menu (focusing it first); paste is the paste.
void editMenu(Control& c, EditCommand command);
void paste(Control& c);
// Chooses a list or combo item (focusing the control first).
void chooseItem(ListControl& list, int index, int16_t shift = 0);
// Double click on a list item (-1: below the items).
void dblClickItem(ListControl& list, int index);
void selectTab(TabStrip& strip, int tab);
void scroll(ScrollBar& bar, int value);
// Scrolls a list box so that item `topIndex` is the first shown.
void scrollList(ListBox& list, int topIndex);
// The window's close box.
void closeBox(Form& f);
void focus(Control& c);
// Mouse input in twips relative to the control.
void mouseDown(Control& c, double x, double y, int16_t button = vbLeftButton, int16_t shift = 0);
void mouseMove(Control& c, double x, double y, int16_t button = 0, int16_t shift = 0);
void mouseUp(Control& c, double x, double y, int16_t button = vbLeftButton, int16_t shift = 0);
// One tick of every running timer of every loaded form.
void tickTimers();

} // namespace forms::sim
