#include "preview/modPpFormBmp.h"

#include "preview/modPpPreview.h"

#include "platform/forms/Containers.h"
#include "platform/forms/Form.h"
#include "platform/forms/Graphics.h"
#include "platform/forms/Label.h"
#include "platform/forms/Printing.h"
#include "platform/text/Numbers.h"
#include "platform/text/RuntimeError.h"
#include "platform/text/Strings.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <string_view>
#include <vector>

int16_t gintPrinting = 0;
double gdblDrawScale = 1.0;

namespace {

using forms::Surface;

void psShowDrawError(int number) {
    const std::string what = gintPrinting == 1 ? "プリンタ印刷に失敗しました。" : "プレビュー準備に失敗しました。";
    forms::MsgBox(what + "\r\n" + "ErrorCode=" + text::Str(number), forms::vbExclamation, std::string("システム異常"));
}

// Runs one drawing step; a run-time error is reported and ends only that step.
template <class F>
void trapped(F&& draw) {
    try {
        draw();
    } catch (const text::RuntimeError& e) {
        psShowDrawError(e.Number);
    }
}

double scaled(double v) { return text::CLng(v * gdblDrawScale); }

// ---- primitives: coordinates of the window, scaled here ----

void psBoxFill(Surface& t, double x1, double y1, double x2, double y2, forms::Color colour) {
    t.Line(scaled(x1), scaled(y1), scaled(x2), scaled(y2), colour, Surface::LineKind::BoxFill);
}

void psBox(Surface& t, double x1, double y1, double x2, double y2, forms::Color colour) {
    t.Line(scaled(x1), scaled(y1), scaled(x2), scaled(y2), colour, Surface::LineKind::Box);
}

void psLine(Surface& t, double x1, double y1, double x2, double y2, forms::Color colour) {
    t.Line(scaled(x1), scaled(y1), scaled(x2), scaled(y2), colour, Surface::LineKind::Line);
}

void psCircle(Surface& t, double x, double y, double r, forms::Color colour, double aspect) {
    t.Circle(scaled(x), scaled(y), r * gdblDrawScale, colour, aspect);
}

// The position is rounded to whole twips before it is scaled; the font is
// scaled too. All three are put back afterwards.
void psPrintText(Surface& t, std::string_view s) {
    const double x = t.CurrentX(), y = t.CurrentY(), size = t.FontSize();
    t.setCurrentX(text::CLng(x) * gdblDrawScale);
    t.setCurrentY(text::CLng(y) * gdblDrawScale);
    t.setFontSize(size * gdblDrawScale);
    t.Print(s);
    t.setCurrentX(x);
    t.setCurrentY(y);
    t.setFontSize(size);
}

int16_t pfDrawStyle(int16_t borderStyle) {
    switch (borderStyle) {
    case 0: return 5;
    case 2: return 1;
    case 3: return 2;
    case 4: return 3;
    case 5: return 4;
    default: return 0;
    }
}

// Printer dots are small: a solid rule wider than one dot is drawn three
// times as wide; any other rule is one dot. A picture uses the width as is.
int lineWidth(int16_t borderStyle, int16_t borderWidth) {
    if (gintPrinting != 1) return borderWidth;
    if (borderStyle != 1 || borderWidth == 1) return 1;
    return 3 * borderWidth;
}

// Puts back the target's DrawStyle and DrawMode when a drawing step ends.
class KeepStyle {
public:
    explicit KeepStyle(Surface& t) : t_(t), style_(t.DrawStyle()), mode_(t.DrawMode()) {}
    ~KeepStyle() {
        t_.setDrawStyle(style_);
        t_.setDrawMode(mode_);
    }
    KeepStyle(const KeepStyle&) = delete;
    KeepStyle& operator=(const KeepStyle&) = delete;

private:
    Surface& t_;
    int16_t style_, mode_;
};

// ---- the controls ----

// CurrentX of a line `lineWidth` wide by the label's alignment.
void placeLine(Surface& t, const forms::Label& label, double lineWidth) {
    const double spare = label.Width() - lineWidth;
    switch (label.Alignment()) {
    case forms::vbRightJustify: t.setCurrentX(label.Left() + spare); break;
    case forms::vbCenter: t.setCurrentX(label.Left() + spare / 2); break;
    default: t.setCurrentX(label.Left()); break;
    }
}

// A cell of one line whose caption is somewhat too wide for it (the printed
// fonts draw Latin letters and digits wider than the fonts the reports were
// laid out for) prints the caption whole, condensed just enough to fit,
// rather than broken onto a second line across the row below. A caption
// with a line break, a label of several lines and a caption far too wide
// break as usual. `full` is the width of the caption, which has no line
// break and is wider than the label. False when it is not printed this way.
bool printedCondensed(Surface& t, const forms::Label& label, double full) {
    const std::string& caption = label.Caption();
    const double width = label.Width();
    forms::Font font = t.font();
    if (width <= 0 || width * 100 < full * forms::Font::LeastStretch || label.Height() >= 2 * t.TextHeight(caption)) return false;
    font.Stretch = static_cast<int>(std::floor(font.Stretch * width / full));
    for (; font.Stretch >= forms::Font::LeastStretch; --font.Stretch) {
        t.setFont(font);
        const double condensed = t.TextWidth(caption);
        if (condensed > width) continue;
        placeLine(t, label, condensed);
        psPrintText(t, caption);
        t.setFont(label.font());
        return true;
    }
    t.setFont(label.font());
    return false;
}

// The caption breaks at CR LF and wherever the next character would pass the
// label's width; it is measured with the label's own size, so the lines are
// the same at every scale. The first line always prints, a later one only
// when its top lies above the label's bottom edge.
void psDrawLabel(Surface& t, const forms::Label& label) {
    if (!label.Visible()) return;
    const KeepStyle keep(t);
    t.setFont(label.font());
    t.setForeColor(label.ForeColor());
    const double left = label.Left(), top = label.Top(), width = label.Width(), height = label.Height();
    if (label.BorderStyle() == 1) {
        t.setDrawWidth(2);
        psBox(t, left, top, left + width, top + height, forms::vbBlack);
    }
    // Byte offsets of the caption's characters, so pieces are views of it.
    const std::string& caption = label.Caption();
    std::vector<std::size_t> at;
    for (std::size_t i = 0; i < caption.size();) {
        at.push_back(i);
        text::nextCodePoint(caption, i);
    }
    const long h = static_cast<long>(at.size());
    at.push_back(caption.size());
    const auto piece = [&](long start, long n) { // characters start .. start + n - 1, 1-based
        const long from = std::min(start - 1, h), to = std::min(start - 1 + n, h);
        return std::string_view(caption).substr(at[from], at[to] - at[from]);
    };
    t.setCurrentY(top);
    long start = 1;
    do {
        long n = 0;
        std::string_view line;
        double lineWidth = 0;
        // The rest of the caption, when it fits and has no break, is the
        // line that growing a piece character by character would reach.
        const std::string_view rest = piece(start, h - start + 1);
        const bool unbroken = rest.find("\r\n") == std::string_view::npos;
        if (unbroken && (lineWidth = t.TextWidth(rest)) <= width) {
            n = h - start + 1;
            line = rest;
        } else if (start == 1 && unbroken && printedCondensed(t, label, lineWidth)) {
            return;
        } else {
            bool broken = false;
            for (;;) {
                ++n;
                line = piece(start, n);
                broken = n > 1 && line.ends_with("\r\n");
                lineWidth = t.TextWidth(line);
                if (lineWidth > width || start + n - 1 >= h || broken) break;
            }
            if (broken) {
                line.remove_suffix(2);
                lineWidth = t.TextWidth(line);
            } else if (lineWidth > width) {
                --n;
                line = piece(start, n);
                lineWidth = t.TextWidth(line);
            }
        }
        start += std::max(n, 0L);
        placeLine(t, label, lineWidth);
        psPrintText(t, line);
        // An empty line still advances, so a label narrower than one
        // character ends at its bottom edge.
        t.setCurrentY(t.CurrentY() + std::max(t.TextHeight(line), 1.0));
    } while (start <= h && t.CurrentY() < top + height);
}

void psDrawLine(Surface& t, const forms::Line& line) {
    if (!line.Visible()) return;
    const KeepStyle keep(t);
    t.setDrawStyle(pfDrawStyle(line.BorderStyle()));
    t.setDrawWidth(lineWidth(line.BorderStyle(), line.BorderWidth()));
    t.setDrawMode(line.DrawMode());
    psLine(t, line.X1(), line.Y1(), line.X2(), line.Y2(), line.BorderColor());
}

void psDrawShape(Surface& t, const forms::Shape& shape) {
    if (!shape.Visible()) return;
    const KeepStyle keep(t);
    const double l = shape.Left(), tp = shape.Top(), w = shape.Width(), h = shape.Height();
    const double r = l + w, b = tp + h;
    const double cx = text::CLng(l + w / 2), cy = text::CLng(tp + h / 2);
    const int16_t kind = shape.ShapeKind();
    t.setDrawMode(shape.DrawMode());
    const auto takeFill = [&] {
        t.setFillColor(shape.FillColor());
        t.setFillStyle(shape.FillStyle());
    };
    if (shape.FillStyle() != 1 && (kind == 0 || kind == 2)) {
        takeFill();
        t.setDrawStyle(pfDrawStyle(shape.BorderStyle()));
        t.setDrawWidth(shape.BorderWidth());
        if (kind == 0) psBoxFill(t, l, tp, r, b, shape.FillColor());
        else psCircle(t, cx, cy, w >= h ? cx - l : cy - tp, shape.FillColor(), text::divide(h, w));
    }
    if (shape.BorderStyle() == 0) return;
    t.setDrawStyle(pfDrawStyle(shape.BorderStyle()));
    switch (kind) {
    case 0:
        t.setDrawWidth(lineWidth(shape.BorderStyle(), shape.BorderWidth()));
        psBox(t, l, tp, r, b, shape.BorderColor());
        break;
    case 1: {
        // The centred square: the longer side loses half the difference at each end.
        const double cut = text::CLng(std::abs(w - h) / 2);
        double x1 = l, y1 = tp, x2 = r, y2 = b;
        if (w > h) x1 += cut, x2 -= cut;
        else y1 += cut, y2 -= cut;
        t.setDrawWidth(lineWidth(shape.BorderStyle(), shape.BorderWidth()));
        takeFill();
        psBox(t, x1, y1, x2, y2, shape.BorderColor());
        break;
    }
    case 2:
        t.setDrawWidth(shape.BorderWidth());
        takeFill();
        psCircle(t, cx, cy, w >= h ? cx - l : cy - tp, shape.BorderColor(), text::divide(h, w));
        break;
    case 3:
        t.setDrawWidth(shape.BorderWidth());
        takeFill();
        psCircle(t, cx, cy, text::CLng(std::min(w, h) / 2), shape.BorderColor(), 1.0);
        break;
    default: // rounded shapes are not drawn
        break;
    }
}

const std::string& pictureOf(const forms::Control& c) {
    static const std::string none;
    if (c.kind() == forms::ControlKind::Image) return static_cast<const forms::Image&>(c).Picture();
    if (c.kind() == forms::ControlKind::PictureBox) return static_cast<const forms::PictureBox&>(c).Picture();
    return none;
}

void psDrawPicture(Surface& t, const forms::Control& c) {
    if (!c.Visible()) return;
    const double s = gdblDrawScale;
    t.PaintPicture(pictureOf(c), c.Left() * s, c.Top() * s, c.Width() * s, c.Height() * s);
}

// ---- layers ----

// The digit a control's name ends in (an array's name for its elements), -1 when none.
int lastDigit(const forms::Control& c) {
    const std::string& n = c.Name();
    return !n.empty() && n.back() >= '0' && n.back() <= '9' ? n.back() - '0' : -1;
}

bool endsIn9x(const forms::Control& c) {
    const std::string& n = c.Name();
    return n.size() >= 2 && n[n.size() - 2] == '9' && lastDigit(c) >= 0;
}

bool isPicture(const forms::Control& c) { return !pictureOf(c).empty(); }

void drawLayers(Surface& t, const forms::Form& frm) {
    const auto& controls = frm.Controls();
    using Kind = forms::ControlKind;
    std::array<std::vector<const forms::Control*>, 10> byDigit;
    const auto passes = [&](auto draw) {
        for (auto& pass : byDigit) {
            for (const forms::Control* c : pass) trapped([&] { draw(*c); });
            pass.clear();
        }
    };
    const auto picture = [&](const forms::Control& c) { psDrawPicture(t, c); };
    const auto shape = [&](const forms::Control& c) { psDrawShape(t, static_cast<const forms::Shape&>(c)); };
    const auto label = [&](const forms::Control& c) { psDrawLabel(t, static_cast<const forms::Label&>(c)); };

    for (const forms::Control* c : controls) {
        if (!isPicture(*c)) continue;
        if (lastDigit(*c) < 0) trapped([&] { picture(*c); });
        else byDigit[lastDigit(*c)].push_back(c);
    }
    passes(picture);

    std::vector<const forms::Control*> topShapes, topLabels;
    for (const forms::Control* c : controls) {
        if (c->kind() != Kind::Shape) continue;
        if (endsIn9x(*c)) topShapes.push_back(c);
        else if (lastDigit(*c) >= 0) byDigit[lastDigit(*c)].push_back(c);
        else trapped([&] { shape(*c); });
    }
    passes(shape);

    for (const forms::Control* c : controls) {
        if (c->kind() == Kind::Line) trapped([&] { psDrawLine(t, static_cast<const forms::Line&>(*c)); });
        else if (c->kind() == Kind::Label && endsIn9x(*c)) topLabels.push_back(c);
        else if (c->kind() == Kind::Label) trapped([&] { label(*c); });
    }
    for (const forms::Control* c : topShapes) trapped([&] { shape(*c); });
    for (const forms::Control* c : topLabels) trapped([&] { label(*c); });
}

forms::Surface& pictureSurface(forms::PictureBox* pic) {
    if (!pic || !pic->surface()) throw text::RuntimeError(91, "オブジェクト変数が設定されていません。");
    return *pic->surface();
}

} // namespace

void gsDrawForm(forms::Form& frm, forms::PictureBox* pic, double zoom, int16_t last) {
    forms::Printer& prn = forms::printer();
    trapped([&] {
        const double area = prn.ScaleWidth(), width = frm.ScaleWidth();
        if (area >= width) gdblDrawScale = zoom;
        else gdblDrawScale = gintPrinting == 1 ? area / width : area / width * zoom;
        drawLayers(gintPrinting == 1 ? prn : pictureSurface(pic), frm);
    });
    // The page ends even when its drawing failed, so the pages after it stay
    // pages of their own.
    if (gintPrinting == 1) trapped([&] {
        if (last != 0) prn.EndDoc();
        else prn.NewPage();
    });
}

void gsSetPrinterOffset() {
    trapped([] {
        forms::Printer& prn = forms::printer();
        prn.setScaleLeft(-glngOffsetX);
        prn.setScaleTop(-glngOffsetY);
    });
}
