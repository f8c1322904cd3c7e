#include "platform/forms/Graphics.h"

namespace forms {

namespace {
// Stores a value and pushes the change when it differs.
template <class T>
bool store(T& field, const T& value) {
    if (field == value) return false;
    field = value;
    return true;
}
} // namespace

Image::Image(Container& parent, ControlName name, int index)
    : Control(ControlKind::Image, parent, std::move(name), index) {}

void Image::setPicture(std::string path) {
    if (store(picture_, path)) changed(Prop::Picture);
}

void Image::setStretch(bool v) {
    if (store(stretch_, v)) changed(Prop::Appearance);
}

void Image::copyFrom(const Control& source) {
    Control::copyFrom(source);
    const auto& s = static_cast<const Image&>(source);
    picture_ = s.picture_;
    stretch_ = s.stretch_;
}

Line::Line(Container& parent, ControlName name, int index)
    : Control(ControlKind::Line, parent, std::move(name), index) {}

void Line::setPoints(double x1, double y1, double x2, double y2) {
    if (x1 == x1_ && y1 == y1_ && x2 == x2_ && y2 == y2_) return;
    x1_ = x1;
    y1_ = y1;
    x2_ = x2;
    y2_ = y2;
    changed(Prop::Geometry);
}

void Line::setBorderColor(Color c) {
    if (store(borderColor_, c)) changed(Prop::Appearance);
}
void Line::setBorderStyle(int16_t v) {
    if (store(borderStyle_, v)) changed(Prop::Appearance);
}
void Line::setBorderWidth(int16_t v) {
    if (store(borderWidth_, v)) changed(Prop::Appearance);
}
void Line::setDrawMode(int16_t v) {
    if (store(drawMode_, v)) changed(Prop::Appearance);
}

void Line::copyFrom(const Control& source) {
    Control::copyFrom(source);
    const auto& s = static_cast<const Line&>(source);
    x1_ = s.x1_;
    y1_ = s.y1_;
    x2_ = s.x2_;
    y2_ = s.y2_;
    borderColor_ = s.borderColor_;
    borderStyle_ = s.borderStyle_;
    borderWidth_ = s.borderWidth_;
    drawMode_ = s.drawMode_;
}

Shape::Shape(Container& parent, ControlName name, int index)
    : Control(ControlKind::Shape, parent, std::move(name), index) {
    setBackColor(vbWindowBackground);
}

void Shape::setShapeKind(int16_t v) {
    if (store(shape_, v)) changed(Prop::Appearance);
}
void Shape::setFillStyle(int16_t v) {
    if (store(fillStyle_, v)) changed(Prop::Appearance);
}
void Shape::setFillColor(Color c) {
    if (store(fillColor_, c)) changed(Prop::Appearance);
}
void Shape::setBackStyle(int16_t v) {
    if (store(backStyle_, v)) changed(Prop::Appearance);
}
void Shape::setBorderColor(Color c) {
    if (store(borderColor_, c)) changed(Prop::Appearance);
}
void Shape::setBorderStyle(int16_t v) {
    if (store(borderStyle_, v)) changed(Prop::Appearance);
}
void Shape::setBorderWidth(int16_t v) {
    if (store(borderWidth_, v)) changed(Prop::Appearance);
}
void Shape::setDrawMode(int16_t v) {
    if (store(drawMode_, v)) changed(Prop::Appearance);
}

void Shape::copyFrom(const Control& source) {
    Control::copyFrom(source);
    const auto& s = static_cast<const Shape&>(source);
    shape_ = s.shape_;
    fillStyle_ = s.fillStyle_;
    backStyle_ = s.backStyle_;
    fillColor_ = s.fillColor_;
    borderColor_ = s.borderColor_;
    borderStyle_ = s.borderStyle_;
    borderWidth_ = s.borderWidth_;
    drawMode_ = s.drawMode_;
}

} // namespace forms
