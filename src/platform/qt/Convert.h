#pragma once
#include "platform/forms/Types.h"

#include <QColor>
#include <QCursor>
#include <QFont>
#include <QString>

#include <string>
#include <string_view>

// Model values to Qt values: twips to pixels, colours (system colours through
// the application palette), fonts (with the desktop's substitutes for the
// fonts the windows name) and mouse pointers.
namespace qtui {

inline QString qs(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}
inline std::string utf8(const QString& s) { return s.toStdString(); }

// Twips to whole pixels (15 twips a pixel) and back.
int px(double twips);
inline double twips(double pixels) { return pixels * forms::TwipsPerPixel; }

// An RGB colour (0x00BBGGRR) or a system colour (0x800000nn) as a colour of
// the application palette.
QColor toQColor(forms::Color c);

// The Qt font for a model font. Sizes are points at 96 dpi whatever the
// screen says, rounded to whole pixels as the platform does, so text fits
// layouts that are fixed in twips. Fonts are cached: pushes stay cheap.
QFont toQFont(const forms::Font& font);
// The family that stands in for a font the windows name.
QString substituteFamily(const std::string& name);

// A mouse pointer constant (vbDefault, vbArrow, vbSizeWE, vbHourglass ...).
// False for vbDefault: the widget takes its usual pointer.
bool toCursor(int16_t pointer, Qt::CursorShape& shape);

} // namespace qtui
