#include "AllControls.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

using namespace forms;

namespace {

using KeyEvent = Event<void(int16_t& KeyAscii)>;

TEST(EventMembers, EmptyOnesRaiseNothingAndThrowWhenCalled) {
    Handler unset;
    Handler cleared = [] {};
    cleared = nullptr;
    const Handler fromEmptyFunction = std::function<void()>();
    void (*nullPointer)() = nullptr;
    const Handler fromNullPointer = nullPointer;
    for (const Handler* e : std::initializer_list<const Handler*>{&unset, &cleared, &fromEmptyFunction, &fromNullPointer}) {
        EXPECT_FALSE(*e);
        raise(*e); // no handler, no effect
        EXPECT_THROW((*e)(), std::bad_function_call);
    }
}

TEST(EventMembers, AHandlerOfItsOwnGetsTheArgumentsAndMayChangeThem) {
    Events seen;
    const KeyEvent fromLambda = [&](int16_t& k) {
        seen.push_back("lambda " + std::to_string(k));
        k = 0;
    };
    const KeyEvent fromFunction = std::function<void(int16_t&)>([&](int16_t& k) { seen.push_back("function " + std::to_string(k)); });
    int16_t key = 65;
    raise(fromLambda, key);
    EXPECT_EQ(key, 0);
    key = 13;
    fromFunction(key);
    EXPECT_EQ(seen, (Events{"lambda 65", "function 13"}));
}

TEST(EventMembers, CopiesCallTheSameHandlerAndOutliveTheOriginal) {
    int calls = 0;
    auto token = std::make_shared<int>(0);
    std::weak_ptr<int> watch = token;
    auto original = std::make_unique<Handler>([&calls, token = std::move(token)] { ++calls; });
    const Handler copy = *original;
    Handler moved = std::move(*original);
    EXPECT_FALSE(*original); // a moved-from event is empty
    original.reset();
    copy();
    moved();
    EXPECT_EQ(calls, 2);
    moved = nullptr;
    EXPECT_FALSE(watch.expired()); // the copy still holds the handler
}

// A handler that replaces or clears its own event, or destroys its own
// control, runs to its end with its captures alive; they go when it returns.
// A handler of one pointer is kept in the event itself, a bigger one on the
// heap: both must survive.
enum class Act { Replace, Clear, Destroy };
struct SelfChange {
    Act act;
    std::unique_ptr<Label> lbl;
    Events seen;
    void change() {
        if (act == Act::Replace) lbl->Click = [this] { seen.push_back("second"); };
        if (act == Act::Clear) lbl->Click = nullptr;
        if (act == Act::Destroy) lbl.reset();
    }
};

TEST(EventMembers, AHandlerMayReplaceOrClearItsOwnEventOrDestroyItsControl) {
    doubles::TestDesktop desk;
    Form f("frmHost");
    for (bool small : {true, false}) {
        for (Act act : {Act::Replace, Act::Clear, Act::Destroy}) {
            SelfChange change{act, std::make_unique<Label>(f, "lblSelf"), {}};
            std::weak_ptr<std::string> watch;
            if (small) {
                SelfChange* c = &change;
                change.lbl->Click = [c] {
                    c->change();
                    c->seen.push_back("first"); // its capture, read after the change
                };
            } else {
                auto token = std::make_shared<std::string>("first");
                watch = token;
                change.lbl->Click = [c = &change, token = std::move(token)] {
                    c->change();
                    c->seen.push_back(*token);
                };
            }
            raise(change.lbl->Click);
            EXPECT_TRUE(watch.expired());
            if (change.lbl) raise(change.lbl->Click);
            const Events expected = act == Act::Replace ? Events{"first", "second"} : Events{"first"};
            EXPECT_EQ(change.seen, expected) << small << static_cast<int>(act);
        }
    }
}

class ArrayHost : public Form {
public:
    ArrayHost() : Form("frmArray") {
        lblCell.on(&Control::Click, [this](int Index) { log.push_back("Click " + std::to_string(Index)); });
        lblCell.on(&Control::KeyPress, [this](int Index, int16_t& k) {
            log.push_back("KeyPress " + std::to_string(Index) + " " + std::to_string(k));
            k = 0;
        });
    }
    ControlArray<Label> lblCell{*this, "lblCell", {0, 2}};
    Events log;
};

TEST(EventMembers, ArrayElementsPresentAndLoadedAreBoundWithTheirIndex) {
    doubles::TestDesktop desk;
    ArrayHost f;
    f.lblCell.Load(5);
    for (int i : {0, 2, 5}) raise(f.lblCell[i].Click);
    int16_t key = 97;
    raise(f.lblCell[5].KeyPress, key);
    EXPECT_EQ(key, 0);
    EXPECT_EQ(f.log, (Events{"Click 0", "Click 2", "Click 5", "KeyPress 5 97"}));
    EXPECT_FALSE(f.lblCell[5].DblClick); // events not wired stay empty

    // A bound event copied elsewhere keeps its element's index.
    Label other(f, "lblOther");
    other.Click = f.lblCell[2].Click;
    f.lblCell[2].Click = nullptr;
    raise(other.Click);
    EXPECT_EQ(f.log.back(), "Click 2");
}

TEST(EventMembers, AnArrayHandlerMayUnloadItsOwnElementOrTheWholeArray) {
    doubles::TestDesktop desk;
    Form f("frmArray");
    auto cells = std::make_unique<ControlArray<Label>>(f, "lblCell", std::initializer_list<int>{0});
    Events seen;
    auto token = std::make_shared<std::string>("alive");
    std::weak_ptr<std::string> watch = token;
    cells->on(&Control::Click, [&, token = std::move(token)](int Index) {
        if (Index == 0) cells.reset();
        else cells->Unload(Index);
        seen.push_back(std::to_string(Index) + " " + *token);
    });
    cells->Load(1);
    raise((*cells)[1].Click);
    EXPECT_FALSE(cells->exists(1));
    raise((*cells)[0].Click);
    EXPECT_FALSE(cells);
    EXPECT_TRUE(watch.expired()); // the array's handler went with the array, once the call was over
    EXPECT_EQ(seen, (Events{"1 alive", "0 alive"}));
}

} // namespace
