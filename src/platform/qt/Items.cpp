#include "platform/qt/Items.h"

#include "platform/forms/Graphics.h"
#include "platform/forms/Label.h"
#include "platform/qt/Convert.h"
#include "platform/qt/RecentPictures.h"

#include <QPainter>
#include <QPalette>
#include <qdrawutil.h>

#include <algorithm>
#include <cmath>

namespace qtui {

using forms::ControlKind;

namespace {

constexpr int Border3D = 2; // a sunken border, pixels

Qt::PenStyle penStyle(int16_t borderStyle) {
    switch (borderStyle) {
    case 0: return Qt::NoPen;
    case 2: return Qt::DashLine;
    case 3: return Qt::DotLine;
    case 4: return Qt::DashDotLine;
    case 5: return Qt::DashDotDotLine;
    default: return Qt::SolidLine;
    }
}

QPen borderPen(forms::Color color, int16_t style, int16_t width) {
    QPen pen(toQColor(color));
    pen.setStyle(penStyle(style));
    pen.setWidth(std::max<int>(1, width));
    return pen;
}

QBrush fillBrush(const forms::Shape& s) {
    static const Qt::BrushStyle hatches[] = {Qt::SolidPattern, Qt::NoBrush, Qt::HorPattern, Qt::VerPattern,
                                             Qt::BDiagPattern, Qt::FDiagPattern, Qt::CrossPattern, Qt::DiagCrossPattern};
    const int style = s.FillStyle();
    const Qt::BrushStyle b = style >= 0 && style < 8 ? hatches[style] : Qt::NoBrush;
    return b == Qt::NoBrush ? QBrush() : QBrush(toQColor(s.FillColor()), b);
}

int penWidth(const forms::Line& m) { return std::max<int>(1, m.BorderWidth()); }

// Text from the top, wrapped at the width, an optional opaque background and
// sunken border. An "&" shows as it stands: a label here has no access key,
// and the names and titles labels show are the user's.
void paintLabel(QPainter& p, const forms::Label& l, QRect r, const QPalette& palette, bool enabled) {
    if (l.BackStyle() == 1) p.fillRect(r, toQColor(l.BackColor()));
    if (l.BorderStyle() == 1) {
        qDrawWinPanel(&p, r, palette, true);
        r.adjust(Border3D, Border3D, -Border3D, -Border3D);
    }
    int flags = Qt::AlignTop;
    const int16_t a = l.Alignment();
    flags |= a == forms::vbRightJustify ? Qt::AlignRight : a == forms::vbCenter ? Qt::AlignHCenter : Qt::AlignLeft;
    if (!(l.AutoSize() && !l.WordWrap())) flags |= Qt::TextWordWrap;
    p.setPen(enabled ? toQColor(l.ForeColor()) : palette.color(QPalette::Disabled, QPalette::WindowText));
    p.setFont(toQFont(l.font()));
    p.drawText(r, flags, qs(l.Caption()));
}

// The line through the middle of its end pixels.
void paintLine(QPainter& p, const forms::Line& m) {
    const QPen pen = borderPen(m.BorderColor(), m.BorderStyle(), m.BorderWidth());
    if (pen.style() == Qt::NoPen) return;
    p.setPen(pen);
    p.drawLine(QLineF(px(m.X1()) + 0.5, px(m.Y1()) + 0.5, px(m.X2()) + 0.5, px(m.Y2()) + 0.5));
}

// Rectangle, square, oval, circle, rounded rectangle or square: back, fill, border.
void paintShape(QPainter& p, const forms::Shape& m, const QRect& area) {
    const int kind = m.ShapeKind();
    const QPen pen = borderPen(m.BorderColor(), m.BorderStyle(), m.BorderWidth());
    const QBrush back = m.BackStyle() == 1 ? QBrush(toQColor(m.BackColor())) : QBrush();
    const QBrush fill = fillBrush(m);
    const qreal inset = pen.style() == Qt::NoPen ? 0 : pen.widthF() / 2;
    QRectF r = QRectF(area).adjusted(inset, inset, -inset, -inset);
    // Squares and circles take the shorter side, centred.
    if (kind == 1 || kind == 3 || kind == 5) {
        const qreal side = std::min(r.width(), r.height());
        r = QRectF(r.center().x() - side / 2, r.center().y() - side / 2, side, side);
    }
    const qreal radius = std::min(r.width(), r.height()) / 6;
    auto draw = [&] {
        if (kind == 2 || kind == 3) p.drawEllipse(r);
        else if (kind == 4 || kind == 5) p.drawRoundedRect(r, radius, radius);
        else p.drawRect(r);
    };
    for (const QBrush* brush : {&back, &fill}) {
        if (brush->style() == Qt::NoBrush) continue;
        p.setPen(Qt::NoPen);
        p.setBrush(*brush);
        draw();
    }
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    draw();
}

} // namespace

Item* itemOf(const forms::Control& c) {
    return isItemKind(c.kind()) ? static_cast<Item*>(c.backendData()) : nullptr;
}

QRect placementOf(const forms::Control& c) {
    if (c.kind() != ControlKind::Line) return {px(c.Left()), px(c.Top()), px(c.Width()), px(c.Height())};
    const auto& m = static_cast<const forms::Line&>(c);
    const int x1 = px(m.X1()), y1 = px(m.Y1()), x2 = px(m.X2()), y2 = px(m.Y2());
    const int pen = penWidth(m);
    return {std::min(x1, x2) - pen, std::min(y1, y2) - pen, std::abs(x2 - x1) + 2 * pen + 1,
            std::abs(y2 - y1) + 2 * pen + 1};
}

void loadPicture(Item& item) {
    const std::string& path = static_cast<const forms::Image&>(*item.control).Picture();
    item.picture = path.empty() ? QPixmap() : pictureFromFile(qs(path));
}

bool takesMouse(const Item& item) {
    const forms::Control& c = *item.control;
    return (c.kind() == ControlKind::Label || c.kind() == ControlKind::Image) && c.Visible() && c.Enabled();
}

void paintItem(QPainter& p, const Item& item, const QPalette& palette, bool enabled) {
    const forms::Control& c = *item.control;
    p.save();
    p.setClipRect(item.area, Qt::IntersectClip);
    switch (c.kind()) {
    case ControlKind::Label:
        paintLabel(p, static_cast<const forms::Label&>(c), item.area, palette, enabled && c.Enabled());
        break;
    case ControlKind::Line: paintLine(p, static_cast<const forms::Line&>(c)); break;
    case ControlKind::Shape: paintShape(p, static_cast<const forms::Shape&>(c), item.area); break;
    case ControlKind::Image:
        if (item.picture.isNull()) break;
        if (static_cast<const forms::Image&>(c).Stretch()) p.drawPixmap(item.area, item.picture);
        else p.drawPixmap(item.area.topLeft(), item.picture);
        break;
    default: break;
    }
    p.restore();
}

} // namespace qtui
