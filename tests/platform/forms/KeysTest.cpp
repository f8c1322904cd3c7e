#include "AllControls.h"

#include "platform/forms/Keys.h"

#include <gtest/gtest.h>

using namespace forms;

namespace {

struct KeysFixture : ::testing::Test {
    doubles::TestDesktop desk;
    AllControls f;
    void SetUp() override {
        f.Show();
        f.take();
    }
};

TEST_F(KeysFixture, TextFromCodeRaisesChangeOnlyWhenItDiffersAndIsNeverCut) {
    f.txtA.setMaxLength(2);
    f.txtA.setText("100");
    f.txtA.setText("100");
    EXPECT_EQ(f.txtA.Text(), "100"); // MaxLength limits typing only
    EXPECT_EQ(f.take(), (Events{"txtA:Change"}));
}

TEST_F(KeysFixture, TypingHonoursMaxLengthAndCodePage932) {
    f.txtA.setMaxLength(3);
    const long beeps = desk.beeps();
    sim::typeText(f.txtA, "aé1あ2"); // é is not in code page 932
    EXPECT_EQ(f.txtA.Text(), "a1あ"); // "2" is past MaxLength
    EXPECT_EQ(desk.beeps() - beeps, 1);
    sim::pressKey(f.txtA, vbKeyBack);
    sim::typeText(f.txtA, "ｱ"); // half-width katakana is storable
    EXPECT_EQ(f.txtA.Text(), "a1ｱ");
}

TEST_F(KeysFixture, KeyPressCanChangeOrDropTheCharacter) {
    Events pressed;
    f.txtA.KeyPress = [&](int16_t& k) {
        pressed.push_back(std::to_string(k));
        if (k == 'x') k = 0;
        if (k >= 'a' && k <= 'z') k = static_cast<int16_t>(k - 32);
    };
    sim::typeText(f.txtA, "axbあ");
    EXPECT_EQ(f.txtA.Text(), "ABあ");
    // Non-ASCII characters arrive as their code page 932 code.
    EXPECT_EQ(pressed, (Events{"97", "120", "98", std::to_string(static_cast<int16_t>(0x82A0))}));
    EXPECT_EQ(charOfKeyAscii(static_cast<int16_t>(0x82A0)), U'あ');
}

TEST_F(KeysFixture, EditingKeysAndSelection) {
    f.txtA.setText("abcd");
    f.txtA.setSelStart(1);
    f.txtA.setSelLength(2);
    EXPECT_EQ(f.txtA.SelText(), "bc");
    sim::typeText(f.txtA, "X"); // replaces the selection
    EXPECT_EQ(f.txtA.Text(), "aXd");
    sim::pressKey(f, vbKeyHome);
    sim::pressKey(f, vbKeyRight, vbShiftMask);
    sim::pressKey(f, vbKeyDelete);
    EXPECT_EQ(f.txtA.Text(), "Xd");
    sim::pressKey(f, vbKeyEnd);
    sim::pressKey(f, vbKeyBack);
    EXPECT_EQ(f.txtA.Text(), "X");
}

TEST_F(KeysFixture, PasteGoesThroughKeyPressCharacterByCharacter) {
    f.txtA.KeyPress = [](int16_t& k) {
        if (k != 22 && (k < '0' || k > '9')) k = 0; // digits only, but let Ctrl+V through
    };
    Clipboard::SetText("1a2\r\n3");
    sim::pressKey(f.txtA, 'V', vbCtrlMask);
    EXPECT_EQ(f.txtA.Text(), "12"); // the first line, filtered
    sim::inputText(f.txtA, "x9"); // an input-method commit
    EXPECT_EQ(f.txtA.Text(), "129");
}

TEST_F(KeysFixture, APasteFromTheEditMenuPressesNoKeyButEachCharacterGoesThroughKeyPress) {
    f.txtA.KeyPress = [this](int16_t& k) {
        f.events.push_back("txtA:KeyPress " + std::to_string(k));
        if (k < '0' || k > '9') k = 0; // digits only: a Ctrl+V key would be dropped too
    };
    f.txtA.setText("");
    Clipboard::SetText("7a8\r\n9");
    f.take();
    sim::paste(f.txtA);
    EXPECT_EQ(f.txtA.Text(), "78");
    EXPECT_EQ(f.take(), (Events{"txtA:KeyPress 55", "txtA:Change", "txtA:KeyPress 97", "txtA:KeyPress 56",
                                "txtA:Change"}));
    f.txtB.SetFocus();
    f.take();
    f.dispatchEditCommand(f.txtA, EditCommand::Paste); // only into the focused box
    f.dispatchEditCommand(f.btnOK, EditCommand::Paste);
    EXPECT_EQ(f.txtA.Text(), "78");
    EXPECT_EQ(f.take(), Events{});
}

// The Change events among the events since the last look.
Events changes(AllControls& f) {
    Events all = f.take();
    std::erase_if(all, [](const std::string& e) { return !e.ends_with(":Change"); });
    return all;
}

// One undo step: the state before a person's last edit. A run of typing or
// of deleting is one step, a caret move ends a run, a second undo takes the
// first back, and a change from code forgets the step.
TEST_F(KeysFixture, CtrlZUndoesThePersonsLastEdit) {
    const auto undo = [this] {
        sim::pressKey(f.txtA, 'Z', vbCtrlMask);
        return f.txtA.Text();
    };
    sim::typeText(f.txtA, "abc");
    f.take();
    EXPECT_EQ(undo(), "");
    EXPECT_EQ(changes(f), Events{"txtA:Change"});
    EXPECT_EQ(undo(), "abc");
    sim::pressKey(f, vbKeyBack);
    sim::pressKey(f, vbKeyBack);
    EXPECT_EQ(undo(), "abc");
    EXPECT_EQ(f.txtA.SelStart(), 3);
    sim::pressKey(f, vbKeyHome);
    sim::typeText(f.txtA, "xy");
    sim::pressKey(f, vbKeyEnd);
    sim::typeText(f.txtA, "z");
    EXPECT_EQ(undo(), "xyabc");
    EXPECT_EQ(undo(), "xyabcz");
    f.txtA.setText("code");
    f.take();
    EXPECT_EQ(undo(), "code");
    EXPECT_EQ(changes(f), Events{});
}

// The edit menu's commands press no key, so a KeyPress that drops control
// codes does not stop them; a paste is still filtered like typing, keeps to
// MaxLength and is one undo step.
TEST_F(KeysFixture, EditMenuCommandsActWithoutAKeyAndPasteIsFilteredAndOneStep) {
    f.txtA.KeyPress = [this](int16_t& k) {
        f.events.push_back("txtA:KeyPress " + std::to_string(k));
        if (k < '0' || k > '9') k = 0; // digits only: Ctrl+Z and Ctrl+V as keys are dropped too
    };
    f.txtA.setMaxLength(5);
    sim::typeText(f.txtA, "12");
    Clipboard::SetText("3a4567\r\n8");
    sim::editMenu(f.txtA, EditCommand::Paste);
    EXPECT_EQ(f.txtA.Text(), "12345");
    f.take();
    sim::editMenu(f.txtA, EditCommand::Undo);
    EXPECT_EQ(f.txtA.Text(), "12");
    EXPECT_EQ(f.take(), Events{"txtA:Change"});
    sim::editMenu(f.txtA, EditCommand::SelectAll);
    EXPECT_EQ(f.txtA.SelLength(), 2);
    sim::editMenu(f.txtA, EditCommand::Cut);
    EXPECT_EQ(f.txtA.Text(), "");
    EXPECT_EQ(Clipboard::GetText(), "12");
    sim::editMenu(f.txtA, EditCommand::Undo);
    EXPECT_EQ(f.txtA.Text(), "12");
    f.txtA.setSelStart(1);
    f.txtA.setSelLength(1);
    sim::editMenu(f.txtA, EditCommand::Copy);
    sim::editMenu(f.txtA, EditCommand::Delete);
    EXPECT_EQ(f.txtA.Text(), "1");
    EXPECT_EQ(Clipboard::GetText(), "2");
    EXPECT_EQ(changes(f), (Events{"txtA:Change", "txtA:Change", "txtA:Change"}));
}

TEST_F(KeysFixture, SendTabMovesAfterTheHandlerReturns) {
    f.txtA.KeyPress = [&](int16_t& k) {
        if (k == 13) {
            k = 0;
            f.sendTab();
            f.events.push_back("handler done");
        }
    };
    sim::typeText(f.txtA, "\r");
    EXPECT_EQ(f.take(), (Events{"txtA:KeyDown 13", "handler done", "txtA:LostFocus", "txtB:GotFocus"}));
}

TEST_F(KeysFixture, TabSkipsHiddenDisabledAndNonTabStopControls) {
    f.txtB.setVisible(false);
    f.cobList.setEnabled(false);
    f.cobEdit.setTabStop(false);
    f.fraTwo.setEnabled(false); // its options with it
    f.optOne[1].setValue(true); // only the selected option of a group is a stop
    std::vector<std::string> order;
    for (int i = 0; i < 8; ++i) {
        sim::pressKey(f, vbKeyTab);
        order.push_back(nameOf(*f.ActiveControl()));
    }
    EXPECT_EQ(order, (Events{"lstSingle", "lstMulti", "chkA", "optOne(1)", "btnOK", "btnCancel", "picBox", "hscA"}));
    sim::pressKey(f, vbKeyTab, vbShiftMask);
    EXPECT_EQ(f.ActiveControl(), &f.picBox);
}

TEST_F(KeysFixture, EnterAndSpaceOnAFocusedButtonClickIt) {
    sim::pressKey(f.btnOK, vbKeyReturn);
    sim::pressKey(f.btnOK, vbKeySpace);
    const Events e = f.take();
    EXPECT_EQ(std::count(e.begin(), e.end(), "btnOK:Click"), 2);
}

TEST_F(KeysFixture, EscClicksTheCancelButtonAndEnterTheDefaultOne) {
    sim::typeText(f.txtA, "\x1b");
    EXPECT_EQ(f.take(), (Events{"btnCancel:Click"})); // no key events, no focus change
    sim::typeText(f.txtA, "\r"); // no Default button: the box gets the key
    EXPECT_EQ(f.take(), (Events{"txtA:KeyDown 13", "txtA:KeyPress 13"}));
    f.btnOK.setDefault(true);
    sim::typeText(f.txtA, "\r");
    EXPECT_EQ(f.take(), (Events{"btnOK:Click"}));
}

TEST_F(KeysFixture, KeyPreviewShowsKeysToTheFormFirstAndCanConsumeThem) {
    f.setKeyPreview(true);
    f.onKeyDown = [](int16_t& k, int16_t) {
        if (k == vbKeyF12) k = 0;
    };
    sim::pressKey(f.txtA, vbKeyF12);
    sim::typeText(f.txtA, "a");
    EXPECT_EQ(f.take(), (Events{"Form:KeyDown 123", "Form:KeyDown 65", "txtA:KeyDown 65", "Form:KeyPress 97",
                                "txtA:KeyPress 97", "txtA:Change"}));
}

TEST_F(KeysFixture, SpaceTogglesCheckBoxesAndSelectsOptions) {
    sim::pressKey(f.chkA, vbKeySpace);
    EXPECT_EQ(f.chkA.Value(), vbChecked);
    sim::pressKey(f.optOne[0], vbKeySpace);
    EXPECT_TRUE(f.optOne[0].Value());
}

TEST_F(KeysFixture, ArrowsWalkAnOptionGroupRoundTheEndAndChooseTheOptionReached) {
    f.optOne[0].setValue(true);
    f.optTwo[0].setValue(true);
    sim::focus(f.optOne[0]);
    f.take();
    sim::pressKey(f, vbKeyDown);
    EXPECT_EQ(f.ActiveControl(), &f.optOne[1]);
    EXPECT_TRUE(f.optOne[1].Value());
    EXPECT_FALSE(f.optOne[0].Value());
    EXPECT_TRUE(f.optTwo[0].Value()); // another frame is another group
    const Events e = f.take();
    EXPECT_NE(std::find(e.begin(), e.end(), "optOne(1):GotFocus"), e.end());
    EXPECT_NE(std::find(e.begin(), e.end(), "optOne(1):Click"), e.end());
    sim::pressKey(f, vbKeyRight); // past the last: the first again
    EXPECT_EQ(f.ActiveControl(), &f.optOne[0]);
    EXPECT_TRUE(f.optOne[0].Value());
    sim::pressKey(f, vbKeyUp);
    EXPECT_TRUE(f.optOne[1].Value());
    f.optOne[0].setEnabled(false); // the only other option cannot take the focus
    sim::pressKey(f, vbKeyLeft);
    EXPECT_EQ(f.ActiveControl(), &f.optOne[1]);
    EXPECT_TRUE(f.optOne[1].Value());
}

TEST_F(KeysFixture, LeftAndRightOnATabStripChooseTheNeighbouringTabAndStopAtTheEnds) {
    for (const char* caption : {"一", "二", "三"}) f.tabBody.TabsAdd(0, caption);
    sim::focus(f.tabBody);
    f.take();
    sim::pressKey(f, vbKeyRight);
    EXPECT_EQ(f.tabBody.SelectedIndex(), 2);
    EXPECT_EQ(f.take(), (Events{"tabBody:KeyDown 39", "tabBody:Click"}));
    sim::pressKey(f, vbKeyRight);
    sim::pressKey(f, vbKeyRight); // already on the last tab
    EXPECT_EQ(f.tabBody.SelectedIndex(), 3);
    sim::pressKey(f, vbKeyLeft);
    sim::pressKey(f, vbKeyLeft);
    sim::pressKey(f, vbKeyLeft); // already on the first tab
    EXPECT_EQ(f.tabBody.SelectedIndex(), 1);
    EXPECT_EQ(f.ActiveControl(), &f.tabBody);
}

} // namespace
