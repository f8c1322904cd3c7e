#pragma once
#include "platform/forms/Control.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstddef>
#include <functional>
#include <initializer_list>
#include <memory>
#include <new>
#include <string>
#include <type_traits>
#include <vector>

namespace forms {

class ControlArrayBase {
public:
    ControlArrayBase(const ControlArrayBase&) = delete;
    ControlArrayBase& operator=(const ControlArrayBase&) = delete;
    virtual ~ControlArrayBase();

protected:
    ControlArrayBase(Container& parent, std::string name);
    // A new run-time element: element 0's current properties, hidden, last
    // in the collection.
    static void initLoaded(Control& element, const Control& source);
    [[noreturn]] static void missing(const std::string& name, int index);  // error 340
    [[noreturn]] static void loadedTwice(const std::string& name, int index); // error 360
    [[noreturn]] static void designElement(const std::string& name, int index); // error 362
    // While an element (and whatever it holds) is being made: the backend
    // hears of it once it is complete, through initLoaded.
    class Loading {
    public:
        explicit Loading(Form& form);
        ~Loading();
        Loading(const Loading&) = delete;
        Loading& operator=(const Loading&) = delete;

    private:
        Form& form_;
    };

    Container& parent_;
    std::string name_;

private:
    friend class Form;
    // Unload of the form removes the elements loaded at run time.
    virtual void unloadRuntimeElements() = 0;
};

// A control array: elements share a name and carry an Index. Elements created
// at design may be sparse; Load(n) adds a hidden copy of element 0 at run
// time, Unload(n) removes one again. Handlers are wired once for every
// element, present and future, and receive the element's Index:
//   txtScoreR1.on(&TextBox::KeyPress, [this](int Index, int16_t& k) { txtScoreR1_KeyPress(Index, k); });
// T needs a constructor T(Container& parent, ControlName name, int index).
//
// Indexes run from 0 to 32767 and are mostly dense, so an element is found
// by a plain subscript. The elements themselves sit in blocks that double in
// size (index 1, 2-3, 4-7, ...; index 0 in the array itself), each block made
// when an index in it is first used: a row of cells loaded one by one costs
// a few allocations, not one per cell, and an element never moves while it
// lives.
template <class T>
class ControlArray : public ControlArrayBase {
public:
    static constexpr int MaxIndex = 32767;

    ControlArray(Container& parent, std::string name, std::initializer_list<int> designIndexes)
        : ControlArrayBase(parent, std::move(name)) {
        for (int i : designIndexes) makeDesign(i);
    }
    // Elements 0 .. count-1 from design.
    ControlArray(Container& parent, std::string name, int count) : ControlArrayBase(parent, std::move(name)) {
        reserve(count);
        for (int i = 0; i < count; ++i) makeDesign(i);
    }
    // The elements leave from the highest index down: each is then mostly
    // the last of its container's children, which is where it is looked for.
    ~ControlArray() override {
        for (size_t i = slots_.size(); i-- > 0;) destroy(slots_[i]);
    }

    T& operator[](int index) const {
        if (!exists(index)) missing(name_, index);
        return *slots_[static_cast<size_t>(index)].element;
    }
    T& operator()(int index) const { return (*this)[index]; }
    bool exists(int index) const {
        return index >= 0 && static_cast<size_t>(index) < slots_.size() && slots_[static_cast<size_t>(index)].element;
    }
    int Count() const { return count_; }
    int LBound() const {
        for (size_t i = 0; i < slots_.size(); ++i)
            if (slots_[i].element) return static_cast<int>(i);
        return 0;
    }
    int UBound() const {
        for (size_t i = slots_.size(); i-- > 0;)
            if (slots_[i].element) return static_cast<int>(i);
        return -1;
    }
    std::vector<int> indexes() const {
        std::vector<int> out;
        for (size_t i = 0; i < slots_.size(); ++i)
            if (slots_[i].element) out.push_back(static_cast<int>(i));
        return out;
    }

    // Makes room for the indexes below `count`, which are about to be
    // loaded (see also Container::reserveChildren).
    void reserve(int count) { slots_.reserve(static_cast<size_t>(std::clamp(count, 0, MaxIndex + 1))); }

    // Loads element `index` as a hidden copy of element 0.
    T& Load(int index) {
        if (exists(index)) loadedTwice(name_, index);
        if (index < 0 || index > MaxIndex) missing(name_, index);
        const T& source = (*this)[0];
        T* element = nullptr;
        {
            const Loading loading(parent_.hostForm());
            element = make(index);
        }
        initLoaded(*element, source);
        for (const auto& w : wiring_) w.wire(*w.handler.get(), *element);
        return *element;
    }
    // Unloads an element loaded at run time.
    void Unload(int index) {
        if (!exists(index)) missing(name_, index);
        Slot& s = slots_[static_cast<size_t>(index)];
        if (s.design) designElement(name_, index);
        destroy(s);
    }

    // Wires a handler of every element, present and future; the handler gets
    // the element's Index first.
    template <class C, class... A, class F>
    void on(Event<void(A...)> C::*event, F handler) {
        static_assert(std::is_base_of_v<C, T>, "the event belongs to another kind of control");
        static_assert(std::is_invocable_v<F&, int, A...>, "the handler does not take the Index and the event's arguments");
        // The handler is kept once by the array; each element's event is
        // only bound to it with the element's index, so loading an element
        // allocates nothing for its events.
        Held<const EventTarget> kept(new Kept<C, F, A...>(event, std::move(handler)));
        for (T& e : *this) Kept<C, F, A...>::wire(*kept.get(), e);
        // Arrays are wired for a few events each.
        if (wiring_.empty()) wiring_.reserve(4);
        wiring_.push_back({std::move(kept), &Kept<C, F, A...>::wire});
    }

private:
    struct Slot {
        T* element = nullptr; // in its block
        bool design = false;
    };

public:
    // Iteration in index order over the elements.
    class iterator {
    public:
        using Inner = typename std::vector<Slot>::const_iterator;
        iterator(Inner it, Inner end) : it_(it), end_(end) { skipGaps(); }
        T& operator*() const { return *it_->element; }
        T* operator->() const { return it_->element; }
        iterator& operator++() {
            ++it_;
            skipGaps();
            return *this;
        }
        bool operator==(const iterator& o) const { return it_ == o.it_; }
    private:
        void skipGaps() {
            while (it_ != end_ && !it_->element) ++it_;
        }
        Inner it_, end_;
    };
    iterator begin() const { return iterator(slots_.begin(), slots_.end()); }
    iterator end() const { return iterator(slots_.end(), slots_.end()); }

private:
    // Raw room for one element.
    struct alignas(T) Room {
        std::byte bytes[sizeof(T)];
    };

    // The room of element `index`: element 0, which nearly every array has,
    // in the array itself; the others in their block, made on first use.
    Room* roomOf(unsigned i) {
        if (i == 0) return &first_;
        const auto block = static_cast<size_t>(std::bit_width(i)) - 1; // 1, 2-3, 4-7, ...
        const unsigned start = 1u << block;
        auto& rooms = blocks_[block];
        if (!rooms) rooms = std::make_unique_for_overwrite<Room[]>(start);
        return &rooms[i - start];
    }
    // Makes element `index` in its place.
    T* make(int index) {
        const auto i = static_cast<unsigned>(index);
        Room* room = roomOf(i);
        if (slots_.size() == i) slots_.emplace_back(); // the common case: the next index
        else if (slots_.size() < i) slots_.resize(i + 1);
        T* element = new (room) T(parent_, ControlName::ofArray(name_), index);
        slots_[i].element = element;
        ++count_;
        return element;
    }
    void makeDesign(int index) {
        if (index < 0 || index > MaxIndex) missing(name_, index);
        make(index);
        slots_[static_cast<size_t>(index)].design = true;
    }
    void destroy(Slot& s) {
        if (!s.element) return;
        T* element = s.element;
        s.element = nullptr;
        --count_;
        element->~T();
    }
    void unloadRuntimeElements() override {
        for (Slot& s : slots_)
            if (!s.design) destroy(s);
    }

    Room first_;
    std::array<std::unique_ptr<Room[]>, std::bit_width(unsigned(MaxIndex))> blocks_;
    std::vector<Slot> slots_;
    int count_ = 0;
    // What on() was given, and how it wires an element to it.
    template <class C, class F, class... A>
    class Kept final : public Counted<typename Event<void(A...)>::Target> {
    public:
        Kept(Event<void(A...)> C::*event, F handler) : event_(event), handler_(std::move(handler)) {}
        void call(const typename Event<void(A...)>::Word& word, A... args) const override {
            std::invoke(handler_, static_cast<int>(word.index), std::forward<A>(args)...);
        }
        static void wire(const EventTarget& kept, T& element) {
            const auto& self = static_cast<const Kept&>(kept);
            element.*self.event_ = Event<void(A...)>(self, element.Index());
        }

    private:
        Event<void(A...)> C::*event_;
        mutable F handler_;
    };
    struct Wiring {
        Held<const EventTarget> handler;
        void (*wire)(const EventTarget& handler, T& element);
    };
    std::vector<Wiring> wiring_;
};

} // namespace forms
