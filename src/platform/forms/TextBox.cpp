#include "platform/forms/TextBox.h"

namespace forms {

TextBox::TextBox(Container& parent, ControlName name, int index)
    : Control(ControlKind::TextBox, parent, std::move(name), index) {
    setBackColor(vbWindowBackground);
    setForeColor(vbWindowText);
}

void TextBox::editDone(bool textChanged) {
    if (textChanged) changed(Prop::Text);
    changed(Prop::Selection);
    if (textChanged) raise(Change);
}

void TextBox::setText(std::string_view text) { editDone(edit_.setText(text)); }

void TextBox::setSelStart(long v) {
    edit_.select(v, 0);
    changed(Prop::Selection);
}

void TextBox::setSelLength(long v) {
    edit_.select(edit_.selStart(), v);
    changed(Prop::Selection);
}

void TextBox::setSelText(std::string_view text) { editDone(edit_.replaceSelection(text)); }

void TextBox::setMaxLength(long v) {
    edit_.setMaxLength(v);
    changed(Prop::Behaviour);
}

void TextBox::setAlignment(int16_t v) {
    if (v == alignment_) return;
    alignment_ = v;
    changed(Prop::Appearance);
}

void TextBox::setIMEMode(int16_t v) {
    if (v == imeMode_) return;
    imeMode_ = v;
    changed(Prop::Behaviour);
}

void TextBox::copyFrom(const Control& source) {
    Control::copyFrom(source);
    const auto& s = static_cast<const TextBox&>(source);
    edit_.setText(s.Text());
    edit_.setMaxLength(s.MaxLength());
    alignment_ = s.alignment_;
    imeMode_ = s.imeMode_;
}

} // namespace forms
