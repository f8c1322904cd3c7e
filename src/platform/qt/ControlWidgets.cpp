#include "platform/qt/ControlWidgets.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <QTabBar>
#include <qdrawutil.h>

namespace qtui {

namespace {
constexpr int TabRow = 24;  // the tab strip's row of tabs, pixels (360 twips)
constexpr int Border3D = 2; // a sunken border, pixels
} // namespace

// ---- LabelWidget ----

LabelWidget::LabelWidget(QWidget* parent) : QWidget(parent) {}

void LabelWidget::setText(const QString& text) {
    text_ = text;
    update();
}

void LabelWidget::setLook(int alignment, bool wrap, bool opaque, bool border) {
    alignment_ = alignment;
    wrap_ = wrap;
    opaque_ = opaque;
    border_ = border;
    update();
}

void LabelWidget::setColors(const QColor& fore, const QColor& back) {
    fore_ = fore;
    back_ = back;
    update();
}

void LabelWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QRect r = rect();
    if (opaque_) p.fillRect(r, back_);
    if (border_) {
        qDrawWinPanel(&p, r, palette(), true);
        r.adjust(Border3D, Border3D, -Border3D, -Border3D);
    }
    int flags = Qt::AlignTop | Qt::TextShowMnemonic;
    flags |= alignment_ == 1 ? Qt::AlignRight : alignment_ == 2 ? Qt::AlignHCenter : Qt::AlignLeft;
    if (wrap_) flags |= Qt::TextWordWrap;
    p.setPen(isEnabled() ? fore_ : palette().color(QPalette::Disabled, QPalette::WindowText));
    p.setFont(font());
    p.drawText(r, flags, text_);
}

// ---- LineWidget ----

LineWidget::LineWidget(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_TransparentForMouseEvents); }

void LineWidget::setLine(const QLineF& line, const QPen& pen) {
    line_ = line;
    pen_ = pen;
    update();
}

void LineWidget::paintEvent(QPaintEvent*) {
    if (pen_.style() == Qt::NoPen) return;
    QPainter p(this);
    p.setPen(pen_);
    p.drawLine(line_);
}

// ---- ShapeWidget ----

ShapeWidget::ShapeWidget(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_TransparentForMouseEvents); }

void ShapeWidget::setShape(int kind, const QPen& pen, const QBrush& fill, const QBrush& back) {
    kind_ = kind;
    pen_ = pen;
    fill_ = fill;
    back_ = back;
    update();
}

void ShapeWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const qreal inset = pen_.style() == Qt::NoPen ? 0 : pen_.widthF() / 2;
    QRectF r = QRectF(rect()).adjusted(inset, inset, -inset, -inset);
    // Squares and circles take the shorter side, centred.
    if (kind_ == 1 || kind_ == 3 || kind_ == 5) {
        const qreal side = std::min(r.width(), r.height());
        r = QRectF(r.center().x() - side / 2, r.center().y() - side / 2, side, side);
    }
    const qreal radius = std::min(r.width(), r.height()) / 6;
    for (const QBrush* brush : {&back_, &fill_}) {
        if (brush->style() == Qt::NoBrush) continue;
        p.setPen(Qt::NoPen);
        p.setBrush(*brush);
        if (kind_ == 2 || kind_ == 3) p.drawEllipse(r);
        else if (kind_ == 4 || kind_ == 5) p.drawRoundedRect(r, radius, radius);
        else p.drawRect(r);
    }
    p.setPen(pen_);
    p.setBrush(Qt::NoBrush);
    if (kind_ == 2 || kind_ == 3) p.drawEllipse(r);
    else if (kind_ == 4 || kind_ == 5) p.drawRoundedRect(r, radius, radius);
    else p.drawRect(r);
}

// ---- PictureWidget ----

PictureWidget::PictureWidget(QWidget* parent) : QWidget(parent) {}

void PictureWidget::setPicture(const QString& path) {
    pixmap_ = path.isEmpty() ? QPixmap() : QPixmap(path);
    update();
}

void PictureWidget::setStretch(bool v) {
    stretch_ = v;
    update();
}

void PictureWidget::setBackground(const QColor& color, bool opaque) {
    back_ = color;
    opaque_ = opaque;
    update();
}

void PictureWidget::paintEvent(QPaintEvent*) {
    if (!opaque_ && pixmap_.isNull()) return;
    QPainter p(this);
    if (opaque_) p.fillRect(rect(), back_);
    if (pixmap_.isNull()) return;
    if (stretch_) p.drawPixmap(rect(), pixmap_);
    else p.drawPixmap(0, 0, pixmap_);
}

// ---- BoxWidget ----

BoxWidget::BoxWidget(QWidget* parent) : QWidget(parent), inner_(new PictureWidget(this)) {}

void BoxWidget::setBorder(bool border) {
    border_ = border;
    resizeEvent(nullptr);
    update();
}

void BoxWidget::setBackground(const QColor& color) {
    back_ = color;
    inner_->setBackground(color, true);
    update();
}

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

FrameWidget::FrameWidget(QWidget* parent) : QWidget(parent) {}

void FrameWidget::setCaption(const QString& caption) {
    caption_ = caption;
    update();
}

void FrameWidget::setBorder(bool border) {
    border_ = border;
    update();
}

void FrameWidget::setColors(const QColor& fore, const QColor& back) {
    fore_ = fore;
    back_ = back;
    update();
}

void FrameWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
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

} // namespace qtui
