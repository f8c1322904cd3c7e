#include "platform/qt/Convert.h"

#include <QApplication>
#include <QPalette>

#include <algorithm>
#include <cmath>
#include <vector>
#include <utility>

namespace qtui {

int px(double twips) { return static_cast<int>(std::lround(twips / forms::TwipsPerPixel)); }

namespace {

// System colour index → palette role (and group, for the grey text).
QColor systemColor(unsigned index) {
    const QPalette pal = QApplication::palette();
    switch (index) {
    case 0x00: return pal.color(QPalette::Button);          // scroll bars
    case 0x01: return pal.color(QPalette::Dark);            // desktop
    case 0x02: return pal.color(QPalette::Highlight);       // active title bar
    case 0x03: return pal.color(QPalette::Mid);             // inactive title bar
    case 0x04: return pal.color(QPalette::Window);          // menu bar
    case 0x05: return pal.color(QPalette::Base);            // window background
    case 0x06: return pal.color(QPalette::Shadow);          // window frame
    case 0x07: return pal.color(QPalette::WindowText);      // menu text
    case 0x08: return pal.color(QPalette::Text);            // window text
    case 0x09: return pal.color(QPalette::HighlightedText); // title bar text
    case 0x0A: case 0x0B: return pal.color(QPalette::Light); // borders
    case 0x0C: return pal.color(QPalette::Dark);            // application workspace
    case 0x0D: return pal.color(QPalette::Highlight);
    case 0x0E: return pal.color(QPalette::HighlightedText);
    case 0x0F: return pal.color(QPalette::Button);          // button face
    case 0x10: return pal.color(QPalette::Dark);            // button shadow
    case 0x11: return pal.color(QPalette::Disabled, QPalette::WindowText); // grey text
    case 0x12: return pal.color(QPalette::ButtonText);
    case 0x13: return pal.color(QPalette::Disabled, QPalette::HighlightedText);
    case 0x14: return pal.color(QPalette::Light);           // 3-D highlight
    case 0x15: return pal.color(QPalette::Shadow);          // 3-D dark shadow
    case 0x16: return pal.color(QPalette::Midlight);        // 3-D light
    case 0x17: return pal.color(QPalette::ToolTipText);
    case 0x18: return pal.color(QPalette::ToolTipBase);
    default: return pal.color(QPalette::Button);
    }
}

struct CachedFont {
    forms::Font font;
    QFont qfont;
};

} // namespace

QColor toQColor(forms::Color c) {
    if (forms::isSystemColor(c)) return systemColor(c & 0xFFu);
    return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF), static_cast<int>((c >> 16) & 0xFF));
}

QString substituteFamily(const std::string& name) {
    static const std::pair<const char*, const char*> table[] = {
        {"ＭＳ Ｐゴシック", "IPAPGothic"},
        {"ＭＳ ゴシック", "IPAGothic"},
        {"ＭＳ 明朝", "IPAMincho"},
        {"ＭＳ Ｐ明朝", "IPAPMincho"},
    };
    for (const auto& [from, to] : table)
        if (name == from) return QString::fromLatin1(to);
    return qs(name);
}

QFont toQFont(const forms::Font& font) {
    // Windows use a handful of fonts: a short list is searched fast.
    static std::vector<CachedFont> cache;
    for (const auto& c : cache)
        if (c.font == font) return c.qfont;
    QFont q(substituteFamily(font.Name));
    q.setPixelSize(std::max(1, static_cast<int>(std::lround(font.Size * 96.0 / 72.0))));
    q.setBold(font.Bold);
    q.setItalic(font.Italic);
    q.setUnderline(font.Underline);
    q.setStrikeOut(font.Strikethrough);
    if (font.Stretch != 100) q.setStretch(std::clamp(font.Stretch, 1, 4000));
    if (cache.size() >= 64) cache.clear();
    cache.push_back({font, q});
    return q;
}

bool toCursor(int16_t pointer, Qt::CursorShape& shape) {
    switch (pointer) {
    case 1: shape = Qt::ArrowCursor; return true;
    case 2: shape = Qt::CrossCursor; return true;
    case 3: shape = Qt::IBeamCursor; return true;
    case 5: case 15: shape = Qt::SizeAllCursor; return true;
    case 6: shape = Qt::SizeBDiagCursor; return true;
    case 7: shape = Qt::SizeVerCursor; return true;
    case 8: shape = Qt::SizeFDiagCursor; return true;
    case 9: shape = Qt::SizeHorCursor; return true;
    case 10: shape = Qt::UpArrowCursor; return true;
    case 11: shape = Qt::WaitCursor; return true;
    case 12: shape = Qt::ForbiddenCursor; return true;
    case 13: shape = Qt::BusyCursor; return true;
    case 14: shape = Qt::WhatsThisCursor; return true;
    default: return false;
    }
}

} // namespace qtui
