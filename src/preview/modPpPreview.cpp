#include "preview/modPpPreview.h"

#include "preview/frmPpPreview.h"
#include "preview/modPpFormBmp.h"

#include "core/globals.h"
#include "platform/forms/Form.h"
#include "platform/forms/Printing.h"
#include "platform/forms/Services.h"
#include "platform/text/Numbers.h"

#include <algorithm>

std::array<std::string, 3> gstrPreviewBmp;
std::array<double, 3> gdblZoom{1.0, 0.75, 0.5};
int32_t glngOffsetX = 0, glngOffsetY = 0;
int16_t gintOffsetXmm = 0, gintOffsetYmm = 0;
int16_t gintAdjustRet = 0;
forms::Form* gfrmPrintForm = nullptr;

namespace {

PreviewWindow previewWindow;

constexpr int16_t PaperA4 = 9;
constexpr int16_t Portrait = 1, Landscape = 2;

void psPreviewInit() {
    forms::printer().followDefault();
    gstrPreviewBmp = {gstrTempFolder + "/tmpPreview100", gstrTempFolder + "/tmpPreview075",
                      gstrTempFolder + "/tmpPreview050"};
    gdblZoom = {1.0, 0.75, 0.5};
    glngOffsetX = glngOffsetY = 0;
    gintPrintPageNo = 1;
    gintPrintPageCount = 1;
}

// A window at least as wide as it is high prints landscape.
int16_t orientationOf(const forms::Form& frm) {
    return frm.ScaleWidth() >= frm.ScaleHeight() ? Landscape : Portrait;
}

// One page: load the window for gintPrintPageNo, draw it, unload it.
void printPage(forms::Form& frm, bool last) {
    gsSetPrinterOffset();
    frm.Load();
    gsDrawForm(frm, nullptr, 1.0, last ? 1 : 0);
    frm.Unload();
}

// The loops leave the page number one past the last page printed.
int16_t pastLast(int page) { return static_cast<int16_t>(std::min(page, 32767)); }

} // namespace

void setPreviewWindow(PreviewWindow window) { previewWindow = std::move(window); }

void gsPrintPreview(forms::Form& frm, forms::Form* owner, int16_t pageCount, int32_t offsetYmm, int32_t offsetXmm) {
    psPreviewInit();
    gintPrintPageNo = 1;
    gintPrintPageCount = pageCount == 0 ? 1 : pageCount;
    forms::Printer& prn = forms::printer();
    prn.setOrientation(orientationOf(frm));
    prn.setPaperSize(PaperA4);
    gintPrinting = 0;
    gintOffsetYmm = text::CInt(offsetYmm);
    gintOffsetXmm = text::CInt(offsetXmm);
    gfrmPrintForm = &frm;
    struct Clear {
        ~Clear() { gfrmPrintForm = nullptr; }
    } clear;
    if (previewWindow) {
        previewWindow(owner);
        return;
    }
    frmPpPreview preview;
    preview.Show(forms::vbModal, owner);
    if (preview.Loaded()) preview.Unload();
}

void gsPrintDirect(forms::Form& frm, forms::Form*, int16_t pageCount, int32_t offsetYmm, int32_t offsetXmm) {
    psPreviewInit();
    gintPrintPageNo = 1;
    gintPrintPageCount = pageCount == 0 ? 1 : pageCount;
    const int16_t orientation = orientationOf(frm);
    gintPrinting = 1;
    gintOffsetYmm = text::CInt(offsetYmm);
    glngOffsetY = text::CLng(gintOffsetYmm * TwipsPerMillimetre);
    gintOffsetXmm = text::CInt(offsetXmm);
    glngOffsetX = text::CLng(gintOffsetXmm * TwipsPerMillimetre);
    forms::Printer& prn = forms::printer();
    forms::PrintJob job;
    const int count = gintPrintPageCount;
    int page = 1;
    for (; page <= count; ++page) {
        gintPrintPageNo = static_cast<int16_t>(page);
        prn.setOrientation(orientation);
        prn.setPaperSize(PaperA4);
        printPage(frm, page == count);
    }
    gintPrintPageNo = pastLast(page);
    job.End();
}

void gPrinter(forms::Form& frm, int16_t startPage, int16_t endPage, int16_t copies) {
    const forms::HourglassScope hourglass;
    gintPrinting = 1;
    struct Reset {
        ~Reset() { gintPrinting = 0; }
    } reset;
    forms::Printer& prn = forms::printer();
    forms::PrintJob job;
    for (int copy = 1; copy <= copies; ++copy) {
        int page = startPage;
        for (; page <= endPage; ++page) {
            gintPrintPageNo = static_cast<int16_t>(page);
            prn.setPaperSize(PaperA4);
            printPage(frm, page == endPage);
        }
        gintPrintPageNo = pastLast(page);
    }
    job.End();
}
