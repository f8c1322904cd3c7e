#include "AllControls.h"

#include "platform/text/RuntimeError.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

using namespace forms;

namespace {

TEST(FormLife, AModalFormsScriptRunsAndShowReturnsAfterItUnloads) {
    doubles::TestDesktop desk;
    AllControls owner, dialog;
    owner.Show();
    dialog.setStartUpPosition(vbStartUpOwner);
    bool ran = false;
    desk.runModal(dialog, [&] {
        ran = true;
        EXPECT_TRUE(dialog.Visible());
        EXPECT_TRUE(dialog.Modal());
        EXPECT_EQ(dialog.Owner(), &owner);
        sim::typeText(dialog.txtA, "abc");
        dialog.Unload();
    }, &owner);
    EXPECT_TRUE(ran);
    EXPECT_FALSE(dialog.Loaded());
    EXPECT_TRUE(desk.modal.leftOpen().empty());
    // Centred on the owner.
    EXPECT_DOUBLE_EQ(dialog.Left() + dialog.Width() / 2, owner.Left() + owner.Width() / 2);
    EXPECT_DOUBLE_EQ(dialog.Top() + dialog.Height() / 2, owner.Top() + owner.Height() / 2);
}

TEST(FormLife, ModalFormsNestAndUnscriptedOnesAreClosed) {
    doubles::TestDesktop desk;
    AllControls outer, inner;
    outer.btnOK.Click = [&] { inner.Show(vbModal, &outer); };
    desk.modal.add<AllControls>([&](AllControls& f) {
        EXPECT_EQ(&f, &outer);
        sim::click(outer.btnOK); // opens inner, which has no script
        outer.Hide();
    });
    outer.Show(vbModal);
    EXPECT_EQ(desk.modal.unscripted(), (std::vector<std::string>{"AllControls"}));
    EXPECT_FALSE(inner.Loaded());
    EXPECT_TRUE(outer.Loaded()); // hidden, still loaded
    EXPECT_FALSE(outer.Visible());
}

TEST(FormLife, TheCloseBoxCountsAsACancelAndCanBeRefused) {
    doubles::TestDesktop desk;
    AllControls f;
    int16_t refuse = 1;
    f.onQueryUnload = [&](int16_t& Cancel, int16_t) { Cancel = refuse; };
    f.Show();
    f.take();
    sim::closeBox(f);
    EXPECT_TRUE(f.Visible());
    refuse = 0;
    sim::closeBox(f);
    EXPECT_FALSE(f.Loaded());
    EXPECT_EQ(f.take(), (Events{"Form:QueryUnload 0", "Form:QueryUnload 0", "Form:Unload"}));
    f.Show();
    f.take();
    f.Unload();
    EXPECT_EQ(f.take(), (Events{"Form:QueryUnload 1", "Form:Unload"}));
}

TEST(FormLife, LoadErrorsReachTheCallerOfShow) {
    doubles::TestDesktop desk;
    AllControls f;
    f.onLoad = [] { throw text::RuntimeError(text::err::FileNotFound); };
    EXPECT_THROW(f.Show(), text::RuntimeError);
    EXPECT_TRUE(desk.messages().empty());
}

TEST(FormLife, ClientSizeAndWindowStateRaiseResize) {
    doubles::TestDesktop desk;
    AllControls f;
    f.setBorderStyle(vbFixedDialog);
    f.setClientSize(5205, 2145);
    f.Load();
    f.take();
    f.setClientSize(5205, 2145);
    EXPECT_TRUE(f.take().empty());
    f.setWidth(f.Width() + 150);
    EXPECT_DOUBLE_EQ(f.ScaleWidth(), 5355);
    f.dispatchWindowState(vbMinimized);
    EXPECT_EQ(f.take(), (Events{"Form:Resize", "Form:Resize"}));
}

// A window given its outer size before it is shown keeps that size when the
// real frame turns out other than the guess (a size kept in the settings
// comes back the same each time), until the window is resized otherwise.
TEST(FormLife, AnOuterSizeSetBeforeTheFrameIsKnownIsKept) {
    doubles::TestDesktop desk;
    AllControls f;
    f.Move(300, 450, 13920, 9480);
    f.setFrameExtents(30, 375);
    EXPECT_DOUBLE_EQ(f.Width(), 13920);
    EXPECT_DOUBLE_EQ(f.Height(), 9480);
    EXPECT_DOUBLE_EQ(f.ScaleWidth(), 13890);
    f.setFrameExtents(0, 0); // a window not yet framed by the window manager
    f.setFrameExtents(30, 375);
    EXPECT_DOUBLE_EQ(f.Width(), 13920);

    f.dispatchResize(9000, 6000); // the user drags its border
    f.setFrameExtents(60, 450);
    EXPECT_DOUBLE_EQ(f.ScaleWidth(), 9000);
    EXPECT_DOUBLE_EQ(f.Width(), 9060);

    f.setClientSize(6000, 4000); // a size from the program's design
    f.setFrameExtents(30, 375);
    EXPECT_DOUBLE_EQ(f.ScaleWidth(), 6000);
}

// A window shown maximised at once keeps the outer size asked for its
// normal state: maximising is no sizing of its own, and when it is restored
// the real frame leaves it as asked (a size kept in the settings does not
// shrink each time the window opens maximised).
TEST(FormLife, AWindowShownMaximisedComesBackToTheOuterSizeAsked) {
    doubles::TestDesktop desk;
    AllControls f;
    f.Move(5670, 1485, 13530, 13875);
    const double guessedWidth = f.ScaleWidth(), guessedHeight = f.ScaleHeight();
    f.setWindowState(vbMaximized);
    f.dispatchResize(19200, 15075);
    f.setFrameExtents(0, 285); // the frame of a maximised window
    f.dispatchWindowState(vbNormal);
    f.dispatchResize(guessedWidth, guessedHeight); // the size it had before
    f.setFrameExtents(30, 375);
    EXPECT_DOUBLE_EQ(f.Width(), 13530);
    EXPECT_DOUBLE_EQ(f.Height(), 13875);

    f.dispatchResize(9000, 6000); // then the user drags its border
    f.setWindowState(vbMaximized);
    f.setFrameExtents(0, 285);
    f.dispatchWindowState(vbNormal);
    f.setFrameExtents(30, 375);
    EXPECT_DOUBLE_EQ(f.ScaleWidth(), 9000);
}

// A window not shown yet takes the frame the desktop last showed around a
// window of its kind, so that its outer size is right from the start.
TEST(FormLife, TheFrameLastSeenIsTheGuessForTheNextWindowOfItsKind) {
    doubles::TestDesktop desk;
    Form::noteDesktopFrame(true, 30, 375);
    AllControls sizable;
    EXPECT_DOUBLE_EQ(sizable.frameWidth(), 30);
    EXPECT_DOUBLE_EQ(sizable.frameHeight(), 375 + 20 * TwipsPerPixel); // and its menu bar
    sizable.setBorderStyle(vbFixedDialog); // nothing seen of that kind yet
    EXPECT_DOUBLE_EQ(sizable.frameWidth(), 8 * TwipsPerPixel);
    sizable.setBorderStyle(vbBSNone);
    EXPECT_DOUBLE_EQ(sizable.frameWidth(), 0);
    Form::noteDesktopFrame(true, 0, 0);
    AllControls headless;
    EXPECT_DOUBLE_EQ(headless.frameWidth(), 8 * TwipsPerPixel);
}

TEST(ControlArrays, ALoadedElementCopiesElementZeroAndStartsHidden) {
    doubles::TestDesktop desk;
    AllControls f;
    Label& zero = f.lblArr[0];
    zero.setCaption("template");
    zero.Move(100, 200, 1155, 255);
    zero.setFontBold(true); // changed at run time: copied too
    zero.setForeColor(RGB(255, 0, 0));
    Label& five = f.lblArr.Load(5);
    EXPECT_EQ(five.Index(), 5);
    EXPECT_EQ(five.Name(), "lblArr");
    EXPECT_EQ(&five.Name(), &zero.Name()); // the array's one name, not a copy each
    EXPECT_FALSE(five.Visible());
    EXPECT_EQ(five.Caption(), "template");
    EXPECT_TRUE(five.font().Bold);
    EXPECT_EQ(five.ForeColor(), RGB(255, 0, 0));
    EXPECT_DOUBLE_EQ(five.Width(), 1155);
    EXPECT_EQ(f.Controls().back(), &five); // last in collection order
    sim::click(five); // hidden: no input
    five.setVisible(true);
    sim::click(five); // handlers are wired with the Index
    EXPECT_EQ(f.take(), (Events{"lblArr(5):MouseDown", "lblArr(5):MouseUp", "lblArr(5):Click"}));
    EXPECT_EQ(f.lblArr.indexes(), (std::vector<int>{0, 3, 5}));
}

TEST(ControlArrays, LoadAndUnloadErrorsAndFormUnload) {
    doubles::TestDesktop desk;
    AllControls f;
    auto number = [](const std::function<void()>& act) {
        try {
            act();
        } catch (const text::RuntimeError& e) {
            return e.Number;
        }
        return 0;
    };
    EXPECT_EQ(number([&] { f.lblArr.Load(3); }), 360);
    EXPECT_EQ(number([&] { f.lblArr.Unload(3); }), 362);
    EXPECT_EQ(number([&] { f.lblArr[1]; }), 340);
    // Indexes run from 0 to 32767.
    EXPECT_EQ(number([&] { f.lblArr.Load(-1); }), 340);
    EXPECT_EQ(number([&] { f.lblArr.Load(32768); }), 340);
    const size_t before = f.Controls().size();
    f.lblArr.Load(4);
    f.lblArr.Load(9);
    f.lblArr.Unload(4);
    EXPECT_EQ(f.Controls().size(), before + 1);
    // An index given back can be loaded again, and the elements are walked
    // in index order past the gaps.
    f.lblArr[0].setCaption("zero");
    f.lblArr.Load(4);
    f.lblArr.Load(32767);
    std::vector<int> walked;
    for (const Label& l : f.lblArr) walked.push_back(l.Index());
    EXPECT_EQ(walked, (std::vector<int>{0, 3, 4, 9, 32767}));
    EXPECT_EQ(f.lblArr[4].Caption(), "zero"); // a fresh copy of element 0
    EXPECT_EQ((std::vector<int>{f.lblArr.LBound(), f.lblArr.UBound(), f.lblArr.Count()}), (std::vector<int>{0, 32767, 5}));
    f.lblArr.Unload(4);
    f.lblArr.Unload(32767);
    f.Load();
    f.Unload();
    EXPECT_FALSE(f.lblArr.exists(9)); // run-time elements go with the form
    EXPECT_TRUE(f.lblArr.exists(3));
    EXPECT_EQ(f.Controls().size(), before);
}

// Unloading many elements at once leaves exactly the design: its controls,
// their containers' children and the tab order, each in design order.
TEST(ControlArrays, UnloadingThousandsOfElementsLeavesTheDesignInOrder) {
    doubles::TestDesktop desk;
    class Boxes : public Form {
    public:
        Boxes() : Form("frmBoxes") {}
        TextBox txtFirst{*this, "txtFirst"};
        ControlArray<TextBox> txtCell{*this, "txtCell", {0}};
        ControlArray<Label> lblCell{*this, "lblCell", {0}};
        TextBox txtLast{*this, "txtLast"};
    } f;
    const std::vector<Control*> design = f.Controls();
    f.Load();
    for (int i = 1; i <= 3000; ++i) {
        f.txtCell.Load(i);
        f.lblCell.Load(i);
    }
    EXPECT_EQ(f.txtLast.TabIndex(), 2);
    f.Unload();
    EXPECT_EQ(f.Controls(), design);
    EXPECT_EQ(f.children(), design);
    EXPECT_EQ(f.txtCell.Count(), 1);
    EXPECT_EQ(f.txtLast.TabIndex(), 2);
    EXPECT_EQ(f.txtCell[0].TabIndex(), 1);
}

TEST(TabStrip, SelectingFromCodeAlwaysClicksRebuildingIsSilent) {
    doubles::TestDesktop desk;
    AllControls f;
    f.Show();
    f.take();
    f.tabBody.TabsClear();
    for (int i = 1; i <= 3; ++i) f.tabBody.TabsAdd(i, "tab" + std::to_string(i));
    EXPECT_EQ(f.tabBody.SelectedIndex(), 1);
    EXPECT_TRUE(f.take().empty());
    f.tabBody.SelectTab(2);
    f.tabBody.SelectTab(2);
    EXPECT_EQ(f.take(), (Events{"tabBody:Click", "tabBody:Click"}));
    sim::selectTab(f.tabBody, 3);
    EXPECT_EQ(f.tabBody.SelectedIndex(), 3);
    EXPECT_EQ(f.take().back(), "tabBody:Click");
    f.tabBody.TabsAdd(1, "first"); // inserted before the selected tab
    EXPECT_EQ(f.tabBody.SelectedIndex(), 4);
    EXPECT_EQ(f.tabBody.TabCaption(1), "first");
}

TEST(ScrollBars, ChangeIsSynchronousAndReentrant) {
    doubles::TestDesktop desk;
    AllControls f;
    f.hscA.setMax(100);
    f.hscA.setValue(80);
    Events seen;
    f.hscA.Change = [&] {
        seen.push_back(std::to_string(f.hscA.Value()));
        if (f.hscA.Value() == 50) f.hscA.setValue(10); // a nested refresh
    };
    f.hscA.setMax(50); // moves the value into the range
    EXPECT_EQ(seen, (Events{"50", "10"}));
    f.hscA.setMax(60); // the value stays: nothing
    EXPECT_EQ(seen.size(), 2u);
    EXPECT_THROW(f.hscA.setValue(61), text::RuntimeError);
    f.Show();
    sim::scroll(f.hscA, 500); // a person: clamped into the range
    EXPECT_EQ(f.hscA.Value(), 60);
}

TEST(Timers, TickOnlyWhileLoadedEnabledAndWithAnInterval) {
    doubles::TestDesktop desk;
    AllControls f;
    f.timA.setInterval(200);
    sim::tickTimers();
    EXPECT_TRUE(f.take().empty()); // not loaded
    f.Load();
    f.take();
    sim::tickTimers(); // hidden forms' timers run too
    f.timA.setEnabled(false);
    sim::tickTimers();
    EXPECT_EQ(f.take(), (Events{"timA:Timer"}));
}

TEST(Menus, ChoosingAnItemRaisesItsClick) {
    doubles::TestDesktop desk;
    AllControls f;
    f.Show();
    f.take();
    f.mnuFile_Exit.setChecked(true);
    sim::click(f.mnuFile_Exit);
    f.mnuFile_Exit.setVisible(false);
    sim::click(f.mnuFile_Exit);
    EXPECT_EQ(f.take(), (Events{"mnuFile_Exit:Click"}));
    EXPECT_EQ(f.menus().size(), 1u);
    EXPECT_EQ(f.mnuFile.items().front(), &f.mnuFile_Exit);
}

} // namespace

TEST(FormLife, ATestThatLeavesAWindowLoadedFails) {
    AllControls left; // outlives the desktop below, still loaded when it ends
    EXPECT_NONFATAL_FAILURE(
        {
            doubles::TestDesktop desk;
            left.Load();
        },
        "windows left loaded when the test desktop ends: AllControls");
    left.Unload();
}
