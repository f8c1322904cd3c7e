#pragma once
#include <QDialog>
#include <QList>

#include <string>

class QAbstractButton;
class QLabel;
class QPushButton;
class QScrollArea;

namespace qtui {

// A message box as the platform draws one: its icon, the text broken only
// where the text breaks it (as wide as that takes, up to the screen's width,
// where a longer line wraps as a last resort; a text taller than the screen
// scrolls) and a centred row of buttons.
// Esc and the close box press the escape button; without one they do
// nothing (and the box has no close button).
class MessageDialog : public QDialog {
public:
    MessageDialog(const QString& title, const QString& text, int flags, QWidget* parent);

    QPushButton* addButton(const QString& text, bool escape);
    const QList<QAbstractButton*>& buttons() const { return buttons_; }
    QAbstractButton* clickedButton() const { return clicked_; }
    QLabel* textLabel() const { return text_; }
    // Fits the box to its text and buttons (after the last addButton).
    void fit();

protected:
    void reject() override;

private:
    QLabel* text_;
    QScrollArea* textArea_;
    QWidget* buttonRow_;
    QList<QAbstractButton*> buttons_;
    QAbstractButton* escape_ = nullptr;
    QAbstractButton* clicked_ = nullptr;
};

// Shows a message box with the buttons of `flags` (Japanese texts), its
// icon and default button. Returns vbOK, vbCancel, vbYes ...
int showMessageBox(const std::string& prompt, int flags, const std::string& title, QWidget* parent);

} // namespace qtui
