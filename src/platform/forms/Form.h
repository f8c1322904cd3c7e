#pragma once
#include "platform/forms/Control.h"

#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <utility>
#include <vector>

namespace forms {

class ControlArrayBase;
class ListBox;
class ListControl;
class Menu;
class ScrollBar;
class TabStrip;
class TextBox;
class Timer;

// The commands of a text box's edit menu (right click), as the platform's
// edit boxes offer them.
enum class EditCommand { Undo, Cut, Copy, Paste, Delete, SelectAll };

// A window. A program window derives from Form, holds its controls as members
// (created with `*this` or a container as their parent, in collection order)
// and overrides the Form_ handlers it needs.
//
// Life: Load runs Form_Load once; Show loads when needed, shows, raises
// Activate and gives the focus to the first tab stop (modal: returns when the
// form hides or unloads); Hide keeps the form loaded; Unload raises
// Form_QueryUnload and Form_Unload (either may cancel), hides the form and
// removes the array elements loaded at run time. Properties set on the model
// are kept across Hide and Unload: open a fresh instance for a fresh window.
class Form : public Container {
public:
    // `font` is the form's design font, which its controls start with.
    explicit Form(std::string name, const Font& font = Font{});
    ~Form() override;

    const std::string& Name() const { return name_; }

    // ---- life ----
    void Load();
    void Show(int modal = vbModeless, Form* owner = nullptr);
    void Hide();
    // Unload from code (UnloadMode vbFormCode). False when a handler cancelled.
    bool Unload() { return unloadWith(vbFormCode); }
    bool Loaded() const { return loaded_; }
    bool Visible() const { return visible_; }
    bool Modal() const { return modal_; }
    Form* Owner() const { return owner_; }
    // The loaded forms, in the order they were loaded.
    static const std::vector<Form*>& loadedForms();

    // ---- properties ----
    const std::string& Caption() const { return caption_; }
    void setCaption(std::string caption);
    // Outer geometry (with the window frame), twips.
    double Left() const { return left_; }
    double Top() const { return top_; }
    double Width() const { return ScaleWidth() + frameWidth_; }
    double Height() const { return ScaleHeight() + frameHeight_; }
    void setLeft(double v) { Move(v, top_); }
    void setTop(double v) { Move(left_, v); }
    void setWidth(double v);
    void setHeight(double v);
    void Move(double left, double top);
    void Move(double left, double top, double width, double height);
    // Inner (client) size, twips. Setting it raises Form_Resize when it changes.
    double ScaleWidth() const { return clientWidth_; }
    double ScaleHeight() const { return clientHeight_; }
    void setClientSize(double width, double height);
    // The window frame: outer minus inner size. The backend reports the real
    // extents of a shown window; headless they follow the border style.
    double frameWidth() const { return frameWidth_; }
    double frameHeight() const { return frameHeight_; }
    void setFrameExtents(double width, double height);
    // The window manager's frame (menu bar not counted) last seen around a
    // shown window, sizable or not: a window of the same kind that is not
    // shown yet takes it for its own. A frame of no size forgets it.
    static void noteDesktopFrame(bool sizable, double width, double height);

    int16_t WindowState() const { return windowState_; }
    void setWindowState(int16_t state);
    int16_t BorderStyle() const { return borderStyle_; }
    void setBorderStyle(int16_t style);
    bool MinButton() const { return minButton_; }
    void setMinButton(bool v);
    bool MaxButton() const { return maxButton_; }
    void setMaxButton(bool v);
    bool ControlBox() const { return controlBox_; }
    void setControlBox(bool v);
    bool ShowInTaskbar() const { return showInTaskbar_; }
    void setShowInTaskbar(bool v);
    int16_t StartUpPosition() const { return startUpPosition_; }
    void setStartUpPosition(int16_t v) { startUpPosition_ = v; }
    Color BackColor() const { return backColor_; }
    void setBackColor(Color c);
    const Font& font() const { return font_; }
    // Changes the form's own font only (controls keep theirs).
    void setFont(const Font& f);
    // A form laid out for printing (a report) measures its labels with the
    // document metric of printing instead of the screen's.
    bool DocumentMetric() const { return documentMetric_; }
    void setDocumentMetric(bool v) { documentMetric_ = v; }
    bool KeyPreview() const { return keyPreview_; }
    void setKeyPreview(bool v) { keyPreview_ = v; }
    int16_t MousePointer() const { return mousePointer_; }
    void setMousePointer(int16_t v);
    bool Enabled() const { return enabled_; }
    void setEnabled(bool v);
    void Refresh();
    // Brings a shown window to the front and activates it.
    void ZOrder();

    // ---- controls ----
    // The form's controls in collection order: design order, then elements
    // loaded at run time in the order they were loaded. The insides of user
    // controls belong to their user control's collection.
    const std::vector<Control*>& Controls() const { return controls_; }
    // The control holding the focus; nullptr when none.
    Control* ActiveControl() const { return active_; }
    const std::vector<Menu*>& menus() const { return menus_; }
    // Posts a Tab key: once the running handler (and the input that raised
    // it) has returned, the focus moves to the next tab stop (the previous
    // one with `backwards`), skipping hidden, disabled and non-tab-stop
    // controls. Outside any input the move happens at once.
    void sendTab(bool backwards = false);

    // ---- input from a person ----
    // The backend and forms::sim call these, and only these, for user input.
    // Each call is one event boundary: an error that no handler traps is
    // shown in one box titled "エラー" and the form stays usable.
    //
    // A key press on the focused control (the form when none holds the
    // focus): Tab moves the focus; Enter clicks the Default button and Esc
    // the Cancel button where there is one; otherwise KeyDown (the form's
    // first with KeyPreview), then for each character the key types (UTF-8;
    // "\r" Enter, "\b" Backspace, "\x1b" Esc, "\x16" Ctrl+V...) KeyPress and
    // the control's own action (typing, clicking a button on Enter or Space,
    // ticking a check box on Space, moving through a list on the arrows).
    void dispatchKeyDown(int16_t KeyCode, int16_t Shift, std::string_view typed = {});
    void dispatchKeyUp(int16_t KeyCode, int16_t Shift);
    // Text that arrives outside key events (an input-method commit): each
    // character goes through KeyPress as if typed.
    void dispatchText(std::string_view text);
    // A command of the edit menu of the focused text box or drop-down
    // combo: no key is pressed (no KeyDown, no KeyPress for Ctrl+Z, Ctrl+V
    // ...). A paste still sends each character of the clipboard's first line
    // through KeyPress as if typed, so a box's character checks hold for
    // pasted text too; an undo puts back the text before the last edit and
    // raises Change.
    void dispatchEditCommand(Control& box, EditCommand command);
    // Mouse input in twips relative to the control. A press moves the focus
    // to a control that takes it (not to a Cancel button, so a box's
    // validation does not run); when a LostFocus handler keeps the focus,
    // the press is lost. The pressed control keeps the mouse until release.
    // clicks = 2 is the second press of a double click: DblClick in place of
    // MouseDown, and its release raises no Click.
    void dispatchMouseDown(Control& c, int16_t Button, int16_t Shift, double X, double Y, int clicks = 1);
    void dispatchMouseMove(Control& c, int16_t Button, int16_t Shift, double X, double Y);
    void dispatchMouseUp(Control& c, int16_t Button, int16_t Shift, double X, double Y);
    // A person gives the focus to a control (its widget was focused).
    void dispatchFocus(Control& c);
    // A person chooses a list or combo item (Click even for the same item).
    // In an extended multi-select list, Ctrl toggles and Shift extends.
    void dispatchChoose(ListControl& list, int index, int16_t Shift = 0);
    // A whole double click on a list in one call (the simulation's): on an
    // item it chooses the item (Click), as the first press of a double click
    // does, then raises DblClick; below the items (-1) it raises DblClick
    // only. Real input arrives in its parts instead: the first press chooses
    // through dispatchChoose, the second press is dispatchMouseDown with
    // clicks = 2.
    void dispatchListDblClick(ListControl& list, int index);
    // A person scrolled a list box: `index` is the first item shown (TopIndex).
    void dispatchTopIndex(ListBox& list, int index);
    // A person moves the caret or selection of a text box or drop-down combo.
    void dispatchSelection(Control& box, long start, long length);
    void dispatchScroll(ScrollBar& bar, int value);
    void dispatchTab(TabStrip& strip, int tab);
    void dispatchMenu(Menu& menu);
    void dispatchTimer(Timer& timer);
    void dispatchPaint(Control& c);
    // The window: close box (QueryUnload with vbFormControlMenu, then
    // Unload), activation, a size, place or state changed by the user.
    void dispatchClose(int16_t unloadMode = vbFormControlMenu);
    void dispatchActivate();
    void dispatchResize(double clientWidth, double clientHeight);
    void dispatchMoved(double left, double top);
    void dispatchWindowState(int16_t state);

    // The backend's own data for the live window of this form.
    void* backendData() const { return backendData_; }
    void setBackendData(void* p) { backendData_ = p; }
    // True while the form has widgets (shown with a backend installed).
    bool live() const { return live_; }

protected:
    // Handlers a window overrides.
    virtual void Form_Load() {}
    virtual void Form_Activate() {}
    virtual void Form_Deactivate() {}
    virtual void Form_Resize() {}
    virtual void Form_QueryUnload(int16_t& Cancel, int16_t UnloadMode) { (void)Cancel, (void)UnloadMode; }
    virtual void Form_Unload(int16_t& Cancel) { (void)Cancel; }
    virtual void Form_KeyDown(int16_t& KeyCode, int16_t Shift) { (void)KeyCode, (void)Shift; }
    virtual void Form_KeyPress(int16_t& KeyAscii) { (void)KeyAscii; }
    virtual void Form_KeyUp(int16_t& KeyCode, int16_t Shift) { (void)KeyCode, (void)Shift; }

private:
    friend class Control;
    friend class Menu;
    friend class UserControl;
    friend class ControlArrayBase;
    friend class Container;

    bool unloadWith(int16_t mode);
    void attach(Control& c);
    void reserveControls(UserControl* owner, size_t more);
    void detach(Control& c);
    // Tells the backend to start or stop each timer as the form loads or
    // unloads.
    void notifyTimers();
    void pushForm(FormProp what);
    void pushControl(Control& c, Prop what);
    void placeOnShow();
    void defaultFrame();
    void activate();
    // Focus (Focus.cpp).
    void focusFirst();
    bool moveFocus(Control* target);
    bool focusForInput(Control& c);
    void tabMove(bool backwards);
    std::vector<Control*> tabSequence() const;
    bool isTabStop(const Control& c, const std::vector<Control*>& sequence) const;
    // Keys and mouse (Keys.cpp, Mouse.cpp).
    // The client area's size, told to the widget and the window's Resize;
    // what asked for it decides whether an asked outer size still holds.
    void sizeClient(double width, double height);
    Control* keyTarget() const;
    void pressChar(Control* target, int16_t KeyAscii);
    void keyAction(Control& c, int16_t KeyCode, int16_t Shift);
    void optionArrow(Control& c, int16_t KeyCode);
    void charAction(Control& c, int16_t KeyAscii);
    void editCommand(Control& c, EditCommand command);
    void pasteInto(Control& c);
    void clickAction(Control& c);
    Control* findButton(bool cancel) const;

    std::string name_;
    std::string caption_;
    bool loaded_ = false, visible_ = false, modal_ = false, live_ = false, shownOnce_ = false;
    Form* owner_ = nullptr;
    double left_ = 0, top_ = 0, clientWidth_ = 4800, clientHeight_ = 3600;
    double frameWidth_ = 0, frameHeight_ = 0;
    bool frameReported_ = false;
    // The outer size asked for while the frame was still a guess, kept until
    // the window is sized otherwise: the real frame then leaves it as asked.
    std::optional<std::pair<double, double>> outerAsked_;
    // The client size that outer size gave: a window shown maximised at
    // first comes back to it when restored, which is no sizing of its own.
    std::pair<double, double> askedClient_;
    int16_t windowState_ = vbNormal;
    int16_t borderStyle_ = vbSizable;
    bool minButton_ = true, maxButton_ = true, controlBox_ = true, showInTaskbar_ = true;
    int16_t startUpPosition_ = vbStartUpWindowsDefault;
    Color backColor_ = vbButtonFace;
    Font font_;
    bool keyPreview_ = false;
    bool documentMetric_ = false;
    int16_t mousePointer_ = vbDefault;
    bool enabled_ = true;

    std::vector<Control*> controls_;  // collection order
    std::vector<Control*> tabOrder_;  // the form's own tab order
    std::vector<Control*> timers_;    // every timer of the form, in user controls too
    std::vector<Menu*> menus_;        // top-level menus
    std::vector<ControlArrayBase*> arrays_;
    int loadingElements_ = 0; // a control array is making an element
    // While Unload removes the run-time elements: the form's own controls
    // that left, taken out of its lists in one pass afterwards.
    bool sweeping_ = false;
    std::unordered_set<const Control*> swept_;
    Control* active_ = nullptr;
    // Focus change in progress: a SetFocus from LostFocus redirects it.
    bool focusChanging_ = false;
    Control* focusRedirect_ = nullptr;
    // Mouse state: the control holding the mouse, a press lost to a focus
    // redirect, the release that ends a double click.
    Control* captured_ = nullptr;
    bool pressLost_ = false;
    bool secondClick_ = false;
    void* backendData_ = nullptr;
};

} // namespace forms
