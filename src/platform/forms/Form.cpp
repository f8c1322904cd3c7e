#include "platform/forms/Form.h"

#include "platform/forms/Backend.h"
#include "platform/forms/Boundary.h"
#include "platform/forms/Containers.h"
#include "platform/forms/ControlArray.h"
#include "platform/forms/Menu.h"
#include "platform/forms/Services.h"
#include "platform/forms/Timer.h"
#include "platform/text/RuntimeError.h"

#include <algorithm>

namespace forms {

namespace {

std::vector<Form*> loaded;
Form* activeForm = nullptr;

template <class T>
void eraseFromBack(std::vector<T*>& v, const void* item) {
    for (auto it = v.rbegin(); it != v.rend(); ++it) {
        if (*it == item) {
            v.erase(std::next(it).base());
            return;
        }
    }
}

} // namespace

Form::Form(std::string name, const Font& font)
    : Container(this), name_(std::move(name)), caption_(name_), font_(font) {
    defaultFrame();
}

Form::~Form() {
    if (live_) {
        if (Backend* b = backend()) b->hideForm(*this);
    }
    eraseFromBack(loaded, this);
    for (Form* other : loaded)
        if (other->owner_ == this) other->owner_ = nullptr;
    if (activeForm == this) activeForm = nullptr;
    detail::forgetPosted(this);
}

const std::vector<Form*>& Form::loadedForms() { return loaded; }

// ---- controls joining and leaving ----

void Form::attach(Control& c) {
    c.parent_->children_.push_back(&c);
    (c.owner_ ? c.owner_->controls_ : controls_).push_back(&c);
    if (takesFocus(c.kind_)) (c.owner_ ? c.owner_->tabOrder_ : tabOrder_).push_back(&c);
    if (c.kind_ == ControlKind::Timer) timers_.push_back(&c);
    // A control made while the form has widgets needs one too; a loaded
    // array element gets it once it is complete (ControlArray::Load).
    if (live_ && loadingElements_ == 0) {
        if (Backend* b = backend()) b->controlCreated(c);
    }
}

void Form::notifyTimers() {
    if (Backend* b = backend()) {
        for (Control* t : timers_) b->timerChanged(static_cast<Timer&>(*t));
    }
}

void Form::reserveControls(UserControl* owner, size_t more) {
    auto& list = owner ? owner->controls_ : controls_;
    list.reserve(list.size() + more);
}

void Form::detach(Control& c) {
    if (live_) {
        if (Backend* b = backend()) b->controlRemoved(c);
    }
    if (sweeping_ && c.parent_ == static_cast<Container*>(this) && !c.owner_) {
        // Unloading the run-time elements: the form's own lists are swept
        // once at the end, so thousands of elements leave in linear time.
        swept_.insert(&c);
    } else {
        eraseFromBack(c.parent_->children_, &c);
        eraseFromBack(c.owner_ ? c.owner_->controls_ : controls_, &c);
        if (takesFocus(c.kind_)) eraseFromBack(c.owner_ ? c.owner_->tabOrder_ : tabOrder_, &c);
    }
    if (c.kind_ == ControlKind::Timer) eraseFromBack(timers_, &c);
    if (active_ == &c) active_ = nullptr;
    if (focusRedirect_ == &c) focusRedirect_ = nullptr;
    if (captured_ == &c) captured_ = nullptr;
}

void Form::pushControl(Control& c, Prop what) {
    if (Backend* b = backend()) b->controlChanged(c, what);
}

void Form::pushForm(FormProp what) {
    if (!live_) return;
    if (Backend* b = backend()) b->formChanged(*this, what);
}

// ---- life ----

void Form::Load() {
    if (loaded_) return;
    loaded_ = true;
    loaded.push_back(this);
    notifyTimers();
    Form_Load();
}

void Form::Show(int modal, Form* owner) {
    Load();
    if (!loaded_) return; // Form_Load unloaded the form
    if (modal == vbModal && visible_) text::raise(400);
    if (owner) owner_ = owner;
    modal_ = modal == vbModal;
    if (!visible_) {
        visible_ = true;
        if (!shownOnce_) placeOnShow();
        if (Backend* b = backend()) {
            live_ = true;
            b->showForm(*this);
        }
        if (!shownOnce_) {
            shownOnce_ = true;
            Form_Resize();
        }
        activate();
        focusFirst();
    } else {
        activate();
    }
    if (modal_) {
        runModal(*this);
        modal_ = false;
        if (owner_ && owner_->visible_) owner_->activate();
    }
}

void Form::Hide() {
    if (!visible_) return;
    visible_ = false;
    captured_ = nullptr;
    if (live_) {
        live_ = false;
        if (Backend* b = backend()) b->hideForm(*this);
    }
    if (activeForm == this) activeForm = nullptr;
}

bool Form::unloadWith(int16_t mode) {
    if (!loaded_) return true;
    int16_t cancel = 0;
    Form_QueryUnload(cancel, mode);
    if (cancel != 0) return false;
    Form_Unload(cancel);
    if (cancel != 0) return false;
    Hide();
    loaded_ = false;
    shownOnce_ = false;
    eraseFromBack(loaded, this);
    // Unloading an element destroys the arrays it holds itself (a row view's
    // cells), and those leave arrays_ as they go: walk a copy and skip the
    // arrays that are gone by the time their turn comes.
    const std::vector<ControlArrayBase*> arrays = arrays_;
    sweeping_ = true;
    for (ControlArrayBase* array : arrays)
        if (std::find(arrays_.begin(), arrays_.end(), array) != arrays_.end()) array->unloadRuntimeElements();
    sweeping_ = false;
    if (!swept_.empty()) {
        const auto gone = [this](Control* c) { return swept_.count(c) != 0; };
        std::erase_if(children_, gone);
        std::erase_if(controls_, gone);
        std::erase_if(tabOrder_, gone);
        swept_.clear();
    }
    notifyTimers();
    active_ = nullptr;
    pressLost_ = secondClick_ = false;
    detail::forgetPosted(this);
    return true;
}

void Form::activate() {
    if (activeForm == this) return;
    Form* previous = activeForm;
    activeForm = this;
    if (previous && previous->loaded_) previous->Form_Deactivate();
    Form_Activate();
}

void Form::placeOnShow() {
    double areaLeft = 0, areaTop = 0, areaWidth = Screen::Width(), areaHeight = Screen::Height();
    if (startUpPosition_ == vbStartUpOwner && owner_) {
        areaLeft = owner_->left_;
        areaTop = owner_->top_;
        areaWidth = owner_->Width();
        areaHeight = owner_->Height();
    } else if (startUpPosition_ != vbStartUpOwner && startUpPosition_ != vbStartUpScreen) {
        return;
    }
    left_ = areaLeft + (areaWidth - Width()) / 2;
    top_ = areaTop + (areaHeight - Height()) / 2;
}

// ---- properties ----

void Form::setCaption(std::string caption) {
    if (caption == caption_) return;
    caption_ = std::move(caption);
    pushForm(FormProp::Caption);
}

namespace {

struct DesktopFrame {
    double width = 0, height = 0;
    bool known() const { return width > 0 || height > 0; }
};
DesktopFrame desktopFrames[2]; // fixed, sizable

} // namespace

void Form::noteDesktopFrame(bool sizable, double width, double height) {
    desktopFrames[sizable ? 1 : 0] = {width, height};
}

void Form::defaultFrame() {
    if (frameReported_) return;
    // The frame the desktop has shown; headless, 4-pixel borders and a
    // 30-pixel caption bar. A 20-pixel menu bar when the form has menus.
    const bool bordered = borderStyle_ != vbBSNone;
    const DesktopFrame& seen = desktopFrames[borderStyle_ == vbSizable ? 1 : 0];
    frameWidth_ = !bordered ? 0 : seen.known() ? seen.width : 8 * TwipsPerPixel;
    frameHeight_ = !bordered ? 0 : seen.known() ? seen.height : 38 * TwipsPerPixel;
    if (!menus_.empty()) frameHeight_ += 20 * TwipsPerPixel;
}

void Form::setFrameExtents(double width, double height) {
    frameReported_ = true;
    frameWidth_ = width;
    frameHeight_ = height;
    // Kept: a later, truer report applies it again.
    if (outerAsked_ && windowState_ == vbNormal) {
        askedClient_ = {std::max(0.0, outerAsked_->first - width), std::max(0.0, outerAsked_->second - height)};
        sizeClient(askedClient_.first, askedClient_.second);
    }
}

void Form::setWidth(double v) { Move(left_, top_, v, Height()); }
void Form::setHeight(double v) { Move(left_, top_, Width(), v); }

void Form::Move(double left, double top) {
    if (left == left_ && top == top_) return;
    left_ = left;
    top_ = top;
    pushForm(FormProp::Geometry);
}

void Form::Move(double left, double top, double width, double height) {
    const bool moved = left != left_ || top != top_;
    left_ = left;
    top_ = top;
    const double w = std::max(0.0, width - frameWidth_), h = std::max(0.0, height - frameHeight_);
    const bool resized = w != clientWidth_ || h != clientHeight_;
    if (!frameReported_) {
        outerAsked_ = std::make_pair(width, height);
        askedClient_ = {w, h};
    } else if (resized) {
        outerAsked_.reset();
    }
    if (resized) {
        sizeClient(w, h);
    } else if (moved) {
        pushForm(FormProp::Geometry);
    }
}

void Form::setClientSize(double width, double height) {
    outerAsked_.reset();
    sizeClient(width, height);
}

void Form::sizeClient(double width, double height) {
    if (width == clientWidth_ && height == clientHeight_) return;
    clientWidth_ = width;
    clientHeight_ = height;
    pushForm(FormProp::Geometry);
    if (loaded_) Form_Resize();
}

void Form::setWindowState(int16_t state) {
    if (state == windowState_) return;
    windowState_ = state;
    pushForm(FormProp::WindowState);
    if (loaded_) Form_Resize();
}

void Form::setBorderStyle(int16_t style) {
    borderStyle_ = style;
    defaultFrame();
    pushForm(FormProp::Appearance);
}

void Form::setMinButton(bool v) { minButton_ = v; pushForm(FormProp::Appearance); }
void Form::setMaxButton(bool v) { maxButton_ = v; pushForm(FormProp::Appearance); }
void Form::setControlBox(bool v) { controlBox_ = v; pushForm(FormProp::Appearance); }
void Form::setShowInTaskbar(bool v) { showInTaskbar_ = v; pushForm(FormProp::Appearance); }

void Form::setBackColor(Color c) {
    if (c == backColor_) return;
    backColor_ = c;
    pushForm(FormProp::BackColor);
}

void Form::setFont(const Font& f) {
    if (f == font_) return;
    font_ = f;
    pushForm(FormProp::Font);
}

void Form::setMousePointer(int16_t v) {
    if (v == mousePointer_) return;
    mousePointer_ = v;
    pushForm(FormProp::MousePointer);
}

void Form::setEnabled(bool v) {
    if (v == enabled_) return;
    enabled_ = v;
    pushForm(FormProp::Appearance);
}

void Form::Refresh() {
    if (!live_) return;
    if (Backend* b = backend()) b->refresh(*this);
}

void Form::ZOrder() {
    if (!visible_) return;
    pushForm(FormProp::Raise);
    activate();
}

void Form::sendTab(bool backwards) {
    detail::post(this, [this, backwards] { tabMove(backwards); });
}

} // namespace forms
