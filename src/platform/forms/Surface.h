#pragma once
#include "platform/forms/Device.h"
#include "platform/forms/Types.h"

#include <string>
#include <string_view>

namespace forms {

// The drawing interface that the printer and picture boxes share: a current
// position, pen and fill settings, a font, and drawing in twips relative to
// a movable scale origin. It draws on a Device and measures text with the
// document metric (documentMetrics()), so what it lays out is the same on
// every device and at every zoom.
class Surface {
public:
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;
    virtual ~Surface() = default;

    // The drawable area in twips (the printer: the printable area of the
    // paper in its orientation).
    virtual double ScaleWidth() = 0;
    virtual double ScaleHeight() = 0;
    // The coordinate of the area's top left: drawing at (x, y) lands
    // x - ScaleLeft twips right of the area's left edge.
    double ScaleLeft() const { return scaleLeft_; }
    double ScaleTop() const { return scaleTop_; }
    void setScaleLeft(double v) { scaleLeft_ = v; }
    void setScaleTop(double v) { scaleTop_ = v; }

    double CurrentX() const { return currentX_; }
    double CurrentY() const { return currentY_; }
    void setCurrentX(double v) { currentX_ = v; }
    void setCurrentY(double v) { currentY_ = v; }

    int16_t DrawStyle() const { return pen_.style; }
    void setDrawStyle(int16_t v) { pen_.style = v; }
    int16_t DrawMode() const { return pen_.mode; }
    void setDrawMode(int16_t v) { pen_.mode = v; }
    int DrawWidth() const { return pen_.width; } // device dots
    void setDrawWidth(int v) { pen_.width = v < 1 ? 1 : v; }
    Color FillColor() const { return fill_.color; }
    void setFillColor(Color c) { fill_.color = c; }
    int16_t FillStyle() const { return fill_.style; }
    void setFillStyle(int16_t v) { fill_.style = v; }
    Color ForeColor() const { return foreColor_; }
    void setForeColor(Color c) { foreColor_ = c; }

    const Font& font() const { return font_; }
    void setFont(const Font& f) { font_ = f; }
    double FontSize() const { return font_.Size; }
    void setFontSize(double points) { font_.Size = points; }

    // Prints the text at the current position; then the position moves to
    // the start of the next line.
    void Print(std::string_view text);
    // Line, Line B (box) and Line BF (filled box) from (x1, y1) to (x2, y2).
    enum class LineKind { Line, Box, BoxFill };
    void Line(double x1, double y1, double x2, double y2, Color color, LineKind kind = LineKind::Line);
    // An ellipse centred at (x, y) whose vertical to horizontal semi-axis
    // ratio is `aspect`; `radius` is the horizontal semi-axis when aspect < 1,
    // else the vertical one. The inside follows the fill settings.
    void Circle(double x, double y, double radius, Color color, double aspect = 1.0);
    // A picture file stretched into the rectangle.
    void PaintPicture(const std::string& path, double x, double y, double width, double height);
    // Text measures of the current font, in twips.
    double TextWidth(std::string_view text) const;
    double TextHeight(std::string_view text) const;

protected:
    Surface() = default;
    // The device to draw on now (a printer opens its document and page here).
    virtual Device& output() = 0;

private:
    double toX(double x) const { return x - scaleLeft_; }
    double toY(double y) const { return y - scaleTop_; }

    double scaleLeft_ = 0, scaleTop_ = 0;
    double currentX_ = 0, currentY_ = 0;
    Pen pen_;
    Brush fill_;
    Color foreColor_ = vbBlack;
    Font font_;
};

} // namespace forms
