#include "platform/forms/ScrollBar.h"

#include "platform/text/RuntimeError.h"

#include <algorithm>

namespace forms {

ScrollBar::ScrollBar(ControlKind kind, Container& parent, ControlName name, int index)
    : Control(kind, parent, std::move(name), index) {}

HScrollBar::HScrollBar(Container& parent, ControlName name, int index)
    : ScrollBar(ControlKind::HScrollBar, parent, std::move(name), index) {}

VScrollBar::VScrollBar(Container& parent, ControlName name, int index)
    : ScrollBar(ControlKind::VScrollBar, parent, std::move(name), index) {}

void ScrollBar::setValue(int16_t v) {
    if (v < std::min(min_, max_) || v > std::max(min_, max_)) text::raise(380);
    if (v == value_) return;
    value_ = v;
    changed(Prop::Value);
    raise(Change);
}

// A new range moves the value into it (raising Change when it moves).
void ScrollBar::moveInto() {
    changed(Prop::Range);
    const int16_t clamped = std::clamp(value_, std::min(min_, max_), std::max(min_, max_));
    if (clamped != value_) setValue(clamped);
}

void ScrollBar::setMin(int16_t v) {
    if (v == min_) return;
    min_ = v;
    moveInto();
}

void ScrollBar::setMax(int16_t v) {
    if (v == max_) return;
    max_ = v;
    moveInto();
}

void ScrollBar::setSmallChange(int16_t v) {
    if (v == smallChange_) return;
    smallChange_ = v;
    changed(Prop::Range);
}

void ScrollBar::setLargeChange(int16_t v) {
    if (v == largeChange_) return;
    largeChange_ = v;
    changed(Prop::Range);
}

void ScrollBar::copyFrom(const Control& source) {
    Control::copyFrom(source);
    const auto& s = static_cast<const ScrollBar&>(source);
    min_ = s.min_;
    max_ = s.max_;
    value_ = s.value_;
    smallChange_ = s.smallChange_;
    largeChange_ = s.largeChange_;
}

} // namespace forms
