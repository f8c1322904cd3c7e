#pragma once
#include <cstdint>

namespace forms {
class Form;
class PictureBox;
} // namespace forms

// The form renderer: draws a loaded report window's labels, lines, shapes
// and pictures onto the printer or into a preview picture box, scaled.

// 1 = drawing on the printer, 0 = on the picture box given to gsDrawForm.
extern int16_t gintPrinting;
// The factor of every coordinate and font size while drawing; set by each
// gsDrawForm.
extern double gdblDrawScale;

// Draws `frm` in layer order: pictures, shapes (by the digit their name ends
// in), lines and labels in one sweep, then the shapes and the labels whose
// names end in 90..99 on top. On the printer the page then ends: with the
// end of the document when `last` is non-zero, else with a page break.
// `pic` (ignored when printing) needs a surface (forms::Picture).
void gsDrawForm(forms::Form& frm, forms::PictureBox* pic, double zoom, int16_t last);

// Moves the printer's scale origin to (-glngOffsetX, -glngOffsetY), so the
// page prints that far right and down.
void gsSetPrinterOffset();
