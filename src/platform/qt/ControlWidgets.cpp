#include "platform/qt/ControlWidgets.h"

#include "platform/qt/Convert.h"
#include "platform/qt/RecentPictures.h"

#include <algorithm>

#include <QAbstractItemView>
#include <QFontMetrics>
#include <QKeySequence>
#include <QPainter>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QStyleOption>
#include <QStringList>
#include <QStylePainter>
#include <QTabBar>
#include <qdrawutil.h>

namespace qtui {

namespace {
constexpr int TabRow = 24;  // the tab strip's row of tabs, pixels (360 twips)
constexpr int Border3D = 2; // a sunken border, pixels
} // namespace

// ---- CheckBoxWidget ----

CheckBoxWidget::CheckBoxWidget(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_OpaquePaintEvent); }

void CheckBoxWidget::changed() {
    drawnState_ = -1;
    update();
}

void CheckBoxWidget::setText(const QString& text) {
    text_ = text;
    // The access key of the caption, as Qt's buttons take it.
    if (shortcut_) releaseShortcut(shortcut_);
    shortcut_ = grabShortcut(QKeySequence::mnemonic(text));
    changed();
}

void CheckBoxWidget::setCheckState(Qt::CheckState state) {
    if (state == state_) return;
    state_ = state;
    changed();
}

void CheckBoxWidget::setDown(bool down) {
    if (down == down_) return;
    down_ = down;
    changed();
}

void CheckBoxWidget::changeEvent(QEvent* event) {
    switch (event->type()) {
    case QEvent::PaletteChange: case QEvent::FontChange: case QEvent::StyleChange: case QEvent::LayoutDirectionChange:
        drawnState_ = -1;
        break;
    default:
        break;
    }
    QWidget::changeEvent(event);
}

void CheckBoxWidget::paintEvent(QPaintEvent*) {
    QStyleOptionButton option;
    option.initFrom(this); // enabled, focus, active: part of the state
    if (down_) option.state |= QStyle::State_Sunken;
    option.state |= state_ == Qt::Checked ? QStyle::State_On
                    : state_ == Qt::PartiallyChecked ? QStyle::State_NoChange : QStyle::State_Off;
    const qreal ratio = devicePixelRatioF();
    if (drawnState_ != static_cast<int>(option.state) || drawn_.size() != size() * ratio ||
        drawn_.devicePixelRatio() != ratio) {
        option.text = text_;
        const int icon = style()->pixelMetric(QStyle::PM_ButtonIconSize, nullptr, this);
        option.iconSize = QSize(icon, icon);
        drawn_ = QPixmap(size() * ratio);
        drawn_.setDevicePixelRatio(ratio);
        drawn_.fill(palette().color(backgroundRole()));
        QStylePainter p(&drawn_, this);
        // As a painter on the widget itself starts.
        p.setFont(font());
        p.setPen(palette().color(foregroundRole()));
        p.setLayoutDirection(layoutDirection());
        p.drawControl(QStyle::CE_CheckBox, option);
        drawnState_ = static_cast<int>(option.state);
    }
    QPainter p(this);
    p.drawPixmap(0, 0, drawn_);
}

// ---- ListWidget ----

void ListWidget::paintEvent(QPaintEvent* event) {
    QListWidget::paintEvent(event);
    if (!hasFocus() || currentIndex().isValid() || count() == 0) return;
    QStyleOptionFocusRect option;
    option.initFrom(this); // the style draws it only once the keyboard is in use
    option.rect = visualItemRect(item(0));
    option.backgroundColor = palette().color(QPalette::Base);
    QPainter p(viewport());
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &p, this);
}

// ---- ComboWidget ----

namespace {

// The rows of an open combo list: a list's rows with some room around the
// text (the style's menu-like rows would cut a long name in its middle).
class ComboRows : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return QStyledItemDelegate::sizeHint(option, index) + QSize(0, 4);
    }
};

} // namespace

ComboWidget::ComboWidget(QWidget* parent) : QComboBox(parent) {
    setItemDelegate(new ComboRows(this));
    view()->setTextElideMode(Qt::ElideRight);
    view()->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void ComboWidget::showPopup() {
    QComboBox::showPopup();
    QWidget* popup = view()->window();
    const QRect limit = window()->geometry(); // the window's inner area, on the screen
    if (!popup->isVisible() || popup->width() <= limit.width()) return;
    // As wide as the window, and kept inside it.
    QRect shown = popup->geometry();
    shown.setWidth(limit.width());
    if (shown.right() > limit.right()) shown.moveRight(limit.right());
    if (shown.left() < limit.left()) shown.moveLeft(limit.left());
    popup->setGeometry(shown);
}

// ---- PictureWidget ----

// Opaque: nothing under it needs painting.
PictureWidget::PictureWidget(QWidget* parent) : Canvas(parent), back_(palette().color(QPalette::Window)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureWidget::setPicture(const QString& path) {
    pixmap_ = path.isEmpty() ? QPixmap() : pictureFromFile(path);
    invalidate();
}

void PictureWidget::setBackground(const QColor& color) {
    back_ = color;
    invalidate();
}

void PictureWidget::showPainting(const forms::UserControl* painter) {
    painter_ = painter;
    invalidate();
}

void PictureWidget::paintBackground(QPainter& p) {
    p.fillRect(rect(), back_);
    if (!pixmap_.isNull()) p.drawPixmap(0, 0, pixmap_);
    if (!painter_) return;
    // A box ends where its second corner begins, as a shape of its size
    // would: a row's last cell paints nothing past its right border.
    for (const auto& box : painter_->Painted()) {
        const int left = px(std::min(box.x1, box.x2)), right = px(std::max(box.x1, box.x2));
        const int top = px(std::min(box.y1, box.y2)), bottom = px(std::max(box.y1, box.y2));
        p.fillRect(QRect(left, top, right - left, bottom - top), toQColor(box.color));
    }
}

// ---- BoxWidget ----

BoxWidget::BoxWidget(QWidget* parent) : QWidget(parent), inner_(new PictureWidget(this)) {}

void BoxWidget::setBorder(bool border) {
    border_ = border;
    resizeEvent(nullptr);
    update();
}

void BoxWidget::setBackground(const QColor& color) { inner_->setBackground(color); }

void BoxWidget::resizeEvent(QResizeEvent*) {
    const int b = border_ ? Border3D : 0;
    inner_->setGeometry(rect().adjusted(b, b, -b, -b));
}

void BoxWidget::paintEvent(QPaintEvent*) {
    if (!border_) return;
    QPainter p(this);
    qDrawWinPanel(&p, rect(), palette(), true);
}

// ---- FrameWidget ----

FrameWidget::FrameWidget(QWidget* parent) : Canvas(parent) { setAttribute(Qt::WA_OpaquePaintEvent); }

void FrameWidget::setCaption(const QString& caption) {
    caption_ = caption;
    invalidate();
}

void FrameWidget::setBorder(bool border) {
    border_ = border;
    invalidate();
}

void FrameWidget::setColors(const QColor& fore, const QColor& back) {
    fore_ = fore;
    back_ = back;
    invalidate();
}

void FrameWidget::paintBackground(QPainter& p) {
    p.fillRect(rect(), back_);
    if (!border_) return;
    const QFontMetrics fm(font());
    const int top = fm.height() / 2;
    const QRect box = rect().adjusted(0, top, 0, 0);
    qDrawShadeRect(&p, box, palette(), true, 1, 0);
    if (caption_.isEmpty()) return;
    const QRect textRect(7, 0, fm.horizontalAdvance(caption_) + 4, fm.height());
    p.fillRect(textRect, back_);
    p.setPen(isEnabled() ? fore_ : palette().color(QPalette::Disabled, QPalette::WindowText));
    p.setFont(font());
    p.drawText(textRect.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextShowMnemonic, caption_);
}

// ---- TabStripWidget ----

TabStripWidget::TabStripWidget(QWidget* parent) : QWidget(parent), bar_(new QTabBar(this)) {
    bar_->setDrawBase(false);
    bar_->setExpanding(false);
    bar_->setFocusPolicy(Qt::NoFocus);
}

void TabStripWidget::resizeEvent(QResizeEvent*) { bar_->setGeometry(0, 0, width(), TabRow); }

void TabStripWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QStyleOptionTabWidgetFrame frame;
    frame.initFrom(this);
    frame.rect = rect().adjusted(0, TabRow - 1, 0, 0);
    frame.shape = QTabBar::RoundedNorth;
    style()->drawPrimitive(QStyle::PE_FrameTabWidget, &frame, &p, this);
}

void CaptionButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear(); // the bevel and the focus mark only
    painter.drawControl(QStyle::CE_PushButton, option);
    QRect area = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    if (isDown()) area.translate(style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this),
                                 style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this));
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    // Break at blanks only, as the platform does: Qt's own word wrap would
    // also break between two Japanese characters.
    const QFontMetrics metrics(font());
    const auto width = [&metrics](const QString& s) { return metrics.horizontalAdvance(QString(s).remove('&')); };
    QStringList lines;
    for (const QString& word : caption.split(' ')) {
        if (!lines.isEmpty() && width(lines.back() + ' ' + word) <= area.width())
            lines.back() += ' ' + word;
        else
            lines.append(word);
    }
    painter.drawText(area, Qt::AlignCenter | Qt::TextShowMnemonic, lines.join('\n'));
}

} // namespace qtui
