#include "platform/forms/Buttons.h"

#include "platform/forms/Form.h"

namespace forms {

CheckBox::CheckBox(Container& parent, ControlName name, int index)
    : Control(ControlKind::CheckBox, parent, std::move(name), index) {}

void CheckBox::setCaption(std::string caption) {
    if (caption == caption_) return;
    caption_ = std::move(caption);
    changed(Prop::Caption);
}

void CheckBox::setValue(int16_t v) {
    if (v == value_) return;
    value_ = v;
    changed(Prop::Value);
    raise(Click);
}

void CheckBox::setAlignment(int16_t v) {
    if (v == alignment_) return;
    alignment_ = v;
    changed(Prop::Appearance);
}

void CheckBox::copyFrom(const Control& source) {
    Control::copyFrom(source);
    const auto& s = static_cast<const CheckBox&>(source);
    caption_ = s.caption_;
    value_ = s.value_;
    alignment_ = s.alignment_;
}

OptionButton::OptionButton(Container& parent, ControlName name, int index)
    : Control(ControlKind::OptionButton, parent, std::move(name), index) {}

void OptionButton::setCaption(std::string caption) {
    if (caption == caption_) return;
    caption_ = std::move(caption);
    changed(Prop::Caption);
}

void OptionButton::setValue(bool v) {
    if (v == value_) return;
    value_ = v;
    changed(Prop::Value);
    if (!v) return;
    // The others of the group (same container) are cleared without events.
    for (Control* other : parent().children()) {
        if (other == this || other->kind() != ControlKind::OptionButton) continue;
        auto* opt = static_cast<OptionButton*>(other);
        if (opt->value_) {
            opt->value_ = false;
            opt->changed(Prop::Value);
        }
    }
    raise(Click);
}

void OptionButton::setAlignment(int16_t v) {
    if (v == alignment_) return;
    alignment_ = v;
    changed(Prop::Appearance);
}

void OptionButton::copyFrom(const Control& source) {
    Control::copyFrom(source);
    const auto& s = static_cast<const OptionButton&>(source);
    caption_ = s.caption_;
    alignment_ = s.alignment_; // a loaded copy starts unselected
}

CommandButton::CommandButton(Container& parent, ControlName name, int index)
    : Control(ControlKind::CommandButton, parent, std::move(name), index) {}

void CommandButton::setCaption(std::string caption) {
    if (caption == caption_) return;
    caption_ = std::move(caption);
    changed(Prop::Caption);
}

// One Default and one Cancel button per window: setting one clears the other.
void CommandButton::setDefault(bool v) {
    if (v == default_) return;
    if (v) {
        for (Control* c : form().Controls())
            if (c != this && c->kind() == ControlKind::CommandButton) static_cast<CommandButton*>(c)->setDefault(false);
    }
    default_ = v;
    changed(Prop::Behaviour);
}

void CommandButton::setCancel(bool v) {
    if (v == cancel_) return;
    if (v) {
        for (Control* c : form().Controls())
            if (c != this && c->kind() == ControlKind::CommandButton) static_cast<CommandButton*>(c)->setCancel(false);
    }
    cancel_ = v;
    changed(Prop::Behaviour);
}

void CommandButton::copyFrom(const Control& source) {
    Control::copyFrom(source);
    caption_ = static_cast<const CommandButton&>(source).caption_;
}

} // namespace forms
