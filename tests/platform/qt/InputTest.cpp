// Real Qt input on a shown window gives the same model results as the
// headless simulation: the same events in the same order, the same values
// and focus, and the Qt focus on the model's focused control.
#include "platform/qt/ShownForm.h"
#include "platform/qt/testing/QtDesktop.h"

#include <QAbstractItemView>
#include <QLineEdit>
#include <QComboBox>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOption>
#include <QTabBar>

#include <gtest/gtest.h>

#include <functional>
#include <ostream>

namespace {

using qtui::testing::QtDesktop;

struct Scenario {
    const char* name;
    std::function<void(AllControls&)> setup; // handlers and state, before the form shows
    std::function<void(AllControls&)> simulate;
    std::function<void(AllControls&, QtDesktop&)> real;
    bool mouseless = false; // the simulated action raises no mouse events: compare without them
};

void PrintTo(const Scenario& s, std::ostream* os) { *os << s.name; }

struct Outcome {
    Events events;
    std::string state;
};

std::string stateOf(const AllControls& f) {
    const forms::Control* active = f.ActiveControl();
    return "txtA=" + f.txtA.Text() + " txtB=" + f.txtB.Text() + " cobList=" + std::to_string(f.cobList.ListIndex()) +
           " cobEdit=" + f.cobEdit.Text() + " lstSingle=" + std::to_string(f.lstSingle.ListIndex()) +
           " chkA=" + std::to_string(f.chkA.Value()) + " optOne1=" + std::to_string(f.optOne[1].Value()) +
           " hscA=" + std::to_string(f.hscA.Value()) + " tab=" + std::to_string(f.tabBody.SelectedIndex()) +
           " focus=" + (active ? nameOf(*active) : "-");
}

Outcome finish(AllControls& f, bool mouseless) {
    Outcome o{f.take(), stateOf(f)};
    if (mouseless) std::erase_if(o.events, [](const std::string& e) { return e.find(":Mouse") != std::string::npos; });
    return o;
}

Outcome simulated(const Scenario& s) {
    forms::doubles::TestDesktop desk;
    AllControls f;
    layOut(f);
    if (s.setup) s.setup(f);
    f.Show();
    f.take();
    s.simulate(f);
    return finish(f, s.mouseless);
}

Outcome real(const Scenario& s, bool& qtFocusAgrees) {
    QtDesktop desk;
    AllControls f;
    layOut(f);
    if (s.setup) s.setup(f);
    EXPECT_TRUE(desk.show(f));
    f.take();
    s.real(f, desk);
    QWidget* expected = f.ActiveControl() ? desk.widget(*f.ActiveControl()) : nullptr;
    qtFocusAgrees = expected && (QApplication::focusWidget() == expected ||
                                 QApplication::focusWidget() == expected->focusProxy());
    Outcome o = finish(f, s.mouseless);
    f.Unload();
    return o;
}

// Digits, Backspace and Enter pass; Enter moves on; anything else is dropped.
void digitsOnly(AllControls& f) {
    f.txtA.KeyPress = [&f](int16_t& k) {
        f.events.push_back("txtA:KeyPress " + std::to_string(k));
        if (k == 13) {
            f.sendTab();
            k = 0;
        } else if (k >= 32 && (k < '0' || k > '9')) {
            k = 0;
        }
    };
}

QPoint rowCentre(const forms::ListBox& list, int row) {
    auto* view = static_cast<QListWidget*>(QtDesktop::widget(list));
    return view->viewport()->mapTo(view, view->visualItemRect(view->item(row)).center());
}

const Scenario scenarios[] = {
    {"DigitsOnlyKeyPressAndEnterMovesOn", digitsOnly,
     [](AllControls& f) { forms::sim::typeText(f.txtA, "1a2\r"); },
     [](AllControls&, QtDesktop& d) { d.type("1a2\r"); }},
    {"BackspaceAndCaretKeys", nullptr,
     [](AllControls& f) {
         forms::sim::typeText(f.txtA, "abc\b");
         forms::sim::pressKey(f, forms::vbKeyHome);
         forms::sim::typeText(f.txtA, "x");
     },
     [](AllControls&, QtDesktop& d) {
         d.type("abc\b");
         d.key(Qt::Key_Home);
         d.type("x");
     }},
    {"TabMovesTheFocus", nullptr, [](AllControls& f) { forms::sim::pressKey(f, forms::vbKeyTab); },
     [](AllControls&, QtDesktop& d) { d.key(Qt::Key_Tab); }},
    {"ShiftTabMovesBack", [](AllControls& f) { f.txtB.SetFocus(); },
     [](AllControls& f) {
         forms::sim::pressKey(f, forms::vbKeyShift, forms::vbShiftMask); // a person presses Shift first
         forms::sim::pressKey(f, forms::vbKeyTab, forms::vbShiftMask);
     },
     [](AllControls&, QtDesktop& d) { d.key(Qt::Key_Backtab, Qt::ShiftModifier); }},
    {"DoubleClickIsClickThenDblClick", nullptr, [](AllControls& f) { forms::sim::dblClick(f.lblA); },
     [](AllControls& f, QtDesktop& d) { d.doubleClick(f.lblA); }},
    {"LostFocusBeforeTheButtonsClick", nullptr,
     [](AllControls& f) {
         forms::sim::typeText(f.txtA, "5");
         forms::sim::click(f.btnOK);
     },
     [](AllControls& f, QtDesktop& d) {
         d.type("5");
         d.click(f.btnOK);
     }},
    {"FocusKeptByLostFocusLosesTheClick",
     [](AllControls& f) {
         f.txtA.LostFocus = [&f] {
             f.events.push_back("txtA:LostFocus");
             f.txtA.SetFocus();
         };
     },
     [](AllControls& f) { forms::sim::click(f.btnOK); }, [](AllControls& f, QtDesktop& d) { d.click(f.btnOK); }},
    {"CancelButtonKeepsTheFocus", nullptr, [](AllControls& f) { forms::sim::click(f.btnCancel); },
     [](AllControls& f, QtDesktop& d) { d.click(f.btnCancel); }},
    {"EscClicksTheCancelButton", nullptr, [](AllControls& f) { forms::sim::pressKey(f, forms::vbKeyEscape); },
     [](AllControls&, QtDesktop& d) { d.key(Qt::Key_Escape); }},
    {"EnterOnAFocusedButtonClicksIt", [](AllControls& f) { f.btnOK.SetFocus(); },
     [](AllControls& f) { forms::sim::pressKey(f, forms::vbKeyReturn); },
     [](AllControls&, QtDesktop& d) { d.key(Qt::Key_Return); }},
    {"CheckBoxClickTicks", nullptr, [](AllControls& f) { forms::sim::click(f.chkA); },
     [](AllControls& f, QtDesktop& d) { d.click(f.chkA); }},
    {"SpaceTicksAFocusedCheckBox", [](AllControls& f) { f.chkA.SetFocus(); },
     [](AllControls& f) { forms::sim::pressKey(f, forms::vbKeySpace); },
     [](AllControls&, QtDesktop& d) { d.key(Qt::Key_Space); }},
    {"OptionClickSelects", nullptr, [](AllControls& f) { forms::sim::click(f.optOne[1]); },
     [](AllControls& f, QtDesktop& d) { d.click(f.optOne[1]); }},
    {"ListClickChooses", nullptr, [](AllControls& f) { forms::sim::chooseItem(f.lstSingle, 2); },
     [](AllControls& f, QtDesktop&) {
         QTest::mouseClick(QtDesktop::widget(f.lstSingle), Qt::LeftButton, {}, rowCentre(f.lstSingle, 2));
     },
     true},
    {"ListDoubleClickChoosesThenDblClick", nullptr, [](AllControls& f) { forms::sim::dblClickItem(f.lstSingle, 1); },
     [](AllControls& f, QtDesktop&) {
         QWidget* w = QtDesktop::widget(f.lstSingle);
         const QPoint at = rowCentre(f.lstSingle, 1);
         QTest::mouseClick(w, Qt::LeftButton, {}, at);
         QTest::mouseDClick(w, Qt::LeftButton, {}, at);
         QTest::mouseRelease(w, Qt::LeftButton, {}, at);
     },
     true},
    {"ComboChoiceRaisesClick", nullptr, [](AllControls& f) { forms::sim::chooseItem(f.cobList, 1); },
     [](AllControls& f, QtDesktop&) {
         auto* combo = static_cast<QComboBox*>(QtDesktop::widget(f.cobList));
         QTest::mouseClick(combo, Qt::LeftButton);
         QAbstractItemView* view = combo->view();
         ASSERT_TRUE(QTest::qWaitFor([&] { return view->isVisible(); }));
         // A popup ignores a release right after it opens; on a busy machine
         // "right after" can outlast the wait, so a click the popup swallowed
         // (it is still open) is given again.
         const auto closed = [&] { return !view->isVisible(); };
         for (int attempt = 0; attempt < 5 && !closed(); ++attempt) {
             QTest::qWait(QApplication::doubleClickInterval() + 50);
             QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                               view->visualRect(view->model()->index(1, 0)).center());
             if (QTest::qWaitFor(closed, 500)) break;
         }
     },
     true},
    {"ArrowKeysChooseInAList", [](AllControls& f) { f.lstSingle.SetFocus(); },
     [](AllControls& f) {
         forms::sim::pressKey(f, forms::vbKeyDown);
         forms::sim::pressKey(f, forms::vbKeyDown);
     },
     [](AllControls&, QtDesktop& d) {
         d.key(Qt::Key_Down);
         d.key(Qt::Key_Down);
     }},
    {"TypingIntoAnEditableCombo", [](AllControls& f) { f.cobEdit.SetFocus(); },
     [](AllControls& f) { forms::sim::typeText(f.cobEdit, "xy"); }, [](AllControls&, QtDesktop& d) { d.type("xy"); }},
    {"TabClickSelectsTheTab", nullptr, [](AllControls& f) { forms::sim::selectTab(f.tabBody, 2); },
     [](AllControls& f, QtDesktop&) {
         auto* bar = QtDesktop::widget(f.tabBody)->findChild<QTabBar*>();
         QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
     },
     true},
    {"MenuItemClick", nullptr, [](AllControls& f) { forms::sim::click(f.mnuFile_Exit); },
     [](AllControls& f, QtDesktop&) {
         auto* bar = QtDesktop::window(f)->findChild<QMenuBar*>();
         QAction* file = bar->actions().at(0);
         QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(file).center());
         QMenu* menu = file->menu();
         ASSERT_TRUE(QTest::qWaitFor([&] { return menu->isVisible(); }));
         QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(menu->actions().at(0)).center());
     }},
};

class RealInput : public testing::TestWithParam<Scenario> {};

TEST_P(RealInput, GivesTheSimulationsResult) {
    const Scenario& s = GetParam();
    bool qtFocusAgrees = false;
    const Outcome expected = simulated(s);
    const Outcome got = real(s, qtFocusAgrees);
    EXPECT_EQ(got.events, expected.events);
    EXPECT_EQ(got.state, expected.state);
    EXPECT_TRUE(qtFocusAgrees) << "the Qt focus is not on the model's focused control";
}

INSTANTIATE_TEST_SUITE_P(Scenarios, RealInput, testing::ValuesIn(scenarios),
                         [](const testing::TestParamInfo<Scenario>& info) { return std::string(info.param.name); });

TEST(RealInputDetails, TypedResultReachesTheWidgets) {
    QtDesktop desk;
    AllControls f;
    layOut(f);
    digitsOnly(f);
    ASSERT_TRUE(desk.show(f));
    desk.type("1a2\r");
    EXPECT_EQ(f.txtA.Text(), "12");
    EXPECT_EQ(static_cast<QLineEdit*>(desk.widget(f.txtA))->text(), QStringLiteral("12"));
    EXPECT_EQ(desk.focused(), desk.widget(f.txtB));
}

} // namespace

namespace {

TEST(RealInputDetails, AnAccessKeyClicksACheckBox) {
    QtDesktop desk;
    AllControls f;
    layOut(f);
    f.chkA.setCaption("生年月日(&B)");
    ASSERT_TRUE(desk.show(f));
    f.take();
    desk.key(Qt::Key_B, Qt::AltModifier);
    EXPECT_EQ(f.chkA.Value(), forms::vbChecked);
    const Events events = f.take();
    EXPECT_NE(std::find(events.begin(), events.end(), "chkA:Click"), events.end());
}

} // namespace

namespace {

// Dragging over an extended-selection list selects the rows from the pressed
// one to the one under the pointer, as Shift with a click does.
TEST(RealInputDetails, ADragOverAnExtendedListSelectsARange) {
    QtDesktop desk;
    AllControls f;
    layOut(f);
    ASSERT_TRUE(desk.show(f));
    QWidget* w = QtDesktop::widget(f.lstMulti);
    QTest::mousePress(w, Qt::LeftButton, {}, rowCentre(f.lstMulti, 0));
    QTest::mouseMove(w, rowCentre(f.lstMulti, 1));
    QTest::mouseMove(w, rowCentre(f.lstMulti, 2));
    QTest::mouseRelease(w, Qt::LeftButton, {}, rowCentre(f.lstMulti, 2));
    EXPECT_EQ(f.lstMulti.SelCount(), 3);
    EXPECT_EQ(f.lstMulti.ListIndex(), 2);
    // Back up while still held: the range shrinks with the pointer.
    QTest::mousePress(w, Qt::LeftButton, {}, rowCentre(f.lstMulti, 2));
    QTest::mouseMove(w, rowCentre(f.lstMulti, 0));
    QTest::mouseMove(w, rowCentre(f.lstMulti, 1));
    QTest::mouseRelease(w, Qt::LeftButton, {}, rowCentre(f.lstMulti, 1));
    EXPECT_EQ(f.lstMulti.SelCount(), 2);
    EXPECT_FALSE(f.lstMulti.Selected(0));
    // A move without the button held selects nothing.
    QTest::mouseMove(w, rowCentre(f.lstMulti, 0));
    EXPECT_EQ(f.lstMulti.SelCount(), 2);
}

} // namespace

namespace {

// What the style is told when it draws the focused widget: whether the focus
// mark shows.
bool showsFocusMark() {
    QStyleOption option;
    option.initFrom(QtDesktop::focused());
    return (option.state & QStyle::State_HasFocus) && (option.state & QStyle::State_KeyboardFocusChange);
}

// A person working from the keyboard sees where the focus is: the mark shows
// after the first key, in the window and in the windows opened from the
// keyboard, and not after the mouse opened one.
TEST(RealInputDetails, TheFocusMarkShowsOnceTheKeyboardIsUsed) {
    QtDesktop desk;
    AllControls f;
    layOut(f);
    ASSERT_TRUE(desk.show(f));
    desk.click(f.txtB);
    EXPECT_FALSE(showsFocusMark());
    desk.key(Qt::Key_Tab);
    EXPECT_TRUE(showsFocusMark());

    AllControls fromKeyboard;
    layOut(fromKeyboard);
    ASSERT_TRUE(desk.show(fromKeyboard));
    EXPECT_TRUE(showsFocusMark());
    desk.click(fromKeyboard.txtB);
    fromKeyboard.Unload();

    AllControls fromMouse;
    layOut(fromMouse);
    ASSERT_TRUE(desk.show(fromMouse));
    EXPECT_FALSE(showsFocusMark());
    fromMouse.Unload();
    f.Unload();
}

} // namespace

namespace {

// Alt pressed and released alone, as the window system sends it.
void pressAltAlone() {
    QTest::keyPress(QtDesktop::focused(), Qt::Key_Alt, Qt::AltModifier);
    QTest::keyRelease(QtDesktop::focused(), Qt::Key_Alt);
}

// Alt pressed and released alone puts the menu bar in keyboard use, as on
// the platform: a menu without an access key ("印刷" of the preview) is
// still reached, opened with Down and chosen with Enter.
TEST(RealInputDetails, AltAloneLeadsIntoTheMenuBar) {
    QtDesktop desk;
    AllControls f;
    layOut(f);
    f.mnuFile.setCaption("印刷");
    f.mnuFile_Exit.setCaption("閉じる");
    ASSERT_TRUE(desk.show(f));
    f.take();
    pressAltAlone();
    auto* bar = QtDesktop::window(f)->findChild<QMenuBar*>();
    ASSERT_TRUE(bar);
    EXPECT_EQ(desk.focused(), bar);
    desk.key(Qt::Key_Down);
    QWidget* menu = QApplication::activePopupWidget();
    ASSERT_TRUE(menu);
    QTest::keyClick(menu, Qt::Key_Return);
    const Events events = f.take();
    EXPECT_NE(std::find(events.begin(), events.end(), "mnuFile_Exit:Click"), events.end());
    // The focus goes back to the control that had it.
    EXPECT_TRUE(QTest::qWaitFor([&] { return desk.focused() == desk.widget(f.txtA); }, 1000));
}

// A window left while its menu bar was in keyboard use gets its focus back
// on the control when it comes back: a key typed then goes to the control,
// and does not open the menu whose access key it is.
TEST(RealInputDetails, AMenuBarLeftInKeyboardUseGivesTheFocusBack) {
    QtDesktop desk;
    AllControls f;
    layOut(f);
    f.mnuFile.setCaption("&File");
    ASSERT_TRUE(desk.show(f));
    pressAltAlone();
    ASSERT_EQ(desk.focused(), QtDesktop::window(f)->findChild<QMenuBar*>());
    {
        AllControls other;
        layOut(other);
        ASSERT_TRUE(desk.show(other));
        other.Unload();
    }
    QtDesktop::window(f)->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(QtDesktop::window(f)));
    EXPECT_TRUE(QTest::qWaitFor([&] { return desk.focused() == desk.widget(f.txtA); }, 1000));
    desk.type("f");
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    EXPECT_EQ(f.txtA.Text(), "f");
    f.Unload();
}

} // namespace

namespace {

// A list reached by Tab with nothing chosen shows the focus mark round its
// first row, where the arrow keys start.
TEST(RealInputDetails, AListWithNothingChosenShowsTheFocusMarkOnItsFirstRow) {
    QtDesktop desk;
    AllControls f;
    layOut(f);
    ASSERT_TRUE(desk.show(f));
    auto* view = static_cast<QListWidget*>(QtDesktop::widget(f.lstSingle));
    const QRect row = view->visualItemRect(view->item(0));
    const auto firstRow = [&] {
        QTest::qWait(20);
        return view->viewport()->grab(row).toImage();
    };
    desk.click(f.txtB);
    const QImage unfocused = firstRow();
    f.lstSingle.SetFocus();
    EXPECT_EQ(firstRow(), unfocused) << "no mark before the keyboard is used";
    desk.click(f.txtB);
    desk.key(Qt::Key_Tab);
    desk.key(Qt::Key_Tab);
    desk.key(Qt::Key_Tab);
    ASSERT_EQ(f.ActiveControl(), &f.lstSingle);
    EXPECT_EQ(f.lstSingle.ListIndex(), -1);
    EXPECT_NE(firstRow(), unfocused);
    f.Unload();
}

} // namespace
