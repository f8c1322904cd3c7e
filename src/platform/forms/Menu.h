#pragma once
#include "platform/forms/Control.h"

namespace forms {

// A menu item: on the form's menu bar (parent: the form) or inside another
// menu (parent: that menu). A caption of "-" is a separator. Choosing an item
// raises its Click.
class Menu : public Control, public Container {
public:
    Menu(Container& parent, ControlName name, int index = -1);
    ~Menu() override;

    const std::string& Caption() const { return caption_; }
    void setCaption(std::string caption);
    bool Checked() const { return checked_; }
    void setChecked(bool v);

    Control* asControl() override { return this; }
    // The items inside this menu, in order.
    const std::vector<Control*>& items() const { return children(); }

protected:
    void copyFrom(const Control& source) override;

private:
    std::string caption_;
    bool checked_ = false;
};

} // namespace forms
