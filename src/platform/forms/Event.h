#pragma once

#include <cstddef>
#include <functional>
#include <type_traits>
#include <utility>

namespace forms {

// What a non-empty event calls, on the heap and counted. The event holds
// it, and so does a call for as long as it runs: a handler may replace or
// clear its own event, or destroy its own control, and still return into a
// live object. The forms model runs on one thread, so the count is plain.
class EventTarget {
public:
    EventTarget(const EventTarget&) = delete;
    EventTarget& operator=(const EventTarget&) = delete;

    void hold() noexcept { ++holders_; }
    void release() noexcept {
        if (--holders_ == 0) delete this;
    }

protected:
    EventTarget() = default;
    virtual ~EventTarget() = default;

private:
    unsigned holders_ = 0;
};

// A counted hold on a target (nullptr holds nothing).
template <class T>
class Held {
public:
    Held() noexcept = default;
    explicit Held(T* target) noexcept : target_(target) {
        if (target_) target_->hold();
    }
    Held(const Held& other) noexcept : Held(other.target_) {}
    Held(Held&& other) noexcept : target_(std::exchange(other.target_, nullptr)) {}
    // The old target is let go only once this one holds the new: whatever
    // its release runs sees a finished assignment.
    Held& operator=(Held other) noexcept {
        std::swap(target_, other.target_);
        return *this;
    }
    ~Held() {
        if (target_) target_->release();
    }

    T* get() const noexcept { return target_; }
    T* operator->() const noexcept { return target_; }
    explicit operator bool() const noexcept { return target_ != nullptr; }

private:
    T* target_ = nullptr;
};

template <class Signature>
class Event;

// An event member of a control: empty, or calling a handler of its own, or
// bound to a handler a control array keeps for all its elements, which gets
// the element's index first. Used like the std::function it replaces:
//   ctl.Click = [this] { ctl_Click(); };   ctl.Click = nullptr;
//   if (ctl.Click) ...                      raise(ctl.KeyPress, KeyAscii);
// Two words, where a std::function takes four: a window has many controls
// and most of their events stay empty. A copy calls the same handler.
template <class... A>
class Event<void(A...)> {
public:
    class Target : public EventTarget {
    public:
        // `index` is what the event was bound with; -1 for a handler of its own.
        virtual void call(int index, A... args) = 0;
    };

    Event() noexcept = default;
    Event(std::nullptr_t) noexcept {}
    template <class F>
        requires(!std::is_same_v<std::decay_t<F>, Event> && std::is_invocable_v<std::decay_t<F>&, A...>)
    Event(F&& handler) {
        if (!empty(handler)) target_ = Held<Target>(new Own<std::decay_t<F>>(std::forward<F>(handler)));
    }
    // Bound to a handler kept elsewhere, which is called with `index` first.
    Event(Target& kept, int index) noexcept : target_(&kept), index_(index) {}

    explicit operator bool() const noexcept { return static_cast<bool>(target_); }

    void operator()(A... args) const {
        if (!target_) throw std::bad_function_call();
        // This event may be gone when the handler returns; its target is not.
        const Held<Target> running = target_;
        running->call(index_, std::forward<A>(args)...);
    }

private:
    template <class F>
    class Own final : public Target {
    public:
        template <class G>
        explicit Own(G&& handler) : handler_(std::forward<G>(handler)) {}
        void call(int, A... args) override { std::invoke(handler_, std::forward<A>(args)...); }

    private:
        F handler_;
    };

    // An empty std::function or a null pointer makes an empty event, as it
    // makes an empty std::function.
    template <class F>
    static bool empty(const F& handler) {
        if constexpr (requires { handler == nullptr; }) return handler == nullptr;
        else return false;
    }

    Held<Target> target_;
    int index_ = -1;
};

// Raises an event whose handler may be unset.
template <class F, class... A>
void raise(const F& handler, A&&... args) {
    if (handler) handler(std::forward<A>(args)...);
}

} // namespace forms
