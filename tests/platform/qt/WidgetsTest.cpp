// The widgets of a shown form follow the model: geometry in twips ÷ 15,
// fonts and colours as the desktop shows them, every push, and the
// platform's list rules whatever Qt would do on its own.
#include "platform/qt/ControlWidgets.h"
#include "platform/qt/Convert.h"
#include "platform/qt/Items.h"
#include "platform/qt/Screenshot.h"
#include "platform/qt/ShownForm.h"
#include "platform/qt/testing/QtDesktop.h"
#include "platform/text/RuntimeError.h"

#include <QComboBox>
#include <QFontMetricsF>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QTimer>
#include <QContextMenuEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTabBar>
#include <QWheelEvent>

#include <gtest/gtest.h>

namespace {

using qtui::testing::QtDesktop;

class ShownWidgets : public testing::Test {
protected:
    void SetUp() override {
        layOut(f);
        ASSERT_TRUE(desk.show(f));
        f.take();
    }
    template <class W>
    W* widget(const forms::Control& c) {
        return static_cast<W*>(QtDesktop::widget(c));
    }
    // What the window shows where a control is, and that place in one colour.
    static QImage shot(const forms::Control& c) { return QtDesktop::widget(c)->grab(QtDesktop::area(c)).toImage(); }
    static QImage plain(const forms::Control& c, forms::Color color) {
        QImage image = shot(c);
        image.fill(qtui::toQColor(color));
        return image;
    }

    QtDesktop desk;
    AllControls f;
};

void forEachControl(const forms::Container& c, const std::function<void(forms::Control&)>& visit) {
    for (forms::Control* child : c.children()) {
        visit(*child);
        if (auto* inner = dynamic_cast<forms::Container*>(child)) forEachControl(*inner, visit);
    }
}

TEST_F(ShownWidgets, GeometryIsTwipsOverFifteen) {
    int checked = 0;
    forEachControl(f, [&](forms::Control& c) {
        QWidget* w = QtDesktop::widget(c);
        if (c.kind() == forms::ControlKind::Menu || c.kind() == forms::ControlKind::Timer) {
            EXPECT_EQ(w, nullptr);
            return;
        }
        ASSERT_NE(w, nullptr) << nameOf(c);
        if (c.kind() == forms::ControlKind::Line) return;
        const QRect expected(qtui::px(c.Left()), qtui::px(c.Top()), qtui::px(c.Width()), qtui::px(c.Height()));
        if (qtui::isItemKind(c.kind())) EXPECT_EQ(QtDesktop::area(c), expected) << nameOf(c); // drawn by its container
        else EXPECT_EQ(w->geometry(), expected) << nameOf(c);
        ++checked;
    });
    EXPECT_GT(checked, 20);
    EXPECT_EQ(QtDesktop::widget(f.lblA), QtDesktop::widget(f.txtA)->parentWidget());
    // Inside a frame, positions are the frame's.
    EXPECT_EQ(QtDesktop::widget(f.optOne[1])->parentWidget(), QtDesktop::widget(f.fraOne));
    EXPECT_EQ(QtDesktop::widget(f.optOne[1])->geometry(), QRect(8, 44, 84, 22));
    // The client area, under the menu bar.
    QWidget* window = QtDesktop::window(f);
    EXPECT_EQ(QtDesktop::widget(f.txtA)->parentWidget()->size(), QSize(600, 400));
    EXPECT_EQ(window->height(), 400 + QtDesktop::widget(f.txtA)->parentWidget()->y());
    // A line's area covers both end points.
    EXPECT_TRUE(QtDesktop::area(f.linA).contains(QPoint(380, 133)));
    EXPECT_TRUE(QtDesktop::area(f.linA).contains(QPoint(440, 173)));

    f.txtA.Move(300, 450, 3000, 600);
    EXPECT_EQ(QtDesktop::widget(f.txtA)->geometry(), QRect(20, 30, 200, 40));
    f.setClientSize(7500, 4500);
    EXPECT_EQ(QtDesktop::widget(f.txtA)->parentWidget()->size(), QSize(500, 300));
}

TEST_F(ShownWidgets, PropertyPushesReachTheWidgets) {
    f.lblA.setCaption("");
    const QImage blank = shot(f.lblA);
    f.lblA.setCaption("パークゴルフ");
    EXPECT_NE(shot(f.lblA), blank);
    f.btnOK.setCaption("登録");
    EXPECT_EQ(widget<QPushButton>(f.btnOK)->text(), QStringLiteral("登録"));
    f.fraOne.setCaption("抽出条件");
    EXPECT_EQ(widget<qtui::FrameWidget>(f.fraOne)->caption(), QStringLiteral("抽出条件"));
    f.txtA.setText("あいう");
    f.txtA.setSelStart(1);
    f.txtA.setSelLength(2);
    EXPECT_EQ(widget<QLineEdit>(f.txtA)->text(), QStringLiteral("あいう"));
    EXPECT_EQ(widget<QLineEdit>(f.txtA)->selectedText(), QStringLiteral("いう"));
    f.chkA.setValue(forms::vbChecked);
    EXPECT_EQ(widget<qtui::CheckBoxWidget>(f.chkA)->checkState(), Qt::Checked);
    f.optTwo[1].setValue(true);
    f.optTwo[0].setValue(true);
    EXPECT_TRUE(widget<QRadioButton>(f.optTwo[0])->isChecked());
    EXPECT_FALSE(widget<QRadioButton>(f.optTwo[1])->isChecked());
    f.hscA.setValue(7);
    EXPECT_EQ(widget<QScrollBar>(f.hscA)->value(), 7);
    f.hscA.setMax(5); // moves the value into the range
    EXPECT_EQ(widget<QScrollBar>(f.hscA)->maximum(), 5);
    EXPECT_EQ(widget<QScrollBar>(f.hscA)->value(), 5);
    f.tabBody.SelectTab(3);
    f.tabBody.setTabCaption(1, "参加");
    QTabBar* bar = QtDesktop::widget(f.tabBody)->findChild<QTabBar*>();
    EXPECT_EQ(bar->currentIndex(), 2);
    EXPECT_EQ(bar->tabText(0), QStringLiteral("参加"));
    f.btnOK.setEnabled(false);
    f.lblA.setVisible(false);
    EXPECT_FALSE(QtDesktop::widget(f.btnOK)->isEnabled());
    EXPECT_EQ(shot(f.lblA), plain(f.lblA, f.BackColor()));
    f.fraOne.setVisible(false); // a frame hides its contents
    EXPECT_FALSE(QtDesktop::widget(f.optOne[0])->isVisible());
    f.setCaption("期間");
    EXPECT_EQ(QtDesktop::window(f)->windowTitle(), QStringLiteral("期間"));
}

// The rows of a button's picture that hold caption ink (darker than the face).
int inkRows(const QImage& image) {
    int rows = 0;
    for (int y = 3; y < image.height() - 3; ++y) {
        bool ink = false;
        for (int x = 3; x < image.width() - 3 && !ink; ++x) ink = qGray(image.pixel(x, y)) < 100;
        rows += ink ? 1 : 0;
    }
    return rows;
}

TEST_F(ShownWidgets, ButtonCaptionsWrapAtBlanksWhenTheyDoNotFit) {
    f.btnOK.Move(f.btnOK.Left(), f.btnOK.Top(), 675, 480);
    f.btnOK.setCaption("集計 クリア");
    const int narrow = inkRows(widget<QWidget>(f.btnOK)->grab().toImage());
    f.btnOK.Move(f.btnOK.Left(), f.btnOK.Top(), 2400, 480);
    const int wide = inkRows(widget<QWidget>(f.btnOK)->grab().toImage());
    EXPECT_GT(wide, 0);
    EXPECT_GT(narrow, wide + wide / 2); // two lines of text against one
}

TEST_F(ShownWidgets, CombosAndListsKeepThePlatformsSelectionRules) {
    auto* combo = widget<QComboBox>(f.cobList);
    auto* list = widget<QListWidget>(f.lstSingle);
    f.cobList.Clear();
    f.cobList.AddItem("一"); // Qt would make the first item current
    f.cobList.AddItem("二");
    f.cobList.AddItem("零", 0);
    EXPECT_EQ(combo->currentIndex(), -1);
    ASSERT_EQ(combo->count(), 3);
    EXPECT_EQ(combo->itemText(0), QStringLiteral("零"));
    EXPECT_EQ(f.take(), Events{});
    f.cobList.setListIndex(2);
    EXPECT_EQ(combo->currentIndex(), 2);
    f.cobList.RemoveItem(2);
    EXPECT_EQ(combo->currentIndex(), -1);
    EXPECT_EQ(combo->count(), 2);

    f.lstSingle.setListIndex(1);
    EXPECT_EQ(list->currentRow(), 1);
    f.lstSingle.setList(0, "改名");
    EXPECT_EQ(list->item(0)->text(), QStringLiteral("改名"));
    f.lstSingle.RemoveItem(1); // Qt would move the current row
    EXPECT_EQ(list->currentRow(), -1);
    EXPECT_TRUE(list->selectedItems().isEmpty());
    EXPECT_EQ(list->count(), 2);

    f.lstMulti.setSelected(0, true);
    f.lstMulti.setSelected(2, true);
    EXPECT_TRUE(widget<QListWidget>(f.lstMulti)->item(2)->isSelected());
    EXPECT_FALSE(widget<QListWidget>(f.lstMulti)->item(1)->isSelected());
}

TEST_F(ShownWidgets, AComboListIsNoWiderThanItsWindow) {
    std::string name;
    for (int i = 0; i < 127; ++i) name += "長";
    f.cobList.AddItem(name);
    auto* combo = widget<QComboBox>(f.cobList);
    combo->showPopup();
    QWidget* popup = combo->view()->window();
    ASSERT_TRUE(QTest::qWaitFor([&] { return popup->isVisible(); }));
    const QRect window = QtDesktop::window(f)->geometry();
    const QRect list = popup->geometry();
    if (const char* folder = std::getenv("LUMORA_SCREENSHOTS"); folder && *folder) {
        // The window with its open list over it.
        const QRect both = window.united(list);
        QPixmap shot(both.size());
        shot.fill(Qt::black);
        QPainter p(&shot);
        p.drawPixmap(window.topLeft() - both.topLeft(), QtDesktop::window(f)->grab());
        p.drawPixmap(list.topLeft() - both.topLeft(), popup->grab());
        p.end();
        shot.save(QString::fromLocal8Bit(folder) + QStringLiteral("/qt-combo-long-item.png"));
    }
    EXPECT_LE(list.width(), window.width());
    EXPECT_GT(list.width(), combo->width()) << "wider than the box, to show more of a long item";
    EXPECT_GE(list.left(), window.left());
    EXPECT_LE(list.right(), window.right());
    combo->hidePopup();
}

TEST_F(ShownWidgets, TheWheelOverAClosedComboChangesNothing) {
    f.cobList.setListIndex(0);
    f.take();
    auto* combo = widget<QComboBox>(f.cobList);
    const QPointF at = combo->rect().center();
    QWheelEvent wheel(at, combo->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(combo, &wheel);
    EXPECT_EQ(f.cobList.ListIndex(), 0);
    EXPECT_EQ(combo->currentIndex(), 0);
    EXPECT_EQ(f.take(), Events{});
}

TEST_F(ShownWidgets, TextBoxesTakeOnlyWhatCodePage932Stores) {
    f.txtA.KeyPress = [this](int16_t& k) {
        if (k >= 32 && (k < '0' || k > '9')) k = 0; // digits only; control keys pass
    };
    const long beeps = forms::beepCount();
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("1ä2")); // ä: not in code page 932
    QApplication::sendEvent(QtDesktop::widget(f.txtA), &commit);
    EXPECT_EQ(f.txtA.Text(), "12");
    EXPECT_EQ(forms::beepCount(), beeps + 1);
    forms::Clipboard::SetText("3x4\r\n5");
    desk.key(Qt::Key_V, Qt::ControlModifier); // a paste goes through KeyPress too (first line only)
    EXPECT_EQ(f.txtA.Text(), "1234");
    EXPECT_EQ(widget<QLineEdit>(f.txtA)->text(), QStringLiteral("1234"));
}

TEST_F(ShownWidgets, ElementsLoadedWhileShownGetWidgets) {
    forms::Label& added = f.lblArr.Load(5);
    ASSERT_NE(QtDesktop::widget(added), nullptr);
    added.Move(120, 2400, 1500, 330); // where nothing else is
    EXPECT_EQ(shot(added), plain(added, f.BackColor())); // a loaded element starts hidden
    added.setVisible(true);
    EXPECT_EQ(QtDesktop::area(added), QRect(8, 160, 100, 22));
    EXPECT_EQ(shot(added), shot(f.lblArr[0])); // element 0's caption, look and size
    QWidget* canvas = QtDesktop::widget(added);
    const QRect area = QtDesktop::area(added);
    f.lblArr.Unload(5);
    EXPECT_EQ(canvas->grab(area).toImage(), plain(f.lblArr[0], f.BackColor()));
}

TEST_F(ShownWidgets, ControlsMadeWhileShownGetWidgetsOnceTheyAreComplete) {
    { forms::Label gone{f, "lblGone"}; } // made and gone before the event loop ran
    forms::CommandButton button{f, "btnNew"};
    forms::Frame frame{f, "fraNew"};
    forms::Label label{frame, "lblNew"};
    button.Move(120, 2400, 1200, 375);
    button.setCaption("追加");
    frame.Move(1500, 2400, 1500, 600);
    label.Move(120, 240, 900, 255);
    label.setCaption("所属");
    int clicks = 0;
    button.Click = [&clicks] { ++clicks; };
    QCoreApplication::processEvents();
    ASSERT_NE(QtDesktop::widget(button), nullptr);
    EXPECT_EQ(QtDesktop::widget(button)->geometry(), QRect(8, 160, 80, 25));
    EXPECT_EQ(widget<QPushButton>(button)->text(), QStringLiteral("追加"));
    EXPECT_EQ(QtDesktop::widget(label), QtDesktop::widget(frame)); // the new frame draws its label
    EXPECT_EQ(QtDesktop::area(label), QRect(8, 16, 60, 17));
    desk.click(button);
    EXPECT_EQ(clicks, 1);
}

TEST_F(ShownWidgets, AListShowsNoCurrentRowWhileNothingIsChosen) {
    auto* single = widget<QListWidget>(f.lstSingle);
    auto* multi = widget<QListWidget>(f.lstMulti);
    for (forms::ListBox* list : {&f.lstSingle, &f.lstMulti}) {
        list->SetFocus(); // Qt would make the first row current on focus
        EXPECT_EQ(QtDesktop::focused(), QtDesktop::widget(*list));
    }
    EXPECT_EQ(single->currentRow(), -1);
    EXPECT_EQ(multi->currentRow(), -1);
    f.lstSingle.setListIndex(1);
    EXPECT_EQ(single->currentRow(), 1);
    f.lstSingle.setListIndex(-1);
    EXPECT_EQ(single->currentRow(), -1);
    EXPECT_TRUE(single->selectedItems().isEmpty());
}

// Selecting every item of a long multi-selection list from code, one by one
// as a "select all" button does: the widget shows the model's selection
// (its cost is measured by the shown-forms benchmark).
TEST_F(ShownWidgets, SelectingEveryItemOfALongListOneByOneShowsInTheWidget) {
    constexpr int count = 3000;
    for (int i = 0; i < count; ++i) f.lstMulti.AddItem("選手" + std::to_string(i));
    auto* list = widget<QListWidget>(f.lstMulti);
    for (int i = 0; i < count; ++i) f.lstMulti.setSelected(i, true);
    EXPECT_EQ(list->selectedItems().size(), count);
    f.lstMulti.setSelected(1, false);
    EXPECT_FALSE(list->item(1)->isSelected());
    EXPECT_TRUE(list->item(0)->isSelected());
    EXPECT_TRUE(list->item(2)->isSelected());
    EXPECT_EQ(list->selectedItems().size(), count - 1);
}

TEST_F(ShownWidgets, TopIndexFollowsTheListAsItScrolls) {
    for (int i = 0; i < 30; ++i) f.lstSingle.AddItem("項目" + std::to_string(i));
    auto* list = widget<QListWidget>(f.lstSingle);
    list->verticalScrollBar()->setValue(5); // a person drags the thumb
    QCoreApplication::processEvents();
    EXPECT_EQ(f.lstSingle.TopIndex(), 5);
    f.lstSingle.setListIndex(25); // shown by scrolling
    QCoreApplication::processEvents();
    EXPECT_EQ(f.lstSingle.TopIndex(), list->indexAt(QPoint(0, 0)).row());
    EXPECT_GT(f.lstSingle.TopIndex(), 5);
    f.lstSingle.setTopIndex(0); // from code
    QCoreApplication::processEvents();
    EXPECT_EQ(list->indexAt(QPoint(0, 0)).row(), 0);
    EXPECT_EQ(f.lstSingle.TopIndex(), 0);
}

TEST(Fonts, WindowsFontsAreTheIpaFontsAtNinetySixDpi) {
    qtui::testing::application();
    struct Case {
        const char* name;
        const char* family;
    };
    for (const Case& c : {Case{"ＭＳ Ｐゴシック", "IPAPGothic"}, Case{"ＭＳ ゴシック", "IPAGothic"},
                          Case{"ＭＳ 明朝", "IPAMincho"}, Case{"ＭＳ Ｐ明朝", "IPAPMincho"}}) {
        EXPECT_EQ(qtui::substituteFamily(c.name), QString::fromLatin1(c.family)) << c.name;
        EXPECT_EQ(QFontInfo(qtui::toQFont(forms::Font{c.name, 9})).family(), QString::fromLatin1(c.family))
            << "font not installed: " << c.family;
    }
    for (auto [points, pixels] : {std::pair{9.0, 12}, {11.25, 15}, {12.0, 16}, {10.0, 13}, {9.75, 13}})
        EXPECT_EQ(qtui::toQFont(forms::Font{"ＭＳ Ｐゴシック", points}).pixelSize(), pixels) << points;
    EXPECT_TRUE(qtui::toQFont(forms::Font{"ＭＳ Ｐゴシック", 9, true}).bold());
}

TEST(Colours, RgbAndSystemColoursAsThePaletteShowsThem) {
    qtui::testing::application();
    const QPalette p = QApplication::palette();
    EXPECT_EQ(qtui::toQColor(forms::RGB(255, 0, 0)), QColor(255, 0, 0));
    EXPECT_EQ(qtui::toQColor(forms::RGB(250, 250, 250)), QColor(250, 250, 250));
    EXPECT_EQ(qtui::toQColor(0xE0E0E0), QColor(0xE0, 0xE0, 0xE0));
    EXPECT_EQ(qtui::toQColor(forms::vbButtonFace), p.color(QPalette::Button));
    EXPECT_EQ(qtui::toQColor(forms::vbHighlight), p.color(QPalette::Highlight));
    EXPECT_EQ(qtui::toQColor(forms::vbHighlightText), p.color(QPalette::HighlightedText));
    EXPECT_EQ(qtui::toQColor(forms::vbGrayText), p.color(QPalette::Disabled, QPalette::WindowText));
    EXPECT_EQ(qtui::toQColor(forms::vbButtonText), p.color(QPalette::ButtonText));
}

TEST_F(ShownWidgets, ColoursAndFontsArePushed) {
    f.txtA.setBackColor(forms::RGB(255, 255, 192));
    f.txtA.setForeColor(forms::RGB(0, 0, 255));
    EXPECT_EQ(QtDesktop::widget(f.txtA)->palette().color(QPalette::Base), QColor(255, 255, 192));
    EXPECT_EQ(QtDesktop::widget(f.txtA)->palette().color(QPalette::Text), QColor(0, 0, 255));
    f.btnOK.setFontBold(true);
    f.btnOK.setFontSize(11.25);
    EXPECT_TRUE(QtDesktop::widget(f.btnOK)->font().bold());
    EXPECT_EQ(QtDesktop::widget(f.btnOK)->font().pixelSize(), 15);
}

TEST_F(ShownWidgets, TextIsMeasuredWithTheRealFont) {
    const forms::Font font{"ＭＳ Ｐゴシック", 9};
    const QFontMetricsF fm(qtui::toQFont(font));
    EXPECT_DOUBLE_EQ(forms::TextWidth(font, "プレイヤー"), fm.horizontalAdvance(QStringLiteral("プレイヤー")) * 15);
    EXPECT_DOUBLE_EQ(forms::TextWidth(font, "ab\r\nあいう"), fm.horizontalAdvance(QStringLiteral("あいう")) * 15);
    EXPECT_DOUBLE_EQ(forms::TextHeight(font, "a\r\nb"), 2 * forms::TextHeight(font, ""));
    f.lblA.setAutoSize(true); // sized with the same metrics
    EXPECT_DOUBLE_EQ(f.lblA.Width(), forms::TextWidth(f.lblA.font(), f.lblA.Caption()));
}

} // namespace

namespace {

class Boxes : public forms::Form {
public:
    Boxes() : Form("Boxes") {
        setClientSize(6000, 3000);
        picBody.Move(300, 300, 3000, 1500);
        btnIn.Move(150, 150, 1200, 375);
        uct.Move(3600, 300, 2000, 1500);
        lblIn.Move(0, 0, 1500, 300);
        btnIn.Click = [this] { ++clicks; };
    }
    forms::PictureBox picBody{*this, "picBody"};
    forms::CommandButton btnIn{picBody, "btnIn"};
    forms::UserControl uct{*this, "uct"};
    forms::Label lblIn{uct, "lblIn"};
    int clicks = 0;
};

TEST(Containers, PictureBoxesAndUserControlsHoldTheirControls) {
    QtDesktop desk;
    Boxes f;
    ASSERT_TRUE(desk.show(f));
    QWidget* client = QtDesktop::widget(f.picBody)->parentWidget();
    // Inside the picture box's border (2 pixels), at the control's own place.
    EXPECT_EQ(QtDesktop::widget(f.btnIn)->geometry(), QRect(10, 10, 80, 25));
    EXPECT_EQ(QtDesktop::widget(f.btnIn)->mapTo(client, QPoint(0, 0)), QPoint(20 + 2 + 10, 20 + 2 + 10));
    EXPECT_EQ(QtDesktop::widget(f.lblIn), QtDesktop::widget(f.uct)); // the user control draws its label
    desk.click(f.btnIn);
    EXPECT_EQ(f.clicks, 1);
    f.picBody.setVisible(false);
    EXPECT_FALSE(QtDesktop::widget(f.btnIn)->isVisible());
}

TEST_F(ShownWidgets, MouseInputArrivesInTwipsAndTheControlKeepsTheMouse) {
    std::vector<std::string> seen;
    auto record = [&](const char* what) {
        return [&seen, what](int16_t Button, int16_t Shift, double X, double Y) {
            seen.push_back(std::string(what) + " " + std::to_string(Button) + " " + std::to_string(Shift) + " " +
                           std::to_string(static_cast<int>(X)) + "," + std::to_string(static_cast<int>(Y)));
        };
    };
    f.lblA.MouseDown = record("down");
    f.lblA.MouseMove = record("move");
    f.lblA.MouseUp = record("up");
    QWidget* w = QtDesktop::widget(f.lblA);
    const QPoint origin = QtDesktop::area(f.lblA).topLeft();
    QTest::mousePress(w, Qt::LeftButton, Qt::ShiftModifier, origin + QPoint(10, 5));
    QTest::mouseMove(w, origin + QPoint(-20, 5)); // beyond the left edge, button held
    QTest::mouseRelease(w, Qt::LeftButton, {}, origin + QPoint(-20, 5));
    EXPECT_EQ(seen, (std::vector<std::string>{"down 1 1 150,75", "move 1 0 -300,75", "up 1 0 -300,75"}));
    EXPECT_EQ(f.take(), Events{}) << "a release outside the control is no Click";
}

TEST_F(ShownWidgets, ScrollBarsRaiseOnlyChangeAndNoTracking) {
    auto* bar = widget<QScrollBar>(f.hscA);
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() - 4, bar->height() / 2)); // the right arrow
    EXPECT_EQ(f.hscA.Value(), 1);
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.orientation = Qt::Horizontal;
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = bar->value();
    option.sliderValue = bar->value();
    option.pageStep = bar->pageStep();
    option.singleStep = bar->singleStep();
    const QRect thumb = bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, bar);
    QTest::mousePress(bar, Qt::LeftButton, {}, thumb.center());
    QTest::mouseMove(bar, thumb.center() + QPoint(40, 0));
    QTest::mouseMove(bar, thumb.center() + QPoint(80, 0));
    EXPECT_EQ(f.hscA.Value(), 1) << "no Change while the thumb is dragged";
    QTest::mouseRelease(bar, Qt::LeftButton, {}, thumb.center() + QPoint(80, 0));
    EXPECT_GT(f.hscA.Value(), 1);
    EXPECT_EQ(f.take(), (Events{"txtA:LostFocus", "hscA:GotFocus", "hscA:MouseDown", "hscA:Change", "hscA:MouseUp",
                                "hscA:MouseDown", "hscA:MouseUp", "hscA:Change"}));
    EXPECT_EQ(bar->value(), f.hscA.Value());
}

} // namespace

namespace {

TEST_F(ShownWidgets, AClickKeepsWhatGotFocusSelectedAndThenPlacesTheCaret) {
    f.txtB.setText("あいうえお");
    f.txtB.GotFocus = [this] {
        f.txtB.setSelStart(0);
        f.txtB.setSelLength(5);
    };
    auto* edit = widget<QLineEdit>(f.txtB);
    desk.click(f.txtB); // brings the focus: the selection stays
    EXPECT_EQ(f.txtB.SelLength(), 5);
    EXPECT_EQ(edit->selectedText(), QStringLiteral("あいうえお"));
    QTest::mouseClick(edit, Qt::LeftButton, {}, QPoint(edit->width() - 3, edit->height() / 2)); // places the caret
    EXPECT_EQ(f.txtB.SelStart(), 5);
    EXPECT_EQ(f.txtB.SelLength(), 0);
    desk.type("か");
    EXPECT_EQ(f.txtB.Text(), "あいうえおか");
}

} // namespace

namespace {

// Chooses the entry `text` of the next popup menu, once it is up; notes its
// entries in `seen` ("-" a separator, "(off)" after a disabled one).
void chooseInNextMenu(const QString& text, QStringList* seen = nullptr, const char* picture = nullptr) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, text, seen, picture] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu) return;
        poll->stop();
        poll->deleteLater();
        if (picture) qtui::saveScreenshotIfAsked(*menu, picture);
        for (QAction* a : menu->actions())
            if (seen) *seen << (a->isSeparator() ? QStringLiteral("-") : a->text() + (a->isEnabled() ? "" : "(off)"));
        for (QAction* a : menu->actions())
            if (a->text() == text) QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(a).center());
    });
    poll->start(5);
}

// Opens the edit menu of `edit` and, once it has closed, gives its window
// the focus back: the offscreen platform does not always hand the
// activation back from a popup that is gone.
void openEditMenu(QWidget* edit) {
    QContextMenuEvent menu(QContextMenuEvent::Mouse, edit->rect().center(), edit->mapToGlobal(edit->rect().center()));
    QApplication::sendEvent(edit, &menu);
    edit->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(edit->window()));
}

// The platform's edit menu; its undo, like Ctrl+Z, is the model's: the text
// before the last edit comes back, in the model and in the widget.
TEST_F(ShownWidgets, TheEditMenuAndCtrlZUndoTheLastEdit) {
    forms::Clipboard::Clear();
    auto* edit = widget<QLineEdit>(f.txtA);
    desk.click(f.txtA);
    desk.type("12");
    QStringList seen;
    chooseInNextMenu(QStringLiteral("元に戻す(&U)"), &seen, "qt-edit-menu");
    openEditMenu(edit);
    EXPECT_EQ(seen, (QStringList{"元に戻す(&U)", "-", "切り取り(&T)(off)", "コピー(&C)(off)", "貼り付け(&P)(off)",
                                 "削除(&D)(off)", "-", "すべて選択(&A)"}));
    EXPECT_EQ(f.txtA.Text(), "");
    EXPECT_EQ(edit->text(), QString());
    desk.key(Qt::Key_Z, Qt::ControlModifier); // undoes the undo
    EXPECT_EQ(f.txtA.Text(), "12");
    EXPECT_EQ(edit->text(), QStringLiteral("12"));
    const Events events = f.take();
    EXPECT_EQ(std::count(events.begin(), events.end(), "txtA:Change"), 4); // "1", "12", undo, undo again
}

TEST_F(ShownWidgets, TheEditMenuPastesThroughKeyPressWithoutAKey) {
    f.txtA.KeyPress = [this](int16_t& k) {
        f.events.push_back("txtA:KeyPress " + std::to_string(k));
        if (k < '0' || k > '9') k = 0; // digits only: Ctrl+V as a key would be dropped too
    };
    forms::Clipboard::SetText("7a8");
    chooseInNextMenu(QStringLiteral("貼り付け(&P)"));
    openEditMenu(QtDesktop::widget(f.txtA));
    EXPECT_EQ(f.txtA.Text(), "78");
    EXPECT_EQ(f.take(), (Events{"txtA:KeyPress 55", "txtA:Change", "txtA:KeyPress 97", "txtA:KeyPress 56",
                                "txtA:Change"}));
}

} // namespace
