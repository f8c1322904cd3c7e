#pragma once
#include "platform/forms/Backend.h"

#include <memory>
#include <unordered_map>
#include <vector>

class QEventLoop;
class QRect;
class QTimer;
class QWidget;

namespace forms {
class Form;
class Control;
} // namespace forms

// The Qt window system under the forms model: a top-level window for each
// shown form with a widget for each control, kept in step with the model
// both ways; nested loops for modal forms; real timers, message boxes, the
// clipboard, the hourglass and font metrics. Install it with
// forms::setBackend once a QApplication exists (src/app/main.cpp).
namespace qtui {

class FormWindow;

class QtBackend : public forms::Backend {
public:
    QtBackend();
    ~QtBackend() override;
    QtBackend(const QtBackend&) = delete;
    QtBackend& operator=(const QtBackend&) = delete;

    void showForm(forms::Form& form) override;
    void hideForm(forms::Form& form) override;
    void formChanged(forms::Form& form, forms::FormProp what) override;
    void controlAdded(forms::Control& control) override;
    void controlCreated(forms::Control& control) override;
    void controlRemoved(forms::Control& control) override;
    void controlChanged(forms::Control& control, forms::Prop what) override;
    void refresh(forms::Form& form) override;
    void refresh(forms::Control& control) override;
    void runModal(forms::Form& form) override;
    void timerChanged(forms::Timer& timer) override;
    int messageBox(const std::string& prompt, int flags, const std::string& title) override;
    void beep() override;
    void setScreenPointer(int16_t pointer) override;
    void clipboardClear() override;
    void clipboardSetText(const std::string& text) override;
    std::string clipboardText() override;
    double textWidth(const forms::Font& font, std::string_view text) override;
    double textHeight(const forms::Font& font, std::string_view text) override;
    double screenWidth() override;
    double screenHeight() override;

    // True while some form has a window.
    bool hasWindows() const { return windows_ > 0; }
    // The Qt focus follows the model's focus of the form.
    void syncFocus(forms::Form& form);
    // True while the backend itself moves the Qt focus.
    bool movingFocus() const { return movingFocus_; }
    // A person pressed a key in a window, or a mouse button: the focus mark
    // shows from the first key on, in that window and in the windows opened
    // after it, until the mouse is used again.
    void noteKeyboard(QWidget* window);
    void noteMouse() { keyboardInUse_ = false; }
    // A window coming into use shows the focus mark while the keyboard is.
    void markFocus(QWidget* window);

private:
    // Ends the program once no window is left (checked after the input that
    // closed the last one, so a window opened in its place keeps it going).
    void quitWhenNoWindows();
    // Builds the widgets of the controls made while their forms were shown.
    void buildCreated();
    // Waits once per window until it can be drawn on; nullptr when the window
    // went away meanwhile.
    FormWindow* awaitExposure(FormWindow& window);

    std::unordered_map<forms::Timer*, std::unique_ptr<QTimer>> timers_;
    std::unordered_map<forms::Form*, QEventLoop*> modalLoops_;
    std::vector<forms::Control*> created_; // made while shown, waiting for their widgets
    std::unique_ptr<QTimer> createdTimer_;
    int windows_ = 0;
    bool hourglass_ = false;
    bool movingFocus_ = false;
    bool keyboardInUse_ = false;
};

// The window of a shown form and the widget that shows a control of a shown
// form (nullptr when there is none), for tests and screenshots: its own
// widget, or for a label, line, shape or image its container's canvas.
QWidget* windowOf(const forms::Form& form);
QWidget* widgetOf(const forms::Control& control);
// Where the control is in widgetOf(control): the item's area in the canvas,
// or the whole widget.
QRect areaOf(const forms::Control& control);

// Application-wide settings the windows rely on: the Fusion style with its
// own palette (system colours map onto it), the default font, and no Qt
// quitting of its own (the backend ends the program with its last window).
void prepareApplication();

} // namespace qtui
