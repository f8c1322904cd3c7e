#include "platform/forms/Timer.h"

#include "platform/forms/Backend.h"
#include "platform/forms/Form.h"
#include "platform/forms/Services.h"

namespace forms {

namespace {
void notify(Timer& t) {
    if (Backend* b = backend()) b->timerChanged(t);
}
} // namespace

Timer::Timer(Container& parent, ControlName name, int index)
    : Control(ControlKind::Timer, parent, std::move(name), index) {}

Timer::~Timer() {
    if (interval_ > 0 && form().Loaded()) {
        interval_ = 0; // running() is false from here on: the backend stops it
        notify(*this);
    }
}

bool Timer::running() const { return interval_ > 0 && Enabled() && form().Loaded(); }

void Timer::setInterval(int32_t ms) {
    if (ms == interval_) return;
    interval_ = ms < 0 ? 0 : ms;
    notify(*this);
}

void Timer::enabledChanged() { notify(*this); }

void Timer::copyFrom(const Control& source) {
    Control::copyFrom(source);
    interval_ = static_cast<const Timer&>(source).interval_;
}

} // namespace forms
