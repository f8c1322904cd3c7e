#pragma once
// Fitting one line of text into a width: the fonts of this machine are wider
// than the ones the windows were laid out for, and a text cut at a box's
// edges ("00H(10x10" for "120H(12x10)", "Aコー" for "Aコース:") reads as
// something else.
#include <string>

#include "platform/forms/Types.h"

namespace forms {

struct FittedText {
    Font font;         // the font to draw it in
    std::string shown; // the text to draw
};

// `text` in `font` when it fits `width` twips; otherwise drawn smaller, one
// pixel of font size at a time, down to a floor, and at the floor condensed
// a little (course names such as "Aコース" fit there or just past it, and all
// of them read whole alike). A text too long for any of that (a long name)
// keeps the font and shows its start followed by "…".
FittedText fitOneLine(const Font& font, const std::string& text, double width);

} // namespace forms
