#include "platform/forms/Control.h"

#include "platform/forms/Backend.h"
#include "platform/forms/Containers.h"
#include "platform/forms/Form.h"
#include "platform/forms/Services.h"
#include "platform/text/RuntimeError.h"

#include <algorithm>

namespace forms {

namespace {

// The font a new control starts with: its container's.
const Font& inheritedFont(Container& parent) {
    if (Control* c = parent.asControl()) return c->font();
    return parent.hostForm().font();
}

UserControl* enclosingUserControl(Container& parent) {
    Control* c = parent.asControl();
    if (!c) return nullptr;
    if (c->kind() == ControlKind::UserControl) return static_cast<UserControl*>(c);
    return c->userControl();
}

} // namespace

void Container::reserveChildren(size_t more) {
    children_.reserve(children_.size() + more);
    host_->reserveControls(enclosingUserControl(*this), more);
}

Control::Control(ControlKind kind, Container& parent, ControlName name, int index)
    : kind_(kind), index_(index), name_(std::move(name)), form_(&parent.hostForm()), parent_(&parent),
      owner_(enclosingUserControl(parent)), font_(inheritedFont(parent)) {
    form_->attach(*this);
}

Control::~Control() { form_->detach(*this); }

void Control::changed(Prop what) {
    if (form_->live_) form_->pushControl(*this, what);
}

void Control::Move(double left, double top, double width, double height) {
    if (width < 0 || height < 0) text::raise(380);
    if (left == left_ && top == top_ && width == width_ && height == height_) return;
    const bool sized = width != width_ || height != height_;
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    changed(Prop::Geometry);
    geometryChanged(sized);
}

void Control::setVisible(bool v) {
    if (v == visible_) return;
    visible_ = v;
    changed(Prop::Visible);
}

void Control::setEnabled(bool v) {
    if (v == enabled_) return;
    enabled_ = v;
    changed(Prop::Enabled);
    enabledChanged();
}

bool Control::visibleOnForm() const {
    for (const Control* c = this; c; c = c->containerControl())
        if (!c->visible_) return false;
    return true;
}

bool Control::enabledOnForm() const {
    for (const Control* c = this; c; c = c->containerControl())
        if (!c->enabled_) return false;
    return form_->Enabled();
}

bool Control::canFocus() const { return takesFocus(kind_) && visibleOnForm() && enabledOnForm(); }

void Control::setFontWith(const std::function<void(Font&)>& change) {
    Font f = font_;
    change(f);
    if (f == font_) return;
    font_ = std::move(f);
    changed(Prop::Font);
    fontChanged();
}

void Control::setFont(const Font& f) { setFontWith([&](Font& x) { x = f; }); }
void Control::setFontName(const std::string& name) { setFontWith([&](Font& x) { x.Name = name; }); }
void Control::setFontSize(double points) { setFontWith([&](Font& x) { x.Size = points; }); }
void Control::setFontBold(bool v) { setFontWith([&](Font& x) { x.Bold = v; }); }
void Control::setFontItalic(bool v) { setFontWith([&](Font& x) { x.Italic = v; }); }
void Control::setFontUnderline(bool v) { setFontWith([&](Font& x) { x.Underline = v; }); }
void Control::setFontStrikethru(bool v) { setFontWith([&](Font& x) { x.Strikethrough = v; }); }

void Control::setBackColor(Color c) {
    if (c == backColor_) return;
    backColor_ = c;
    changed(Prop::BackColor);
}

void Control::setForeColor(Color c) {
    if (c == foreColor_) return;
    foreColor_ = c;
    changed(Prop::ForeColor);
}

void Control::setTabStop(bool v) {
    if (v == tabStop_) return;
    tabStop_ = v;
    changed(Prop::Behaviour);
}

void Control::setMousePointer(int16_t v) {
    if (v == mousePointer_) return;
    mousePointer_ = v;
    changed(Prop::MousePointer);
}

void Control::ZOrder(int position) {
    auto& kids = parent_->children_;
    // From the back: the control moved is mostly the one made last.
    const auto found = std::find(kids.rbegin(), kids.rend(), this);
    if (found == kids.rend()) return;
    kids.erase(std::next(found).base());
    if (position == 0) kids.push_back(this);
    else kids.insert(kids.begin(), this);
    changed(Prop::ZOrder);
}

void Control::Refresh() {
    if (form_->live_) {
        if (Backend* b = backend()) b->refresh(*this);
    }
}

void Control::copyFrom(const Control& source) {
    left_ = source.left_;
    top_ = source.top_;
    width_ = source.width_;
    height_ = source.height_;
    enabled_ = source.enabled_;
    tabStop_ = source.tabStop_;
    font_ = source.font_;
    backColor_ = source.backColor_;
    foreColor_ = source.foreColor_;
    mousePointer_ = source.mousePointer_;
}

} // namespace forms
