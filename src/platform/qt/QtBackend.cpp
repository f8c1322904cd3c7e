#include "platform/qt/QtBackend.h"

#include "platform/forms/Form.h"
#include "platform/forms/Menu.h"
#include "platform/forms/Services.h"
#include "platform/forms/Timer.h"
#include "platform/qt/Binding.h"
#include "platform/qt/ControlWidgets.h"
#include "platform/qt/Convert.h"
#include "platform/qt/FormWindow.h"
#include "platform/qt/Items.h"
#include "platform/qt/MessageBox.h"

#include <QApplication>
#include <QClipboard>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QFontMetricsF>
#include <QMenu>
#include <QMenuBar>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QStyle>
#include <QStyleFactory>
#include <QThread>
#include <QTimer>
#include <QWindow>

#include <utility>

namespace qtui {

using forms::ControlKind;

namespace {

// Lines of a text, broken at CR LF, LF or CR.
QStringList linesOf(std::string_view text) {
    QString s = qs(text);
    s.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return s.split(QLatin1Char('\n'));
}

// The window a new modal window stays above: its owner's, else the active one.
QWindow* transientParentFor(const forms::Form& form) {
    QWidget* parent = nullptr;
    if (form.Owner()) parent = windowOf(*form.Owner());
    if (!parent) parent = QApplication::activeWindow();
    return parent ? parent->windowHandle() : nullptr;
}

} // namespace

QtBackend::QtBackend() = default;

QtBackend::~QtBackend() {
    for (auto& [timer, q] : timers_) q->stop();
}

QWidget* windowOf(const forms::Form& form) { return FormWindow::of(form); }

QWidget* widgetOf(const forms::Control& control) {
    if (Item* item = itemOf(control)) return item->canvas;
    Binding* b = bindingOf(control);
    return b ? b->widget : nullptr;
}

QRect areaOf(const forms::Control& control) {
    if (Item* item = itemOf(control)) return item->area;
    Binding* b = bindingOf(control);
    return b ? b->widget->rect() : QRect();
}

void prepareApplication() {
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setPalette(QApplication::style()->standardPalette());
    QApplication::setFont(toQFont(forms::Font{}));
    QGuiApplication::setQuitOnLastWindowClosed(false);
}

// ---- windows ----

void QtBackend::showForm(forms::Form& form) {
    if (FormWindow::of(form)) return;
    auto* w = new FormWindow(*this, form);
    form.setBackendData(w);
    for (forms::Control* c : form.children()) buildControl(*this, *c, *w->client);
    ++windows_;
    if (form.Modal()) {
        w->setWindowModality(Qt::ApplicationModal);
        if (QWindow* parent = transientParentFor(form)) {
            w->winId();
            w->windowHandle()->setTransientParent(parent);
        }
    }
    // A modeless window is a top-level window of its own: an owner that is
    // hidden or minimised leaves it alone.
    if (form.WindowState() == forms::vbMinimized) w->showMinimized();
    else if (form.WindowState() == forms::vbMaximized) w->showMaximized();
    else w->show();
    w->reportFrame();
    w->activateWindow();
}

void QtBackend::hideForm(forms::Form& form) {
    FormWindow* w = FormWindow::of(form);
    if (!w) return;
    std::erase_if(created_, [&](forms::Control* c) { return &c->form() == &form; });
    form.setBackendData(nullptr);
    w->form = nullptr;
    for (forms::Control* c : form.children()) detachControl(*c);
    if (auto it = modalLoops_.find(&form); it != modalLoops_.end()) it->second->quit();
    w->hide();
    w->deleteLater(); // the window may be delivering the input that hid it
    --windows_;
    quitWhenNoWindows();
}

void QtBackend::quitWhenNoWindows() {
    if (windows_ > 0) return;
    QTimer::singleShot(0, qApp, [] {
        auto* self = dynamic_cast<QtBackend*>(forms::backend());
        if (self && !self->hasWindows() && self->modalLoops_.empty()) QCoreApplication::quit();
    });
}

void QtBackend::formChanged(forms::Form& form, forms::FormProp what) {
    if (FormWindow* w = FormWindow::of(form)) w->apply(what);
}

void QtBackend::controlAdded(forms::Control& control) {
    FormWindow* w = FormWindow::of(control.form());
    if (!w) return;
    if (control.kind() == ControlKind::Menu) {
        w->buildMenus();
        return;
    }
    forms::Control* container = control.containerControl();
    Canvas* parent = w->client;
    if (container) {
        Binding* holder = bindingOf(*container);
        if (!holder || !holder->inner) return;
        parent = holder->inner;
    }
    if (Binding* b = buildControl(*this, control, *parent)) b->widget->raise(); // last in its container: on top
}

// The constructor is still running: the widget is built from the event loop.
void QtBackend::controlCreated(forms::Control& control) {
    created_.push_back(&control);
    if (!createdTimer_) {
        createdTimer_ = std::make_unique<QTimer>();
        createdTimer_->setSingleShot(true);
        QObject::connect(createdTimer_.get(), &QTimer::timeout, [this] { buildCreated(); });
    }
    createdTimer_->start(0);
}

// In the order they were made: a container first, which builds what it holds.
void QtBackend::buildCreated() {
    for (forms::Control* c : std::exchange(created_, {}))
        if (c->form().live() && !c->backendData()) controlAdded(*c);
}

// Only the Control part of the object is alive here (its destructor runs).
void QtBackend::controlRemoved(forms::Control& control) {
    std::erase(created_, &control);
    if (control.kind() == ControlKind::Menu) {
        if (auto* action = static_cast<QAction*>(control.backendData())) {
            action->disconnect();
            if (action->menu()) action->menu()->disconnect();
            action->setVisible(false);
        }
        control.setBackendData(nullptr);
        // Rebuilt once the menu has left the model.
        QPointer<FormWindow> w = FormWindow::of(control.form());
        QTimer::singleShot(0, w, [w] {
            if (w && w->form) w->buildMenus();
        });
        return;
    }
    if (Item* item = itemOf(control)) {
        item->canvas->removeItem(*item);
        return;
    }
    Binding* b = bindingOf(control);
    control.setBackendData(nullptr);
    if (!b) return;
    b->control = nullptr;
    b->widget->hide();
    b->widget->deleteLater();
}

void QtBackend::controlChanged(forms::Control& control, forms::Prop what) {
    if (control.kind() == ControlKind::Menu) {
        applyMenu(static_cast<forms::Menu&>(control), what);
        return;
    }
    if (Item* item = itemOf(control)) item->canvas->itemChanged(*item, what);
    else if (Binding* b = bindingOf(control)) b->apply(what);
}

void QtBackend::refresh(forms::Form& form) {
    if (!FormWindow::of(form)) return;
    // What the running handler left pending first (the widgets of controls it made).
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    FormWindow* w = FormWindow::of(form);
    if (w && (w = awaitExposure(*w))) w->repaint();
}

void QtBackend::refresh(forms::Control& control) {
    FormWindow* w = FormWindow::of(control.form());
    if (!w || !awaitExposure(*w)) return;
    if (Item* item = itemOf(control)) item->canvas->repaint(item->area);
    else if (Binding* b = bindingOf(control)) b->widget->repaint();
}

// A window can be drawn on once the window system has mapped and exposed it,
// which a window manager may put off for a while after the show. A refresh
// before the program's event loop runs (the splash during start-up) would
// paint nothing, and the window would stay empty until the loop runs: the
// first refresh of a window waits for it, within a limit.
FormWindow* QtBackend::awaitExposure(FormWindow& window) {
    constexpr int LimitMs = 1000;
    QPointer<FormWindow> w = &window;
    if (!w->exposureAwaited) {
        w->exposureAwaited = true;
        const QDeadlineTimer deadline(LimitMs);
        while (w && w->form && w->isVisible() && !w->isMinimized() &&
               !(w->windowHandle() && w->windowHandle()->isExposed()) && !deadline.hasExpired()) {
            QThread::msleep(5);
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        }
    }
    return w && w->form ? w.data() : nullptr;
}

void QtBackend::runModal(forms::Form& form) {
    if (!form.Visible() || !FormWindow::of(form)) return;
    QEventLoop loop;
    modalLoops_[&form] = &loop;
    loop.exec(QEventLoop::DialogExec);
    modalLoops_.erase(&form);
}

// The style draws the focus mark only in a window marked for it. Qt marks a
// window when its own Tab handling moves the focus, but here the model moves
// it; and a window loses the mark on its way to the screen, so it is given
// again whenever a window comes into use.
void QtBackend::noteKeyboard(QWidget* window) {
    keyboardInUse_ = true;
    markFocus(window);
}

void QtBackend::markFocus(QWidget* window) {
    if (!keyboardInUse_ || !window || window->testAttribute(Qt::WA_KeyboardFocusChange)) return;
    window->setAttribute(Qt::WA_KeyboardFocusChange);
    if (QWidget* focused = window->focusWidget()) focused->update();
}

void QtBackend::syncFocus(forms::Form& form) {
    FormWindow* w = FormWindow::of(form);
    if (!w) return;
    // The menu bar in keyboard use (after Alt) holds the focus until it gives
    // it back itself. A bar that left keyboard use without giving it back
    // (its window was left meanwhile) must not keep it: the keys typed would
    // open its menus.
    if (auto* bar = qobject_cast<QMenuBar*>(w->focusWidget()); bar && bar->activeAction()) return;
    QWidget* target = w;
    if (forms::Control* active = form.ActiveControl()) {
        if (Binding* b = bindingOf(*active)) target = b->focusWidget();
    }
    if (w->focusWidget() == target) return;
    movingFocus_ = true;
    target->setFocus(Qt::OtherFocusReason);
    movingFocus_ = false;
}

// ---- timers ----

void QtBackend::timerChanged(forms::Timer& timer) {
    auto it = timers_.find(&timer);
    if (!timer.running()) {
        if (it != timers_.end()) {
            // The timer may be delivering the tick that stopped it.
            QTimer* q = it->second.release();
            q->stop();
            q->disconnect();
            q->deleteLater();
            timers_.erase(it);
        }
        return;
    }
    if (it == timers_.end()) {
        auto q = std::make_unique<QTimer>();
        forms::Timer* t = &timer;
        QObject::connect(q.get(), &QTimer::timeout, q.get(), [t] { t->form().dispatchTimer(*t); });
        it = timers_.emplace(&timer, std::move(q)).first;
    }
    QTimer& q = *it->second;
    if (!q.isActive() || q.interval() != timer.Interval()) q.start(timer.Interval());
}

// ---- services ----

int QtBackend::messageBox(const std::string& prompt, int flags, const std::string& title) {
    return showMessageBox(prompt, flags, title, QApplication::activeWindow());
}

void QtBackend::beep() { QApplication::beep(); }

// The hourglass is one state: set once, restored completely.
void QtBackend::setScreenPointer(int16_t pointer) {
    Qt::CursorShape shape;
    if (toCursor(pointer, shape)) {
        if (hourglass_) QGuiApplication::changeOverrideCursor(shape);
        else QGuiApplication::setOverrideCursor(shape);
        hourglass_ = true;
    } else if (hourglass_) {
        QGuiApplication::restoreOverrideCursor();
        hourglass_ = false;
    }
}

void QtBackend::clipboardClear() { QGuiApplication::clipboard()->clear(); }
void QtBackend::clipboardSetText(const std::string& text) { QGuiApplication::clipboard()->setText(qs(text)); }
std::string QtBackend::clipboardText() { return utf8(QGuiApplication::clipboard()->text()); }

double QtBackend::textWidth(const forms::Font& font, std::string_view text) {
    const QFontMetricsF fm(toQFont(font));
    qreal widest = 0;
    for (const QString& line : linesOf(text)) widest = std::max(widest, fm.horizontalAdvance(line));
    return twips(widest);
}

double QtBackend::textHeight(const forms::Font& font, std::string_view text) {
    const QFontMetricsF fm(toQFont(font));
    return twips(fm.height() * static_cast<qreal>(linesOf(text).size()));
}

double QtBackend::screenWidth() {
    const QScreen* s = QGuiApplication::primaryScreen();
    return twips(s ? s->geometry().width() : 1920);
}

double QtBackend::screenHeight() {
    const QScreen* s = QGuiApplication::primaryScreen();
    return twips(s ? s->geometry().height() : 1080);
}

} // namespace qtui
