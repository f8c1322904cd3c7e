#pragma once
#include "platform/forms/Control.h"

#include <algorithm>
#include <functional>
#include <initializer_list>
#include <memory>
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
// T needs a constructor T(Container& parent, std::string name, int index).
//
// Indexes are small and mostly dense (0 .. n), so the elements sit in a
// vector indexed by Index: finding one is a plain subscript, and loading
// one allocates nothing but the element itself. Negative indexes name no
// element.
template <class T>
class ControlArray : public ControlArrayBase {
public:
    ControlArray(Container& parent, std::string name, std::initializer_list<int> designIndexes)
        : ControlArrayBase(parent, std::move(name)) {
        for (int i : designIndexes) makeDesign(i);
    }
    // Elements 0 .. count-1 from design.
    ControlArray(Container& parent, std::string name, int count) : ControlArrayBase(parent, std::move(name)) {
        slots_.reserve(static_cast<size_t>(std::max(count, 0)));
        for (int i = 0; i < count; ++i) makeDesign(i);
    }
    // The elements leave from the highest index down: each is then mostly
    // the last of its container's children, which is where it is looked for.
    ~ControlArray() override {
        while (!slots_.empty()) slots_.pop_back();
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

    // Loads element `index` as a hidden copy of element 0.
    T& Load(int index) {
        if (exists(index)) loadedTwice(name_, index);
        if (index < 0) missing(name_, index);
        const T& source = (*this)[0];
        std::unique_ptr<T> element;
        {
            const Loading loading(parent_.hostForm());
            element = std::make_unique<T>(parent_, name_, index);
        }
        initLoaded(*element, source);
        for (const auto& wire : wiring_) wire(*element);
        T& ref = *element;
        slot(index).element = std::move(element);
        ++count_;
        return ref;
    }
    // Unloads an element loaded at run time.
    void Unload(int index) {
        if (!exists(index)) missing(name_, index);
        Slot& s = slots_[static_cast<size_t>(index)];
        if (s.design) designElement(name_, index);
        s.element.reset();
        --count_;
    }

    // Wires a handler of every element, present and future; the handler gets
    // the element's Index first.
    template <class C, class... A>
    void on(std::function<void(A...)> C::*event, std::type_identity_t<std::function<void(int, A...)>> handler) {
        static_assert(std::is_base_of_v<C, T>, "the event belongs to another kind of control");
        // The handler is kept once by the array, which outlives its
        // elements; each element's event holds only two pointers, small
        // enough to be stored in place, so loading an element allocates
        // nothing for its events.
        using Handler = std::function<void(int, A...)>;
        const auto* kept = static_cast<const Handler*>(
            handlers_.emplace_back(std::make_shared<Handler>(std::move(handler))).get());
        auto wire = [event, kept](T& element) {
            T* e = &element;
            element.*event = [e, kept](A... args) { (*kept)(e->Index(), std::forward<A>(args)...); };
        };
        for (T& e : *this) wire(e);
        wiring_.push_back(std::move(wire));
    }

private:
    struct Slot {
        std::unique_ptr<T> element;
        bool design = false;
    };

public:
    // Iteration in index order over the elements.
    class iterator {
    public:
        using Inner = typename std::vector<Slot>::const_iterator;
        iterator(Inner it, Inner end) : it_(it), end_(end) { skipGaps(); }
        T& operator*() const { return *it_->element; }
        T* operator->() const { return it_->element.get(); }
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
    Slot& slot(int index) {
        if (static_cast<size_t>(index) >= slots_.size()) slots_.resize(static_cast<size_t>(index) + 1);
        return slots_[static_cast<size_t>(index)];
    }
    void makeDesign(int index) {
        if (index < 0) missing(name_, index);
        Slot& s = slot(index);
        s.element = std::make_unique<T>(parent_, name_, index);
        s.design = true;
        ++count_;
    }
    void unloadRuntimeElements() override {
        for (Slot& s : slots_) {
            if (s.design || !s.element) continue;
            s.element.reset();
            --count_;
        }
    }

    std::vector<Slot> slots_;
    int count_ = 0;
    std::vector<std::function<void(T&)>> wiring_;
    std::vector<std::shared_ptr<const void>> handlers_; // what on() was given
};

} // namespace forms
