#pragma once

#include <cstddef>
#include <functional>
#include <new>
#include <type_traits>
#include <utility>

namespace forms {

// What a non-empty event points at: a target on the heap (Counted), or the
// one shared by every event that keeps a small handler of a given type in
// itself. Every event pointing at a target holds it, and so does a call for
// as long as it runs: a handler may replace or clear its own event, or
// destroy its own control, and still return into a live object. The forms
// model runs on one thread, so the count is plain, and it is not virtual:
// an array wires an event of each element it loads.
class EventTarget {
public:
    EventTarget(const EventTarget&) = delete;
    EventTarget& operator=(const EventTarget&) = delete;

    void hold() const noexcept { ++holders_; }
    void release() const noexcept {
        if (--holders_ == 0) destroy();
    }

protected:
    // A shared target starts with a hold of its own, so it is never destroyed.
    constexpr explicit EventTarget(unsigned holders) noexcept : holders_(holders) {}
    ~EventTarget() = default;

private:
    virtual void destroy() const noexcept = 0;
    mutable unsigned holders_;
};

// A target on the heap, gone with its last holder.
template <class Base>
class Counted : public Base {
protected:
    Counted() noexcept : Base(0) {}
    virtual ~Counted() = default;

private:
    void destroy() const noexcept override { delete this; }
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
    Held& operator=(Held other) noexcept {
        std::swap(target_, other.target_);
        return *this;
    }
    ~Held() {
        if (target_) target_->release();
    }

    T* get() const noexcept { return target_; }

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
// and most of their events stay empty. A handler of one pointer that copies
// as plain bytes (`[this]`, nearly every handler a window sets) is kept in
// the event itself; a bigger one on the heap, where a copy of the event
// calls the same handler.
template <class... A>
class Event<void(A...)> {
public:
    // The event's second word: a small handler kept in place, or the index
    // the event was bound with.
    union Word {
        std::ptrdiff_t index; // the whole word: it is written and copied at once
        alignas(void*) std::byte bytes[sizeof(void*)];
    };
    class Target : public EventTarget {
    public:
        virtual void call(const Word& word, A... args) const = 0;

    protected:
        constexpr explicit Target(unsigned holders) noexcept : EventTarget(holders) {}
        ~Target() = default;
    };

    Event() noexcept = default;
    Event(std::nullptr_t) noexcept {}
    template <class F>
        requires(!std::is_same_v<std::decay_t<F>, Event> && std::is_invocable_v<std::decay_t<F>&, A...>)
    Event(F&& handler) {
        using H = std::decay_t<F>;
        if (empty(handler)) return;
        if constexpr (inPlace<H>) {
            new (word_.bytes) H(std::forward<F>(handler));
            target_ = Held<const Target>(&shared<H>);
        } else {
            target_ = Held<const Target>(new Own<H>(std::forward<F>(handler)));
        }
    }
    // Bound to a handler kept elsewhere, which is called with `index` first.
    Event(const Target& kept, int index) noexcept : target_(&kept) { word_.index = index; }
    Event(const Event&) noexcept = default;
    Event(Event&&) noexcept = default;
    // What this event held is let go only once the new one is in place:
    // whatever its release runs sees a finished assignment.
    Event& operator=(Event other) noexcept {
        std::swap(target_, other.target_);
        std::swap(word_, other.word_);
        return *this;
    }

    explicit operator bool() const noexcept { return target_.get() != nullptr; }

    void operator()(A... args) const {
        if (!*this) throw std::bad_function_call();
        // The handler may replace this event or destroy its control: the
        // call runs on a copy, which holds what it calls.
        const Event running = *this;
        running.target_.get()->call(running.word_, std::forward<A>(args)...);
    }

private:
    template <class F>
    static constexpr bool inPlace = sizeof(F) <= sizeof(Word) && alignof(F) <= alignof(Word) &&
                                    std::is_trivially_copyable_v<F> && std::is_invocable_v<const F&, A...>;

    // The target shared by every event holding an F in place.
    template <class F>
    class InPlace final : public Target {
    public:
        constexpr InPlace() noexcept : Target(1) {}
        void call(const Word& word, A... args) const override {
            std::invoke(*std::launder(reinterpret_cast<const F*>(word.bytes)), std::forward<A>(args)...);
        }

    private:
        void destroy() const noexcept override {} // never: it holds itself
    };
    template <class F>
    static constinit inline InPlace<F> shared{};

    template <class F>
    class Own final : public Counted<Target> {
    public:
        template <class G>
        explicit Own(G&& handler) : handler_(std::forward<G>(handler)) {}
        void call(const Word&, A... args) const override { std::invoke(handler_, std::forward<A>(args)...); }

    private:
        mutable F handler_;
    };

    // An empty std::function or a null pointer makes an empty event, as it
    // makes an empty std::function.
    template <class F>
    static bool empty(const F& handler) {
        if constexpr (requires { handler == nullptr; }) return handler == nullptr;
        else return false;
    }

    Held<const Target> target_;
    Word word_{};
};

// Raises an event whose handler may be unset.
template <class F, class... A>
void raise(const F& handler, A&&... args) {
    if (handler) handler(std::forward<A>(args)...);
}

} // namespace forms
