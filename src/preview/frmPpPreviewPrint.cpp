#include "preview/frmPpPreview.h"

#include "core/globals.h"
#include "preview/PrinterDialog.h"
#include "preview/frmPpAdjust.h"
#include "preview/frmPpPrintSetup.h"
#include "preview/modPpPreview.h"
#include "platform/forms/Printing.h"
#include "platform/forms/Services.h"
#include "platform/text/Numbers.h"
#include "platform/text/RuntimeError.h"
#include "platform/text/Strings.h"

namespace {
void error(const std::string& prompt) { forms::MsgBox(prompt, forms::vbOKOnly, std::string("エラー")); }
} // namespace

// Another printer means another printable area: the pictures are drawn
// again. The same printer changes nothing.
void frmPpPreview::mnuPrint_Setup_Click() {
    try {
        forms::Printer& prn = forms::printer();
        const std::string before = text::Trim(prn.DeviceName());
        {
            PrinterDialog dialog;
            dialog.Show(forms::vbModal, this);
            if (dialog.Loaded()) dialog.Unload();
        }
        prn.followDefault();
        if (text::Trim(prn.DeviceName()) != before) {
            psGetPrinterInfo();
            psRefreshPages();
        }
    } catch (const text::RuntimeError& e) {
        forms::Screen::setMousePointer(forms::vbDefault);
        error("mnuPrint_Setup_Click(): " + e.Description);
    }
}

// Prints the chosen range through the print engine; the page shown stays.
void frmPpPreview::mnuPrint_Print_Click() {
    const int16_t shown = gintPrintPageNo;
    try {
        frmPpPrintSetup::gintPageMax = gintPrintPageCount;
        {
            frmPpPrintSetup dialog;
            dialog.Show(forms::vbModal, this);
            if (dialog.Loaded()) dialog.Unload();
        }
        if (gintDlgRet != -1)
            gPrinter(*gfrmPrintForm, frmPpPrintSetup::gintStartPage, frmPpPrintSetup::gintEndPage,
                     frmPpPrintSetup::gintCopy);
    } catch (const text::RuntimeError& e) {
        error("mnuPrint_Print_Click(): " + e.Description);
    }
    gintPrintPageNo = shown;
}

// Moves the page image by the adjusted offsets; later prints use them too.
void frmPpPreview::mnuPrintAdjust_Click() {
    gintAdjustRet = -1;
    {
        frmPpAdjust dialog;
        dialog.Show(forms::vbModal);
        if (dialog.Loaded()) dialog.Unload();
    }
    if (gintAdjustRet == -1) return;
    glngOffsetX = text::CLng(gintOffsetXmm * TwipsPerMillimetre);
    glngOffsetY = text::CLng(gintOffsetYmm * TwipsPerMillimetre);
    const double zoom = gdblZoom.at(static_cast<std::size_t>(mintZoom));
    imgForm.Move(glngOffsetX * zoom, glngOffsetY * zoom);
}

// The second printer command: the dialog, then every picture drawn anew.
void frmPpPreview::mnuPrinterSetup_Click() {
    try {
        {
            PrinterDialog dialog;
            dialog.Show(forms::vbModal, this);
            if (dialog.Loaded()) dialog.Unload();
        }
        forms::printer().followDefault();
        psKillBmpFiles();
        psGetPrinterInfo();
        psDspPage();
    } catch (const text::RuntimeError&) {
    }
}
