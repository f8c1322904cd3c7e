// The model into the widget: each property push reads the new value from
// the model and sets it on the widget with the widget's signals blocked, so
// nothing comes back as input.
#include "platform/qt/Binding.h"

#include "platform/forms/Buttons.h"
#include "platform/forms/Containers.h"
#include "platform/forms/ListControls.h"
#include "platform/forms/ScrollBar.h"
#include "platform/forms/TabStrip.h"
#include "platform/forms/TextBox.h"
#include "platform/qt/ControlWidgets.h"
#include "platform/qt/Convert.h"

#include <QComboBox>
#include <QItemSelection>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTabBar>

#include <algorithm>

namespace qtui {

using forms::ControlKind;
using forms::Prop;

namespace {

Qt::Alignment horizontal(int16_t alignment) {
    return alignment == forms::vbRightJustify ? Qt::AlignRight : alignment == forms::vbCenter ? Qt::AlignHCenter : Qt::AlignLeft;
}

// Background and text colours as palette roles; the disabled text keeps the
// palette's grey.
void setColors(QWidget* w, QPalette::ColorRole backRole, QPalette::ColorRole foreRole, const forms::Control& c) {
    QPalette p = w->palette();
    p.setColor(backRole, toQColor(c.BackColor()));
    const QColor fore = toQColor(c.ForeColor());
    p.setColor(QPalette::Active, foreRole, fore);
    p.setColor(QPalette::Inactive, foreRole, fore);
    w->setPalette(p);
}

// Brings a stock item view's rows in line with the model's items. Every
// change of the model's items is pushed at once, so the rows differ by one
// append, insert, removal or rename: each is handled without rebuilding.
template <class W>
void syncItems(W* w, const forms::ListControl& model) {
    const int n = model.ListCount(), m = w->count();
    auto text = [&](int i) { return qs(model.List(i)); };
    auto set = [&](int i) {
        if constexpr (std::is_same_v<W, QComboBox>) w->setItemText(i, text(i));
        else w->item(i)->setText(text(i));
    };
    auto insert = [&](int i) {
        if constexpr (std::is_same_v<W, QComboBox>) w->insertItem(i, text(i));
        else w->insertItem(i, text(i));
    };
    auto remove = [&](int i) {
        if constexpr (std::is_same_v<W, QComboBox>) w->removeItem(i);
        else delete w->takeItem(i);
    };
    auto itemText = [&](int i) {
        if constexpr (std::is_same_v<W, QComboBox>) return w->itemText(i);
        else return w->item(i)->text();
    };
    if (n == 0) {
        w->clear();
    } else if (n == m + 1 && model.NewIndex() >= 0 && model.NewIndex() <= m) {
        insert(model.NewIndex());
    } else if (n == m) {
        for (int i = 0; i < n; ++i)
            if (itemText(i) != text(i)) set(i);
    } else if (n == m - 1) {
        int i = 0;
        while (i < n && itemText(i) == text(i)) ++i;
        remove(i);
    } else {
        w->clear();
        for (int i = 0; i < n; ++i) insert(i);
    }
}

} // namespace

void Binding::applyAll() {
    for (Prop p : {Prop::Geometry, Prop::Font, Prop::BackColor, Prop::Appearance, Prop::Behaviour, Prop::Caption,
                   Prop::Items, Prop::Text, Prop::Range, Prop::Value, Prop::Tabs, Prop::Picture, Prop::MousePointer,
                   Prop::Enabled, Prop::Visible})
        apply(p);
}

void Binding::apply(Prop what) {
    forms::Control& c = *control;
    const ControlKind kind = c.kind();
    switch (what) {
    case Prop::Geometry:
        widget->setGeometry(px(c.Left()), px(c.Top()), px(c.Width()), px(c.Height()));
        return;
    case Prop::Visible: widget->setVisible(c.Visible()); return;
    case Prop::Enabled: widget->setEnabled(c.Enabled()); return;
    case Prop::Font:
        widget->setFont(toQFont(c.font()));
        widget->update();
        return;
    case Prop::MousePointer: {
        Qt::CursorShape shape;
        if (widget == inner) inner->setOwnPointer(c.MousePointer()); // its items may show their own
        else if (toCursor(c.MousePointer(), shape)) widget->setCursor(shape);
        else widget->unsetCursor();
        return;
    }
    case Prop::ZOrder: {
        const auto& kids = c.parent().children();
        auto it = std::find(kids.begin(), kids.end(), &c);
        for (++it; it != kids.end(); ++it) {
            if (Binding* above = bindingOf(**it)) {
                widget->stackUnder(above->widget);
                return;
            }
        }
        widget->raise();
        return;
    }
    case Prop::TabOrder: return; // the model keeps the tab order
    case Prop::ForeColor: what = Prop::BackColor; break; // colours are applied together
    default: break;
    }

    switch (kind) {
    case ControlKind::TextBox: {
        auto& t = static_cast<forms::TextBox&>(c);
        auto* w = static_cast<QLineEdit*>(widget);
        const QSignalBlocker block(w);
        if (what == Prop::Text || what == Prop::Selection) {
            if (what == Prop::Text) w->setText(qs(t.Text()));
            if (t.SelLength() > 0) w->setSelection(static_cast<int>(t.SelStart()), static_cast<int>(t.SelLength()));
            else w->setCursorPosition(static_cast<int>(t.SelStart()));
        } else if (what == Prop::Appearance) {
            w->setAlignment(horizontal(t.Alignment()) | Qt::AlignVCenter);
        } else if (what == Prop::Behaviour) {
            w->setAttribute(Qt::WA_InputMethodEnabled, t.IMEMode() != forms::vbIMEDisable);
            w->setInputMethodHints(t.IMEMode() == forms::vbIMEOff ? Qt::ImhPreferLatin : Qt::ImhNone);
        } else if (what == Prop::BackColor) {
            setColors(w, QPalette::Base, QPalette::Text, c);
        }
        break;
    }
    case ControlKind::ComboBox: {
        auto& m = static_cast<forms::ComboBox&>(c);
        auto* w = static_cast<QComboBox*>(widget);
        const QSignalBlocker block(w);
        const bool editable = m.Style() == forms::vbComboDropdown;
        if (what == Prop::Appearance && w->isEditable() != editable) {
            w->setEditable(editable);
            if (editable) {
                w->setInsertPolicy(QComboBox::NoInsert);
                w->setCompleter(nullptr);
                // Qt would choose the item matching the edit's text when the
                // edit loses the focus, as if a person had chosen it, and so
                // pull the focus back: what is typed stays the model's text.
                QObject::disconnect(w->lineEdit(), &QLineEdit::editingFinished, w, nullptr);
                connectEdit(*this, w->lineEdit());
            }
            apply(Prop::Behaviour);
            apply(Prop::Items);
        } else if (what == Prop::Items || what == Prop::ListIndex) {
            const QSignalBlocker blockEdit(w->lineEdit());
            if (what == Prop::Items) syncItems(w, m);
            w->setCurrentIndex(m.ListIndex());
            if (editable) apply(Prop::Text); // the edit keeps the model's text
        } else if (editable && (what == Prop::Text || what == Prop::Selection)) {
            const QSignalBlocker blockEdit(w->lineEdit());
            if (what == Prop::Text) w->lineEdit()->setText(qs(m.Text()));
            if (m.SelLength() > 0) w->lineEdit()->setSelection(static_cast<int>(m.SelStart()), static_cast<int>(m.SelLength()));
            else w->lineEdit()->setCursorPosition(static_cast<int>(m.SelStart()));
        } else if (editable && what == Prop::Behaviour) {
            w->lineEdit()->setAttribute(Qt::WA_InputMethodEnabled, m.IMEMode() != forms::vbIMEDisable);
        } else if (what == Prop::BackColor) {
            setColors(w, QPalette::Base, QPalette::Text, c);
        }
        break;
    }
    case ControlKind::ListBox: {
        auto& m = static_cast<forms::ListBox&>(c);
        auto* w = static_cast<QListWidget*>(widget);
        const QSignalBlocker block(w);
        const bool multi = m.MultiSelect() != forms::vbMultiSelectNone;
        if (what == Prop::Items || what == Prop::ListIndex) {
            if (what == Prop::Items) syncItems(w, m);
            if (!multi) {
                if (m.ListIndex() < 0) w->clearSelection();
                else w->setCurrentRow(m.ListIndex());
            } else {
                // The runs of selected items in one selection: item by item, Qt
                // merges each into the selection, which makes selecting every
                // item of a long list one by one take minutes.
                QItemSelection selection;
                for (int i = 0; i < m.ListCount(); ++i) {
                    if (!m.Selected(i)) continue;
                    const int first = i;
                    while (i + 1 < m.ListCount() && m.Selected(i + 1)) ++i;
                    selection.select(w->model()->index(first, 0), w->model()->index(i, 0));
                }
                w->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
                if (m.ListIndex() >= 0) w->setCurrentRow(m.ListIndex(), QItemSelectionModel::NoUpdate);
            }
            // Nothing chosen: no current row either (Qt would mark one).
            if (m.ListIndex() < 0) w->selectionModel()->clearCurrentIndex();
            if (m.ListIndex() >= 0) w->scrollToItem(w->item(m.ListIndex()));
            if (what == Prop::Items) apply(Prop::TopIndex);
        } else if (what == Prop::TopIndex) {
            if (m.TopIndex() < w->count()) w->scrollToItem(w->item(m.TopIndex()), QAbstractItemView::PositionAtTop);
        } else if (what == Prop::Behaviour) {
            w->setSelectionMode(multi ? QAbstractItemView::MultiSelection : QAbstractItemView::SingleSelection);
        } else if (what == Prop::BackColor) {
            setColors(w, QPalette::Base, QPalette::Text, c);
        }
        break;
    }
    case ControlKind::CheckBox: {
        auto& m = static_cast<forms::CheckBox&>(c);
        auto* w = static_cast<CheckBoxWidget*>(widget);
        if (what == Prop::Caption) w->setText(qs(m.Caption()));
        else if (what == Prop::Value) {
            w->setCheckState(m.Value() == forms::vbChecked ? Qt::Checked
                             : m.Value() == forms::vbGrayed ? Qt::PartiallyChecked : Qt::Unchecked);
        } else if (what == Prop::Appearance)
            w->setLayoutDirection(m.Alignment() == forms::vbRightJustify ? Qt::RightToLeft : Qt::LeftToRight);
        else if (what == Prop::BackColor)
            setColors(w, QPalette::Window, QPalette::WindowText, c);
        break;
    }
    case ControlKind::OptionButton: {
        auto& m = static_cast<forms::OptionButton&>(c);
        auto* w = static_cast<QRadioButton*>(widget);
        const QSignalBlocker block(w);
        if (what == Prop::Caption) w->setText(qs(m.Caption()));
        else if (what == Prop::Value) w->setChecked(m.Value());
        else if (what == Prop::Appearance)
            w->setLayoutDirection(m.Alignment() == forms::vbRightJustify ? Qt::RightToLeft : Qt::LeftToRight);
        else if (what == Prop::BackColor) {
            w->setAutoFillBackground(true);
            setColors(w, QPalette::Window, QPalette::WindowText, c);
        }
        break;
    }
    case ControlKind::CommandButton:
        if (what == Prop::Caption) static_cast<QPushButton*>(widget)->setText(qs(static_cast<forms::CommandButton&>(c).Caption()));
        break;
    case ControlKind::Frame: {
        auto& m = static_cast<forms::Frame&>(c);
        auto* w = static_cast<FrameWidget*>(widget);
        if (what == Prop::Caption) w->setCaption(qs(m.Caption()));
        else if (what == Prop::Appearance) w->setBorder(m.BorderStyle() != 0);
        else if (what == Prop::BackColor) w->setColors(toQColor(m.ForeColor()), toQColor(m.BackColor()));
        break;
    }
    case ControlKind::PictureBox: {
        auto& m = static_cast<forms::PictureBox&>(c);
        auto* w = static_cast<BoxWidget*>(widget);
        if (what == Prop::Appearance) w->setBorder(m.BorderStyle() != 0);
        else if (what == Prop::BackColor) w->setBackground(toQColor(m.BackColor()));
        else if (what == Prop::Picture) w->inner()->setPicture(qs(m.Picture()));
        break;
    }
    case ControlKind::UserControl: {
        auto* w = static_cast<PictureWidget*>(widget);
        if (what == Prop::BackColor) w->setBackground(toQColor(c.BackColor()));
        else if (what == Prop::Picture) w->showPainting(&static_cast<const forms::UserControl&>(c));
        break;
    }
    case ControlKind::HScrollBar: case ControlKind::VScrollBar: {
        auto& m = static_cast<forms::ScrollBar&>(c);
        auto* w = static_cast<QScrollBar*>(widget);
        const QSignalBlocker block(w);
        if (what == Prop::Range) {
            // Min above Max runs the bar the other way. A scroll bar's
            // controls start inverted (the wheel turned towards the user and
            // the Down key move the thumb down); such a bar turns them back.
            w->setRange(std::min(m.Min(), m.Max()), std::max(m.Min(), m.Max()));
            w->setInvertedAppearance(m.Min() > m.Max());
            w->setInvertedControls(m.Min() <= m.Max());
            w->setSingleStep(m.SmallChange());
            w->setPageStep(m.LargeChange());
            w->setValue(m.Value());
        } else if (what == Prop::Value) {
            w->setValue(m.Value());
        }
        break;
    }
    case ControlKind::TabStrip: {
        if (what != Prop::Tabs) break;
        auto& m = static_cast<forms::TabStrip&>(c);
        QTabBar* bar = static_cast<TabStripWidget*>(widget)->bar();
        const QSignalBlocker block(bar);
        while (bar->count() > m.TabsCount()) bar->removeTab(bar->count() - 1);
        for (int i = 1; i <= m.TabsCount(); ++i) {
            if (i > bar->count()) bar->addTab(qs(m.TabCaption(i)));
            else bar->setTabText(i - 1, qs(m.TabCaption(i)));
        }
        bar->setCurrentIndex(m.SelectedIndex() - 1);
        break;
    }
    default: // timers, menus and items have no binding
        break;
    }
}

} // namespace qtui
