#include "platform/qt/MessageBox.h"

#include "platform/forms/Types.h"
#include "platform/qt/Convert.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>
#include <vector>

namespace qtui {

using namespace forms;

namespace {

constexpr int ButtonMinWidth = 88; // pixels: the platform's 75 dialog units
constexpr int ScreenMargin = 16;   // pixels left for the window frame
constexpr int CaptionMargin = 48;  // pixels left for the caption bar and frame
constexpr int TitleRoom = 96;      // pixels beside the title: the caption bar's icon and buttons

QStyle::StandardPixmap iconOf(int flags) {
    switch (flags & 0x70) {
    case vbCritical: return QStyle::SP_MessageBoxCritical;
    case vbQuestion: return QStyle::SP_MessageBoxQuestion;
    case vbExclamation: return QStyle::SP_MessageBoxWarning;
    case vbInformation: return QStyle::SP_MessageBoxInformation;
    default: return QStyle::SP_CustomBase; // none
    }
}

} // namespace

MessageDialog::MessageDialog(const QString& title, const QString& text, int flags, QWidget* parent)
    : QDialog(parent), text_(new QLabel), textArea_(new QScrollArea(this)), buttonRow_(new QWidget(this)) {
    setWindowTitle(title);
    setModal(true);
    auto* body = new QHBoxLayout;
    body->setSpacing(16);
    if (const auto icon = iconOf(flags); icon != QStyle::SP_CustomBase) {
        auto* picture = new QLabel(this);
        const int side = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
        picture->setPixmap(style()->standardIcon(icon, nullptr, this).pixmap(side, side));
        picture->setAlignment(Qt::AlignTop);
        body->addWidget(picture, 0, Qt::AlignTop);
    }
    text_->setTextFormat(Qt::PlainText);
    text_->setText(text);
    text_->setWordWrap(false);
    text_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // The text scrolls only when it has more lines than the screen holds.
    textArea_->setFrameShape(QFrame::NoFrame);
    textArea_->setFocusPolicy(Qt::NoFocus); // Tab goes from button to button
    textArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    textArea_->setWidgetResizable(true);
    textArea_->setWidget(text_);
    body->addWidget(textArea_, 1);
    auto* row = new QHBoxLayout(buttonRow_);
    row->setContentsMargins(0, 0, 0, 0);
    row->addStretch();
    auto* all = new QVBoxLayout(this);
    all->setContentsMargins(16, 16, 16, 12);
    all->setSpacing(16);
    all->addLayout(body);
    all->addWidget(buttonRow_);
}

QPushButton* MessageDialog::addButton(const QString& text, bool escape) {
    auto* b = new QPushButton(text, buttonRow_);
    b->setMinimumWidth(std::max(ButtonMinWidth, b->sizeHint().width()));
    static_cast<QHBoxLayout*>(buttonRow_->layout())->addWidget(b);
    connect(b, &QPushButton::clicked, this, [this, b] {
        clicked_ = b;
        accept();
    });
    buttons_.append(b);
    if (escape) escape_ = b;
    return b;
}

void MessageDialog::fit() {
    static_cast<QHBoxLayout*>(buttonRow_->layout())->addStretch();
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (escape_) flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    setWindowFlags(flags);
    // Only the text's own line breaks, while the box fits the screen.
    const QScreen* screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    const int widest = area.width() - ScreenMargin;
    textArea_->setFixedSize(text_->sizeHint());
    layout()->activate();
    const int around = sizeHint().width() - textArea_->width();
    if (sizeHint().width() > widest) {
        text_->setWordWrap(true);
        const int width = widest - around;
        textArea_->setFixedSize(width, text_->heightForWidth(width));
    }
    // A text taller than the screen scrolls, so the buttons stay on it.
    layout()->activate();
    const int tallest = area.height() - CaptionMargin;
    if (sizeHint().height() > tallest) {
        const int line = text_->fontMetrics().lineSpacing();
        textArea_->setFixedHeight(std::max(line, textArea_->height() - (sizeHint().height() - tallest)));
        const int bar = textArea_->verticalScrollBar()->sizeHint().width();
        textArea_->setFixedWidth(std::min(textArea_->width() + bar, widest - around));
    }
    layout()->activate();
    // A short message under a long title widens to show the whole title,
    // as far as the screen allows.
    const int titled = std::min(widest, fontMetrics().horizontalAdvance(windowTitle()) + TitleRoom);
    setFixedSize(std::max(sizeHint().width(), titled), sizeHint().height());
}

void MessageDialog::reject() {
    if (!escape_) return;
    clicked_ = escape_;
    QDialog::reject();
}

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
    QString text = qs(prompt);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    MessageDialog box(qs(title), text, flags, parent);
    std::vector<std::pair<QPushButton*, int>> buttons;
    for (const Choice& c : choices) {
        // Cancel answers Esc and the close box; so does the only button of an OK box.
        const bool escape = c.answer == vbCancel || choices.size() == 1;
        buttons.emplace_back(box.addButton(QString::fromUtf8(c.text), escape), c.answer);
    }
    box.fit();
    const size_t preferred = static_cast<size_t>((flags >> 8) & 3);
    QPushButton* first = buttons[preferred < buttons.size() ? preferred : 0].first;
    first->setDefault(true);
    first->setFocus();
    box.exec();
    for (const auto& [button, answer] : buttons)
        if (box.clickedButton() == button) return answer;
    return choices.front().answer; // the box went without an answer (the program ends)
}

} // namespace qtui
