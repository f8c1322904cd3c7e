#pragma once
#include "platform/forms/Control.h"

#include <string>

namespace forms {

// An image control: shows a picture file at its natural size (or stretched).
class Image : public Control {
public:
    Image(Container& parent, ControlName name, int index = -1);

    const std::string& Picture() const { return picture_; }
    void setPicture(std::string path);
    bool Stretch() const { return stretch_; }
    void setStretch(bool v);

protected:
    void copyFrom(const Control& source) override;

private:
    std::string picture_;
    bool stretch_ = false;
};

// A line from (X1, Y1) to (X2, Y2) in the container's coordinates.
class Line : public Control {
public:
    Line(Container& parent, ControlName name, int index = -1);

    double X1() const { return x1_; }
    double Y1() const { return y1_; }
    double X2() const { return x2_; }
    double Y2() const { return y2_; }
    void setX1(double v) { setPoints(v, y1_, x2_, y2_); }
    void setY1(double v) { setPoints(x1_, v, x2_, y2_); }
    void setX2(double v) { setPoints(x1_, y1_, v, y2_); }
    void setY2(double v) { setPoints(x1_, y1_, x2_, v); }
    void setPoints(double x1, double y1, double x2, double y2);
    Color BorderColor() const { return borderColor_; }
    void setBorderColor(Color c);
    int16_t BorderStyle() const { return borderStyle_; } // 0 transparent, 1 solid, 2..6 dashes
    void setBorderStyle(int16_t v);
    int16_t BorderWidth() const { return borderWidth_; } // pixels
    void setBorderWidth(int16_t v);
    int16_t DrawMode() const { return drawMode_; } // 13 copy pen
    void setDrawMode(int16_t v);

protected:
    void copyFrom(const Control& source) override;

private:
    double x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;
    Color borderColor_ = vbWindowText;
    int16_t borderStyle_ = 1, borderWidth_ = 1, drawMode_ = 13;
};

// A shape: 0 rectangle, 1 square, 2 oval, 3 circle, 4 rounded rectangle,
// 5 rounded square.
class Shape : public Control {
public:
    Shape(Container& parent, ControlName name, int index = -1);

    int16_t ShapeKind() const { return shape_; }
    void setShapeKind(int16_t v);
    int16_t FillStyle() const { return fillStyle_; } // 0 solid, 1 transparent, 2.. hatches
    void setFillStyle(int16_t v);
    Color FillColor() const { return fillColor_; }
    void setFillColor(Color c);
    int16_t BackStyle() const { return backStyle_; } // 0 transparent, 1 opaque
    void setBackStyle(int16_t v);
    Color BorderColor() const { return borderColor_; }
    void setBorderColor(Color c);
    int16_t BorderStyle() const { return borderStyle_; }
    void setBorderStyle(int16_t v);
    int16_t BorderWidth() const { return borderWidth_; }
    void setBorderWidth(int16_t v);
    int16_t DrawMode() const { return drawMode_; }
    void setDrawMode(int16_t v);

protected:
    void copyFrom(const Control& source) override;

private:
    int16_t shape_ = 0, fillStyle_ = 1, backStyle_ = 0;
    Color fillColor_ = vbBlack, borderColor_ = vbWindowText;
    int16_t borderStyle_ = 1, borderWidth_ = 1, drawMode_ = 13;
};

} // namespace forms
