#include "platform/forms/Surface.h"

#include "platform/forms/Printing.h"

#include <cmath>

namespace forms {

void Surface::Print(std::string_view text) {
    output().text(toX(currentX_), toY(currentY_), text, font_, foreColor_);
    currentY_ += TextHeight(text);
    currentX_ = scaleLeft_;
}

void Surface::Line(double x1, double y1, double x2, double y2, Color color, LineKind kind) {
    Device& d = output();
    Pen pen = pen_;
    pen.color = color;
    switch (kind) {
    case LineKind::Line: d.line(toX(x1), toY(y1), toX(x2), toY(y2), pen); break;
    case LineKind::Box: d.box(toX(x1), toY(y1), toX(x2), toY(y2), pen, fill_); break;
    case LineKind::BoxFill: d.box(toX(x1), toY(y1), toX(x2), toY(y2), pen, Brush{color, 0}); break;
    }
    currentX_ = x2;
    currentY_ = y2;
}

void Surface::Circle(double x, double y, double radius, Color color, double aspect) {
    Pen pen = pen_;
    pen.color = color;
    const double r = std::abs(radius);
    const double rx = aspect < 1 ? r : r / aspect, ry = aspect < 1 ? r * aspect : r;
    output().ellipse(toX(x), toY(y), rx, ry, pen, fill_);
    currentX_ = x;
    currentY_ = y;
}

void Surface::PaintPicture(const std::string& path, double x, double y, double width, double height) {
    output().picture(path, toX(x), toY(y), width, height);
}

double Surface::TextWidth(std::string_view text) const { return documentMetrics().textWidth(font_, text); }
double Surface::TextHeight(std::string_view text) const { return documentMetrics().textHeight(font_, text); }

} // namespace forms
