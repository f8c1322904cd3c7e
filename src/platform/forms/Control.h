#pragma once
#include "platform/forms/Event.h"
#include "platform/forms/Types.h"

#include <functional>
#include <string>
#include <vector>

namespace forms {

class Control;
class Form;
class UserControl;

// Event handler types. Handlers are plain members assigned in the window's
// constructor: `txtA.KeyPress = [this](int16_t& k) { txtA_KeyPress(k); };`
using Handler = Event<void()>;
using KeyHandler = Event<void(int16_t& KeyCode, int16_t Shift)>;
using KeyPressHandler = Event<void(int16_t& KeyAscii)>;
using MouseHandler = Event<void(int16_t Button, int16_t Shift, double X, double Y)>;
// Every control carries all of them, mostly empty: they must stay small.
static_assert(sizeof(Handler) <= 2 * sizeof(void*));

// Something that holds controls: a form, a frame, a picture box, a user
// control, or a menu (whose children are menus). Children are kept back to
// front (the last one is drawn on top).
class Container {
public:
    Container(const Container&) = delete;
    Container& operator=(const Container&) = delete;
    virtual ~Container() = default;

    Form& hostForm() const { return *host_; }
    // The container as a control; nullptr for the form itself.
    virtual Control* asControl() { return nullptr; }
    const std::vector<Control*>& children() const { return children_; }
    // Room for `more` controls about to be made inside in one go (a row of
    // cells), so the lists they join grow once instead of step by step.
    void reserveChildren(size_t more);

protected:
    explicit Container(Form* host) : host_(host) {}

private:
    friend class Control;
    friend class Form;
    Form* host_;
    std::vector<Control*> children_;
};

// What a control is called: a name of its own, or, for an element of a
// control array, the array's, which outlives the element: loading an
// element copies no name.
class ControlName {
public:
    ControlName(std::string own) : own_(std::move(own)) {}
    ControlName(const char* own) : own_(own) {}
    static ControlName ofArray(const std::string& name) {
        ControlName n{std::string()};
        n.array_ = &name;
        return n;
    }
    const std::string& get() const { return array_ ? *array_ : own_; }

private:
    std::string own_;
    const std::string* array_ = nullptr;
};

// The base of every control. The model holds every property; setters store
// the value, raise the platform's events where it has any, and push the change
// to the live widget when the form is shown.
class Control {
public:
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control();

    ControlKind kind() const { return kind_; }
    const std::string& Name() const { return name_.get(); } // the array's name for array elements
    int Index() const { return index_; }                    // -1 when not in a control array
    Form& form() const { return *form_; }
    Container& parent() const { return *parent_; }
    // The frame, picture box, user control or menu holding this control;
    // nullptr when the form holds it directly.
    Control* containerControl() const { return parent_->asControl(); }
    // The nearest user control around this control; nullptr when none.
    UserControl* userControl() const { return owner_; }

    // Geometry in twips, relative to the container's inner area.
    double Left() const { return left_; }
    double Top() const { return top_; }
    double Width() const { return width_; }
    double Height() const { return height_; }
    void setLeft(double v) { Move(v, top_, width_, height_); }
    void setTop(double v) { Move(left_, v, width_, height_); }
    void setWidth(double v) { Move(left_, top_, v, height_); }
    void setHeight(double v) { Move(left_, top_, width_, v); }
    void Move(double left, double top) { Move(left, top, width_, height_); }
    void Move(double left, double top, double width, double height);

    bool Visible() const { return visible_; }
    void setVisible(bool v);
    bool Enabled() const { return enabled_; }
    void setEnabled(bool v);
    // Visible and enabled together with every container up to the form.
    bool visibleOnForm() const;
    bool enabledOnForm() const;

    const Font& font() const { return font_; }
    void setFont(const Font& f);
    void setFontName(const std::string& name);
    void setFontSize(double points);
    void setFontBold(bool v);
    void setFontItalic(bool v);
    void setFontUnderline(bool v);
    void setFontStrikethru(bool v);

    Color BackColor() const { return backColor_; }
    void setBackColor(Color c);
    Color ForeColor() const { return foreColor_; }
    void setForeColor(Color c);

    // Tab order: the position among the controls of the form (or of the user
    // control around it). Setting it moves the control and renumbers the rest.
    int TabIndex() const;
    void setTabIndex(int position);
    bool TabStop() const { return tabStop_; }
    void setTabStop(bool v);

    // 0 brings the control to the front of its container's children, 1 sends
    // it to the back.
    void ZOrder(int position = 0);
    // Moves the focus here from code: LostFocus of the old control, then
    // GotFocus of this one. A hidden or disabled control raises error 5.
    void SetFocus();
    // Repaints the live widget at once (no effect without widgets).
    void Refresh();

    int16_t MousePointer() const { return mousePointer_; }
    void setMousePointer(int16_t v);

    // True when the control can hold the focus now (kind, visible, enabled).
    bool canFocus() const;

    // Events common to the controls that have them.
    Handler Click, DblClick, GotFocus, LostFocus;
    KeyHandler KeyDown, KeyUp;
    KeyPressHandler KeyPress;
    MouseHandler MouseDown, MouseMove, MouseUp;

    // The backend's own data for the live widget of this control.
    void* backendData() const { return backendData_; }
    void setBackendData(void* p) { backendData_ = p; }

protected:
    Control(ControlKind kind, Container& parent, ControlName name, int index);

    // Pushes a change to the live widget, when there is one.
    void changed(Prop what);
    // Copies element 0's current properties into a new array element.
    virtual void copyFrom(const Control& source);
    // Hooks for kinds that react to their own size or font.
    virtual void geometryChanged(bool sizeChanged) { (void)sizeChanged; }
    virtual void fontChanged() {}
    virtual void enabledChanged() {}

private:
    friend class Form;
    friend class ControlArrayBase;
    friend class UserControl;

    void setFontWith(const std::function<void(Font&)>& change);

    ControlKind kind_;
    int index_;
    ControlName name_;
    Form* form_;
    Container* parent_;
    UserControl* owner_;
    double left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    bool visible_ = true;
    bool enabled_ = true;
    bool tabStop_ = true;
    Font font_;
    Color backColor_ = vbButtonFace;
    Color foreColor_ = vbButtonText;
    int16_t mousePointer_ = vbDefault;
    void* backendData_ = nullptr;
};

} // namespace forms
