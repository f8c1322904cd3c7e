#include "platform/qt/FormWindow.h"

#include "platform/forms/Form.h"
#include "platform/forms/Menu.h"
#include "platform/qt/ControlWidgets.h"
#include "platform/qt/Convert.h"
#include "platform/qt/KeyMap.h"
#include "platform/qt/QtBackend.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QWindow>

namespace qtui {

using forms::FormProp;

namespace {

bool hasItems(const forms::Menu& m) { return !m.items().empty(); }

QAction* actionOf(const forms::Menu& m) { return static_cast<QAction*>(m.backendData()); }

bool fixedSize(const forms::Form& f) { return f.BorderStyle() != forms::vbSizable; }

} // namespace

FormWindow::FormWindow(QtBackend& backend, forms::Form& f)
    : QWidget(nullptr), form(&f), client(new PictureWidget(this)), backend_(backend) {
    setFocusPolicy(Qt::NoFocus);
    buildMenus();
    applyAll();
}

FormWindow* FormWindow::of(const forms::Form& f) { return static_cast<FormWindow*>(f.backendData()); }

void FormWindow::applyAll() {
    for (FormProp p : {FormProp::Appearance, FormProp::Caption, FormProp::BackColor, FormProp::Font,
                       FormProp::MousePointer, FormProp::Geometry})
        apply(p);
}

void FormWindow::apply(FormProp what) {
    forms::Form& f = *form;
    switch (what) {
    case FormProp::Caption: setWindowTitle(qs(f.Caption())); break;
    case FormProp::Geometry: applyGeometry(); break;
    case FormProp::WindowState:
        if (!isVisible()) break;
        if (f.WindowState() == forms::vbMinimized) showMinimized();
        else if (f.WindowState() == forms::vbMaximized) showMaximized();
        else showNormal();
        break;
    case FormProp::BackColor: client->setBackground(toQColor(f.BackColor())); break;
    case FormProp::Font: client->setFont(toQFont(f.font())); break;
    case FormProp::Focus: backend_.syncFocus(f); break;
    case FormProp::MousePointer: client->setOwnPointer(f.MousePointer()); break;
    case FormProp::Raise:
        if (isMinimized()) showNormal();
        raise();
        activateWindow();
        break;
    case FormProp::Appearance:
        applyFlags();
        setEnabled(f.Enabled());
        break;
    }
}

// Border style, control box and min/max buttons as window flags.
void FormWindow::applyFlags() {
    const forms::Form& f = *form;
    Qt::WindowFlags flags;
    switch (f.BorderStyle()) {
    case forms::vbBSNone:
        flags = Qt::Window | Qt::FramelessWindowHint;
        break;
    case forms::vbFixedDialog:
        flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
        if (f.ControlBox()) flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
        break;
    default:
        flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
        if (f.ControlBox()) flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
        if (f.ControlBox() && f.MinButton()) flags |= Qt::WindowMinimizeButtonHint;
        if (f.ControlBox() && f.MaxButton() && f.BorderStyle() == forms::vbSizable) flags |= Qt::WindowMaximizeButtonHint;
        break;
    }
    if (flags == windowFlags()) return;
    const bool shown = isVisible();
    setWindowFlags(flags);
    if (shown) show();
}

int FormWindow::menuHeight() const { return menuBar_ ? menuBar_->sizeHint().height() : 0; }

void FormWindow::applyGeometry() {
    const forms::Form& f = *form;
    placing_ = true;
    const int w = px(f.ScaleWidth()), h = px(f.ScaleHeight()) + menuHeight();
    // A window not shown yet takes its normal size also when it is to be
    // shown maximised: restoring it goes back to that size.
    if (f.WindowState() == forms::vbNormal || !isVisible()) {
        if (fixedSize(f)) {
            setFixedSize(w, h);
        } else {
            setMinimumSize(0, 0);
            setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
            resize(w, h);
        }
    }
    // A window never placed by the program is placed by the window manager.
    if (f.StartUpPosition() != forms::vbStartUpWindowsDefault || f.Left() != 0 || f.Top() != 0)
        move(px(f.Left()), px(f.Top()));
    layOut();
    placing_ = false;
}

void FormWindow::layOut() {
    const int mh = menuHeight();
    if (menuBar_) menuBar_->setGeometry(0, 0, width(), mh);
    client->setGeometry(0, mh, width(), height() - mh);
}

void FormWindow::reportFrame() {
    // Until the window is on the screen the window manager has not framed
    // it, and its frame would read as none.
    if (!form || !windowHandle() || !windowHandle()->isExposed()) return;
    const QRect outer = frameGeometry(), inner = geometry();
    const double w = twips(outer.width() - inner.width()), framed = twips(outer.height() - inner.height());
    // A maximised window is framed otherwise (no borders on some desktops).
    if (form->BorderStyle() != forms::vbBSNone && windowState() == Qt::WindowNoState)
        forms::Form::noteDesktopFrame(form->BorderStyle() == forms::vbSizable, w, framed);
    const double h = framed + twips(menuHeight());
    if (w != form->frameWidth() || h != form->frameHeight()) form->setFrameExtents(w, h);
}

// ---- menus ----

void FormWindow::buildMenus() {
    if (menuBar_) {
        menuBar_->hide();
        menuBar_->deleteLater();
        menuBar_ = nullptr;
    }
    if (form && !form->menus().empty()) addMenuBar();
    if (form && isVisible()) applyGeometry(); // the menu bar's height is the window's too
}

void FormWindow::addMenuBar() {
    menuBar_ = new QMenuBar(this);
    for (forms::Menu* m : form->menus()) {
        QAction* action;
        if (hasItems(*m)) {
            QMenu* sub = menuBar_->addMenu(qs(m->Caption()));
            action = sub->menuAction();
            // Opening a menu is its Click.
            QObject::connect(sub, &QMenu::aboutToShow, this, [this, m] {
                if (form && actionOf(*m)) form->dispatchMenu(*m);
            });
            addMenuItems(sub, *m);
        } else {
            action = menuBar_->addAction(qs(m->Caption()));
            QObject::connect(action, &QAction::triggered, this, [this, m] {
                if (form && actionOf(*m)) form->dispatchMenu(*m);
            });
        }
        m->setBackendData(action);
        for (forms::Prop p : {forms::Prop::Caption, forms::Prop::Visible, forms::Prop::Enabled, forms::Prop::Value})
            applyMenu(*m, p);
    }
    menuBar_->show();
}

void FormWindow::addMenuItems(QMenu* into, forms::Menu& menu) {
    for (forms::Control* c : menu.items()) {
        auto* m = static_cast<forms::Menu*>(c);
        QAction* action;
        if (hasItems(*m)) {
            QMenu* sub = into->addMenu(qs(m->Caption()));
            action = sub->menuAction();
            addMenuItems(sub, *m);
        } else {
            action = into->addAction(qs(m->Caption()));
            QObject::connect(action, &QAction::triggered, this, [this, m] {
                if (form && actionOf(*m)) form->dispatchMenu(*m);
            });
        }
        m->setBackendData(action);
        for (forms::Prop p : {forms::Prop::Caption, forms::Prop::Visible, forms::Prop::Enabled, forms::Prop::Value})
            applyMenu(*m, p);
    }
}

void applyMenu(forms::Menu& m, forms::Prop what) {
    QAction* a = actionOf(m);
    if (!a) return;
    switch (what) {
    case forms::Prop::Caption: {
        // A separator shows its line only: the style would draw a text beside it.
        const bool separator = m.Caption() == "-";
        a->setSeparator(separator);
        a->setText(separator ? QString() : qs(m.Caption()));
        break;
    }
    case forms::Prop::Visible: a->setVisible(m.Visible()); break;
    case forms::Prop::Enabled: a->setEnabled(m.Enabled()); break;
    case forms::Prop::Value:
        a->setCheckable(m.Checked());
        a->setChecked(m.Checked());
        break;
    default: break;
    }
}

// ---- window events ----

bool FormWindow::event(QEvent* e) {
    if (form && (e->type() == QEvent::KeyPress || e->type() == QEvent::KeyRelease)) {
        // Keys with no control holding the focus belong to the form.
        auto* ke = static_cast<QKeyEvent*>(e);
        const KeyStroke k = keyStrokeOf(*ke);
        QPointer<FormWindow> self = this;
        if (e->type() == QEvent::KeyPress) {
            backend_.noteKeyboard(this);
            form->dispatchKeyDown(k.code, k.shift, k.typed);
        } else if (!ke->isAutoRepeat()) form->dispatchKeyUp(k.code, k.shift);
        if (self && form) backend_.syncFocus(*form);
        return true;
    }
    return QWidget::event(e);
}

void FormWindow::closeEvent(QCloseEvent* e) {
    e->ignore(); // the model decides; an unload hides the window
    if (form) form->dispatchClose(forms::vbFormControlMenu);
}

void FormWindow::resizeEvent(QResizeEvent*) {
    layOut();
    if (placing_ || !form) return;
    const int cw = width(), ch = height() - menuHeight();
    if (cw != px(form->ScaleWidth()) || ch != px(form->ScaleHeight())) form->dispatchResize(twips(cw), twips(ch));
    if (form) followPlace(); // Form_Resize may have unloaded it
}

void FormWindow::moveEvent(QMoveEvent*) {
    if (placing_ || !form) return;
    followPlace();
}

// The place first: a frame report may size the window, which puts it where
// the form says it is. Also after a resize: a window coming back from
// maximised may be moved before the window manager frames it again.
void FormWindow::followPlace() {
    if (x() != px(form->Left()) || y() != px(form->Top())) form->dispatchMoved(twips(x()), twips(y()));
    reportFrame();
}

void FormWindow::changeEvent(QEvent* e) {
    QWidget::changeEvent(e);
    if (!form) return;
    if (e->type() == QEvent::WindowStateChange) {
        const int16_t state = isMinimized() ? forms::vbMinimized : isMaximized() ? forms::vbMaximized : forms::vbNormal;
        if (state != form->WindowState()) form->dispatchWindowState(state);
    } else if (e->type() == QEvent::ActivationChange && isActiveWindow()) {
        backend_.markFocus(this);
        reportFrame();
        QPointer<FormWindow> self = this;
        form->dispatchActivate();
        // The focus comes back where the model has it, not to a menu bar
        // that was in keyboard use when the window was left.
        if (self && form) backend_.syncFocus(*form);
    }
}

} // namespace qtui
