#pragma once
#include "platform/forms/Types.h"

#include <QPixmap>
#include <QRect>

class QPainter;
class QPalette;

namespace forms {
class Control;
}

// Labels, lines, shapes and images have no widget of their own: as on the
// platform, their container draws them (under its windowed controls, in
// z-order among themselves) and finds the one under the mouse. The item of
// such a control is its place in the container's canvas; every property is
// read from the model when it is drawn.
namespace qtui {

class Canvas;

struct Item {
    forms::Control* control; // nullptr once the window goes
    Canvas* canvas;          // the container's widget that draws it
    QRect area;              // what it covers, canvas pixels
    bool shown = false;      // drawn (visible) at the last push
    QPixmap picture;         // an image's picture file
};

constexpr bool isItemKind(forms::ControlKind k) {
    return k == forms::ControlKind::Label || k == forms::ControlKind::Line || k == forms::ControlKind::Shape ||
           k == forms::ControlKind::Image;
}

// The item of a control of a shown form; nullptr when there is none.
Item* itemOf(const forms::Control& control);
// The canvas pixels a control's item covers, from the model: its rectangle,
// or for a line the end points with the pen around them.
QRect placementOf(const forms::Control& control);
// Reads an image's picture file.
void loadPicture(Item& item);
// The mouse over an item belongs to its control when it is a visible and
// enabled label or image; it passes through lines, shapes and the rest.
bool takesMouse(const Item& item);
// Draws an item within its area (and the painter's clip). `enabled`: the
// canvas is enabled.
void paintItem(QPainter& p, const Item& item, const QPalette& palette, bool enabled);

} // namespace qtui
