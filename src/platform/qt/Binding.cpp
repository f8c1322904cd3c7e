// Making the widget of a control, and forgetting the model behind widgets
// that go away.
#include "platform/qt/Binding.h"

#include "platform/forms/Containers.h"
#include "platform/forms/Control.h"
#include "platform/forms/Form.h"
#include "platform/forms/ListControls.h"
#include "platform/forms/ScrollBar.h"
#include "platform/qt/ControlWidgets.h"
#include "platform/qt/FormWindow.h"
#include "platform/qt/Items.h"
#include "platform/qt/QtBackend.h"
#include "platform/qt/ScrollBarStyle.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabBar>

namespace qtui {

using forms::ControlKind;

Binding::Binding(QtBackend& backend, forms::Control& c, QWidget* w, Canvas* in)
    : QObject(w), control(&c), widget(w), inner(in), backend_(backend) {
    watch(w);
    if (in && in != w) watch(in);
}

void Binding::watch(QObject* part) {
    part->installEventFilter(this);
    if (auto* w = qobject_cast<QWidget*>(part)) w->setFocusPolicy(Qt::NoFocus);
}

QWidget* Binding::focusWidget() const { return widget->focusProxy() ? widget->focusProxy() : widget; }

Binding* bindingOf(const forms::Control& c) {
    if (c.kind() == ControlKind::Menu || c.kind() == ControlKind::Timer || isItemKind(c.kind())) return nullptr;
    return static_cast<Binding*>(c.backendData());
}

// An edit field: the caret and selection a person makes with the mouse go
// to the model; its text is the model's alone (what would change it outside
// the model's input, a drop or a middle-button paste, is refused or undone).
void connectEdit(Binding& b, QLineEdit* edit) {
    b.watch(edit);
    edit->setAcceptDrops(false);
    QObject::connect(edit, &QLineEdit::selectionChanged, &b, [&b] { b.reportSelection(); });
    QObject::connect(edit, &QLineEdit::cursorPositionChanged, &b, [&b] { b.reportSelection(); });
    QObject::connect(edit, &QLineEdit::textChanged, &b, [&b] {
        if (b.control) b.apply(forms::Prop::Text);
    });
}

// Signals of stock widgets that carry a person's input.
void connectSignals(Binding& b) {
    forms::Control& c = *b.control;
    switch (c.kind()) {
    case ControlKind::TextBox:
        connectEdit(b, static_cast<QLineEdit*>(b.widget));
        break;
    case ControlKind::ComboBox: {
        auto* combo = static_cast<QComboBox*>(b.widget);
        QObject::connect(combo, &QComboBox::activated, &b, [&b](int index) {
            if (!b.control) return;
            auto& list = static_cast<forms::ListControl&>(*b.control);
            QPointer<FormWindow> win = FormWindow::of(list.form());
            list.form().dispatchChoose(list, index);
            if (b.control) b.apply(forms::Prop::ListIndex);
            if (win && win->form) b.backend_.syncFocus(*win->form);
        });
        break;
    }
    case ControlKind::ListBox: {
        // Scrolled by a person or to show the chosen item: TopIndex follows,
        // once the change is done (from the event loop, outside the model's code).
        auto* view = static_cast<QListWidget*>(b.widget);
        QObject::connect(view->verticalScrollBar(), &QScrollBar::valueChanged, &b, [&b, view] {
            if (!b.control) return;
            const int top = view->indexAt(QPoint(0, 0)).row();
            auto& list = static_cast<forms::ListBox&>(*b.control);
            if (top >= 0 && top != list.TopIndex()) list.form().dispatchTopIndex(list, top);
        }, Qt::QueuedConnection);
        break;
    }
    case ControlKind::HScrollBar: case ControlKind::VScrollBar: {
        auto* bar = static_cast<QScrollBar*>(b.widget);
        QObject::connect(bar, &QScrollBar::valueChanged, &b, [&b](int value) {
            if (!b.control) return;
            auto& model = static_cast<forms::ScrollBar&>(*b.control);
            QPointer<FormWindow> win = FormWindow::of(model.form());
            model.form().dispatchScroll(model, value);
            if (b.control) b.apply(forms::Prop::Value); // the model may keep another value
            if (win && win->form) b.backend_.syncFocus(*win->form);
        });
        break;
    }
    default:
        break;
    }
}

Binding* buildControl(QtBackend& backend, forms::Control& c, Canvas& parent) {
    if (isItemKind(c.kind())) {
        parent.addItem(c);
        return nullptr;
    }
    QWidget* w = nullptr;
    Canvas* inner = nullptr;
    switch (c.kind()) {
    case ControlKind::TextBox: w = new QLineEdit(&parent); break;
    case ControlKind::ComboBox: w = new ComboWidget(&parent); break;
    case ControlKind::ListBox: {
        auto* list = new ListWidget(&parent);
        list->setUniformItemSizes(true);
        list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        w = list;
        break;
    }
    case ControlKind::CheckBox: w = new CheckBoxWidget(&parent); break;
    case ControlKind::OptionButton: {
        auto* option = new QRadioButton(&parent);
        option->setAutoExclusive(false); // the model clears the others of the group
        option->setBackgroundRole(QPalette::Window); // its BackColor, as for check boxes
        w = option;
        break;
    }
    case ControlKind::CommandButton: {
        auto* button = new CaptionButton(&parent);
        button->setAutoDefault(false); // Enter is the model's business
        button->setDefault(false);
        w = button;
        break;
    }
    case ControlKind::Frame: w = inner = new FrameWidget(&parent); break;
    case ControlKind::PictureBox: {
        auto* box = new BoxWidget(&parent);
        w = box;
        inner = box->inner();
        break;
    }
    case ControlKind::UserControl: w = inner = new PictureWidget(&parent); break;
    case ControlKind::HScrollBar: w = new QScrollBar(Qt::Horizontal, &parent); break;
    case ControlKind::VScrollBar: w = new QScrollBar(Qt::Vertical, &parent); break;
    case ControlKind::TabStrip: w = new TabStripWidget(&parent); break;
    default: return nullptr; // timers and menus
    }
    auto* b = new Binding(backend, c, w, inner);
    c.setBackendData(b);
    switch (c.kind()) {
    case ControlKind::ListBox: b->watch(static_cast<QListWidget*>(w)->viewport()); break;
    case ControlKind::TabStrip: b->watch(static_cast<TabStripWidget*>(w)->bar()); break;
    case ControlKind::HScrollBar: case ControlKind::VScrollBar:
        static_cast<QScrollBar*>(w)->setTracking(false);
        useScrollBarStyle(*static_cast<QScrollBar*>(w));
        break;
    default: break;
    }
    // Moves without a button held reach only controls that listen for them.
    if (c.MouseMove) {
        w->setMouseTracking(true);
        if (inner) inner->setMouseTracking(true);
    }
    connectSignals(*b);
    b->applyAll();
    if (inner) {
        for (forms::Control* child : dynamic_cast<forms::Container&>(c).children()) buildControl(backend, *child, *inner);
    }
    return b;
}

void detachControl(forms::Control& c) {
    if (auto* inner = dynamic_cast<forms::Container*>(&c)) {
        for (forms::Control* child : inner->children()) detachControl(*child);
    }
    if (Binding* b = bindingOf(c)) b->control = nullptr;
    if (Item* item = itemOf(c)) item->control = nullptr;
    c.setBackendData(nullptr);
}

} // namespace qtui
