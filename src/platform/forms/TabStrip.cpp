#include "platform/forms/TabStrip.h"

#include "platform/text/RuntimeError.h"

#include <algorithm>

namespace forms {

TabStrip::TabStrip(Container& parent, ControlName name, int index)
    : Control(ControlKind::TabStrip, parent, std::move(name), index) {}

void TabStrip::checkTab(int index) const {
    if (index < 1 || index > TabsCount()) text::raise(380);
}

void TabStrip::TabsClear() {
    tabs_.clear();
    selected_ = 0;
    changed(Prop::Tabs);
}

void TabStrip::TabsAdd(int index, std::string caption) {
    if (index < 0 || index > TabsCount() + 1) text::raise(380);
    const int at = index == 0 ? TabsCount() + 1 : index;
    tabs_.insert(tabs_.begin() + (at - 1), std::move(caption));
    if (selected_ == 0) selected_ = 1; // the first tab is selected, silently
    else if (at <= selected_) ++selected_;
    changed(Prop::Tabs);
}

void TabStrip::TabsRemove(int index) {
    checkTab(index);
    tabs_.erase(tabs_.begin() + (index - 1));
    if (tabs_.empty()) selected_ = 0;
    else if (index < selected_ || selected_ > TabsCount()) --selected_;
    changed(Prop::Tabs);
}

const std::string& TabStrip::TabCaption(int index) const {
    checkTab(index);
    return tabs_[static_cast<size_t>(index - 1)];
}

void TabStrip::setTabCaption(int index, std::string caption) {
    checkTab(index);
    tabs_[static_cast<size_t>(index - 1)] = std::move(caption);
    changed(Prop::Tabs);
}

void TabStrip::SelectTab(int index) {
    checkTab(index);
    selected_ = index;
    changed(Prop::Tabs);
    raise(Click);
}

double TabStrip::ClientWidth() const { return std::max(0.0, Width() - 2 * FrameInset); }
double TabStrip::ClientHeight() const { return std::max(0.0, Height() - TabRowHeight - 2 * FrameInset); }

void TabStrip::copyFrom(const Control& source) {
    Control::copyFrom(source);
    const auto& s = static_cast<const TabStrip&>(source);
    tabs_ = s.tabs_;
    selected_ = s.selected_;
}

} // namespace forms
