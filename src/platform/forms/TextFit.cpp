#include "platform/forms/TextFit.h"

#include <algorithm>

#include "platform/forms/Services.h"
#include "platform/text/Strings.h"

namespace forms {

namespace {

constexpr double FitFloorSize = 7.5; // points (10 pixels)
constexpr double FitStep = 0.75;     // points: one pixel at 96 dpi
constexpr int StretchStep = 5;       // percent

// The longest start of `text` that fits `width` twips with "…" after it.
std::string elided(const Font& font, const std::string& text, double width) {
    long low = 0, high = text::Len(text) - 1; // the answer lies in [low, high]
    while (low < high) {
        const long mid = (low + high + 1) / 2;
        if (TextWidth(font, text::Left(text, mid) + "…") <= width) low = mid;
        else high = mid - 1;
    }
    return text::Left(text, low) + "…";
}

} // namespace

FittedText fitOneLine(const Font& given, const std::string& text, double width) {
    Font font = given;
    for (;; font.Size = std::max(FitFloorSize, font.Size - FitStep)) {
        if (TextWidth(font, text) <= width) return {font, text};
        if (font.Size <= FitFloorSize) break;
    }
    for (font.Stretch -= StretchStep; font.Stretch >= Font::LeastStretch; font.Stretch -= StretchStep)
        if (TextWidth(font, text) <= width) return {font, text};
    return {given, elided(given, text, width)};
}

} // namespace forms
