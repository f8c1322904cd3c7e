#pragma once
#include "platform/forms/Types.h"

#include <QObject>
#include <QPointF>

class QContextMenuEvent;
class QKeyEvent;
class QLineEdit;
class QMouseEvent;
class QWheelEvent;
class QWidget;

namespace forms {
class Control;
class Form;
} // namespace forms

namespace qtui {

class Canvas;
class QtBackend;

// The live widget of one windowed control of a shown form (labels, lines,
// shapes and images are items of their container's canvas: Items.h). It reads the model into
// the widget (apply) and routes the widget's input into the model's input
// pipeline (Form::dispatch...), never acting on input itself: what a key or
// click does is the model's rule. Owned by its widget; `control` is cleared
// when the control or its window goes away, so late events find nothing.
class Binding : public QObject {
public:
    Binding(QtBackend& backend, forms::Control& control, QWidget* widget, Canvas* inner);

    forms::Control* control;
    QWidget* widget; // the control's widget, a child of its container's canvas
    Canvas* inner;   // where the control's own controls go; nullptr for other kinds

    // The widget that holds the keyboard focus for the control.
    QWidget* focusWidget() const;
    // Routes the input of a part of the widget (a list's viewport, the edit
    // of a combo, the tab row) through this binding too.
    void watch(QObject* part);
    // Reads one property, or every property, from the model into the widget.
    void apply(forms::Prop what);
    void applyAll();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool key(QKeyEvent* event, bool press);
    // The wheel over a container's canvas goes to the container's scroll bar.
    bool wheelScrolls(QWheelEvent* event);
    bool mouse(QObject* watched, QMouseEvent* event);
    bool listPress(QObject* watched, QMouseEvent* event, double x, double y);
    void listDrag(QObject* watched, QMouseEvent* event);
    // The row of a list under a point of `watched`; -1 below the items.
    int listRow(QObject* watched, const QPointF& position) const;
    void focusIn(int reason);
    void editMenu(QContextMenuEvent* event);
    void accessKey();
    // Shows a button, check box or option button pressed or released.
    void showPressed(bool down);
    // A person moved the caret or selection of an edit field with the mouse.
    void reportSelection();
    // After input: the Qt focus follows the model's.
    void settle(forms::Form& form);
    bool editsText() const;
    QPointF modelPoint(QObject* watched, const QPointF& pos) const;

    friend void connectSignals(Binding& binding);
    friend void connectEdit(Binding& binding, QLineEdit* edit);
    QtBackend& backend_;
    bool passMouse_ = false; // an edit field places its caret with this press
    bool listDragging_ = false; // a press on an item of an extended list is held
};

// Creates the widget of a control (and of the controls inside it), or its
// item, in its container's canvas, reading every property from the model.
// Returns the binding of a windowed control; nullptr for the others.
Binding* buildControl(QtBackend& backend, forms::Control& control, Canvas& parent);
// Forgets the model behind a control's widget and its insides (the window or
// the control goes away); the widgets are deleted later by their owner.
void detachControl(forms::Control& control);
// The binding of a windowed control with a live widget; nullptr when none.
Binding* bindingOf(const forms::Control& control);

} // namespace qtui
