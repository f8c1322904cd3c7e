// The widget's input into the model: keys, mouse, input-method text and
// focus go to Form::dispatch..., and the widget's own reaction is kept only
// where it is pure display (an edit placing its caret, a combo opening its
// list, a scroll bar moving) — what the input means is the model's rule.
#include "platform/qt/Binding.h"

#include "platform/forms/Form.h"
#include "platform/forms/ListControls.h"
#include "platform/forms/TabStrip.h"
#include "platform/forms/TextBox.h"
#include "platform/qt/ControlWidgets.h"
#include "platform/qt/Convert.h"
#include "platform/qt/FormWindow.h"
#include "platform/qt/KeyMap.h"
#include "platform/qt/QtBackend.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPointer>
#include <QScrollBar>
#include <QTabBar>
#include <QTimer>
#include <QWheelEvent>
#include <cstdlib>

namespace qtui {

using forms::ControlKind;

namespace {

bool isButtonKind(ControlKind k) {
    return k == ControlKind::CommandButton || k == ControlKind::CheckBox || k == ControlKind::OptionButton;
}

} // namespace

bool Binding::editsText() const {
    if (control->kind() == ControlKind::TextBox) return true;
    return control->kind() == ControlKind::ComboBox &&
           static_cast<forms::ComboBox*>(control)->Style() == forms::vbComboDropdown;
}

// Control coordinates: relative to the control's inner area where it has one.
QPointF Binding::modelPoint(QObject* watched, const QPointF& pos) const {
    auto* from = static_cast<QWidget*>(watched);
    QWidget* to = inner ? inner : widget;
    const QPointF local = from == to ? pos : to->mapFromGlobal(from->mapToGlobal(pos));
    return {twips(local.x()), twips(local.y())};
}

void Binding::settle(forms::Form& form) {
    // The form may hide (and its window go) inside a handler; ask the window.
    if (FormWindow* win = FormWindow::of(form)) backend_.syncFocus(*win->form);
}

bool Binding::eventFilter(QObject* watched, QEvent* e) {
    switch (e->type()) {
    case QEvent::KeyPress: case QEvent::KeyRelease: case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: case QEvent::MouseButtonRelease: case QEvent::MouseMove:
    case QEvent::Wheel: case QEvent::InputMethod: case QEvent::ContextMenu: case QEvent::Shortcut:
        if (!control) return true; // a control on its way out takes no input
        break;
    case QEvent::FocusIn:
        if (control) focusIn(static_cast<QFocusEvent*>(e)->reason());
        return false;
    default:
        return false;
    }
    if (e->type() == QEvent::MouseButtonPress || e->type() == QEvent::MouseButtonDblClick) backend_.noteMouse();
    // The mouse over an item of the control's canvas is the item's.
    if (watched == inner && (e->type() == QEvent::MouseButtonPress || e->type() == QEvent::MouseButtonDblClick ||
                             e->type() == QEvent::MouseButtonRelease || e->type() == QEvent::MouseMove)) {
        if (inner->routeMouse(static_cast<QMouseEvent*>(e))) return true;
    }
    switch (e->type()) {
    case QEvent::KeyPress: return key(static_cast<QKeyEvent*>(e), true);
    case QEvent::KeyRelease: return key(static_cast<QKeyEvent*>(e), false);
    case QEvent::Wheel:
        // The wheel over a closed combo does not change the choice.
        if (control->kind() == ControlKind::ComboBox) return true;
        return watched == inner && wheelScrolls(static_cast<QWheelEvent*>(e));
    case QEvent::InputMethod: {
        auto* ime = static_cast<QInputMethodEvent*>(e);
        if (!editsText() || ime->commitString().isEmpty()) return false; // composing is shown by the edit
        const std::string committed = utf8(ime->commitString());
        QInputMethodEvent composing(ime->preeditString(), ime->attributes());
        QCoreApplication::sendEvent(watched, &composing);
        forms::Form& f = control->form();
        f.dispatchText(committed); // each character through KeyPress, as typed
        settle(f);
        return true;
    }
    case QEvent::ContextMenu:
        if (editsText()) editMenu(static_cast<QContextMenuEvent*>(e));
        return true;
    case QEvent::Shortcut:
        accessKey();
        return true;
    default:
        return mouse(watched, static_cast<QMouseEvent*>(e));
    }
}

bool Binding::wheelScrolls(QWheelEvent* e) {
    // A list's rows take no wheel themselves; the wheel that reaches their
    // container scrolls the container's own bar, as it would over the bar.
    const QPoint delta = e->angleDelta();
    const Qt::Orientation way = std::abs(delta.y()) >= std::abs(delta.x()) ? Qt::Vertical : Qt::Horizontal;
    for (QObject* child : inner->children()) {
        auto* bar = qobject_cast<QScrollBar*>(child);
        if (!bar || bar->orientation() != way || !bar->isVisible() || !bar->isEnabled()) continue;
        QWheelEvent toBar(bar->mapFromGlobal(e->globalPosition()), e->globalPosition(), e->pixelDelta(), delta,
                          e->buttons(), e->modifiers(), e->phase(), e->inverted());
        QCoreApplication::sendEvent(bar, &toBar);
        return true;
    }
    return false;
}

bool Binding::key(QKeyEvent* e, bool press) {
    forms::Form& f = control->form();
    const KeyStroke k = keyStrokeOf(*e);
    if (press) {
        backend_.noteKeyboard(widget->window());
        f.dispatchKeyDown(k.code, k.shift, k.typed);
    } else if (!e->isAutoRepeat()) {
        f.dispatchKeyUp(k.code, k.shift);
    }
    settle(f);
    if (!press || !control) return true;
    const ControlKind kind = control->kind();
    if (kind == ControlKind::ComboBox) {
        // F4 and Alt+Up/Down open the list; choosing in it is a person's choice.
        const bool alt = e->modifiers() & Qt::AltModifier;
        if (e->key() == Qt::Key_F4 || (alt && (e->key() == Qt::Key_Down || e->key() == Qt::Key_Up)))
            static_cast<QComboBox*>(widget)->showPopup();
    }
    if (kind == ControlKind::HScrollBar || kind == ControlKind::VScrollBar) {
        // The bar moves itself on its keys; the move arrives as Change.
        switch (e->key()) {
        case Qt::Key_Left: case Qt::Key_Right: case Qt::Key_Up: case Qt::Key_Down:
        case Qt::Key_PageUp: case Qt::Key_PageDown: case Qt::Key_Home: case Qt::Key_End:
            return false;
        default:
            break;
        }
    }
    return true;
}

bool Binding::mouse(QObject* watched, QMouseEvent* e) {
    forms::Control& c = *control;
    forms::Form& f = c.form();
    const QPointF at = modelPoint(watched, e->position());
    const int16_t shift = shiftOf(e->modifiers());
    const ControlKind kind = c.kind();
    switch (e->type()) {
    case QEvent::MouseButtonPress: case QEvent::MouseButtonDblClick: {
        if (kind == ControlKind::ListBox) return listPress(watched, e, at.x(), at.y());
        const int clicks = e->type() == QEvent::MouseButtonDblClick ? 2 : 1;
        const bool hadFocus = f.ActiveControl() == &c;
        f.dispatchMouseDown(c, buttonOf(e->button()), shift, at.x(), at.y(), clicks);
        settle(f);
        if (!control) return true;
        const bool focused = f.ActiveControl() == &c;
        const bool left = e->button() == Qt::LeftButton;
        if (kind == ControlKind::TextBox || (kind == ControlKind::ComboBox && editsText() && watched != widget)) {
            // The caret and selection only; a press that brings the focus
            // keeps what GotFocus selected.
            passMouse_ = left && focused && (hadFocus || clicks == 2);
        } else if (kind == ControlKind::ComboBox) {
            passMouse_ = left && focused && clicks == 1; // opens the list
        } else if (kind == ControlKind::HScrollBar || kind == ControlKind::VScrollBar) {
            passMouse_ = left && c.enabledOnForm();
        } else {
            passMouse_ = false;
            if (isButtonKind(kind) && left) showPressed(true);
            if (kind == ControlKind::TabStrip && focused && clicks == 1 && watched != widget) {
                auto* bar = static_cast<QTabBar*>(watched);
                const int tab = bar->tabAt(e->position().toPoint());
                if (tab >= 0) f.dispatchTab(static_cast<forms::TabStrip&>(c), tab + 1);
                settle(f);
            }
        }
        return !passMouse_;
    }
    case QEvent::MouseButtonRelease: {
        const bool pass = passMouse_;
        if (e->buttons() == Qt::NoButton) passMouse_ = false;
        if (e->button() == Qt::LeftButton) listDragging_ = false;
        if (isButtonKind(kind)) showPressed(false);
        f.dispatchMouseUp(c, buttonOf(e->button()), shift, at.x(), at.y());
        settle(f);
        return !pass;
    }
    case QEvent::MouseMove:
        f.dispatchMouseMove(c, buttonsOf(e->buttons()), shift, at.x(), at.y());
        if (control && listDragging_) listDrag(watched, e);
        return !passMouse_;
    default:
        return true;
    }
}

int Binding::listRow(QObject* watched, const QPointF& position) const {
    auto* view = static_cast<QListWidget*>(widget);
    const QPoint inView = view->viewport()->mapFromGlobal(static_cast<QWidget*>(watched)->mapToGlobal(position.toPoint()));
    const QModelIndex hit = view->indexAt(inView);
    return hit.isValid() ? hit.row() : -1;
}

// A list: the press chooses the item under the pointer (after MouseDown and
// the focus); the second press of a double click is the list's DblClick,
// on an item or below the items (the item chosen by the first press stays).
bool Binding::listPress(QObject* watched, QMouseEvent* e, double x, double y) {
    auto& list = static_cast<forms::ListControl&>(*control);
    forms::Form& f = list.form();
    const int row = listRow(watched, e->position());
    passMouse_ = false;
    listDragging_ = false;
    if (e->type() == QEvent::MouseButtonDblClick) {
        // The first press has chosen the item already.
        f.dispatchMouseDown(list, buttonOf(e->button()), shiftOf(e->modifiers()), x, y, 2);
    } else {
        f.dispatchMouseDown(list, buttonOf(e->button()), shiftOf(e->modifiers()), x, y);
        if (control && f.ActiveControl() == &list && row >= 0 && e->button() == Qt::LeftButton) {
            f.dispatchChoose(list, row, shiftOf(e->modifiers()));
            listDragging_ = static_cast<const forms::ListBox&>(list).MultiSelect() == forms::vbMultiSelectExtended;
        }
    }
    settle(f);
    return true;
}

// Held over an extended list, the left button stretches the selection from
// the pressed item to the one under the pointer, as Shift with a click does.
void Binding::listDrag(QObject* watched, QMouseEvent* e) {
    if (!(e->buttons() & Qt::LeftButton)) {
        listDragging_ = false;
        return;
    }
    auto& list = static_cast<forms::ListControl&>(*control);
    const int row = listRow(watched, e->position());
    if (row < 0 || row == list.ListIndex()) return;
    forms::Form& f = list.form();
    f.dispatchChoose(list, row, forms::vbShiftMask);
    settle(f);
}

void Binding::focusIn(int reason) {
    if (backend_.movingFocus()) return;
    forms::Form& f = control->form();
    if (f.ActiveControl() == control) return;
    switch (reason) {
    case Qt::MouseFocusReason: case Qt::TabFocusReason: case Qt::BacktabFocusReason: case Qt::ShortcutFocusReason:
        f.dispatchFocus(*control); // a person moved the focus
        break;
    default:
        break; // Qt's own moves (activation, popups) follow the model
    }
    // After Qt has finished its own focus handling.
    QPointer<QWidget> w = widget;
    QtBackend* backend = &backend_;
    QTimer::singleShot(0, widget, [w, backend, formWindow = QPointer<FormWindow>(FormWindow::of(f))] {
        if (w && formWindow && formWindow->form) backend->syncFocus(*formWindow->form);
    });
}

// A person moved the caret or selection of an edit with the mouse.
void Binding::reportSelection() {
    if (!control || !passMouse_ || !editsText()) return;
    QLineEdit* edit = control->kind() == ControlKind::TextBox ? static_cast<QLineEdit*>(widget)
                                                               : static_cast<QComboBox*>(widget)->lineEdit();
    if (!edit) return;
    const long start = edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
    const long length = edit->hasSelectedText() ? static_cast<long>(edit->selectedText().size()) : 0;
    control->form().dispatchSelection(*control, start, length);
}

// The edit menu of a text box, as the platform's edit boxes have it. Every
// entry is the model's command (no key is pressed): a paste still sends
// each character through KeyPress, so its filters and code page 932 apply.
void Binding::editMenu(QContextMenuEvent* e) {
    forms::Form& f = control->form();
    if (f.ActiveControl() != control) {
        f.dispatchFocus(*control);
        settle(f);
        if (!control || f.ActiveControl() != control) return;
    }
    const forms::TextEdit& edit = control->kind() == ControlKind::TextBox
                                      ? static_cast<forms::TextBox*>(control)->edit()
                                      : static_cast<forms::ComboBox*>(control)->edit();
    const bool selected = edit.selLength() > 0;
    QMenu menu;
    const auto add = [&menu](const char* caption, forms::EditCommand command, bool enabled) {
        QAction* a = menu.addAction(QString::fromUtf8(caption));
        a->setData(static_cast<int>(command));
        a->setEnabled(enabled);
    };
    add("元に戻す(&U)", forms::EditCommand::Undo, edit.canUndo());
    menu.addSeparator();
    add("切り取り(&T)", forms::EditCommand::Cut, selected);
    add("コピー(&C)", forms::EditCommand::Copy, selected);
    add("貼り付け(&P)", forms::EditCommand::Paste, !QGuiApplication::clipboard()->text().isEmpty());
    add("削除(&D)", forms::EditCommand::Delete, selected);
    menu.addSeparator();
    add("すべて選択(&A)", forms::EditCommand::SelectAll, edit.selLength() < edit.length());
    QPointer<QWidget> alive = widget;
    QAction* chosen = menu.exec(e->globalPos());
    if (!chosen || !alive || !control) return;
    f.dispatchEditCommand(*control, static_cast<forms::EditCommand>(chosen->data().toInt()));
    settle(f);
}

void Binding::showPressed(bool down) {
    if (control->kind() == ControlKind::CheckBox) static_cast<CheckBoxWidget*>(widget)->setDown(down);
    else static_cast<QAbstractButton*>(widget)->setDown(down);
}

// An access key ("&O" in a caption): the same as a click on the control.
void Binding::accessKey() {
    if (!isButtonKind(control->kind())) return;
    forms::Control& c = *control;
    forms::Form& f = c.form();
    f.dispatchMouseDown(c, forms::vbLeftButton, 0, c.Width() / 2, c.Height() / 2);
    if (control) f.dispatchMouseUp(c, forms::vbLeftButton, 0, c.Width() / 2, c.Height() / 2);
    settle(f);
}

} // namespace qtui
