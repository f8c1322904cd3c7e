// Labels, lines, shapes and images are drawn by their container, in z-order
// among themselves and under its windowed controls; the mouse goes to the
// topmost visible, enabled label or image under it, else to the container;
// a push repaints only the item. The backend's own check box and scroll-bar
// drawing look exactly like Qt's.
#include "platform/qt/ControlWidgets.h"
#include "platform/qt/ScrollBarStyle.h"
#include "platform/qt/testing/QtDesktop.h"
#include "platform/qt/Ink.h"

#include <QCheckBox>
#include <QPaintEvent>
#include <QScrollBar>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

using qtui::testing::QtDesktop;

constexpr forms::Color Red = forms::RGB(255, 0, 0), Blue = forms::RGB(0, 0, 255), Green = forms::RGB(0, 160, 0);

// Two overlapping labels on a shape inside a user control, a line across
// them both, and a check box over part of the overlap.
class Layers : public forms::Form {
public:
    Layers() : Form("Layers") {
        setClientSize(4500, 3000);
        uct.Move(300, 300, 3000, 1500);
        shpBack.Move(0, 0, 3000, 1500);
        shpBack.setFillStyle(0);
        shpBack.setFillColor(forms::vbWhite);
        lblUnder.Move(150, 150, 1500, 450); // 10,10 .. 110,40 px
        lblOver.Move(750, 150, 1500, 450);  // 50,10 .. 150,40 px: the overlap is 50..110
        lblUnder.setBackColor(Red);
        lblOver.setBackColor(Blue);
        linAcross.setPoints(0, 300, 3000, 300); // above both labels
        chkOver.Move(1350, 150, 300, 225);      // 90,10 .. 110,25 px
        chkOver.setBackColor(Green);
        for (forms::Control* c : std::vector<forms::Control*>{&uct, &lblUnder, &lblOver}) {
            c->MouseDown = [this, c](int16_t, int16_t, double, double) { events.push_back(c->Name() + ":MouseDown"); };
            c->Click = [this, c] { events.push_back(c->Name() + ":Click"); };
        }
    }
    forms::UserControl uct{*this, "uct"};
    forms::Shape shpBack{uct, "shpBack"};
    forms::Label lblUnder{uct, "lblUnder"};
    forms::Label lblOver{uct, "lblOver"};
    forms::Line linAcross{uct, "linAcross"};
    forms::CheckBox chkOver{uct, "chkOver"};
    std::vector<std::string> events;
};

class Items : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(desk.show(f)); }
    QWidget* canvas() { return QtDesktop::widget(f.uct); }
    QColor pixel(QPoint at) { return canvas()->grab(QRect(at, QSize(1, 1))).toImage().pixelColor(0, 0); }

    QtDesktop desk;
    Layers f;
};

TEST_F(Items, TheContainerDrawsThemInZOrderUnderItsWindowedControls) {
    EXPECT_EQ(QtDesktop::widget(f.lblOver), canvas());
    const QPoint overlap(70, 30), underBox(108, 17), onlyUnder(20, 30);
    EXPECT_EQ(pixel(overlap), QColor(Qt::blue));
    EXPECT_EQ(pixel(onlyUnder), QColor(Qt::red));
    EXPECT_EQ(pixel(underBox), QColor(0, 160, 0));
    f.lblUnder.ZOrder(0); // to the front of the items, still under the check box
    EXPECT_EQ(pixel(overlap), QColor(Qt::red));
    EXPECT_EQ(pixel(underBox), QColor(0, 160, 0));
    f.lblUnder.ZOrder(1); // behind the shape
    EXPECT_EQ(pixel(onlyUnder), QColor(Qt::white));
    f.lblOver.setVisible(false);
    EXPECT_EQ(pixel(overlap), QColor(Qt::white));
}

TEST_F(Items, TheMouseGoesToTheTopmostVisibleEnabledLabelElseToTheContainer) {
    struct Case {
        const char* name;
        std::function<void(Layers&)> change;
        const char* receiver;
    };
    const Case cases[] = {
        {"topmost, through the line above it", nullptr, "lblOver"},
        {"after a z-order change", [](Layers& l) { l.lblOver.ZOrder(1); }, "lblUnder"},
        {"the top one hidden", [](Layers& l) { l.lblOver.setVisible(false); }, "lblUnder"},
        {"the top one disabled", [](Layers& l) { l.lblOver.setEnabled(false); }, "lblUnder"},
        {"both disabled: the shape passes it on",
         [](Layers& l) {
             l.lblOver.setEnabled(false);
             l.lblUnder.setEnabled(false);
         },
         "uct"},
    };
    for (const Case& c : cases) {
        Layers layers;
        ASSERT_TRUE(desk.show(layers));
        if (c.change) c.change(layers);
        QTest::mouseClick(QtDesktop::widget(layers.uct), Qt::LeftButton, {}, QPoint(70, 20));
        EXPECT_EQ(layers.events, (std::vector<std::string>{std::string(c.receiver) + ":MouseDown",
                                                           std::string(c.receiver) + ":Click"}))
            << c.name;
    }
}

TEST_F(Items, ThePointerOverALabelIsItsOwnElseTheContainers) {
    f.uct.setMousePointer(forms::vbArrow);
    f.lblOver.setMousePointer(forms::vbSizeWE);
    QTest::mouseMove(canvas(), QPoint(140, 20));
    EXPECT_EQ(canvas()->cursor().shape(), Qt::SizeHorCursor);
    QTest::mouseMove(canvas(), QPoint(160, 60));
    EXPECT_EQ(canvas()->cursor().shape(), Qt::ArrowCursor);
}

// A label shows its caption as it stands: the names and titles it shows are
// the user's, and an "&" in them is part of the name, as on paper.
TEST_F(Items, ALabelShowsAnAmpersandAsItStands) {
    f.linAcross.setVisible(false);
    f.chkOver.setVisible(false);
    f.lblOver.setForeColor(forms::vbBlack);
    f.lblOver.setBackColor(forms::vbWhite);
    auto right = [this](const char* caption) {
        f.lblOver.setCaption(caption);
        return inkRight(canvas()->grab(QtDesktop::area(f.lblOver)).toImage(), 128);
    };
    EXPECT_GT(right("A&B"), right("AB"));
}

// Records the regions a widget paints.
class PaintLog : public QObject {
public:
    explicit PaintLog(QWidget* w) { w->installEventFilter(this); }
    QRegion painted;

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) painted += static_cast<QPaintEvent*>(e)->region();
        return false;
    }
};

TEST_F(Items, APushRepaintsOnlyTheItemsArea) {
    QCoreApplication::processEvents();
    PaintLog row(canvas()), client(canvas()->parentWidget());
    const QRegion box(QtDesktop::widget(f.chkOver)->geometry()); // paints itself
    f.lblOver.setCaption("パークゴルフ");
    QCoreApplication::processEvents();
    EXPECT_EQ(row.painted, QRegion(QtDesktop::area(f.lblOver)) - box);
    row.painted = {};
    f.lblOver.Move(750, 750); // 50,50: where it was and where it is
    QCoreApplication::processEvents();
    EXPECT_EQ(row.painted, QRegion(QRect(50, 10, 100, 30)) + QRegion(QRect(50, 50, 100, 30)) - box);
    EXPECT_TRUE(client.painted.isEmpty());
}

// A window whose labels all change before it paints again.
class ManyLabels : public forms::Form {
public:
    ManyLabels() : Form("ManyLabels") {
        setClientSize(10 * 600, 10 * 255);
        for (int i = 0; i < 100; ++i) {
            labels.push_back(std::make_unique<forms::Label>(*this, "lblObj", i));
            labels.back()->Move((i % 10) * 600, (i / 10) * 255, 450, 195); // apart: 100 separate areas
        }
    }
    std::vector<std::unique_ptr<forms::Label>> labels;
};

TEST(ManyItems, AllChangedBeforeOnePaintAreAllDrawn) {
    QtDesktop desk;
    ManyLabels f;
    ASSERT_TRUE(desk.show(f));
    QCoreApplication::processEvents();
    auto shot = [](const forms::Control& c) { return QtDesktop::widget(c)->grab(QtDesktop::area(c)).toImage(); };
    const QImage blank = shot(*f.labels[0]);
    for (auto& label : f.labels) label->setCaption("山田");
    QCoreApplication::processEvents();
    const QImage named = shot(*f.labels[0]);
    EXPECT_NE(named, blank);
    for (auto& label : f.labels) EXPECT_EQ(shot(*label), named) << label->Index();
}

TEST(CheckBoxWidget, LooksLikeQtsCheckBoxOnItsBackColour) {
    QtDesktop desk;
    struct Case {
        Qt::CheckState state;
        bool enabled;
        Qt::LayoutDirection direction;
        int pixels;
    };
    QWidget host;
    host.resize(200, 40);
    host.show();
    for (const Case& c : {Case{Qt::Unchecked, true, Qt::LeftToRight, 12}, Case{Qt::Checked, true, Qt::LeftToRight, 15},
                          Case{Qt::PartiallyChecked, true, Qt::RightToLeft, 12}, Case{Qt::Checked, false, Qt::LeftToRight, 15}}) {
        QCheckBox stock(&host);
        qtui::CheckBoxWidget own(&host);
        for (QWidget* w : {static_cast<QWidget*>(&stock), static_cast<QWidget*>(&own)}) {
            w->setGeometry(0, 0, 150, 24);
            QFont font = w->font();
            font.setPixelSize(c.pixels);
            w->setFont(font);
            QPalette p = w->palette();
            p.setColor(QPalette::Window, QColor(240, 255, 240));
            p.setColor(QPalette::Button, QColor(240, 255, 240)); // Qt's check box fills with this role
            w->setPalette(p);
            w->setLayoutDirection(c.direction);
            w->setEnabled(c.enabled);
        }
        stock.setAutoFillBackground(true);
        stock.setTristate(c.state == Qt::PartiallyChecked);
        stock.setCheckState(c.state);
        stock.setText(QStringLiteral("生年月日(&B)"));
        own.setCheckState(c.state);
        own.setText(QStringLiteral("生年月日(&B)"));
        EXPECT_EQ(own.grab().toImage(), stock.grab().toImage()) << c.state << " " << c.enabled << " " << c.pixels;
    }
}

TEST(ScrollBarStyle, DrawsWhatTheApplicationsStyleDraws) {
    QtDesktop desk;
    QWidget host;
    host.resize(400, 400);
    host.show();
    for (Qt::Orientation o : {Qt::Vertical, Qt::Horizontal}) {
        for (int value : {0, 37, 100}) {
            for (bool enabled : {true, false}) {
                QScrollBar stock(o, &host), own(o, &host);
                qtui::useScrollBarStyle(own);
                for (QScrollBar* bar : {&stock, &own}) {
                    bar->resize(o == Qt::Vertical ? QSize(17, 300) : QSize(300, 17));
                    bar->setRange(0, 100);
                    bar->setPageStep(20);
                    bar->setValue(value);
                    bar->setEnabled(enabled);
                }
                EXPECT_EQ(own.grab().toImage(), stock.grab().toImage()) << o << " " << value << " " << enabled;
            }
        }
    }
}

} // namespace
