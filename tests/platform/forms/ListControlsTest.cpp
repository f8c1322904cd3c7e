#include "AllControls.h"

#include "platform/text/RuntimeError.h"

#include <gtest/gtest.h>

using namespace forms;

namespace {

struct ListFixture : ::testing::Test {
    doubles::TestDesktop desk;
    AllControls f;
    void SetUp() override {
        f.Show();
        f.take();
    }
    void fill(ListControl& list, int n) {
        for (int i = 0; i < n; ++i) list.AddItem("item" + std::to_string(i));
    }
};

TEST_F(ListFixture, AddItemNeverSelectsAndRaisesNothing) {
    fill(f.cobList, 3);
    EXPECT_EQ(f.cobList.ListIndex(), -1);
    EXPECT_EQ(f.cobList.NewIndex(), 2);
    EXPECT_EQ(f.cobList.Text(), "");
    EXPECT_TRUE(f.take().empty());
}

TEST_F(ListFixture, ListIndexFromCodeRaisesClickOnceBeforeTheNextStatement) {
    fill(f.cobList, 3);
    int seen = -2;
    f.cobList.Click = [&] { seen = f.cobList.ListIndex(); };
    f.cobList.setListIndex(2);
    EXPECT_EQ(seen, 2); // the handler ran inside the assignment
    EXPECT_EQ(f.cobList.Text(), "item2");
    seen = -2;
    f.cobList.setListIndex(2); // same value: nothing
    EXPECT_EQ(seen, -2);
}

TEST_F(ListFixture, SelectionFollowsInsertsAndRemovals) {
    struct Case {
        const char* what;
        std::function<void(ListControl&)> act;
        int listIndex;
    };
    const Case cases[] = {
        {"remove the selected item", [](ListControl& l) { l.RemoveItem(2); }, -1},
        {"remove an item above it", [](ListControl& l) { l.RemoveItem(0); }, 1},
        {"remove an item below it", [](ListControl& l) { l.RemoveItem(3); }, 2},
        {"insert at the top", [](ListControl& l) { l.AddItem("new", 0); }, 3},
        {"append", [](ListControl& l) { l.AddItem("new"); }, 2},
        {"clear", [](ListControl& l) { l.Clear(); }, -1},
    };
    for (const auto& c : cases) {
        for (ListControl* list : {static_cast<ListControl*>(&f.cobList), static_cast<ListControl*>(&f.lstSingle)}) {
            list->Clear();
            fill(*list, 4);
            list->setListIndex(2);
            f.take();
            c.act(*list);
            EXPECT_EQ(list->ListIndex(), c.listIndex) << c.what << " in " << list->Name();
            EXPECT_TRUE(f.take().empty()) << c.what << " raised an event in " << list->Name();
        }
    }
}

TEST_F(ListFixture, APersonsChoiceRaisesClickEvenForTheSameItem) {
    fill(f.cobList, 3);
    sim::chooseItem(f.cobList, 1);
    sim::chooseItem(f.cobList, 1);
    EXPECT_EQ(f.take(), (Events{"txtA:LostFocus", "cobList:GotFocus", "cobList:Click", "cobList:Click"}));
    sim::pressKey(f.cobList, vbKeyDown);
    EXPECT_EQ(f.cobList.ListIndex(), 2);
    EXPECT_EQ(f.take(), (Events{"cobList:KeyDown 40", "cobList:Click"}));
}

TEST_F(ListFixture, BadIndexesRaiseTheirErrors) {
    fill(f.lstSingle, 2);
    auto number = [](const std::function<void()>& f) {
        try {
            f();
        } catch (const text::RuntimeError& e) {
            return e.Number;
        }
        return 0;
    };
    EXPECT_EQ(number([&] { f.lstSingle.setListIndex(2); }), 380);
    EXPECT_EQ(number([&] { f.lstSingle.setListIndex(-2); }), 380);
    EXPECT_EQ(number([&] { f.lstSingle.ItemData(2); }), 381);
    EXPECT_EQ(number([&] { f.lstSingle.RemoveItem(5); }), 5);
    EXPECT_EQ(number([&] { f.cobList.setText("absent"); }), 383);
    EXPECT_EQ(f.lstSingle.List(7), "");
}

TEST_F(ListFixture, DropDownComboTextAndChoice) {
    fill(f.cobEdit, 3);
    f.cobEdit.setText("item1");
    EXPECT_EQ(f.cobEdit.ListIndex(), 1); // points at the equal item, no Click
    EXPECT_EQ(f.take(), (Events{"cobEdit:Change"}));
    f.cobEdit.setText("typed");
    EXPECT_EQ(f.cobEdit.ListIndex(), -1);
    f.take();
    f.cobEdit.setListIndex(2); // a choice shows the item, raising Click only
    EXPECT_EQ(f.cobEdit.Text(), "item2");
    EXPECT_EQ(f.take(), (Events{"cobEdit:Click"}));
    sim::typeText(f.cobEdit, "x"); // the chosen text is selected: typing replaces it
    EXPECT_EQ(f.cobEdit.Text(), "x");
    EXPECT_EQ(f.cobEdit.ListIndex(), -1);
}

TEST_F(ListFixture, ExtendedMultiSelect) {
    fill(f.lstMulti, 5);
    f.lstMulti.setSelected(1, true);
    f.lstMulti.setSelected(1, true); // unchanged: no Click
    EXPECT_EQ(f.take(), (Events{"lstMulti:Click"}));
    sim::chooseItem(f.lstMulti, 3, vbCtrlMask);
    EXPECT_EQ(f.lstMulti.SelCount(), 2);
    sim::chooseItem(f.lstMulti, 0, vbShiftMask); // range from the anchor (3)
    EXPECT_EQ(f.lstMulti.SelCount(), 4);
    EXPECT_FALSE(f.lstMulti.Selected(4));
    sim::chooseItem(f.lstMulti, 4);
    EXPECT_EQ(f.lstMulti.SelCount(), 1);
    EXPECT_TRUE(f.lstMulti.Selected(4));
    f.lstMulti.setListIndex(2); // moves the current item, keeps the selection
    EXPECT_EQ(f.lstMulti.SelCount(), 1);

    // The arrows move the selection; with Shift they stretch it from the anchor.
    sim::chooseItem(f.lstMulti, 1);
    sim::pressKey(f.lstMulti, vbKeyDown, vbShiftMask);
    sim::pressKey(f.lstMulti, vbKeyDown, vbShiftMask);
    EXPECT_EQ(f.lstMulti.SelCount(), 3);
    EXPECT_TRUE(f.lstMulti.Selected(1) && f.lstMulti.Selected(3));
    sim::pressKey(f.lstMulti, vbKeyUp, vbShiftMask);
    EXPECT_EQ(f.lstMulti.SelCount(), 2);
    EXPECT_FALSE(f.lstMulti.Selected(3));
    sim::pressKey(f.lstMulti, vbKeyDown);
    EXPECT_EQ(f.lstMulti.SelCount(), 1);
    EXPECT_TRUE(f.lstMulti.Selected(3));
}

TEST_F(ListFixture, HomeEndAndThePageKeysMoveTheChoice) {
    fill(f.lstSingle, 12);
    f.lstSingle.setHeight(5 * TextHeight(f.lstSingle.font(), "")); // five items in sight
    sim::chooseItem(f.lstSingle, 2);
    f.take();
    const std::vector<std::pair<int16_t, int>> keys = {
        {vbKeyPageDown, 6}, {vbKeyPageDown, 10}, {vbKeyPageDown, 11}, {vbKeyPageUp, 7},
        {vbKeyHome, 0},     {vbKeyEnd, 11},      {vbKeyEnd, 11},
    };
    for (const auto& [key, index] : keys) {
        sim::pressKey(f.lstSingle, key);
        EXPECT_EQ(f.lstSingle.ListIndex(), index) << "key " << key;
    }
    // A key that cannot move the choice raises no Click.
    EXPECT_EQ(f.take(), (Events{"lstSingle:KeyDown 34", "lstSingle:Click", "lstSingle:KeyDown 34", "lstSingle:Click",
                                "lstSingle:KeyDown 34", "lstSingle:Click", "lstSingle:KeyDown 33", "lstSingle:Click",
                                "lstSingle:KeyDown 36", "lstSingle:Click", "lstSingle:KeyDown 35", "lstSingle:Click",
                                "lstSingle:KeyDown 35"}));

    // Shift stretches an extended selection to the end.
    fill(f.lstMulti, 6);
    sim::chooseItem(f.lstMulti, 2);
    sim::pressKey(f.lstMulti, vbKeyEnd, vbShiftMask);
    EXPECT_EQ(f.lstMulti.SelCount(), 4);

    // A drop-down list takes Home and End; in an edit combo they move the caret.
    fill(f.cobList, 4);
    sim::chooseItem(f.cobList, 1);
    sim::pressKey(f.cobList, vbKeyEnd);
    EXPECT_EQ(f.cobList.ListIndex(), 3);
    sim::pressKey(f.cobList, vbKeyHome);
    EXPECT_EQ(f.cobList.ListIndex(), 0);
    fill(f.cobEdit, 4);
    sim::chooseItem(f.cobEdit, 1);
    sim::pressKey(f.cobEdit, vbKeyEnd);
    EXPECT_EQ(f.cobEdit.ListIndex(), 1);
}

TEST_F(ListFixture, APersonsScrollMovesTopIndexOnlyAndRaisesNothing) {
    fill(f.lstSingle, 10);
    f.take();
    sim::scrollList(f.lstSingle, 4);
    EXPECT_EQ(f.lstSingle.TopIndex(), 4);
    EXPECT_EQ(f.lstSingle.ListIndex(), -1);
    sim::scrollList(f.lstSingle, 40); // kept within the list
    EXPECT_EQ(f.lstSingle.TopIndex(), 9);
    EXPECT_EQ(f.take(), Events{});
}

TEST_F(ListFixture, DoubleClickOnAListChoosesThenRaisesDblClick) {
    fill(f.lstSingle, 3);
    f.lstSingle.setListIndex(1);
    f.take();
    sim::dblClickItem(f.lstSingle, -1); // below the items: the selection stays
    EXPECT_EQ(f.lstSingle.ListIndex(), 1);
    EXPECT_EQ(f.take(), (Events{"txtA:LostFocus", "lstSingle:GotFocus", "lstSingle:DblClick"}));
    sim::dblClickItem(f.lstSingle, 2);
    EXPECT_EQ(f.take(), (Events{"lstSingle:Click", "lstSingle:DblClick"}));
}

} // namespace
