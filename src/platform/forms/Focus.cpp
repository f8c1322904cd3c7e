// The focus: tab order, tab stops, and moving the focus with the platform's
// LostFocus/GotFocus order. A SetFocus made while LostFocus runs redirects
// the move (the usual "show a box and keep the focus" validation), so the
// focus never ping-pongs and the input that started the move is dropped.
#include "platform/forms/Boundary.h"
#include "platform/forms/Buttons.h"
#include "platform/forms/Containers.h"
#include "platform/forms/Form.h"
#include "platform/text/RuntimeError.h"

#include <algorithm>
#include <functional>

namespace forms {

int Control::TabIndex() const {
    const auto& list = owner_ ? owner_->tabOrder_ : form_->tabOrder_;
    auto it = std::find(list.begin(), list.end(), this);
    return it == list.end() ? 0 : static_cast<int>(it - list.begin());
}

void Control::setTabIndex(int position) {
    auto& list = owner_ ? owner_->tabOrder_ : form_->tabOrder_;
    auto it = std::find(list.begin(), list.end(), this);
    if (it == list.end()) return; // a kind without a tab place keeps none
    list.erase(it);
    position = std::clamp(position, 0, static_cast<int>(list.size()));
    list.insert(list.begin() + position, this);
    changed(Prop::TabOrder);
}

void Control::SetFocus() {
    if (!canFocus()) text::raise(5);
    if (!form_->Visible()) {
        // Remembered: the focus goes here when the form shows.
        form_->active_ = this;
        return;
    }
    form_->moveFocus(this);
}

// The tab order of the whole window: a user control stands for the tab
// order of its insides (or for itself when it has none).
std::vector<Control*> Form::tabSequence() const {
    std::vector<Control*> out;
    std::function<void(const std::vector<Control*>&)> flatten = [&](const std::vector<Control*>& order) {
        for (Control* c : order) {
            if (c->kind() == ControlKind::UserControl) {
                const size_t before = out.size();
                flatten(static_cast<UserControl*>(c)->tabOrder_);
                if (out.size() == before) out.push_back(c);
            } else {
                out.push_back(c);
            }
        }
    };
    flatten(tabOrder_);
    return out;
}

// Only the selected option of a group is a stop; while none is selected,
// the group's first option that can take the focus is.
bool Form::isTabStop(const Control& c, const std::vector<Control*>& sequence) const {
    if (!c.TabStop() || !c.canFocus()) return false;
    if (c.kind() != ControlKind::OptionButton) return true;
    const OptionButton* first = nullptr;
    for (Control* other : sequence) {
        if (other->kind() != ControlKind::OptionButton || &other->parent() != &c.parent()) continue;
        auto* opt = static_cast<OptionButton*>(other);
        if (opt->Value()) return opt == &c;
        if (!first && opt->canFocus()) first = opt;
    }
    return first == &c;
}

void Form::focusFirst() {
    Control* target = active_;
    active_ = nullptr;
    if (!target || !target->canFocus()) {
        target = nullptr;
        const auto sequence = tabSequence();
        for (Control* c : sequence) {
            if (isTabStop(*c, sequence)) {
                target = c;
                break;
            }
        }
        if (!target) {
            for (Control* c : sequence) {
                if (c->canFocus()) {
                    target = c;
                    break;
                }
            }
        }
    }
    if (target) moveFocus(target);
}

bool Form::moveFocus(Control* target) {
    if (focusChanging_) {
        focusRedirect_ = target;
        return false;
    }
    Control* old = active_;
    if (old == target) return true;
    if (old) {
        focusChanging_ = true;
        focusRedirect_ = nullptr;
        try {
            raise(old->LostFocus);
        } catch (...) {
            focusChanging_ = false;
            focusRedirect_ = nullptr;
            throw;
        }
        focusChanging_ = false;
        Control* redirect = focusRedirect_;
        focusRedirect_ = nullptr;
        if (redirect) {
            // LostFocus put the focus elsewhere (usually back on itself): it
            // goes there, and the move that was under way is dropped.
            active_ = redirect;
            pushForm(FormProp::Focus);
            raise(redirect->GotFocus);
            return redirect == target;
        }
    }
    active_ = target;
    pushForm(FormProp::Focus);
    if (target) raise(target->GotFocus);
    return active_ == target;
}

bool Form::focusForInput(Control& c) {
    if (active_ == &c) return true;
    return moveFocus(&c) && active_ == &c;
}

void Form::tabMove(bool backwards) {
    if (!visible_ && !loaded_) return;
    const auto sequence = tabSequence();
    if (sequence.empty()) return;
    const int n = static_cast<int>(sequence.size());
    auto it = std::find(sequence.begin(), sequence.end(), active_);
    int from = it == sequence.end() ? (backwards ? n : -1) : static_cast<int>(it - sequence.begin());
    for (int step = 1; step <= n; ++step) {
        const int i = ((from + (backwards ? -step : step)) % n + n) % n;
        if (isTabStop(*sequence[i], sequence)) {
            if (sequence[i] != active_) moveFocus(sequence[i]);
            return;
        }
    }
}

void Form::dispatchFocus(Control& c) {
    detail::boundary([&] {
        if (c.canFocus()) moveFocus(&c);
    });
}

} // namespace forms
