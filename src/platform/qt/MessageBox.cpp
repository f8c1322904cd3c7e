#include "platform/qt/MessageBox.h"

#include "platform/forms/Types.h"
#include "platform/qt/Convert.h"

#include <QMessageBox>
#include <QPushButton>

#include <utility>
#include <vector>

namespace qtui {

using namespace forms;

int showMessageBox(const std::string& prompt, int flags, const std::string& title, QWidget* parent) {
    struct Choice {
        const char* text;
        int answer;
    };
    std::vector<Choice> choices;
    switch (flags & 7) {
    case vbOKCancel: choices = {{"OK", vbOK}, {"キャンセル", vbCancel}}; break;
    case vbAbortRetryIgnore: choices = {{"中止", vbAbort}, {"再試行", vbRetry}, {"無視", vbIgnore}}; break;
    case vbYesNoCancel: choices = {{"はい", vbYes}, {"いいえ", vbNo}, {"キャンセル", vbCancel}}; break;
    case vbYesNo: choices = {{"はい", vbYes}, {"いいえ", vbNo}}; break;
    case vbRetryCancel: choices = {{"再試行", vbRetry}, {"キャンセル", vbCancel}}; break;
    default: choices = {{"OK", vbOK}}; break;
    }
    QMessageBox box(parent);
    box.setWindowTitle(qs(title));
    QString text = qs(prompt);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    switch (flags & 0x70) {
    case vbCritical: box.setIcon(QMessageBox::Critical); break;
    case vbQuestion: box.setIcon(QMessageBox::Question); break;
    case vbExclamation: box.setIcon(QMessageBox::Warning); break;
    case vbInformation: box.setIcon(QMessageBox::Information); break;
    default: break;
    }
    std::vector<std::pair<QPushButton*, int>> buttons;
    QPushButton* escape = nullptr;
    for (const Choice& c : choices) {
        // Roles other than Reject leave Esc to the Cancel button alone.
        const bool cancel = c.answer == vbCancel;
        QPushButton* b = box.addButton(QString::fromUtf8(c.text), cancel ? QMessageBox::RejectRole : QMessageBox::ActionRole);
        buttons.emplace_back(b, c.answer);
        if (cancel || choices.size() == 1) escape = b;
    }
    const size_t preferred = static_cast<size_t>((flags >> 8) & 3);
    box.setDefaultButton(buttons[preferred < buttons.size() ? preferred : 0].first);
    box.setEscapeButton(escape);
    // A box without a Cancel button can only be answered with a button.
    do {
        box.exec();
    } while (!box.clickedButton() && !escape);
    for (const auto& [button, answer] : buttons)
        if (box.clickedButton() == button) return answer;
    for (const auto& [button, answer] : buttons)
        if (button == escape) return answer;
    return choices.front().answer;
}

} // namespace qtui
