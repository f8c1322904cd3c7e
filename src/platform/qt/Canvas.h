#pragma once
#include "platform/forms/Types.h"
#include "platform/qt/Items.h"

#include <QPixmap>
#include <QRegion>
#include <QWidget>

#include <memory>
#include <vector>

class QMouseEvent;

namespace qtui {

// The inside of a container (the form's client area, a frame, a picture box,
// a user control): it paints its own background, then the items of its
// labels, lines, shapes and images back to front; its windowed controls are
// child widgets above them. What it draws is kept in a pixmap: a change
// draws again only its area (a push, the area of the item), and a repaint
// without a change (the canvas moved or was uncovered) copies the pixmap.
//
// The mouse over an item that takes it goes to the item's control, with the
// coordinates relative to the item; the item pressed keeps the mouse until
// the last button is released. Over anything else the mouse is the
// container's own (routeMouse returns false).
class Canvas : public QWidget {
public:
    explicit Canvas(QWidget* parent);
    ~Canvas() override;

    // Makes the item of a label, line, shape or image of this container, on
    // top of the others.
    Item& addItem(forms::Control& control);
    void removeItem(Item& item);
    // The model changed something of the item: place it, restack it or
    // read its picture again, and repaint where it was and where it is.
    void itemChanged(Item& item, forms::Prop what);
    // The topmost item that takes the mouse at a point; nullptr when none.
    Item* itemAt(const QPoint& at) const;
    // Routes a mouse event on this widget to the item it belongs to; false
    // when it is the container's own.
    bool routeMouse(QMouseEvent* event);
    // The container's own mouse pointer (an item's own shows over it).
    void setOwnPointer(int16_t pointer);
    // Part of what the canvas draws changed: it is drawn again at the next paint.
    void invalidate(const QRect& area);
    void invalidate() { invalidate(rect()); }

protected:
    // The background, under the items; the painter is clipped to what changed.
    virtual void paintBackground(QPainter&) {}
    void paintEvent(QPaintEvent* event) override;
    // Colours, fonts, style and the enabled state change the look.
    void changeEvent(QEvent* event) override;
    // The mouse of a canvas that no control's binding watches (the client
    // area); window activation, where it changes the colours.
    bool event(QEvent* event) override;

private:
    enum class Grab { None, Item, Own };
    void restack(Item& item);
    void repaintItem(Item& item);
    void dispatch(const QMouseEvent& event, Item& item);
    void hover(Item* item);
    int16_t pointerOver(const Item* item) const;

    // Brings the out-of-date parts of drawn_ within `needed` up to date.
    void draw(const QRegion& needed);

    std::vector<std::unique_ptr<Item>> items_; // back to front
    QPixmap drawn_; // what the canvas shows
    QRegion stale_; // the parts of drawn_ that changed since
    Grab grab_ = Grab::None;
    Item* pressed_ = nullptr; // the item holding the mouse (cleared if it goes)
    Item* hovered_ = nullptr;
    int16_t ownPointer_ = forms::vbDefault;
    int16_t shownPointer_ = forms::vbDefault;
};

} // namespace qtui
