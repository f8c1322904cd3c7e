#pragma once
#include "platform/forms/Types.h"

#include <QWidget>

class QMenu;
class QMenuBar;

namespace forms {
class Control;
class Form;
class Menu;
} // namespace forms

namespace qtui {

class PictureWidget;
class QtBackend;

// The top-level window of a shown form: an optional menu bar over the
// client area, which holds the controls. Window events go to the model
// (close box, moves, sizes, state, activation, keys when no control has
// the focus); the model's form properties come back through apply.
class FormWindow : public QWidget {
public:
    FormWindow(QtBackend& backend, forms::Form& form);

    forms::Form* form; // nullptr once the form is hidden
    PictureWidget* client;
    bool exposureAwaited = false; // a refresh has waited for the window system to show it

    void apply(forms::FormProp what);
    void applyAll();
    // Rebuilds the menu bar from the form's menus (after a menu is added or removed).
    void buildMenus();
    // Reports the frame around the client area to the model.
    void reportFrame();
    static FormWindow* of(const forms::Form& form);

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void applyFlags();
    void applyGeometry();
    // Tells the model where the window is and what frames it.
    void followPlace();
    // The menu bar across the top, the client area under it.
    void layOut();
    void addMenuBar();
    void addMenuItems(QMenu* into, forms::Menu& menu);
    int menuHeight() const;

    QtBackend& backend_;
    QMenuBar* menuBar_ = nullptr;
    bool placing_ = false; // the window is being placed from the model
};

// The model side of a menu item's action (Caption, Visible, Enabled, Checked).
void applyMenu(forms::Menu& menu, forms::Prop what);

} // namespace qtui
