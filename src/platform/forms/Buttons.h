#pragma once
#include "platform/forms/Control.h"

namespace forms {

// A check box. Value set from code raises Click when it changes; a click or
// Space toggles it between unchecked and checked.
class CheckBox : public Control {
public:
    CheckBox(Container& parent, ControlName name, int index = -1);

    const std::string& Caption() const { return caption_; }
    void setCaption(std::string caption);
    int16_t Value() const { return value_; } // vbUnchecked, vbChecked, vbGrayed
    void setValue(int16_t v);
    int16_t Alignment() const { return alignment_; }
    void setAlignment(int16_t v);

protected:
    void copyFrom(const Control& source) override;

private:
    std::string caption_;
    int16_t value_ = vbUnchecked;
    int16_t alignment_ = vbLeftJustify;
};

// An option button. Its group is the option buttons of the same container.
// Setting Value to true clears the others of the group (raising nothing for
// them) and raises Click only when the value changes. In the tab order only
// the selected option of a group is a stop (the first one while none is).
class OptionButton : public Control {
public:
    OptionButton(Container& parent, ControlName name, int index = -1);

    const std::string& Caption() const { return caption_; }
    void setCaption(std::string caption);
    bool Value() const { return value_; }
    void setValue(bool v);
    int16_t Alignment() const { return alignment_; }
    void setAlignment(int16_t v);

protected:
    void copyFrom(const Control& source) override;

private:
    std::string caption_;
    bool value_ = false;
    int16_t alignment_ = vbLeftJustify;
};

// A command button. Enter or Space on the focused button clicks it. Enter
// elsewhere on the form clicks the Default button and Esc the Cancel button,
// where the window has one. Pressing a Cancel button does not move the focus,
// so the focused box's LostFocus validation does not run.
class CommandButton : public Control {
public:
    CommandButton(Container& parent, ControlName name, int index = -1);

    const std::string& Caption() const { return caption_; }
    void setCaption(std::string caption);
    bool Default() const { return default_; }
    void setDefault(bool v);
    bool Cancel() const { return cancel_; }
    void setCancel(bool v);

protected:
    void copyFrom(const Control& source) override;

private:
    std::string caption_;
    bool default_ = false, cancel_ = false;
};

} // namespace forms
