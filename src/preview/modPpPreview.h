#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <string>

namespace forms {
class Form;
} // namespace forms

// The print engine: which page of a report window is loaded, on which paper
// and with which offsets, and when a print document ends. The page protocol:
// set gintPrintPageNo (core/globals.h), load the window (it lays out that
// page), draw it with gsDrawForm, unload it.

// Base paths of the preview's work pictures, one per zoom step.
extern std::array<std::string, 3> gstrPreviewBmp;
// The preview's zoom steps 1.0, 0.75, 0.5.
extern std::array<double, 3> gdblZoom;
// The page offset when printing, twips: positive moves the print right and down.
extern int32_t glngOffsetX, glngOffsetY;
// The offsets in millimetres as the caller gave them.
extern int16_t gintOffsetXmm, gintOffsetYmm;
// The position adjustment dialog's result: -1 cancelled, 0 accepted.
extern int16_t gintAdjustRet;
// The report window being previewed; set only while the preview is open.
extern forms::Form* gfrmPrintForm;

// Twips per millimetre, as the offsets are converted.
constexpr double TwipsPerMillimetre = 56.69286;

// Opens the preview of `frm` (modal, owned by `owner`) on page 1 of
// `pageCount` (0 counts as 1), with the printer set to A4 in the window's
// orientation; returns when the preview has closed.
void gsPrintPreview(forms::Form& frm, forms::Form* owner, int16_t pageCount, int32_t offsetYmm, int32_t offsetXmm);
// Prints every page of `frm` as one document, each page moved by the offsets.
void gsPrintDirect(forms::Form& frm, forms::Form* owner, int16_t pageCount, int32_t offsetYmm, int32_t offsetXmm);
// Prints pages startPage..endPage `copies` times, one document per copy, with
// the hourglass shown meanwhile.
void gPrinter(forms::Form& frm, int16_t startPage, int16_t endPage, int16_t copies);

// The preview window, shown modally with the given owner and working from
// the engine's state (gfrmPrintForm, gintPrintPageCount, the offsets in
// millimetres): frmPpPreview unless a test installs another here; nullptr
// puts frmPpPreview back.
using PreviewWindow = std::function<void(forms::Form* owner)>;
void setPreviewWindow(PreviewWindow window);
