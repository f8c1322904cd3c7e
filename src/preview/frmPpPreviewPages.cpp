#include "preview/frmPpPreview.h"

#include "core/globals.h"
#include "preview/modPpFormBmp.h"
#include "preview/modPpPreview.h"
#include "platform/forms/Printing.h"
#include "platform/forms/Services.h"
#include "platform/text/Numbers.h"
#include "platform/text/RuntimeError.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <filesystem>
#include <memory>

namespace fs = std::filesystem;

namespace {

// A picture's size as saved: whole screen pixels.
double snapped(double twips) {
    return static_cast<double>(std::lround(twips / forms::TwipsPerPixel) * forms::TwipsPerPixel);
}

bool isWorkPicture(const fs::path& p) {
    const std::string name = p.filename().string();
    return name.starts_with("tmpPreview") && p.extension() == ".bmp";
}

// Runs one statement of the scroll-bar layout; a failing one is skipped.
template <class F>
void skipping(F&& statement) {
    try {
        statement();
    } catch (const text::RuntimeError&) {
    }
}

int16_t clamp16(double v) { return static_cast<int16_t>(std::clamp(std::lround(v), 0L, 32767L)); }

} // namespace

std::string pfBmpFileName(int zoom, int page) {
    return gstrPreviewBmp.at(static_cast<std::size_t>(zoom)) + "-" + text::Str(page) + ".bmp";
}

// The paper and its printable area as the chosen printer reports them for
// the paper set (A4, the report's orientation).
void frmPpPreview::psGetPrinterInfo() {
    forms::Printer& prn = forms::printer();
    const forms::PageArea a = forms::printService().pageArea({prn.Orientation(), prn.PaperSize()});
    mlngPaperWidth = text::CLng(a.paperWidth);
    mlngPaperHeight = text::CLng(a.paperHeight);
    mlngAreaWidth = text::CLng(a.width);
    mlngAreaHeight = text::CLng(a.height);
    mlngAreaLeft = text::CLng(a.left);
    mlngAreaTop = text::CLng(a.top);
}

// Lays out page gintPrintPageNo once and saves it at the three zoom steps;
// a picture may be written while the next one is drawn.
void frmPpPreview::psMakePageBmp() {
    forms::Form& report = *gfrmPrintForm;
    report.Load();
    struct Unloading {
        forms::Form& f;
        ~Unloading() { f.Unload(); }
    } unloading{report};
    gintPrinting = 0;
    std::array<std::unique_ptr<forms::Picture>, 3> pictures;
    for (int z = 0; z < 3; ++z) {
        const double zoom = gdblZoom.at(static_cast<std::size_t>(z));
        auto& picture = pictures.at(static_cast<std::size_t>(z));
        picture = std::make_unique<forms::Picture>(mlngAreaWidth * zoom, mlngAreaHeight * zoom);
        picBmp.Move(0, 0, snapped(mlngAreaWidth * zoom), snapped(mlngAreaHeight * zoom));
        picBmp.setSurface(picture.get());
        gsDrawForm(report, &picBmp, zoom, 0);
        picBmp.setSurface(nullptr);
        picture->BeginSave(pfBmpFileName(z, gintPrintPageNo));
    }
    // The last begun is the likeliest still waiting to be made: ended first.
    std::array<bool, 3> written{};
    for (int z = 2; z >= 0; --z) written.at(static_cast<std::size_t>(z)) = pictures.at(static_cast<std::size_t>(z))->EndSave();
    for (int z = 0; z < 3; ++z)
        if (!written.at(static_cast<std::size_t>(z))) {
            const std::string file = pfBmpFileName(z, gintPrintPageNo);
            throw text::RuntimeError(text::err::PermissionDenied,
                                     text::describeError(text::err::PermissionDenied) + "\r\n" + file);
        }
}

// The three pictures of the shown page exist, drawn now when one is
// missing. A failure is told once per opening and leaves an empty page.
bool frmPpPreview::psEnsurePageBmp() {
    for (int z = 0;; ++z) {
        if (z == 3) return true;
        if (!fs::exists(pfBmpFileName(z, gintPrintPageNo))) break;
    }
    try {
        psMakePageBmp();
        return true;
    } catch (const text::RuntimeError& e) {
        if (!failureShown_) {
            failureShown_ = true;
            forms::Screen::setMousePointer(forms::vbDefault);
            forms::MsgBox("プレビュー準備に失敗しました。\r\n" + e.Description, forms::vbExclamation,
                          std::string("ﾌﾟﾚﾋﾞｭｰ"));
        }
        return false;
    }
}

// Shows the top of the paper at the current zoom with the page's picture.
void frmPpPreview::psDspPage() {
    const double zoom = gdblZoom.at(static_cast<std::size_t>(mintZoom));
    imgForm.setVisible(false);
    imgForm.setEnabled(false);
    imgForm.setStretch(false);
    imgForm.setPicture("");
    picPaper.setVisible(false);
    picPaper.Move(0, 0, mlngPaperWidth * zoom, mlngPaperHeight * zoom);
    displayed_ = true;
    psSetScrollBar();
    psPlacePaper();
    psSetScrollValue();
    picPrintArea.Move(mlngAreaLeft * zoom, mlngAreaTop * zoom, mlngAreaWidth * zoom, mlngAreaHeight * zoom);
    picPaper.setVisible(true);
    psDrawMarks();
    const bool drawn = psEnsurePageBmp();
    imgForm.setPicture(drawn ? pfBmpFileName(mintZoom, gintPrintPageNo) : std::string());
    imgForm.setWidth(snapped(mlngAreaWidth * zoom));
    imgForm.setHeight(snapped(mlngAreaHeight * zoom));
    if (mintPlaced == 0) {
        // Centred across the printable width, as the page is drawn at 100 %.
        const double width = gfrmPrintForm->ScaleWidth();
        const double scale = mlngAreaWidth >= width ? 1.0 : mlngAreaWidth / width;
        glngOffsetX = text::CLng((mlngAreaWidth - width * scale) / 2);
        mintPlaced = 1;
    }
    imgForm.Move(glngOffsetX * zoom, glngOffsetY * zoom);
    imgForm.setVisible(true);
    imgForm.setEnabled(true);
    imgForm.Refresh();
}

void frmPpPreview::psDspPageNo() {
    mnuPageNo.setCaption("(" + text::Str(gintPrintPageNo) + "/" + text::Str(gintPrintPageCount) + ")");
}

// Two red strokes at each corner of the printable area, running outward
// halfway to the paper's edge.
void frmPpPreview::psDrawMarks() {
    const double L = std::round(picPrintArea.Left()), T = std::round(picPrintArea.Top());
    const double R = L + std::round(picPrintArea.Width()), B = T + std::round(picPrintArea.Height());
    const double PW = std::round(picPaper.Width()), PH = std::round(picPaper.Height());
    const double strokes[8][4] = {
        {L, T, L, T / 2},           {L, T, L / 2, T},           // top left
        {L, B, L, B + (PH - B) / 2}, {L, B, L / 2, B},           // bottom left
        {R, T, R, T / 2},           {R, T, R + (PW - R) / 2, T}, // top right
        {R, B, R, B + (PH - B) / 2}, {R, B, R + (PW - R) / 2, B}, // bottom right
    };
    for (int i = 0; i < 8; ++i) linMark[i].setPoints(strokes[i][0], strokes[i][1], strokes[i][2], strokes[i][3]);
}

// Which bars the paper needs: each test leaves room for the other bar.
void frmPpPreview::psSetScrollBar() {
    const double cw = ScaleWidth(), ch = ScaleHeight();
    if (cw <= 0 || ch <= 0) return;
    const double vw = VScroll1.Width(), hh = HScroll1.Height();
    const bool needV = picPaper.Height() > ch - hh, needH = picPaper.Width() > cw - vw;
    if (needV && needH) {
        skipping([&] { VScroll1.Move(std::max(0.0, cw - vw), 0, vw, std::max(0.0, ch - hh)); });
        skipping([&] { HScroll1.Move(0, std::max(0.0, ch - hh), std::max(0.0, cw - vw), hh); });
    } else if (needV) {
        skipping([&] { VScroll1.Move(std::max(0.0, cw - vw), 0, vw, ch); });
    } else if (needH) {
        skipping([&] { HScroll1.Move(0, std::max(0.0, ch - hh), cw, hh); });
    }
    VScroll1.setVisible(needV);
    HScroll1.setVisible(needH);
    psSetCorner();
}

void frmPpPreview::psSetCorner() {
    if (VScroll1.Visible() && HScroll1.Visible()) {
        picCorner.setBackColor(BackColor());
        picCorner.Move(VScroll1.Left(), VScroll1.Height(), std::max(0.0, ScaleWidth() - VScroll1.Left()),
                       std::max(0.0, ScaleHeight() - VScroll1.Height()));
        picCorner.setVisible(true);
    } else {
        picCorner.setVisible(false);
    }
}

// A paper narrower than the room beside the vertical bar is centred; a
// wider one starts at the left edge and scrolls. A paper that fits the
// height is back at the top.
void frmPpPreview::psPlacePaper() {
    const double room = ScaleWidth() - (VScroll1.Visible() ? VScroll1.Width() : 0.0);
    const double width = picPaper.Width();
    picPaper.setLeft(width > room ? 0.0 : (room - width) / 2);
    if (!VScroll1.Visible()) picPaper.setTop(0);
}

void frmPpPreview::psSetScrollValue() {
    const double cw = ScaleWidth(), ch = ScaleHeight();
    if (cw <= 0 || ch <= 0) return;
    const double vw = VScroll1.Width(), hh = HScroll1.Height();
    const auto range = [&](forms::ScrollBar& bar, double paper, double room, double client, double offset) {
        const int16_t max = clamp16(paper - room), small = std::max<int16_t>(1, clamp16(client / 50)),
                      large = std::max<int16_t>(1, clamp16(client / 3));
        // Another page at the same zoom and size: the bar stays as it is
        // (switching it off and on would only draw it again).
        if (bar.Enabled() && bar.Min() == 0 && bar.Max() == max && bar.SmallChange() == small &&
            bar.LargeChange() == large && bar.Value() == std::min(clamp16(-offset), max))
            return;
        skipping([&] { bar.setEnabled(false); });
        skipping([&] { bar.setMin(0); });
        skipping([&] { bar.setMax(max); });
        skipping([&] { bar.setSmallChange(small); });
        skipping([&] { bar.setLargeChange(large); });
        skipping([&] { bar.setValue(std::min(clamp16(-offset), bar.Max())); });
        skipping([&] { bar.setEnabled(true); });
    };
    if (picPaper.Height() > ch - hh) range(VScroll1, picPaper.Height(), ch - hh, ch, picPaper.Top());
    if (picPaper.Width() > cw - vw) range(HScroll1, picPaper.Width(), cw - vw, cw, picPaper.Left());
}

void frmPpPreview::VScroll1_Change() {
    if (VScroll1.Visible()) picPaper.setTop(-VScroll1.Value());
}

void frmPpPreview::HScroll1_Change() {
    if (HScroll1.Visible()) picPaper.setLeft(-HScroll1.Value());
}

// Every work picture in the temp folder goes, leftovers of earlier runs
// included; a file that cannot be deleted is left and the rest still go.
void frmPpPreview::psKillBmpFiles() {
    std::error_code ec;
    const fs::path folder = fs::path(gstrPreviewBmp[0]).parent_path();
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code ignored;
        if (isWorkPicture(it->path()) && it->is_regular_file(ignored)) fs::remove(it->path(), ignored);
    }
}

// After a change of printer: every picture goes and the shown page is drawn
// again for the new printable area, centred anew.
void frmPpPreview::psRefreshPages() {
    const forms::HourglassScope hourglass;
    try {
        psKillBmpFiles();
        mintPlaced = 0;
        psDspPage();
        psDspPageNo();
    } catch (const text::RuntimeError&) {
    }
}

void frmPpPreview::psGoToPage(int16_t page) {
    const forms::HourglassScope hourglass;
    try {
        gintPrintPageNo = page;
        psDspPage();
        psDspPageNo();
    } catch (const text::RuntimeError&) {
    }
}

void frmPpPreview::psZoom(int16_t zoom) {
    mintZoom = zoom;
    psDspPage();
}

void frmPpPreview::mnuBPage_Click() {
    if (gintPrintPageNo <= 1) {
        forms::MsgBox("前ページはありません。", forms::vbOKOnly, std::string("ﾌﾟﾚﾋﾞｭｰ"));
        return;
    }
    psGoToPage(static_cast<int16_t>(gintPrintPageNo - 1));
}

void frmPpPreview::mnuNPage_Click() {
    if (gintPrintPageNo >= gintPrintPageCount) {
        forms::MsgBox("次ページはありません。", forms::vbOKOnly, std::string("ﾌﾟﾚﾋﾞｭｰ"));
        return;
    }
    psGoToPage(static_cast<int16_t>(gintPrintPageNo + 1));
}
