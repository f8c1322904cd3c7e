#pragma once
#include "platform/forms/Control.h"

#include <string>
#include <vector>

namespace forms {

class Surface; // the drawing interface of picture boxes and the printer

// A frame: a captioned container and an option-group boundary. Disabling or
// hiding it disables or hides its contents.
class Frame : public Control, public Container {
public:
    Frame(Container& parent, ControlName name, int index = -1);

    const std::string& Caption() const { return caption_; }
    void setCaption(std::string caption);
    int16_t BorderStyle() const { return borderStyle_; } // 0 none, 1 fixed single
    void setBorderStyle(int16_t v);

    Control* asControl() override { return this; }

protected:
    void copyFrom(const Control& source) override;

private:
    std::string caption_;
    int16_t borderStyle_ = 1;
};

// Inner size of a box with an optional single border (2 pixels each side).
double innerSize(double outer, int16_t borderStyle);

// A picture box: a container with an inner area (ScaleWidth, ScaleHeight), a
// picture file to show and a drawing surface (attached by the drawing layer;
// none by default). Paint is raised when its widget needs repainting.
class PictureBox : public Control, public Container {
public:
    PictureBox(Container& parent, ControlName name, int index = -1);

    int16_t BorderStyle() const { return borderStyle_; } // 0 none, 1 fixed single
    void setBorderStyle(int16_t v);
    double ScaleWidth() const { return innerSize(Width(), borderStyle_); }
    double ScaleHeight() const { return innerSize(Height(), borderStyle_); }
    bool AutoRedraw() const { return autoRedraw_; }
    void setAutoRedraw(bool v) { autoRedraw_ = v; }
    // The picture shown: a file path ("" = none).
    const std::string& Picture() const { return picture_; }
    void setPicture(std::string path);

    Surface* surface() const { return surface_; }
    void setSurface(Surface* s) { surface_ = s; }

    Handler Paint;
    Control* asControl() override { return this; }

protected:
    void copyFrom(const Control& source) override;

private:
    int16_t borderStyle_ = 1;
    bool autoRedraw_ = false;
    std::string picture_;
    Surface* surface_ = nullptr;
};

// The base of the program's own composite controls (the grid, its row
// views). A derived class holds child controls as members (parent `*this`)
// and raises events of its own as plain forms::Event members. Its children
// form its own collection and tab order; the form dispatches their input as
// for any control.
class UserControl : public Control, public Container {
public:
    UserControl(Container& parent, ControlName name, int index = -1);
    ~UserControl() override;

    // The user control's own controls in collection order.
    const std::vector<Control*>& Controls() const { return controls_; }
    double ScaleWidth() const { return Width(); }
    double ScaleHeight() const { return Height(); }

    Surface* surface() const { return surface_; }
    void setSurface(Surface* s) { surface_ = s; }

    // Filled boxes painted on the user control's own surface from (x1, y1)
    // up to (x2, y2), as the Line method with BF paints them: they lie under
    // its controls and stay across repaints until Cls wipes them.
    struct PaintedBox {
        double x1, y1, x2, y2;
        Color color;
        bool operator==(const PaintedBox&) const = default;
    };
    void FillBox(double x1, double y1, double x2, double y2, Color color);
    void Cls();
    const std::vector<PaintedBox>& Painted() const { return painted_; }

    Handler Paint;
    Control* asControl() override { return this; }

protected:
    // Raised when the user control's size changes.
    virtual void UserControl_Resize() {}
    void geometryChanged(bool sizeChanged) override;

private:
    friend class Control;
    friend class Form;
    std::vector<Control*> controls_;
    std::vector<Control*> tabOrder_;
    Surface* surface_ = nullptr;
    std::vector<PaintedBox> painted_;
};

} // namespace forms
