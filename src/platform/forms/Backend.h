#pragma once
#include "platform/forms/Types.h"

#include <string>
#include <string_view>

namespace forms {

class Control;
class Form;
class Timer;

// The window system under the model: the program installs one (the Qt
// backend, src/platform/qt); headless tests install none. The model is the
// only truth; the backend makes widgets that show it and turns user input
// back into the model's input calls (Form::dispatchKeyDown, dispatchMouseDown,
// dispatchChoose, dispatchClose ...), the same pipeline the simulation uses.
//
// Widgets exist only while a form is shown: showForm builds the window and a
// widget for every control (walk form.children() and each container's
// children(), back to front, reading every property from the model), hideForm
// destroys them (Hide and Unload). While shown, every property change arrives
// as controlChanged / formChanged with what changed; the backend reads the
// new value from the model. These pushes must stay cheap (a caption change on
// a shown form well under 20 µs): no layout passes, no lookups by name.
// Control::setBackendData / Form::setBackendData give an O(1) slot for the
// widget pointer.
//
// Input: every key press goes to Form::dispatchKeyDown(KeyCode, Shift, typed)
// with the platform's key code (vbKey... / upper-case ASCII) and the UTF-8
// characters the key types, and is consumed: the model edits text boxes and
// pushes Text and Selection back. Input-method commits go to dispatchText,
// the commands of an edit menu to dispatchEditCommand; caret moves made
// with the mouse to dispatchSelection. Mouse presses, moves and releases go to
// dispatchMouseDown/Move/Up in twips relative to the control (a Qt double
// click is dispatchMouseDown with clicks = 2, on a list too: its first press
// has chosen the item). A choice in a combo popup or a list goes to
// dispatchChoose, a list scrolled by a person to dispatchTopIndex, a tab
// click to dispatchTab, a scroll bar's new value to dispatchScroll, a menu
// item to dispatchMenu, the close box to dispatchClose (vbAppWindows at
// session end), activation, resizing, moving and state changes to
// dispatchActivate / dispatchResize / dispatchMoved / dispatchWindowState.
// Qt's own behaviours that differ from the platform's must not reach the
// model: a combo selecting item 0 on the first add, the mouse wheel changing
// a closed combo, dialogs pressing an auto-default button on Enter or
// rejecting on Esc, setText cutting to maxLength.
class Backend {
public:
    virtual ~Backend() = default;

    // ---- windows ----
    // Build and show the window of a form that becomes visible. The form's
    // Owner() and Modal() are set; Left/Top are already placed (centred on
    // the owner where the form asks for it). The backend may report the real
    // frame extents through Form::setFrameExtents.
    virtual void showForm(Form& form) = 0;
    // Destroy the window and every widget of a form that hides or unloads.
    virtual void hideForm(Form& form) = 0;
    virtual void formChanged(Form& form, FormProp what) = 0;
    // A control array element loaded while its form is shown, complete:
    // build its widget and the widgets of everything inside it.
    virtual void controlAdded(Control& control) = 0;
    // A control made otherwise while its form is shown (constructed by the
    // program's code). Called from the control's constructor, so the object
    // is not complete yet: build its widget (and what is inside it) later,
    // once the running code has returned to the event loop, reading every
    // property then; until then its pushes may be ignored.
    virtual void controlCreated(Control& control) = 0;
    // A control going away while its form is shown (array element unloaded,
    // or the form object destroyed). Called from the control's destructor:
    // use the pointer (and its backendData) only as a key.
    virtual void controlRemoved(Control& control) = 0;
    virtual void controlChanged(Control& control, Prop what) = 0;
    // Repaint now, synchronously (a splash shown before any event loop runs).
    virtual void refresh(Form& form) = 0;
    virtual void refresh(Control& control) = 0;
    // A nested event loop that returns once `form` is hidden or unloaded
    // (the model calls hideForm first). Timers keep running inside it.
    virtual void runModal(Form& form) = 0;

    // ---- timers ----
    // A timer started, stopped or changed its interval: run a real timer
    // while timer.running(), calling its form's dispatchTimer on each tick.
    virtual void timerChanged(Timer& timer) = 0;

    // ---- services ----
    virtual int messageBox(const std::string& prompt, int flags, const std::string& title) = 0;
    virtual void beep() = 0;
    // The application-wide pointer: vbHourglass or vbDefault.
    virtual void setScreenPointer(int16_t pointer) = 0;
    virtual void clipboardClear() = 0;
    virtual void clipboardSetText(const std::string& text) = 0;
    virtual std::string clipboardText() = 0;
    virtual double textWidth(const Font& font, std::string_view text) = 0;
    virtual double textHeight(const Font& font, std::string_view text) = 0;
    // The primary screen's size in twips.
    virtual double screenWidth() = 0;
    virtual double screenHeight() = 0;
};

} // namespace forms
