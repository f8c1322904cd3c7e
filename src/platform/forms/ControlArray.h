#pragma once
#include "platform/forms/Control.h"

#include <functional>
#include <initializer_list>
#include <map>
#include <memory>
#include <set>
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
template <class T>
class ControlArray : public ControlArrayBase {
public:
    ControlArray(Container& parent, std::string name, std::initializer_list<int> designIndexes)
        : ControlArrayBase(parent, std::move(name)) {
        for (int i : designIndexes) {
            elements_.emplace(i, std::make_unique<T>(parent_, name_, i));
            design_.insert(i);
        }
    }
    // Elements 0 .. count-1 from design.
    ControlArray(Container& parent, std::string name, int count) : ControlArrayBase(parent, std::move(name)) {
        for (int i = 0; i < count; ++i) {
            elements_.emplace(i, std::make_unique<T>(parent_, name_, i));
            design_.insert(i);
        }
    }

    T& operator[](int index) const {
        auto it = elements_.find(index);
        if (it == elements_.end()) missing(name_, index);
        return *it->second;
    }
    T& operator()(int index) const { return (*this)[index]; }
    bool exists(int index) const { return elements_.count(index) != 0; }
    int Count() const { return static_cast<int>(elements_.size()); }
    int LBound() const { return elements_.empty() ? 0 : elements_.begin()->first; }
    int UBound() const { return elements_.empty() ? -1 : elements_.rbegin()->first; }
    std::vector<int> indexes() const {
        std::vector<int> out;
        for (const auto& [i, e] : elements_) out.push_back(i);
        return out;
    }

    // Loads element `index` as a hidden copy of element 0.
    T& Load(int index) {
        if (exists(index)) loadedTwice(name_, index);
        const T& source = (*this)[0];
        std::unique_ptr<T> element;
        {
            const Loading loading(parent_.hostForm());
            element = std::make_unique<T>(parent_, name_, index);
        }
        initLoaded(*element, source);
        for (const auto& wire : wiring_) wire(*element);
        T& ref = *element;
        elements_.emplace(index, std::move(element));
        return ref;
    }
    // Unloads an element loaded at run time.
    void Unload(int index) {
        if (!exists(index)) missing(name_, index);
        if (design_.count(index)) designElement(name_, index);
        elements_.erase(index);
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
        for (auto& [i, e] : elements_) wire(*e);
        wiring_.push_back(std::move(wire));
    }

    // Iteration in index order over the elements.
    class iterator {
    public:
        using Inner = typename std::map<int, std::unique_ptr<T>>::const_iterator;
        explicit iterator(Inner it) : it_(it) {}
        T& operator*() const { return *it_->second; }
        T* operator->() const { return it_->second.get(); }
        iterator& operator++() { ++it_; return *this; }
        bool operator==(const iterator& o) const { return it_ == o.it_; }
    private:
        Inner it_;
    };
    iterator begin() const { return iterator(elements_.begin()); }
    iterator end() const { return iterator(elements_.end()); }

private:
    void unloadRuntimeElements() override {
        for (auto it = elements_.begin(); it != elements_.end();) {
            if (design_.count(it->first)) ++it;
            else it = elements_.erase(it);
        }
    }

    std::map<int, std::unique_ptr<T>> elements_;
    std::set<int> design_;
    std::vector<std::function<void(T&)>> wiring_;
    std::vector<std::shared_ptr<const void>> handlers_; // what on() was given
};

} // namespace forms
