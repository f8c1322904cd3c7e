#include "platform/qt/Canvas.h"

#include "platform/forms/Control.h"
#include "platform/forms/Form.h"
#include "platform/qt/Convert.h"
#include "platform/qt/FormWindow.h"
#include "platform/qt/KeyMap.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

namespace qtui {

Canvas::Canvas(QWidget* parent) : QWidget(parent) {}

Canvas::~Canvas() {
    for (const auto& item : items_)
        if (item->control) item->control->setBackendData(nullptr);
}

Item& Canvas::addItem(forms::Control& c) {
    items_.push_back(std::make_unique<Item>(Item{&c, this, QRect(), false, QPixmap()}));
    Item& item = *items_.back();
    c.setBackendData(&item);
    if (c.kind() == forms::ControlKind::Image) loadPicture(item);
    if (c.MouseMove || c.MousePointer() != forms::vbDefault) setMouseTracking(true);
    repaintItem(item);
    return item;
}

void Canvas::removeItem(Item& item) {
    if (pressed_ == &item) pressed_ = nullptr;
    if (hovered_ == &item) hover(nullptr);
    if (item.shown) invalidate(item.area);
    if (item.control) item.control->setBackendData(nullptr);
    std::erase_if(items_, [&](const auto& i) { return i.get() == &item; });
}

void Canvas::itemChanged(Item& item, forms::Prop what) {
    switch (what) {
    case forms::Prop::ZOrder: restack(item); break;
    case forms::Prop::Picture: loadPicture(item); break;
    case forms::Prop::MousePointer:
        if (item.control->MousePointer() != forms::vbDefault) setMouseTracking(true);
        if (hovered_ == &item) hover(&item);
        return;
    case forms::Prop::TabOrder: case forms::Prop::Behaviour: return;
    default: break;
    }
    repaintItem(item);
}

void Canvas::repaintItem(Item& item) {
    const QRect old = item.area;
    const bool wasShown = item.shown;
    item.area = placementOf(*item.control);
    item.shown = item.control->Visible();
    if (wasShown && (!item.shown || old != item.area)) invalidate(old);
    if (item.shown) invalidate(item.area);
}

// Among the items, the order of the model's children of the container.
void Canvas::restack(Item& item) {
    auto at = std::find_if(items_.begin(), items_.end(), [&](const auto& i) { return i.get() == &item; });
    std::unique_ptr<Item> moving = std::move(*at);
    items_.erase(at);
    const auto& kids = item.control->parent().children();
    auto kid = std::find(kids.begin(), kids.end(), item.control);
    Item* above = nullptr;
    for (++kid; kid != kids.end() && !above; ++kid) {
        Item* i = itemOf(**kid);
        if (i && i->canvas == this) above = i;
    }
    auto before = std::find_if(items_.begin(), items_.end(), [&](const auto& i) { return i.get() == above; });
    items_.insert(before, std::move(moving));
}

Item* Canvas::itemAt(const QPoint& at) const {
    for (auto it = items_.rbegin(); it != items_.rend(); ++it) {
        const Item& item = **it;
        if (item.control && item.area.contains(at) && takesMouse(item)) return it->get();
    }
    return nullptr;
}

void Canvas::invalidate(const QRect& area) {
    // Many separate changes before one paint (a window filled at once): draw
    // it all, rather than keep a region of ever more pieces.
    constexpr int ManyPieces = 64;
    if (stale_.rectCount() < ManyPieces) {
        stale_ += area;
        update(area);
    } else {
        stale_ = rect();
        update();
    }
}

void Canvas::draw(const QRegion& needed) {
    const qreal ratio = devicePixelRatioF();
    if (drawn_.size() != size() * ratio || drawn_.devicePixelRatio() != ratio) {
        drawn_ = QPixmap(size() * ratio);
        drawn_.setDevicePixelRatio(ratio);
        stale_ = rect();
    }
    stale_ &= rect();
    // Only what is painted now is brought up to date: the rest of a large
    // canvas (a page scrolled out of view) waits until it is uncovered.
    const QRegion now = stale_ & needed;
    if (now.isEmpty()) return;
    QPainter p(&drawn_);
    p.setClipRegion(now);
    paintBackground(p);
    const bool enabled = isEnabled();
    for (const auto& item : items_)
        if (item->control && item->shown && now.intersects(item->area)) paintItem(p, *item, palette(), enabled);
    stale_ -= now;
}

void Canvas::paintEvent(QPaintEvent* event) {
    draw(event->region());
    QPainter p(this);
    const QRect r = event->rect();
    const qreal ratio = drawn_.devicePixelRatio();
    p.drawPixmap(r, drawn_, QRectF(r.x() * ratio, r.y() * ratio, r.width() * ratio, r.height() * ratio));
}

void Canvas::changeEvent(QEvent* event) {
    switch (event->type()) {
    case QEvent::EnabledChange: case QEvent::PaletteChange: case QEvent::FontChange: case QEvent::StyleChange:
    case QEvent::LayoutDirectionChange:
        invalidate();
        break;
    default:
        break;
    }
    QWidget::changeEvent(event);
}

bool Canvas::event(QEvent* event) {
    switch (event->type()) {
    case QEvent::WindowActivate: case QEvent::WindowDeactivate:
        // The colours of an active and an inactive window may differ.
        if (!palette().isEqual(QPalette::Active, QPalette::Inactive)) invalidate();
        break;
    case QEvent::MouseButtonPress: case QEvent::MouseButtonDblClick: case QEvent::MouseButtonRelease:
    case QEvent::MouseMove:
        if (routeMouse(static_cast<QMouseEvent*>(event))) return true;
        break;
    default:
        break;
    }
    return QWidget::event(event);
}

bool Canvas::routeMouse(QMouseEvent* e) {
    switch (e->type()) {
    case QEvent::MouseButtonPress: case QEvent::MouseButtonDblClick:
        if (grab_ == Grab::None) {
            pressed_ = itemAt(e->position().toPoint());
            grab_ = pressed_ ? Grab::Item : Grab::Own;
        }
        if (grab_ == Grab::Own) return false;
        if (pressed_) dispatch(*e, *pressed_);
        return true;
    case QEvent::MouseMove:
        if (grab_ == Grab::Own) return false;
        if (grab_ == Grab::Item) {
            if (pressed_) dispatch(*e, *pressed_);
            return true;
        }
        hover(itemAt(e->position().toPoint()));
        if (!hovered_) return false;
        dispatch(*e, *hovered_);
        return true;
    case QEvent::MouseButtonRelease: {
        const Grab grab = grab_;
        Item* target = pressed_;
        if (e->buttons() == Qt::NoButton) {
            grab_ = Grab::None;
            pressed_ = nullptr;
        }
        if (grab != Grab::Item) return false;
        if (target) dispatch(*e, *target);
        return true;
    }
    default:
        return false;
    }
}

// Mouse input in twips relative to the item; the item may go inside.
void Canvas::dispatch(const QMouseEvent& e, Item& item) {
    forms::Control& c = *item.control;
    forms::Form& f = c.form();
    const QPointF at = e.position() - QPointF(item.area.topLeft());
    const double x = twips(at.x()), y = twips(at.y());
    const int16_t shift = shiftOf(e.modifiers());
    switch (e.type()) {
    case QEvent::MouseButtonPress: f.dispatchMouseDown(c, buttonOf(e.button()), shift, x, y); break;
    case QEvent::MouseButtonDblClick: f.dispatchMouseDown(c, buttonOf(e.button()), shift, x, y, 2); break;
    case QEvent::MouseButtonRelease: f.dispatchMouseUp(c, buttonOf(e.button()), shift, x, y); break;
    default: f.dispatchMouseMove(c, buttonsOf(e.buttons()), shift, x, y); return;
    }
    // The Qt focus follows the model's (the window may have gone).
    if (FormWindow* w = FormWindow::of(f)) w->apply(forms::FormProp::Focus);
}

// The pointer over an item: its own, else the container's.
int16_t Canvas::pointerOver(const Item* item) const {
    if (item && item->control && item->control->MousePointer() != forms::vbDefault) return item->control->MousePointer();
    return ownPointer_;
}

void Canvas::hover(Item* item) {
    hovered_ = item;
    const int16_t pointer = pointerOver(item);
    if (pointer == shownPointer_) return;
    shownPointer_ = pointer;
    Qt::CursorShape shape;
    if (toCursor(pointer, shape)) setCursor(shape);
    else unsetCursor();
}

void Canvas::setOwnPointer(int16_t pointer) {
    ownPointer_ = pointer;
    hover(hovered_);
}

} // namespace qtui
