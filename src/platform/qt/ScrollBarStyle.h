#pragma once
#include <QProxyStyle>

class QScrollBar;

namespace qtui {

// Scroll bars drawn by the application's style with the groove kept in a
// pixmap: the groove is the same whatever the value, and drawing it (tall
// gradients and lines) is most of a scroll bar's cost, so a value change
// draws only the thumb and the arrows over the kept groove. What the bar
// shows is the style's own drawing, unchanged.
class ScrollBarStyle : public QProxyStyle {
public:
    ScrollBarStyle(); // over a fresh instance of the application's style
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget) const override;
};

// Gives a scroll bar of the backend the style above (one for all of them,
// deleted with the application).
void useScrollBarStyle(QScrollBar& bar);

} // namespace qtui
