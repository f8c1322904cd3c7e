#pragma once
#include "platform/forms/Types.h"

#include <string>
#include <string_view>

namespace forms {

// How a line or an outline is drawn. `width` is in device dots (printer dots,
// screen pixels); `style` is the DrawStyle: 0 solid, 1 dash, 2 dot,
// 3 dash-dot, 4 dash-dot-dot, 5 invisible, 6 inside solid; `mode` the
// DrawMode (13 copy pen).
struct Pen {
    Color color = vbBlack;
    int width = 1;
    int16_t style = 0;
    int16_t mode = 13;
    bool operator==(const Pen&) const = default;
};

// How an inside is filled: FillStyle 0 solid, 1 transparent, 2 horizontal,
// 3 vertical, 4 upward diagonal, 5 downward diagonal, 6 cross, 7 diagonal
// cross.
struct Brush {
    Color color = vbBlack;
    int16_t style = 1;
    bool operator==(const Brush&) const = default;
};

// The paper of a page: Orientation 1 portrait, 2 landscape; PaperSize 9 = A4.
struct PageSetup {
    int16_t Orientation = 1;
    int16_t PaperSize = 9;
    bool operator==(const PageSetup&) const = default;
};

// Something drawn on: a print document, a picture, or a recording in tests.
// Coordinates are twips from the top left of the drawable area; the device
// turns them into its dots. Font sizes are points as drawn.
class Device {
public:
    virtual ~Device() = default;

    // Dots per twip: the printer's resolution, or 1/15 for a screen picture.
    virtual double dotsPerTwip() const = 0;

    // Pages of a print document: a page starts with its paper before its
    // first drawing; newPage ends it; endDoc ends it and the document.
    // Pictures have a single page and ignore them.
    virtual void startPage(const PageSetup& setup) { (void)setup; }
    virtual void newPage() {}
    virtual void endDoc() {}

    // Text whose cell's top left is (x, y).
    virtual void text(double x, double y, std::string_view s, const Font& font, Color color) = 0;
    virtual void line(double x1, double y1, double x2, double y2, const Pen& pen) = 0;
    // A rectangle: outline with the pen, inside with the brush.
    virtual void box(double x1, double y1, double x2, double y2, const Pen& pen, const Brush& brush) = 0;
    // An ellipse centred at (cx, cy) with semi-axes rx, ry.
    virtual void ellipse(double cx, double cy, double rx, double ry, const Pen& pen, const Brush& brush) = 0;
    // A picture file stretched into a rectangle.
    virtual void picture(const std::string& path, double x, double y, double width, double height) = 0;
};

// A picture drawn in memory, white to begin with, that can be saved.
class PictureDevice : public Device {
public:
    // Saves the picture as a Windows bitmap; false when it cannot be written.
    virtual bool saveBmp(const std::string& path) = 0;
    // A save in two steps, for pictures drawn no further: a device may write
    // the file meanwhile (while the next picture is drawn). endSave tells
    // whether it was written.
    virtual void beginSave(const std::string& path) { savePath_ = path; }
    virtual bool endSave() { return saveBmp(savePath_); }

private:
    std::string savePath_;
};

} // namespace forms
