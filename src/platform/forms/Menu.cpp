#include "platform/forms/Menu.h"

#include "platform/forms/Form.h"

#include <algorithm>

namespace forms {

Menu::Menu(Container& parent, ControlName name, int index)
    : Control(ControlKind::Menu, parent, std::move(name), index), Container(&parent.hostForm()) {
    if (!parent.asControl()) {
        form().menus_.push_back(this);
        form().defaultFrame();
    }
}

Menu::~Menu() { std::erase(form().menus_, this); }

void Menu::setCaption(std::string caption) {
    if (caption == caption_) return;
    caption_ = std::move(caption);
    changed(Prop::Caption);
}

void Menu::setChecked(bool v) {
    if (v == checked_) return;
    checked_ = v;
    changed(Prop::Value);
}

void Menu::copyFrom(const Control& source) {
    Control::copyFrom(source);
    const auto& s = static_cast<const Menu&>(source);
    caption_ = s.caption_;
    checked_ = s.checked_;
}

} // namespace forms
