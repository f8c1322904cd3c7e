#pragma once
#include "platform/forms/Forms.h"
#include "platform/forms/testing/TestDesktop.h"
#include "platform/qt/Convert.h"
#include "platform/qt/MessageBox.h"
#include "platform/qt/QtBackend.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFontMetrics>
#include <QInputMethodEvent>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <string_view>

// For suites that show windows for real: link Qt6::Test and lumora_qt.
//
//   qtui::testing::QtDesktop desk;      // Qt backend, recorded boxes, fixed clock
//   frmPeriod f;
//   desk.show(f);                       // a real window, active, under the offscreen platform
//   desk.click(f.btnOK);                // real Qt mouse events
//   desk.type("h22/1/1\r");             // real key events to the focused widget
//   EXPECT_EQ(desk.boxes().last().title, "エラー");
namespace qtui::testing {

// The test program's QApplication: made once, on the offscreen platform
// unless QT_QPA_PLATFORM names another.
inline QApplication& application() {
    static QApplication* app = [] {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "lumora-tests";
        static char* argv[] = {name, nullptr};
        auto* a = new QApplication(argc, argv);
        prepareApplication();
        return a;
    }();
    return *app;
}

// The Qt backend installed over forms::doubles::TestDesktop: real widgets,
// nested loops for modal forms, real timers and font metrics; message boxes
// are still recorded (and answered from a queue), the clock is fixed and
// the opener is fake. Forms shown by a test must be declared after it.
class QtDesktop {
public:
    QtDesktop() {
        application();
        forms::setBackend(&backend);
        forms::setModalRunner(nullptr); // modal forms run real nested loops
        forms::setFontMetrics(nullptr); // Qt's metrics
    }
    ~QtDesktop() {
        forms::setBackend(nullptr);
        // Windows closed during the test are deleted once control returns to a loop.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    QtDesktop(const QtDesktop&) = delete;
    QtDesktop& operator=(const QtDesktop&) = delete;

    forms::doubles::RecorderPresenter& boxes() { return doubles.boxes; }

    // Shows a form modeless and waits until its window is active.
    bool show(forms::Form& f) {
        f.Show();
        QWidget* w = windowOf(f);
        return w && QTest::qWaitForWindowActive(w);
    }
    static QWidget* window(const forms::Form& f) { return windowOf(f); }
    // The widget that shows a control (for a label, line, shape or image
    // its container's) and the control's area in it.
    static QWidget* widget(const forms::Control& c) { return widgetOf(c); }
    static QRect area(const forms::Control& c) { return areaOf(c); }
    // The widget that holds the keyboard focus now.
    static QWidget* focused() { return QApplication::focusWidget(); }

    // A left click, or a double click (press, release, double-click press,
    // release, as widgets receive it), in the middle of a control.
    static void click(const forms::Control& c) {
        QTest::mouseClick(widgetOf(c), Qt::LeftButton, {}, areaOf(c).center());
    }
    static void doubleClick(const forms::Control& c) {
        QWidget* w = widgetOf(c);
        const QPoint at = areaOf(c).center();
        QTest::mouseClick(w, Qt::LeftButton, {}, at);
        QTest::mouseDClick(w, Qt::LeftButton, {}, at); // the second press
        QTest::mouseRelease(w, Qt::LeftButton, {}, at);
    }
    // Types characters on the focused widget: ASCII as key clicks ("\r"
    // Enter, "\t" Tab, "\b" Backspace, "\x1b" Esc), others as input-method
    // commits.
    static void type(std::string_view text) {
        for (const QChar ch : qs(text)) {
            QWidget* target = focused();
            switch (ch.unicode()) {
            case '\r': QTest::keyClick(target, Qt::Key_Return); break;
            case '\t': QTest::keyClick(target, Qt::Key_Tab); break;
            case '\b': QTest::keyClick(target, Qt::Key_Backspace); break;
            case 0x1B: QTest::keyClick(target, Qt::Key_Escape); break;
            default:
                if (ch.unicode() < 0x80) {
                    QTest::keyClicks(target, QString(ch));
                } else { // what an input method commits
                    QInputMethodEvent commit;
                    commit.setCommitString(QString(ch));
                    QApplication::sendEvent(target, &commit);
                }
                break;
            }
        }
    }
    static void key(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) { QTest::keyClick(focused(), key, modifiers); }

    // Once the next real message box is up (after forms::setPresenter(nullptr)):
    // runs `look` on it, then presses its button number `press`.
    static void whenNextBoxShows(std::function<void(MessageDialog&)> look, int press = 0) {
        auto* poll = new QTimer;
        QObject::connect(poll, &QTimer::timeout, [poll, look, press] {
            auto* box = dynamic_cast<MessageDialog*>(QApplication::activeModalWidget());
            if (!box || !box->isVisible()) return;
            poll->stop();
            poll->deleteLater();
            look(*box);
            box->buttons().at(press)->click();
        });
        poll->start(5);
    }
    // The lines a message box shows its text on.
    static int shownLines(const MessageDialog& box) {
        const QLabel* text = box.textLabel();
        return qRound(static_cast<double>(text->height()) / QFontMetrics(text->font()).lineSpacing());
    }

    forms::doubles::TestDesktop doubles;
    QtBackend backend;
};

} // namespace qtui::testing
