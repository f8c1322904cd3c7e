#include "platform/qt/ScrollBarStyle.h"

#include <QApplication>
#include <QPainter>
#include <QPixmapCache>
#include <QPointer>
#include <QScrollBar>
#include <QStyleFactory>
#include <QStyleOptionSlider>

namespace qtui {

namespace {

// What the groove depends on: its size and direction, the colours and the
// state's colour group.
QString grooveKey(const QStyleOptionSlider& option, qreal ratio) {
    return QStringLiteral("lumora-groove-%1x%2-%3-%4-%5-%6-%7")
        .arg(option.rect.width())
        .arg(option.rect.height())
        .arg(option.orientation)
        .arg(option.palette.cacheKey())
        .arg(option.palette.currentColorGroup())
        .arg(static_cast<int>(option.state & (QStyle::State_Enabled | QStyle::State_Active)))
        .arg(ratio);
}

} // namespace

ScrollBarStyle::ScrollBarStyle() : QProxyStyle(QStyleFactory::create(QApplication::style()->name())) {}

void ScrollBarStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                                        const QWidget* widget) const {
    const auto* bar = qstyleoption_cast<const QStyleOptionSlider*>(option);
    if (control != CC_ScrollBar || !bar || !(bar->subControls & SC_ScrollBarGroove) || bar->rect.isEmpty()) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    const qreal ratio = painter->device()->devicePixelRatio();
    const QString key = grooveKey(*bar, ratio);
    QPixmap groove;
    if (!QPixmapCache::find(key, &groove)) {
        groove = QPixmap(bar->rect.size() * ratio);
        groove.setDevicePixelRatio(ratio);
        QStyleOptionSlider only = *bar;
        only.subControls = SC_ScrollBarGroove;
        only.rect.moveTopLeft(QPoint(0, 0));
        QPainter p(&groove);
        QProxyStyle::drawComplexControl(control, &only, &p, widget);
        p.end();
        QPixmapCache::insert(key, groove);
    }
    painter->drawPixmap(bar->rect.topLeft(), groove);
    QStyleOptionSlider rest = *bar;
    rest.subControls &= ~SC_ScrollBarGroove;
    QProxyStyle::drawComplexControl(control, &rest, painter, widget);
}

void useScrollBarStyle(QScrollBar& bar) {
    static QPointer<QStyle> style;
    if (!style) {
        style = new ScrollBarStyle;
        style->setParent(qApp);
    }
    bar.setStyle(style);
}

} // namespace qtui
