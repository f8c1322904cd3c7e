#include "AllControls.h"

#include "platform/text/RuntimeError.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace forms;

namespace {

struct FocusFixture : ::testing::Test {
    doubles::TestDesktop desk;
    AllControls f;
    void SetUp() override {
        f.Show();
        f.take();
    }
};

TEST_F(FocusFixture, ShowingGivesTheFocusToTheFirstTabStop) {
    AllControls g;
    g.Show();
    EXPECT_EQ(g.take(), (Events{"Form:Load", "Form:Resize", "Form:Activate", "txtA:GotFocus"}));
    EXPECT_EQ(g.ActiveControl(), &g.txtA);
}

TEST_F(FocusFixture, ABoxLosesTheFocusBeforeTheButtonIsClicked) {
    sim::typeText(f.txtA, "5");
    f.take();
    sim::click(f.btnOK);
    EXPECT_EQ(f.take(), (Events{"txtA:LostFocus", "btnOK:GotFocus", "btnOK:MouseDown", "btnOK:MouseUp", "btnOK:Click"}));
}

TEST_F(FocusFixture, AValidationThatKeepsTheFocusDoesNotLoopAndLosesTheClick) {
    f.txtA.LostFocus = [&] {
        f.events.push_back("txtA:LostFocus");
        MsgBox("bad value", vbOKOnly, std::string("エラー"));
        f.txtA.SetFocus();
    };
    sim::click(f.btnOK);
    EXPECT_EQ(f.take(), (Events{"txtA:LostFocus", "txtA:GotFocus"}));
    EXPECT_EQ(f.ActiveControl(), &f.txtA);
    sim::click(f.txtB); // every try ends the same way, once
    EXPECT_EQ(f.take(), (Events{"txtA:LostFocus", "txtA:GotFocus"}));
    EXPECT_EQ(desk.messages().size(), 2u);
}

TEST_F(FocusFixture, CancelButtonsAndTheCloseBoxRunNoValidation) {
    sim::click(f.btnCancel);
    EXPECT_EQ(f.take(), (Events{"btnCancel:MouseDown", "btnCancel:MouseUp", "btnCancel:Click"}));
    EXPECT_EQ(f.ActiveControl(), &f.txtA);
    sim::closeBox(f);
    EXPECT_EQ(f.take(), (Events{"Form:QueryUnload 0", "Form:Unload"}));
    EXPECT_FALSE(f.Loaded());
}

TEST_F(FocusFixture, SetFocusOnAHiddenControlIsAnError) {
    f.txtB.setVisible(false);
    try {
        f.txtB.SetFocus();
        FAIL() << "no error";
    } catch (const text::RuntimeError& e) {
        EXPECT_EQ(e.Number, 5);
    }
}

TEST_F(FocusFixture, ClickThenDoubleClickSequence) {
    sim::dblClick(f.lblA);
    EXPECT_EQ(f.take(), (Events{"lblA:MouseDown", "lblA:MouseUp", "lblA:Click", "lblA:DblClick", "lblA:MouseUp"}));
}

TEST_F(FocusFixture, ThePressedControlKeepsTheMouseUntilRelease) {
    Events moves;
    f.lblA.MouseMove = [&](int16_t button, int16_t, double x, double) {
        moves.push_back(std::to_string(button) + "@" + std::to_string(static_cast<int>(x)));
    };
    f.lblA.MouseUp = [&](int16_t, int16_t, double x, double) { moves.push_back("up@" + std::to_string(static_cast<int>(x))); };
    sim::mouseDown(f.lblA, 100, 10);
    sim::mouseMove(f.lblA, 5000, 10, vbLeftButton); // beyond its right edge
    sim::mouseMove(f.txtB, 5100, 10, vbLeftButton);  // over another control
    sim::mouseUp(f.txtB, 5200, 10);
    EXPECT_EQ(moves, (Events{"1@5000", "1@5100", "up@5200"}));
    // Released outside the label: no Click.
    const Events e = f.take();
    EXPECT_EQ(std::count(e.begin(), e.end(), "lblA:Click"), 0);
}

TEST_F(FocusFixture, DisabledControlsTakeNoInput) {
    f.btnOK.setEnabled(false);
    sim::click(f.btnOK);
    f.fraOne.setEnabled(false);
    sim::click(f.optOne[0]);
    EXPECT_TRUE(f.take().empty());
    EXPECT_FALSE(f.optOne[0].Value());
}

TEST_F(FocusFixture, OptionsRaiseClickOnlyWhenTheyChangeAndGroupByContainer) {
    f.optTwo[1].setValue(true);
    f.take();
    f.optOne[0].setValue(true);
    f.optOne[0].setValue(true);
    EXPECT_EQ(f.take(), (Events{"optOne(0):Click"}));
    f.optOne[1].setValue(true);
    EXPECT_EQ(f.take(), (Events{"optOne(1):Click"})); // the sibling is cleared silently
    EXPECT_FALSE(f.optOne[0].Value());
    EXPECT_TRUE(f.optTwo[1].Value()); // another frame, another group
    sim::click(f.optOne[1]); // already selected: nothing beyond the mouse
    EXPECT_EQ(f.take(), (Events{"txtA:LostFocus", "optOne(1):GotFocus", "optOne(1):MouseDown", "optOne(1):MouseUp"}));
}

TEST_F(FocusFixture, CheckBoxValueFromCodeAndByClick) {
    f.chkA.setValue(vbChecked);
    f.chkA.setValue(vbChecked);
    EXPECT_EQ(f.take(), (Events{"chkA:Click"}));
    sim::click(f.chkA);
    EXPECT_EQ(f.chkA.Value(), vbUnchecked);
}

TEST_F(FocusFixture, AnUntrappedErrorIsShownOnceAndTheFormStaysUsable) {
    int clicks = 0;
    f.btnOK.Click = [&] {
        if (++clicks == 1) throw text::RuntimeError(text::err::DivisionByZero);
        if (clicks == 2) throw std::runtime_error("plain failure");
    };
    sim::click(f.btnOK);
    ASSERT_EQ(desk.messages().size(), 1u);
    EXPECT_EQ(desk.lastMessage().title, "エラー");
    EXPECT_EQ(desk.lastMessage().prompt, "0 で除算しました。");
    sim::click(f.btnOK);
    EXPECT_EQ(desk.lastMessage().prompt, "plain failure");
    sim::click(f.btnOK);
    EXPECT_EQ(clicks, 3);
    EXPECT_EQ(desk.messages().size(), 2u);
}

TEST_F(FocusFixture, ErrorsOfCodeDrivenEventsReachTheCaller) {
    f.cobList.AddItem("a");
    f.cobList.Click = [] { throw text::RuntimeError(text::err::Overflow); };
    EXPECT_THROW(f.cobList.setListIndex(0), text::RuntimeError);
    EXPECT_TRUE(desk.messages().empty());
}

} // namespace
