#pragma once
#include "platform/forms/Control.h"

namespace forms {

// A timer of a loaded form: raises Timer every Interval milliseconds while
// Enabled, whether the form is shown or not and while modal windows run.
class Timer : public Control {
public:
    Timer(Container& parent, ControlName name, int index = -1);
    ~Timer() override;

    int32_t Interval() const { return interval_; } // milliseconds; 0 = stopped
    void setInterval(int32_t ms);
    // Enabled is the control's Enabled. Running: loaded, enabled, Interval > 0;
    // the backend starts or stops its real timer when this changes.
    bool running() const;

    // The Timer event (`timMain.Tick = [this] { timMain_Timer(); };`).
    Handler Tick;

protected:
    void copyFrom(const Control& source) override;
    void enabledChanged() override;

private:
    int32_t interval_ = 0;
};

} // namespace forms
