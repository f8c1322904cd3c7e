#include "platform/forms/Containers.h"

#include "platform/forms/Form.h"

#include <algorithm>

namespace forms {

double innerSize(double outer, int16_t borderStyle) {
    return std::max(0.0, borderStyle == 0 ? outer : outer - 4 * TwipsPerPixel);
}

Frame::Frame(Container& parent, ControlName name, int index)
    : Control(ControlKind::Frame, parent, std::move(name), index), Container(&parent.hostForm()) {}

void Frame::setCaption(std::string caption) {
    if (caption == caption_) return;
    caption_ = std::move(caption);
    changed(Prop::Caption);
}

void Frame::setBorderStyle(int16_t v) {
    if (v == borderStyle_) return;
    borderStyle_ = v;
    changed(Prop::Appearance);
}

void Frame::copyFrom(const Control& source) {
    Control::copyFrom(source);
    const auto& s = static_cast<const Frame&>(source);
    caption_ = s.caption_;
    borderStyle_ = s.borderStyle_;
}

PictureBox::PictureBox(Container& parent, ControlName name, int index)
    : Control(ControlKind::PictureBox, parent, std::move(name), index), Container(&parent.hostForm()) {}

void PictureBox::setBorderStyle(int16_t v) {
    if (v == borderStyle_) return;
    borderStyle_ = v;
    changed(Prop::Appearance);
}

void PictureBox::setPicture(std::string path) {
    if (path == picture_) return;
    picture_ = std::move(path);
    changed(Prop::Picture);
}

void PictureBox::copyFrom(const Control& source) {
    Control::copyFrom(source);
    const auto& s = static_cast<const PictureBox&>(source);
    borderStyle_ = s.borderStyle_;
    autoRedraw_ = s.autoRedraw_;
    picture_ = s.picture_;
}

UserControl::UserControl(Container& parent, ControlName name, int index)
    : Control(ControlKind::UserControl, parent, std::move(name), index), Container(&parent.hostForm()) {
    // A user control is made of a handful of controls at least (a row view
    // of a grid has nine before its cells): room for them in one step.
    reserveChildren(16);
}

UserControl::~UserControl() = default;

void UserControl::FillBox(double x1, double y1, double x2, double y2, Color color) {
    painted_.push_back({x1, y1, x2, y2, color});
    changed(Prop::Picture);
}

void UserControl::Cls() {
    if (painted_.empty()) return;
    painted_.clear();
    changed(Prop::Picture);
}

void UserControl::geometryChanged(bool sizeChanged) {
    if (sizeChanged) UserControl_Resize();
}

} // namespace forms
