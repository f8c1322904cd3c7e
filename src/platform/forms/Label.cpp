#include "platform/forms/Label.h"

#include "platform/forms/Form.h"
#include "platform/forms/Printing.h"
#include "platform/forms/Services.h"

namespace forms {

Label::Label(Container& parent, ControlName name, int index)
    : Control(ControlKind::Label, parent, std::move(name), index) {}

void Label::setCaption(std::string caption) {
    if (caption == caption_) return;
    caption_ = std::move(caption);
    changed(Prop::Caption);
    fitToCaption();
}

void Label::setCaptionAndFont(std::string caption, const Font& font) {
    const bool newCaption = caption != caption_;
    if (newCaption) {
        caption_ = std::move(caption);
        changed(Prop::Caption);
    }
    if (!(font == this->font())) setFont(font); // sizes the label to its new caption
    else if (newCaption) fitToCaption();
}

void Label::setAlignment(int16_t v) {
    if (v == alignment_) return;
    alignment_ = v;
    changed(Prop::Appearance);
}

void Label::setAutoSize(bool v) {
    if (v == autoSize_) return;
    autoSize_ = v;
    fitToCaption();
}

void Label::setWordWrap(bool v) {
    if (v == wordWrap_) return;
    wordWrap_ = v;
    changed(Prop::Appearance);
}

void Label::setBackStyle(int16_t v) {
    if (v == backStyle_) return;
    backStyle_ = v;
    changed(Prop::Appearance);
}

void Label::setBorderStyle(int16_t v) {
    if (v == borderStyle_) return;
    borderStyle_ = v;
    changed(Prop::Appearance);
}

// A label sized to its text keeps its right edge when right-aligned and its
// left edge otherwise. Report forms measure as they print.
void Label::fitToCaption() {
    if (!autoSize_) return;
    double w = 0, h = 0;
    if (form().DocumentMetric()) {
        w = documentMetrics().textWidth(font(), caption_);
        h = documentMetrics().textHeight(font(), caption_);
    } else {
        w = TextWidth(font(), caption_);
        h = TextHeight(font(), caption_);
    }
    const double left = alignment_ == vbRightJustify ? Left() + Width() - w : Left();
    Move(left, Top(), w, h);
}

void Label::copyFrom(const Control& source) {
    Control::copyFrom(source);
    const auto& s = static_cast<const Label&>(source);
    caption_ = s.caption_;
    alignment_ = s.alignment_;
    autoSize_ = s.autoSize_;
    wordWrap_ = s.wordWrap_;
    backStyle_ = s.backStyle_;
    borderStyle_ = s.borderStyle_;
}

} // namespace forms
