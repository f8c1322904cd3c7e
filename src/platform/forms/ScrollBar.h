#pragma once
#include "platform/forms/Control.h"

namespace forms {

// Scroll bars. Min, Max and Value are 16-bit. Setting Value from code, or a
// Min or Max that moves Value into the new range, raises Change at once
// (re-entrant: a handler may set the value again). A Value outside the range
// raises error 380. A person's scrolling raises Change for each new value.
class ScrollBar : public Control {
public:
    int16_t Min() const { return min_; }
    void setMin(int16_t v);
    int16_t Max() const { return max_; }
    void setMax(int16_t v);
    int16_t Value() const { return value_; }
    void setValue(int16_t v);
    int16_t SmallChange() const { return smallChange_; }
    void setSmallChange(int16_t v);
    int16_t LargeChange() const { return largeChange_; }
    void setLargeChange(int16_t v);

    Handler Change;

protected:
    ScrollBar(ControlKind kind, Container& parent, ControlName name, int index);
    void copyFrom(const Control& source) override;

private:
    void moveInto();
    int16_t min_ = 0, max_ = 32767, value_ = 0, smallChange_ = 1, largeChange_ = 1;
};

class HScrollBar : public ScrollBar {
public:
    HScrollBar(Container& parent, ControlName name, int index = -1);
};

class VScrollBar : public ScrollBar {
public:
    VScrollBar(Container& parent, ControlName name, int index = -1);
};

} // namespace forms
